#include "core/Module2Prefs.h"

namespace Module2 {
void WriteQSOpref() {}
bool ReadQSOpref() { return false; }
void CheckUTCOffset() {}
}
