#pragma once
// The country of a spotted call from the shared country table G.CountryTable (prefixes sorted, so
// that each first character's prefixes stand together): the longest prefix that begins the call.
// Comparisons are exact and case-sensitive.
#include <QString>
#include <QVariant>

namespace CountryyLookupForDXSpots {

// The call as last searched (after the "/" rule); set by every lookup.
extern QString LookupCall;

// Reads G.CountryTable; changes only LookupCall. Returns the country name, "USA" for a KG4 call
// longer than 5 characters that matched, "" when nothing matches, and an empty QVariant for an
// empty call. A part after "/" of 2 characters or more and shorter than half the call is searched
// instead of the whole call.
QVariant SpotCountryLookup(const QString& call);

}   // namespace CountryyLookupForDXSpots
