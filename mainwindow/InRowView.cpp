#include "mainwindow/InRowView.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "core/Colors.h"
#include "platform/KeyEvents.h"

using Entry::Field;

namespace {

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

long long backColor(const QLabel* l)
{
    const QColor c = l->palette().color(QPalette::Window);
    return c == buttonFace() ? Entry::ColorButtonFace : Colors::toNumber(c);
}

void setBackColor(QLabel* l, long long number)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, number == Entry::ColorButtonFace ? buttonFace() : Colors::fromNumber(number));
    l->setPalette(pal);
    l->setAutoFillBackground(true);
}

} // namespace

InRowView::InRowView(Entry::InRow& row, const EntryWidgets& widgets, QLabel* countyHeading, QLabel* newMarker,
                     std::function<void()> enter)
    : row_(row), w_(widgets), countyHeading_(countyHeading), newMarker_(newMarker)
{
    for (QLineEdit* e : w_.fields) {
        hooks_.push_back(KeyEvents::hook(e, [enter](int& key) {
            if (key == Entry::KeyEnter) {
                key = 0;
                enter();
            }
        }));
    }
}

InRowView::~InRowView()
{
    for (const QPointer<QObject>& h : hooks_)
        delete h.data();
}

void InRowView::run(const std::function<void()>& f)
{
    if (depth_++ == 0)
        pull();
    f();
    if (--depth_ == 0)
        show();
}

void InRowView::pull()
{
    const auto& specs = Entry::fieldSpecs();
    const QWidget* focused = QApplication::focusWidget();
    for (size_t k = 0; k < specs.size(); ++k) {
        const QLineEdit* e = w_.fields[k];
        Entry::TextBox& b = row_.box(specs[k].field);
        b.text = e->text();
        b.visible = !e->isHidden();
        b.selStart = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        b.selLength = e->hasSelectedText() ? int(e->selectedText().size()) : 0;
        if (e == focused)
            row_.focus = specs[k].field;
    }
    Entry::StatusLabels& l = row_.labels;
    l.lblDialog = w_.lblDialog->text();
    l.lblDialogBackColor = backColor(w_.lblDialog);
    l.lblDupe = w_.lblDupe->text();
    l.lblDupeBackColor = backColor(w_.lblDupe);
    l.Label19 = w_.Label19->text();
    l.Label22 = w_.Label22->text();
    l.Label23 = w_.Label23->text();
    l.countyCaptionEnabled = countyHeading_ && countyHeading_->isEnabled();
    l.Label3Visible = newMarker_ && !newMarker_->isHidden();
}

void InRowView::show()
{
    const auto& specs = Entry::fieldSpecs();
    for (size_t k = 0; k < specs.size(); ++k) {
        const Entry::TextBox& b = row_.box(specs[k].field);
        QLineEdit* e = w_.fields[k];
        if (e->text() != b.text)
            e->setText(b.text);
        if (b.selLength > 0)
            e->setSelection(b.selStart, b.selLength);
        else
            e->setCursorPosition(b.selStart);
        if (specs[k].field == row_.focus && QApplication::focusWidget() != e)
            e->setFocus(Qt::OtherFocusReason);
    }
    const Entry::StatusLabels& l = row_.labels;
    w_.lblDialog->setText(l.lblDialog);
    setBackColor(w_.lblDialog, l.lblDialogBackColor);
    w_.lblDupe->setText(l.lblDupe);
    setBackColor(w_.lblDupe, l.lblDupeBackColor);
    w_.Label19->setText(l.Label19);
    w_.Label22->setText(l.Label22);
    w_.Label23->setText(l.Label23);
    if (countyHeading_)
        countyHeading_->setEnabled(l.countyCaptionEnabled);
}
