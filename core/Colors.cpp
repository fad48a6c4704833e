#include "core/Colors.h"

namespace Colors {

QColor fromNumber(long long bbggrr)
{
    const unsigned long long v = static_cast<unsigned long long>(bbggrr) & 0xFFFFFFu;
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

long long toNumber(const QColor& c) { return (static_cast<long long>(c.blue()) << 16) | (c.green() << 8) | c.red(); }

}   // namespace Colors
