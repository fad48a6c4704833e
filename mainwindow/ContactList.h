#pragma once
// The contact list ListView1 of both main windows, without widgets.
//
// The list shows records of G.ContactArrays by their record numbers: the last 20 (or all) newest
// first, or the earlier contacts of a call that the call field's duplicate check lists. One
// model, ContactList::Model, holds those record numbers and makes each row's texts only when a
// view asks for them, so a list of all 11000 contacts is filled at once. The first column is the
// record number: Edit and Delete act on the record behind the selected row.
//
// The commands of the list (Edit, Delete, Last 20 / All, Recall, List Previous Contacts, copy to
// the clipboard) decide here; the window shows the results and passes its events on.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <optional>

#include "mainwindow/MainWindows.h"

namespace ContactList {

// How many contacts the list shows unless it shows them all.
constexpr int RecentCount = 20;

// The records of the recent list, newest first: G.QSOCount down to 1 with `all`, else down to
// the 20th newest.
QVector<int> recentRecords(int qsoCount, bool all);

// Which columns a row has: the out-of-state window's eight (record number, call, report
// received, county, report sent, date/time, mode, band), the in-state window's nine (the state,
// province or country after the report received) and, for an in-state rover, a tenth: the county
// the contact was sent from.
struct Layout {
    MainWindows::Which which = MainWindows::Which::Out;
    bool roverColumn = false;
    int columnCount() const;
};
Layout layoutFor(MainWindows::Which which, uint8_t roverFlag);

// The text of column `column` (0 = record number) of record `record`; empty past the layout's
// columns.
QString cellText(const Layout& layout, int record, int column);
QStringList rowTexts(const Layout& layout, int record);

// "mm/dd hh:nn" of a stored date ("yyyy/mm/dd") and time ("hh:mm:ss" or "hh:mm"); a part that
// does not read as a date or a time is shown as it is stored.
QString dateTimeText(const QString& date, const QString& time);

// The clipboard text of the list: the header line, then one line per row from the last row
// shown up to the first; fields separated by TAB, every line ended by CR LF. An empty list gives
// the header line alone.
QString clipboardText(const QStringList& headers, const QVector<QStringList>& rowsShown);

// ---- Commands that need no widget --------------------------------------------------------------

// Last 20 / All: toggles G.ListAllFlag and gives the button's new caption, which names what the
// list shows ("All" or "Last 20"). The window then refills the list and focuses the call field.
QString cmdList_Click();

// List Previous Contacts: G.ListPreviousFlag follows the menu tick and QSOpref.txt is saved.
void setListPrevious(bool ticked);

// Recall: the call of the newest contact, which the window puts into the call field before it
// focuses the county field; no value (nothing happens) with an empty log.
std::optional<QString> recallCall();

// What Edit and Delete need of their window.
class Host {
public:
    virtual ~Host() = default;
    // The record number of the selected row; 0 when no row is selected.
    virtual int selectedRecord() = 0;
    // Shows the window's own edit dialog modally for record G.EditIndex; returns once it is gone.
    virtual void showEditDialog() = 0;
    // Hides the Edit and Delete buttons.
    virtual void hideEditButtons() = 0;
    // Reads log.txt again, recounts and refills every list.
    virtual void ReloadLog() = 0;
};

// Edit: with a selected row, sets G.EditIndex to its record, shows the edit dialog, hides the
// buttons, rewrites log.txt from memory and reloads, whatever the dialog did. Without a selected
// row nothing happens. A failed rewrite is shown in a message box; the reload then brings back
// the log as the file holds it.
void cmdEdit_Click(Host& host);

// Delete: with a selected row, asks "Are you sure?" (Yes / No); the buttons are hidden whatever
// the answer; Yes deletes the record (the later ones move up, log.txt is rewritten) and reloads.
// Without a selected row nothing happens. A failed rewrite leaves the log as it was and is shown
// in a message box.
void cmdDelete_Click(Host& host);

// Title of the message box that reports a failed write of log.txt.
inline const QString WriteErrorTitle = QStringLiteral("Unable to write file.");

// ---- The model ---------------------------------------------------------------------------------

// The rows of ListView1: record numbers, texts made on demand from G.ContactArrays.
class Model : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Model(QObject* parent = nullptr);

    // The window's columns, set by its load (the in-state rover's extra column depends on
    // G.RoverFlag at that time). The headers name the columns; their count is the column count.
    void setLayout(const Layout& layout);
    const Layout& layout() const { return layout_; }
    void setHeaders(const QStringList& headers, const QVector<Qt::Alignment>& alignments = {});
    const QStringList& headers() const { return headers_; }

    // Refills with the recent contacts (G.ListAllFlag: all or the last 20), newest first.
    void ListRecentContacts();
    // Refills with the given records, in that order (the earlier contacts of a call).
    void showRecords(const QVector<int>& records);
    void clear();

    // Orders the rows ascending by the text of `column`, ignoring case; rows with equal texts
    // keep their order. Record numbers compare as text too ("10" before "9"). The order lasts
    // until the next refill.
    void sortByColumn(int column);

    const QVector<int>& records() const { return records_; }
    // The record behind row `row`, 0 outside the rows.
    int recordAt(int row) const;
    QString text(int row, int column) const;
    // The clipboard text of the rows as they stand (see clipboardText).
    QString clipboardText() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Layout layout_;
    QStringList headers_;
    QVector<Qt::Alignment> alignments_;
    QVector<int> records_;
};

}   // namespace ContactList
