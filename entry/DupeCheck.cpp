#include "entry/DupeCheck.h"

#include "core/Globals.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace DupeCheck {

namespace {

enum class Fold { Equal, Different, NotAscii };

// Compares the first n characters of a and b with ASCII case folding. Characters that are the
// same need no folding; a difference involving a character outside ASCII is left to Qt's folding
// (NotAscii), which knows the few that fold onto ASCII letters.
Fold foldAscii(const QChar* a, const QChar* b, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x == y)
            continue;
        if ((x | y) >= 0x80)
            return Fold::NotAscii;
        if (x >= 'a' && x <= 'z')
            x = static_cast<char16_t>(x - 32);
        if (y >= 'a' && y <= 'z')
            y = static_cast<char16_t>(y - 32);
        if (x != y)
            return Fold::Different;
    }
    return Fold::Equal;
}

// c starts with `prefix`, without regard to case.
bool startsWithText(const QString& c, const QString& prefix)
{
    if (c.size() < prefix.size())
        return false;
    switch (foldAscii(c.constData(), prefix.constData(), prefix.size())) {
    case Fold::Equal: return true;
    case Fold::Different: return false;
    case Fold::NotAscii: break;
    }
    return c.startsWith(prefix, Qt::CaseInsensitive);
}

// sameText, inlined into the scans of the whole log.
inline bool equalText(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return false;
    switch (foldAscii(a.constData(), b.constData(), a.size())) {
    case Fold::Equal: return true;
    case Fold::Different: return false;
    case Fold::NotAscii: break;
    }
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

}   // namespace

bool sameText(const QString& a, const QString& b) { return equalText(a, b); }

QString recordNumberText(int record) { return QLatin1Char(' ') + QString::number(record); }

namespace {

// A key the partial check looks at: ".", "/", the digits, ":" to "@" and the capitals.
bool partialKey(int keyAscii) { return keyAscii > 45 && keyAscii < 91; }

bool slashOrDigit(QChar c) { return c.unicode() >= '/' && c.unicode() <= '9'; }

// "  <call>  <date>  <time>   Rec#  <n>", the tail of both duplicate messages.
QString recordTail(int i)
{
    const auto& a = G.ContactArrays;
    return a.ContactCall[i] + QStringLiteral("  ") + a.ContactDate[i] + QStringLiteral("  ") + a.ContactTime[i] +
           QStringLiteral("   Rec# ") + recordNumberText(i);
}

bool onCurrentBandAndMode(int i)
{
    const auto& a = G.ContactArrays;
    return equalText(a.ContactBand[i], G.CurrentBand) && equalText(a.ContactMode[i], G.CurrentMode);
}

}   // namespace

PartialResult PartialDupeCheck(const QString& call, int keyAscii, const QString* sentCounty)
{
    PartialResult r;
    const QString typed = call + QChar(char16_t(keyAscii));

    if (partialKey(keyAscii) && G.ShowPartialsFlag == 1) {
        r.searched = true;
        const auto& a = G.ContactArrays;
        for (int i = 1; i <= G.QSOCount; ++i) {
            // The call first: most records fail there, and that test is the cheapest.
            const QString& c = a.ContactCall[i];
            if (startsWithText(c, typed) && onCurrentBandAndMode(i) &&
                (!sentCounty || equalText(a.ContactSentCounty[i], *sentCounty)))
                r.matches.prepend(c + QLatin1Char(' '));
            if (r.matches.size() > 100)
                break;
        }
    }

    if (call.size() > 2 && !r.matches.isEmpty())
        r.dialog = QStringLiteral("Possible Duplicate!");
    else if (G.LoggedOnFlag == 1)
        r.dialog = QStringLiteral(" ");

    if (typed.size() == 3 && partialKey(keyAscii)) {
        if (slashOrDigit(typed[2]) || slashOrDigit(typed[1])) {
            r.dialog = QStringLiteral(" ");
        } else {
            r.beep = true;
            r.dialog = QStringLiteral("The second or third character is not numeric!");
        }
    }
    return r;
}

void showPartial(Entry::StatusLabels& labels, const PartialResult& p)
{
    labels.lblDialogBackColor = Entry::ColorTeal;
    labels.lblDupeBackColor = Entry::ColorButtonFace;
    labels.lblDupe.clear();
    if (p.searched) {
        labels.lblDupeBackColor = p.matches.isEmpty() ? Entry::ColorButtonFace : Entry::ColorTeal;
        labels.lblDupe = p.matches;
    }
    if (p.dialog)
        labels.lblDialog = *p.dialog;
    if (p.beep)
        Platform::prompts().beep();
}

DupCheck2Result DupCheck2(const QString& call, const QString& county, bool listPrevious)
{
    DupCheck2Result r;
    r.listed = listPrevious;
    r.county = county;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (!equalText(a.ContactCall[i], call))
            continue;
        if (listPrevious)
            r.records.append(i);
        if (r.county.isEmpty() && !a.ContactCounty[i].isEmpty()) {
            r.county = a.ContactCounty[i];
            r.countyFilled = true;
        }
        if (onCurrentBandAndMode(i)) {
            ++r.warnings;
            r.warning = QStringLiteral("Duplicate Unless Rover!  ") + recordTail(i);
            if (!listPrevious)
                break;
        }
    }
    return r;
}

LogDupeResult LogDupeCheck(const QString& call, const QString& county)
{
    G.DupeFlag = 0;
    LogDupeResult r;
    r.county = county;
    const auto& a = G.ContactArrays;
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (!equalText(a.ContactCall[i], call))
            continue;
        if (r.county.isEmpty() && !a.ContactCounty[i].isEmpty()) {
            r.county = a.ContactCounty[i];
            r.countyFilled = true;
        }
        if (onCurrentBandAndMode(i) && equalText(a.ContactCounty[i], r.county)) {
            r.dupeRecord = i;
            r.message = QStringLiteral("Duplicate ") + recordTail(i);
            G.DupeFlag = 1;
            G.DupeTime = Platform::clock().read().local;
            break;
        }
    }
    return r;
}

QString cmdDup_Click()
{
    if (G.ShowPartialsFlag == 1) {
        G.ShowPartialsFlag = 0;
        return QStringLiteral("Off");
    }
    G.ShowPartialsFlag = 1;
    return QStringLiteral("On");
}

}   // namespace DupeCheck
