#include "entry/PostContest.h"

namespace PostContest {

KeyAction keyPress(Box box, int keyAscii)
{
    if (keyAscii == 32)
        return KeyAction::NextField;
    if (keyAscii == 13)
        return KeyAction::Log;
    if (keyAscii == 8)
        return KeyAction::Type;
    const bool ok = box == Box::Time ? (keyAscii >= '0' && keyAscii <= ':') : (keyAscii >= '/' && keyAscii <= '9');
    return ok ? KeyAction::Type : KeyAction::Discard;
}

QString dateOnFocus(const QString& text, const QDate& localToday)
{
    if (!text.isEmpty())
        return text;
    return localToday.toString(QStringLiteral("yyyy/MM/dd"));
}

}   // namespace PostContest
