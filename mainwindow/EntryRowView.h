#pragma once
// An entry row (Entry::EntryRow or Entry::InEntry) on the window's widgets. The row decides; this
// class hands it every event of the entry fields and then shows the row's state: the fields'
// texts, selections, length limits and the focus, and the status labels its handlers write (in
// the in-state window also the "New" marker and whether the "County" caption is enabled).
//
// - Keys: every character the window's own key handling lets through goes to the row's key
//   handling, which types it itself; the widget never gets it. A control character (Ctrl with a
//   letter) therefore never works the line edit's own commands (select all, cut, paste, undo).
//   Keys that type no character (Delete, the arrows) work the widget, and what they change is
//   taken back into the row like any other edit made in the widget (the context menu's Cut).
// - Paste (the context menu, Shift+Insert, the middle button) and drop go to the row, which
//   types the text into the field by the field's own character rules up to where typing would
//   leave the field. The context menu names no Ctrl shortcut (none acts here), only Shift+Ins
//   and Shift+Del.
// - Focus: only a real move inside the window (Tab, Backtab, a click, a move made from code) is
//   a focus change for the row. The window losing or regaining the activation, or a menu taking
//   the keyboard, is none: leaving the call field runs its handlers only when another control of
//   the window takes the focus.
// - Text written into a field from outside the row (the county list window, Recall) reaches the
//   row as a text set from code.
// - lblDialog and lblDupe are written by other parts of the window too: before each event the
//   row takes their current captions and colours, so what its handlers leave alone stays shown.
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QVector>

#include <array>
#include <functional>

#include "entry/EntryKeys.h"

class QLabel;

// An entry field: a line edit that reports the focus it got after its own focus handling
// (which selects the whole text on Tab), so the row's selection is the one shown.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focusEntered(Qt::FocusReason reason);

protected:
    void focusInEvent(QFocusEvent* e) override;
};

// The widgets an entry row is shown on.
struct EntryWidgets {
    // The seven fields, in the order of Entry::fieldSpecs().
    std::array<QLineEdit*, 7> fields{};
    QLabel* lblDialog = nullptr;
    QLabel* lblDupe = nullptr;
    QLabel* Label19 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    // In-state window only (nullptr: left alone): the "New" marker and the "County" caption.
    QLabel* Label3 = nullptr;
    QLabel* countyCaption = nullptr;
};

class EntryRowView : public QObject {
    Q_OBJECT
public:
    // `scope` holds the window's controls: any of them other than the entry fields that takes the
    // focus is Field::Other for the row.
    EntryRowView(Entry::EntryRow& row, const EntryWidgets& widgets, QWidget* scope);
    ~EntryRowView() override;

    Entry::EntryRow& row() { return row_; }

    // Runs `f` on the row as one event: the row first takes the labels and the focused field's
    // selection from the widgets, and the widgets show the row afterwards. A run inside a run
    // (a handler that logs, a Time On inside logging) is part of the outer one.
    void run(const std::function<void()>& f);

    // What the window passes on for a key typed into field f (after its own key handling): the
    // row handles and types it; `keyAscii` comes back 0, nothing being left to the widget.
    void keyPress(Entry::Field f, int& keyAscii);
    void paste(Entry::Field f, const QString& text);

    // Shows the row's present state in the widgets (a wait that lets no input in calls it so the
    // operator sees what the handlers have done so far).
    void show();

    // The entry field a widget is, Field::None for any other.
    Entry::Field fieldOf(const QObject* widget) const;
    QLineEdit* widget(Entry::Field f) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusEntered(QWidget* w, Qt::FocusReason reason);
    void edited(Entry::Field f, const QString& text, bool byUser);
    void takeSelection(Entry::Field f);
    void pull();
    // Shows the row's state in the widgets: the labels and the focus, and the fields the event
    // changed.

    Entry::EntryRow& row_;
    EntryWidgets w_;
    QPointer<QWidget> scope_;
    QVector<QPointer<QObject>> hooks_;         // the key and paste filters on the fields
    std::array<Entry::TextBox, 7> before_{};   // the fields as the event found them
    int depth_ = 0;
    bool showing_ = false;
};
