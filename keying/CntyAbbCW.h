#pragma once
// The county as it is sent in CW for the "^" wildcard.
#include <QString>

namespace CntyAbbCW {

// The county's abbreviation from G.CountyNames / G.CountyAbbreviations when the county is in the
// table (compared without regard to case, first match) and its abbreviation is not empty and
// shorter than the given text; else the text itself. Reads the county table; changes nothing.
QString GetCntyAbbCW(const QString& county);

}   // namespace CntyAbbCW
