#include "reports/ReportsLog.h"

Q_LOGGING_CATEGORY(lcReports, "vqplog.reports")
