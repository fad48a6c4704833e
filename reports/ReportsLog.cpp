#include "reports/ReportsLog.h"

Q_LOGGING_CATEGORY(reportsLog, "vqplog.reports")
