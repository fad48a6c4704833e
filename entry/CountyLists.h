#pragma once
// The contest state's counties in two lists beside the entry fields of both main windows: the
// counties worked and the counties still to go, each under a header with its count, and the filter
// button that decides whether "worked" means in any mode or in the current mode. The lists are
// rebuilt from the log at every reload and brought up to date after every logged contact; a click
// on a county puts it into the county field.
//
// `Model` holds both lists as the window shows them (sorted, ignoring case) with their headers and
// the filter caption; the window copies them into its list controls.
#include "entry/EntryKeys.h"

#include <QString>
#include <QStringList>

namespace CountyLists {

class Model {
public:
    explicit Model(Entry::Window window);

    Entry::Window window;
    QStringList worked;      // List2: counties as logged, one entry per county
    QStringList toGo;        // out-of-state List1, in-state List3: names of the county table
    QString workedHeader;    // caption of the worked list's header label
    QString toGoHeader;      // caption of the to-go list's header label
    QString filterCaption;   // caption of Command1: "All Modes" or "Crnt Mode"

    // Control names for the window: the lists and the lblStation indexes of their headers.
    const char* toGoListName() const;
    int workedHeaderIndex() const;
    int toGoHeaderIndex() const;

    // Both lists and headers from records 1 to G.QSOCount (reload, and the filter button of the
    // out-of-state window).
    void FillCountyLists();
    // Both lists and headers for record G.QSOCount, just logged (whatever the filter: it is in the
    // current mode).
    void UpdateCountyLists();
    // The filter button: toggles the caption. The out-of-state window's lists are rebuilt here;
    // the in-state window reloads the whole log instead (true: the caller runs ReloadLog). Either
    // window first gives txtCall the focus.
    bool Command1_Click();

private:
    void addWorked(const QString& county);
    void setHeaders();
};

// What a click on a county in either list does to the entry: the county into txtSec, in the
// in-state window the contest state into txtCntry, and where the focus goes.
struct Click {
    QString county;
    QString state;   // empty: txtCntry is left alone
    Entry::Field focus = Entry::Field::Call;
};
Click countyClicked(Entry::Window window, const QString& entry);

}   // namespace CountyLists
