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
    b.selStart = box_->hasSelectedText() ? box_->selectionStart() : box_->cursorPosition();
    b.selLength = box_->hasSelectedText() ? int(box_->selectedText().size()) : 0;
    if (CountyChange::keyPress(b, key) == CountyChange::Key::Enter) {
        enter_();
        return;
    }
    box_->setText(b.text);
    if (b.selLength > 0)
        box_->setSelection(b.selStart, b.selLength);
    else
        box_->setCursorPosition(b.selStart);
}

bool CountyBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == box_ && event->type() == QEvent::FocusIn) {
        // The caret stays where it was (the line edit's own focus handling would select all on
        // Tab); from there to the end is selected.
        const int caret = box_->cursorPosition();
        static_cast<QObject*>(box_.data())->event(event);
        box_->setSelection(caret, int(box_->text().size()) - caret);
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
    f.box->setCursorPosition(0);
    f.invalid->hide();
}
