#pragma once
// Logging category of the reports folder (failures it does not show in a window).
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(reportsLog)
