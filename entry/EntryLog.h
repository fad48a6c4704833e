#pragma once
// The logging category of the entry folder: failures it deliberately does not show.
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcEntry)
