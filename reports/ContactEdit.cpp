#include "reports/ContactEdit.h"

#include "core/BandTable.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Prefs.h"
#include "core/StationSetup.h"
#include "entry/DupeCheck.h"
#include "entry/EntryKeys.h"
#include "reports/ReportsLog.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace ContactEdit {

const QVector<Row>& rows(Variant v)
{
    static const QVector<Row> in{
        {Box::Call, "txtEditCall", "Callsign", "Label1", 1}, {Box::RstR, "txtEditCk", "Rst(R)", nullptr, 3},
        {Box::County, "txtEditSec", "County", "Label7", 5},  {Box::RstS, "txtEditNum", "Rst(S)", nullptr, 2},
        {Box::SPC, "txtEditPre", "SPC", "Label2", 4},        {Box::Date, "txtEditDate", "Date", nullptr, 12},
        {Box::Time, "txtEditTime", "Time", nullptr, 13},     {Box::Mode, "txtEditBnd", "Mode", "Label3", 14},
        {Box::Band, "Text1", "Band", "Label6", 15},          {Box::SentCounty, "Text3", "County Sent", "Label9", 7},
    };
    static const QVector<Row> out{
        {Box::Call, "txtEditCall", "Callsign", "Label1", 1}, {Box::RstR, "txtEditCk", "Rst(R)", nullptr, 3},
        {Box::County, "txtEditPre", "County", "Label2", 5},  {Box::RstS, "txtEditNum", "Rst(S)", nullptr, 2},
        {Box::Date, "txtEditDate", "Date", nullptr, 12},     {Box::Time, "txtEditTime", "Time", nullptr, 13},
        {Box::Mode, "txtEditBnd", "Mode", "Label3", 14},     {Box::Band, "Text1", "Band", "Label6", 15},
    };
    return v == Variant::In ? in : out;
}

const Row* row(Variant v, Box b)
{
    for (const Row& r : rows(v))
        if (r.box == b)
            return &r;
    return nullptr;
}

QString formName(Variant v) { return v == Variant::In ? QStringLiteral("DEEditInfrm") : QStringLiteral("DEEditOut"); }

const QVector<QString>& bands()
{
    static const QVector<QString> b{QStringLiteral("160"), QStringLiteral("80"), QStringLiteral("40"),
                                    QStringLiteral("20"),  QStringLiteral("15"), QStringLiteral("10"),
                                    QStringLiteral("6"),   QStringLiteral("2")};
    return b;
}

const QVector<QString>& modes() { return Module2::ModeNames(); }

// ---- Keys --------------------------------------------------------------------------------------

int Cap2(int keyAscii) { return (keyAscii >= 'a' && keyAscii <= 'z') ? keyAscii - 32 : keyAscii; }

namespace {

using DupeCheck::sameText;

// Control keys other than Backspace (Ctrl+C, Ctrl+V, ...) type nothing and complete nothing.
bool isCommandKey(int k) { return k > 0 && k < KeySpace && k != KeyBackspace; }

void countyKey(KeyResult& r, const QString& text, int caret)
{
    int& k = r.key;
    if (isCommandKey(k))
        return;
    QString t = text;
    // Typing at the start replaces the whole entry (a blank is inserted there).
    if (k != KeySpace && k > 0 && caret == 0) {
        t.clear();
        r.edit = TextEdit{};
    }
    // A capital first letter, and a capital after a blank inside the text.
    if (t.isEmpty() && k > 0)
        k = Module2::UpperCaseKey(k);
    if (caret >= 1 && caret < t.size() && t[caret - 1] == QLatin1Char(' '))
        k = Module2::UpperCaseKey(k);
    if (k <= 0)
        return;
    if (const auto c = Entry::countyTypeAhead(t, caret, k, G.CountyNames)) {
        r.edit = TextEdit{c->text, c->selStart, c->selLength};
        k = 0;
    }
}

void countryKey(KeyResult& r, const QString& text, int caret)
{
    int& k = r.key;
    if (isCommandKey(k) || k <= 0)
        return;
    QString t = text;
    if (caret <= 0) {
        // Typing at the start replaces the entry; its first letter becomes a capital.
        t.clear();
        caret = 0;
        r.edit = TextEdit{};
    }
    const StationSetup::CountryKeyResult c = StationSetup::countryKey(t, caret, k);
    k = c.key;
    if (c.completion)
        r.edit = TextEdit{c.completion->text, c.completion->selectionStart, c.completion->selectionLength};
}

}   // namespace

KeyResult keyPress(Variant v, Box b, const QString& text, int selStart, int keyAscii)
{
    KeyResult r;
    int k = keyAscii == KeyQuote ? 0 : keyAscii;
    if (k == KeyEnter) {
        k = 0;
        r.runDone = true;
    }
    r.key = k;
    switch (b) {
    case Box::Call:
    case Box::RstR:
    case Box::RstS:
    case Box::Mode:
    case Box::Band: r.key = Cap2(k); break;
    case Box::Date:
        if (k != KeyBackspace && (k < '/' || k > '9'))
            r.key = 0;
        break;
    case Box::Time:
        if (k != KeyBackspace && (k < '0' || k > ':'))
            r.key = 0;
        break;
    case Box::County:
    case Box::SentCounty: countyKey(r, text, selStart); break;
    case Box::SPC:
        if (v == Variant::In)
            countryKey(r, text, selStart);
        break;
    }
    return r;
}

QString cleanPaste(Box b, const QString& text)
{
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == KeyQuote || u == '\r' || u == '\n')
            continue;
        if (b == Box::Date && !(u >= '/' && u <= '9'))
            continue;
        if (b == Box::Time && !(u >= '0' && u <= ':'))
            continue;
        out.append(c);
    }
    return out;
}

// ---- Dates and times -------------------------------------------------------------------------

std::optional<QString> storedDate(const QString& typed)
{
    const auto d = Format::parseTypedDate(typed, Platform::clock().read().local.date());
    if (!d)
        return std::nullopt;
    return Format::logDate(*d);
}

std::optional<QString> storedTime(const QString& typed)
{
    const auto t = Format::parseTypedTime(typed);
    if (!t)
        return std::nullopt;
    return typed.count(QLatin1Char(':')) == 2 ? Format::logTime(*t) : Format::hourMinute(*t);
}

// ---- The dialog --------------------------------------------------------------------------------

Editor::Editor(Variant v) : variant_(v) {}

void Editor::Form_Load()
{
    text = {};
    warning = {};
    deleteDupeShown = false;
    focusRequest.reset();
    record_ = (G.EditIndex >= 1 && G.EditIndex <= G.QSOCount) ? G.EditIndex : 0;
    if (record_ == 0)
        return;
    for (const Row& r : rows(variant_))
        text[indexOf(r.box)] = G.ContactArrays.text(r.field, record_);
}

bool Editor::leaveCheck(Box b)
{
    if (!has(b))
        return true;
    switch (b) {
    case Box::Band: return checkList(b, bands());
    case Box::Mode: return checkList(b, modes());
    case Box::County:
        // Only the in-state dialog has a county the contact may lack (a DX station's).
        return checkCounty(b, variant_ == Variant::In);
    case Box::SentCounty: return checkCounty(b, false);
    case Box::Date:
    case Box::Time: return checkDateOrTime(b);
    default: return true;
    }
}

bool Editor::checkList(Box b, const QVector<QString>& allowed)
{
    bool ok = false;
    for (const QString& a : allowed)
        if (sameText(a, (*this)[b].trimmed()))
            ok = true;
    warning[indexOf(b)] = !ok;
    if (!ok) {
        Platform::prompts().beep();
        focusRequest = b;
    }
    return ok;
}

bool Editor::checkCounty(Box b, bool emptyPasses)
{
    warning[indexOf(b)] = false;
    const QString t = (*this)[b].trimmed();
    bool ok = emptyPasses && t.isEmpty();
    for (qsizetype i = 0; !ok && i < G.CountyNames.size(); ++i)
        ok = sameText(G.CountyNames[i], t);
    G.BadCountyFlag = ok ? 0 : 1;
    if (!ok) {
        Platform::prompts().beep();
        warning[indexOf(b)] = true;
        focusRequest = b;
    }
    return ok;
}

bool Editor::checkDateOrTime(Box b)
{
    const bool date = b == Box::Date;
    const QString t = (*this)[b].trimmed();
    if (date ? storedDate(t).has_value() : storedTime(t).has_value())
        return true;
    Platform::prompts().beep();
    if (date)
        Platform::prompts().messageBox(QStringLiteral("You have entered an invalid date format!"),
                                       QStringLiteral("Invalid Date Format!"));
    else
        Platform::prompts().messageBox(QStringLiteral("You have entered an invalid time format!"),
                                       QStringLiteral("Invalid Time Format!"));
    focusRequest = b;
    return false;
}

bool Editor::checkSPC()
{
    const QString& spc = (*this)[Box::SPC];
    bool ok = spc.size() != 2;
    for (qsizetype i = 0; !ok && i < G.StateProvinceTable.size(); ++i)
        ok = !G.StateProvinceTable[i].isEmpty() && sameText(G.StateProvinceTable[i], spc);
    warning[indexOf(Box::SPC)] = !ok;
    if (!ok)
        Platform::prompts().beep();
    return ok;
}

QVector<int> Editor::duplicates() const
{
    const ContactArraysT& a = G.ContactArrays;
    const Editor& e = *this;
    const bool sentCounty = has(Box::SentCounty);
    QVector<int> out;
    // Blanks around a value count for nothing ("K9ABC " is K9ABC), also in a record stored so.
    auto same = [&e](Box b, const QString& stored) { return sameText(e[b].trimmed(), stored.trimmed()); };
    for (int i = 1; i <= G.QSOCount; ++i) {
        if (i == record_)
            continue;
        if (same(Box::Band, a.ContactBand[i]) && same(Box::Mode, a.ContactMode[i]) &&
            same(Box::County, a.ContactCounty[i]) && same(Box::Call, a.ContactCall[i]) &&
            (!sentCounty || same(Box::SentCounty, a.ContactSentCounty[i])))
            out.append(i);
    }
    return out;
}

bool Editor::cmdDone_Click()
{
    // No value is stored with blanks around it: "K9ABC " would be another call than "K9ABC" to the
    // duplicate checks and would break the Cabrillo file's columns.
    for (const Row& r : rows(variant_))
        (*this)[r.box] = (*this)[r.box].trimmed();
    if (has(Box::SPC) && (*this)[Box::SPC].size() < 3)
        (*this)[Box::SPC] = (*this)[Box::SPC].toUpper();
    if (!checkDateOrTime(Box::Time) || !checkDateOrTime(Box::Date))
        return false;

    // The leave checks again: Enter in a box stores it without its leave check having run.
    std::optional<Box> firstRefused;
    for (const Row& r : rows(variant_)) {
        if (r.box == Box::Date || r.box == Box::Time)
            continue;
        if (!leaveCheck(r.box) && !firstRefused)
            firstRefused = r.box;
    }
    if (firstRefused) {
        focusRequest = firstRefused;
        return false;
    }

    const QVector<int> dupes = duplicates();
    for (int i = 0; i < dupes.size(); ++i)
        Platform::prompts().beep();
    warning[indexOf(Box::Call)] = !dupes.isEmpty();
    if (!dupes.isEmpty())
        deleteDupeShown = true;

    const bool spcOk = !has(Box::SPC) || checkSPC();
    if (!dupes.isEmpty() || !spcOk || record_ == 0)
        return false;
    store();
    return true;
}

void Editor::store()
{
    ContactArraysT& a = G.ContactArrays;
    const Editor& e = *this;
    auto put = [&](QVector<QString>& field, Box b) { field[record_] = e[b]; };
    put(a.ContactCall, Box::Call);
    put(a.ContactRSTSent, Box::RstS);
    put(a.ContactRSTRcvd, Box::RstR);
    put(a.ContactCounty, Box::County);
    if (variant_ == Variant::In) {
        put(a.ContactSPC, Box::SPC);
        put(a.ContactSentCounty, Box::SentCounty);
    }
    a.ContactDate[record_] = *storedDate(e[Box::Date]);
    a.ContactTime[record_] = *storedTime(e[Box::Time]);
    put(a.ContactMode, Box::Mode);
    const QString bandBefore = a.ContactBand[record_];
    put(a.ContactBand, Box::Band);
    // A contact keeps its frequency only in its band: a band corrected to one the frequency does
    // not lie in leaves the contact without it, as logging does. An older record whose band is
    // left as it was keeps what it held.
    QString& frequency = a.ContactFrequency[record_];
    if (!frequency.isEmpty() && a.ContactBand[record_].compare(bandBefore, Qt::CaseInsensitive) != 0 &&
        !Bands::frequencyInBand(frequency, a.ContactBand[record_])) {
        qCWarning(lcReports) << "record" << record_ << "moved to band" << a.ContactBand[record_]
                             << "leaves its frequency" << frequency;
        frequency.clear();
    }
}

}   // namespace ContactEdit
