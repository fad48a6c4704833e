#include "entry/EntryLog.h"

Q_LOGGING_CATEGORY(lcEntry, "vqplog.entry")
