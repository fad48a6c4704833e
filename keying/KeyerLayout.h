#pragma once
// The keyer windows scale and build their controls as every device window does.
#include "core/DeviceLayout.h"

namespace KeyerLayout = DeviceLayout;
