#pragma once
// Colour numbers as the settings files store them: &HBBGGRR, i.e. red in the low byte.
#include <QColor>

namespace Colors {
QColor fromNumber(long long bbggrr);
long long toNumber(const QColor& c);
}   // namespace Colors
