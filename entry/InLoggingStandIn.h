#pragma once
// STAND-IN, to be replaced by the in-state window's logging (Infrm.Mains with its required-field,
// state, county and log-time duplicate checks). It stores what the in-state entry row holds so the
// row can be used end to end: a call of at least three characters and both reports are required,
// the county is kept only for the contest state (an abbreviation becomes the county's name), the
// record is appended to log.txt (put back when the file cannot be written) and the window's
// displays follow. It runs no duplicate check.
#include "entry/InEntry.h"

namespace InLoggingStandIn {

// True when the contact was stored.
bool Mains(Entry::InEntry& row);

} // namespace InLoggingStandIn
