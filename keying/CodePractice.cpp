#include "keying/CodePractice.h"

#include <algorithm>
#include <cmath>

#include "core/Format.h"
#include "platform/KeyEvents.h"

namespace CodePractice {

QChar practiceChar(int index)
{
    static const QString chars = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,?/-");
    if (index < 1 || index > chars.size())
        return QChar();
    return chars.at(index - 1);
}

namespace {

// A count box: its text afterwards and the count it gives.
struct Count {
    QString boxText;
    int count = 0;
};

Count readCount(const QString& boxText, int fallback, int most)
{
    if (!Format::isNumeric(boxText))
        return {QString::number(fallback), fallback};
    const double v = Format::toNumber(boxText);
    if (v > most)
        return {QString::number(most), most};
    if (!(v >= 1))
        return {boxText, 0};
    return {boxText, int(std::floor(v))};
}

}   // namespace

Generated generate(const QString& groupsBox, const QString& lengthBox, bool lettersOnly, const RandomSource& random)
{
    // Both boxes are read once, before the groups are made.
    const Count groups = readCount(groupsBox, DefaultGroups, MaxGroups);
    const Count length = readCount(lengthBox, DefaultGroupLength, MaxGroupLength);
    Generated out{QString(), groups.boxText, length.boxText};
    const int n = lettersOnly ? LetterChars : AllChars;
    QString& text = out.text;
    text.reserve(qsizetype(groups.count) * (length.count + 1));
    for (int g = 0; g < groups.count; ++g) {
        for (int c = 0; c < length.count; ++c) {
            // A source at the edge of its range (a float rounded up to 1) still picks a character.
            const double r = std::clamp(double(random()), 0.0, 1.0);
            const int index = std::isnan(r) ? 1 : int(std::floor(n * r)) + 1;
            text += practiceChar(std::min(index, n));
        }
        text += QLatin1Char(' ');
    }
    return out;
}

int capital(int KeyAscii) { return (KeyAscii >= 'a' && KeyAscii <= 'z') ? KeyAscii - 'a' + 'A' : KeyAscii; }

TypedKey typeToSend(int KeyAscii)
{
    using namespace KeyEvents;
    if (KeyAscii == vbKeyBack)
        return {TypedKey::Kind::TakeBack, QChar()};
    if (KeyAscii <= 0 || KeyAscii > 0xFFFF || (KeyAscii < ' ' && KeyAscii != vbKeyReturn && KeyAscii != vbKeyEscape))
        return {};
    return {TypedKey::Kind::Send, QChar(char16_t(capital(KeyAscii)))};
}

}   // namespace CodePractice
