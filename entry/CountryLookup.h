#pragma once
// The country of a call, from the country table (G.CountryTable, arrlpre2.txt) by the call's
// prefix, and the other position lookups of the in-state entry row: the province of a Canadian
// call and the position of a US state.
//
// The table's rows are sorted by prefix in text order (digits before letters, case ignored). A
// call is looked up by the longest prefix of the table that it begins with; only the rows whose
// prefix starts with the call's first character are read. Stations of the USA and Canada are not
// resolved to a country: the operator types their state or province.
#include <QString>

#include "core/Globals.h"

namespace CountryLookup {

// The call that is looked up: a call with a "/" is looked up by what follows the first "/" when
// that is more than one character and fewer than half the call's length (call/VE3); otherwise
// whole (W9ABC/M, VE3/DL1ABC).
QString lookupCall(const QString& call);

// The row (0-based) of G.CountryTable whose prefix is the longest one that `lookup` begins with
// (ignoring case); among equally long prefixes the first row. -1 when none matches (also for an
// empty call or table).
int bestRow(const QString& lookup);

struct Result {
    enum class Kind {
        NoCall,        // the call is empty: nothing is looked up
        NotFound,      // no prefix matches: the state field reads "Not Found"
        UsaOrCanada,   // left to the operator: continent "NA", the state field as typed
        Country,       // `text` into the state field, continent and position from `row`
    };
    Kind kind = Kind::NoCall;
    QString text;   // "AK", "HI", the country's name, or empty for a KG4 station in the USA
    int row = -1;   // the table row whose continent and position are shown
};

// Looks up the call field's text. Sets G.LookupCall to the call looked up. A call beginning "KG4"
// of 4 or of more than 5 characters is a station in the USA (the first "USA" row's position, an
// empty state field); with 3 or 5 characters it is the table's own match.
Result lookup(const QString& call);

// The province a Canadian call's first three characters stand for (VE1..VE9, VO1, VO2, VY1, VY2;
// ignoring case), empty for any other call.
QString canadianProvince(const QString& call);

// The row of G.StatePositions (rows 1..50) whose abbreviation equals `abbrev` (ignoring case),
// nullptr for none.
const StatePosition* statePosition(const QString& abbrev);

}   // namespace CountryLookup
