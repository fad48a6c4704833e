#include "spots/SpotsLog.h"

Q_LOGGING_CATEGORY(lcSpots, "vqplog.spots")
