#pragma once
// The in-state window's entry row as logging (InLogging) and the duplicate checks (InDupeCheck) see
// it: the row of entry/InEntry.h, whose key, change and focus handlers run as the checks fill its
// fields and move its focus, exactly as they do for the operator's keys.
#include "entry/InEntry.h"

namespace Entry {
using InRow = InEntry;
}   // namespace Entry
