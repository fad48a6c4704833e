#pragma once
// The contest state's county table (county2.txt) and the keystroke filters that the entry fields
// share.
#include <QString>

namespace Module2 {

// Fills G.CountyNames / G.CountyAbbreviations from county2.txt in the program folder: rows of two
// values, "<state code><county name>" and the abbreviation; only rows whose first two characters
// equal G.PartyState exactly enter the table, in file order (at most 1000). False when the file
// is missing or unreadable, holds no row of the state, or a 1001st row of the state is met; the
// rows read so far stay.
bool LoadCountyList();

// The county whose abbreviation equals `abbrev` in upper case (the first such row), or an
// empty text when none does.
QString CountyNameFromAbbrev(const QString& abbrev);

// Keystroke filters: take a key's character code and give the code to use, 0 dropping the key.
// UpperCaseKey turns "a".."z" into capitals and drops a double quote (it would break the list
// format of the files the fields are written to); other codes pass unchanged.
int UpperCaseKey(int keyAscii);
// DigitsOnlyKey lets Backspace and "0".."9" pass and drops every other key.
int DigitsOnlyKey(int keyAscii);

}   // namespace Module2
