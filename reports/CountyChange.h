#pragma once
// The own county of an in-state station, changed during the contest: the county box of the county
// change windows (frmCountyChange, frmCountyChangeRover) and the rover's list of present counties,
// without widgets.
//
// The county box completes a county from the table as it is typed, with the type-ahead of the
// entry row's county field (Entry::countyTypeAhead: from the last county up, the rest selected),
// and takes no double quote. A county is accepted only when it is a name of the county table
// (ignoring case, otherwise exactly).
#include <QString>
#include <QStringList>

#include "entry/EntryKeys.h"

namespace CountyChange {

// One key typed into a county box: Enter changes nothing and says so (the window then runs its
// Done or adds the county). Any other key: a key with the caret at the start empties the box
// first (typing there starts a new county; Backspace there empties it), the first letter and a
// letter after a blank inside the text become capitals, and the type-ahead completes the county;
// without a completion the key is typed as the box types it.
enum class Key { Typed, Enter };
Key keyPress(Entry::TextBox& box, int keyAscii);

// Whether `text` is a county of the table.
bool isCounty(const QString& text);

// The rover's present counties in the order of a sorted list box (alphabetical ignoring case,
// equal names in the order they were added); the same county may be listed more than once.
class RoverList {
public:
    // Adds a county at its alphabetical place; returns its index.
    int add(const QString& county);
    void removeAt(int index);
    const QStringList& entries() const { return entries_; }
    int count() const { return int(entries_.size()); }

private:
    QStringList entries_;
};

}   // namespace CountyChange
