#include "rig/RigLog.h"

Q_LOGGING_CATEGORY(lcRig, "vqplog.rig")
