#include "reports/CountyBox.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "core/DesignWindow.h"
#include "core/Globals.h"
#include "entry/EntryKeys.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "reports/CountyChange.h"

CountyBox::CountyBox(QLineEdit* box, std::function<void()> enter) : QObject(box), box_(box), enter_(std::move(enter))
{
    KeyEvents::hook(box, [this](int& k) { keyPress(k); });
    KeyEvents::filterPaste(box, Entry::withoutQuotes);
    box->installEventFilter(this);
}

void CountyBox::keyPress(int& keyAscii)
{
    const int key = keyAscii;
    // Control characters other than Backspace and Enter (copy, select all) stay the widget's.
    if (key > 0 && key < 32 && key != Entry::KeyBackspace && key != Entry::KeyEnter)
        return;
    keyAscii = 0;
    Entry::TextBox b;
    b.text = box_->text();
    b.maxLength = box_->maxLength();
    b.selStart = selStart(box_);
    b.selLength = box_->selectionLength();
    if (CountyChange::keyPress(b, key) == CountyChange::Key::Enter) {
        enter_();
        return;
    }
    box_->setText(b.text);
    setSelection(box_, b.selStart, b.selLength);
}

bool CountyBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_ && event->type() == QEvent::FocusIn) {
        // SelLength := the text's length: from SelStart to the end. SelStart is taken before the
        // line edit's own focus handling, which selects all on Tab; a window shown modally gets
        // a second focus-in on activation, which keeps the selection the first one made.
        const int start = selStart(box_);
        static_cast<QObject*>(box_.data())->event(event);
        setSelection(box_, start, int(box_->text().size()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool CountyBox::check(QLineEdit* box, QLabel* invalid)
{
    invalid->hide();
    if (CountyChange::isCounty(box->text()))
        return true;
    Platform::prompts().beep();
    invalid->show();
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

CountyBox::Field CountyBox::addField(DesignLayout& d, double top)
{
    Field f;
    f.box = d.add<QLineEdit>(QStringLiteral("Text1"), ControlGeometry::Kind::TextBox, 240, top, 2760, 375, 12);
    f.box->setMaxLength(20);
    f.invalid =
        d.addLabel(QStringLiteral("Label2"), QStringLiteral("   Invalid!"), 3120, top + 45, 1320, 285, nullptr, 9.75);
    QPalette p = f.invalid->palette();
    p.setColor(QPalette::Window, QColor(128, 0, 0));
    p.setColor(QPalette::WindowText, QColor(255, 255, 255));
    f.invalid->setPalette(p);
    f.invalid->setAutoFillBackground(true);
    f.invalid->hide();
    return f;
}

void CountyBox::load(DesignLayout& d, const Field& f)
{
    const Platform::Screen s = Platform::Screen::current();
    ModFormResize::ScaleToScreen(d.geometry(), s.width, s.height);
    d.apply();
    f.box->setText(G.CurrentCounty);
    setSelection(f.box, 0, 0);
    f.invalid->hide();
}
