#include "mainwindow/EntryRowView.h"

#include <algorithm>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>

#include "core/Colors.h"
#include "platform/KeyEvents.h"
#include "platform/VbControls.h"

using Entry::Field;

namespace {

// The status labels' colour numbers; the button face is the system colour, not a fixed one.
QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

QColor colorOf(long long number)
{
    return number == Entry::ColorButtonFace ? buttonFace() : Colors::fromNumber(number);
}

long long numberOf(const QColor& c) { return c == buttonFace() ? Entry::ColorButtonFace : Colors::toNumber(c); }

long long backColor(const QLabel* l) { return numberOf(l->palette().color(QPalette::Window)); }

void setBackColor(QLabel* l, long long number)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, colorOf(number));
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

// A move of the focus inside the window, not the window's activation or a menu.
bool realMove(Qt::FocusReason r)
{
    return r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason && r != Qt::MenuBarFocusReason;
}

}   // namespace

void EntryBox::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    emit focusEntered(e->reason());
}

EntryRowView::EntryRowView(Entry::EntryRow& row, const EntryWidgets& widgets, QWidget* scope)
    : row_(row), w_(widgets), scope_(scope)
{
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k) {
        QLineEdit* e = w_.fields[k];
        const Field f = specs[k].field;
        hooks_.push_back(KeyEvents::hook(e, [this, f](int& key) { keyPress(f, key); }));
        // Installed after the key hook, so it sees the paste keys first. Everything pasted goes to
        // the row; the widget inserts nothing itself. The window's key handling takes every Ctrl
        // key, so the context menu names none.
        hooks_.push_back(KeyEvents::filterPaste(
            e,
            [this, f](const QString& text) {
                paste(f, text);
                return QString();
            },
            KeyEvents::CtrlKeys::Swallowed));
        connect(e, &QLineEdit::textEdited, this, [this, f](const QString& t) { edited(f, t, true); });
        connect(e, &QLineEdit::textChanged, this, [this, f](const QString& t) { edited(f, t, false); });
        if (auto* box = qobject_cast<EntryBox*>(e))
            connect(box, &EntryBox::focusEntered, this, [this, box](Qt::FocusReason r) { focusEntered(box, r); });
    }
    // The other controls of the window (lists, buttons) taking the focus.
    qApp->installEventFilter(this);
}

EntryRowView::~EntryRowView()
{
    for (const QPointer<QObject>& h : hooks_)
        delete h.data();
}

Field EntryRowView::fieldOf(const QObject* widget) const
{
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k)
        if (w_.fields[k] == widget)
            return specs[k].field;
    return Field::None;
}

QLineEdit* EntryRowView::widget(Field f) const
{
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k)
        if (specs[k].field == f)
            return w_.fields[k];
    return nullptr;
}

void EntryRowView::run(const std::function<void()>& f)
{
    if (depth_++ == 0) {
        pull();
        for (size_t k = 0; k < before_.size(); ++k)
            before_[k] = row_.box(Entry::fieldSpecs()[k].field);
    }
    f();
    if (--depth_ == 0)
        show();
}

void EntryRowView::keyPress(Field f, int& keyAscii)
{
    const int key = keyAscii;
    run([&] {
        takeSelection(f);
        row_.keyPress(f, key);
    });
    // The widget never sees the key: a Ctrl combination the window let through (Ctrl+Shift+Z)
    // must not work the line edit's own commands (undo, cut, paste, select all).
    keyAscii = 0;
}

void EntryRowView::paste(Field f, const QString& text)
{
    run([&] {
        takeSelection(f);
        row_.paste(f, text);
    });
}

void EntryRowView::takeSelection(Field f)
{
    const QLineEdit* e = widget(f);
    if (!e)
        return;
    row_.setSelection(f, selStart(e), e->selectionLength());
}

void EntryRowView::pull()
{
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k)
        row_.box(specs[k].field).visible = !w_.fields[k]->isHidden();
    takeSelection(row_.focus);
    Entry::StatusLabels& l = row_.labels;
    l.lblDialog = w_.lblDialog->text();
    l.lblDialogBackColor = backColor(w_.lblDialog);
    l.lblDupe = w_.lblDupe->text();
    l.lblDupeBackColor = backColor(w_.lblDupe);
    l.Label19 = w_.Label19->text();
    l.Label22 = w_.Label22->text();
    l.Label23 = w_.Label23->text();
    if (w_.Label3)
        row_.labels.Label3Visible = !w_.Label3->isHidden();
    if (w_.countyCaption)
        row_.labels.countyCaptionEnabled = w_.countyCaption->isEnabled();
}

void EntryRowView::show()
{
    showing_ = true;
    // The focus first: a line edit's own focus handling may move its caret.
    if (QLineEdit* e = widget(row_.focus); e && QApplication::focusWidget() != e)
        e->setFocus(Qt::OtherFocusReason);
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k) {
        const Entry::TextBox& b = row_.box(specs[k].field);
        QLineEdit* e = w_.fields[k];
        // Setting the limit puts the caret at the end: only a change is applied. The row
        // enforces its limit on typing; the widget's never cuts a text the row holds (a report
        // typed before the mode command lowered the limit stays whole).
        if (const int max = b.maxLength > 0 ? std::max(b.maxLength, int(b.text.size())) : 32767; e->maxLength() != max)
            e->setMaxLength(max);
        // A field the event left alone keeps what the widget shows (a caret put there from
        // outside the row stays).
        const Entry::TextBox& was = before_[k];
        const bool changed = b.text != was.text || b.selStart != was.selStart || b.selLength != was.selLength;
        if (e->text() != b.text)
            e->setText(b.text);
        else if (!changed)
            continue;
        setSelection(e, b.selStart, b.selLength);
    }
    const Entry::StatusLabels& l = row_.labels;
    w_.lblDialog->setText(l.lblDialog);
    setBackColor(w_.lblDialog, l.lblDialogBackColor);
    w_.lblDupe->setText(l.lblDupe);
    setBackColor(w_.lblDupe, l.lblDupeBackColor);
    if (l.lblDupeFontPoints > 0 && w_.lblDupe->font().pointSizeF() != l.lblDupeFontPoints) {
        QFont font = w_.lblDupe->font();
        font.setPointSizeF(l.lblDupeFontPoints);
        w_.lblDupe->setFont(font);
    }
    w_.Label19->setText(l.Label19);
    w_.Label22->setText(l.Label22);
    w_.Label23->setText(l.Label23);
    if (w_.Label3)
        w_.Label3->setVisible(row_.labels.Label3Visible);
    if (w_.countyCaption)
        w_.countyCaption->setEnabled(row_.labels.countyCaptionEnabled);
    showing_ = false;
}

void EntryRowView::focusEntered(QWidget* w, Qt::FocusReason reason)
{
    // A move the row made itself is already the row's focus.
    if (showing_ || !realMove(reason))
        return;
    Field f = fieldOf(w);
    if (f == Field::None)
        f = Field::Other;
    run([&] { row_.setFocus(f); });
}

void EntryRowView::edited(Field f, const QString& text, bool byUser)
{
    if (showing_ || (!byUser && text == row_.box(f).text))
        return;
    run([&] {
        row_.setText(f, text);
        if (byUser)
            takeSelection(f);
    });
}

bool EntryRowView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched->isWidgetType() && !qobject_cast<EntryBox*>(watched)) {
        auto* w = static_cast<QWidget*>(watched);
        if (scope_ && scope_->isAncestorOf(w))
            focusEntered(w, static_cast<QFocusEvent*>(event)->reason());
    }
    return QObject::eventFilter(watched, event);
}
