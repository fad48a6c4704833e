#include "core/Module2Prefs.h"

namespace Module2 {
void WriteQSOpref() {}
bool ReadQSOpref() { return false; }
void CheckUTCOffset() {}
QByteArray QSOprefText() { return {}; }
bool ParseQSOpref(const QByteArray&) { return false; }
float RecommendedUTCOffset(const QDateTime&, const QDateTime&) { return 0; }
} // namespace Module2
