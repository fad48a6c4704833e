#include "keying/KeyingLog.h"

Q_LOGGING_CATEGORY(lcKeying, "vqplog.keying")
