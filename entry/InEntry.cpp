#include "entry/InEntry.h"

#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/Bearing.h"
#include "entry/CountryLookup.h"
#include "entry/DXLists.h"
#include "platform/Prompts.h"

namespace Entry {

namespace {
bool sameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
const QString NotFound = QStringLiteral("Not Found");
}   // namespace

InEntry::InEntry(EntryHost* host) : EntryRow(Window::In, host) {}

// The state field is this row's own; the other fields' dispatch is the shared one.
bool InEntry::handleKey(Field f, int& KeyAscii)
{
    if (f != Field::Cntry)
        return EntryRow::handleKey(f, KeyAscii);
    txtCntry_KeyPress(KeyAscii);
    return true;
}

void InEntry::changed(Field f)
{
    if (f == Field::Cntry)
        txtCntry_Change();
    else
        EntryRow::changed(f);
}

void InEntry::entered(Field f)
{
    if (f == Field::Cntry)
        txtCntry_GotFocus();
    else
        EntryRow::entered(f);
}

// Call field ----------------------------------------------------------------------------------------

void InEntry::txtCall_KeyPress(int& KeyAscii)
{
    // A key the handler consumed ends here. Space and a carried digit moved on to the next field
    // as Tab does, so the leave handler's duplicate warning stands and nothing holds the keyboard
    // yet; the Enter that found a duplicate keeps its red message and starts the hold at once. A
    // partial check of key 0 would search nothing and only wipe the status line.
    const bool enter = KeyAscii == KeyEnter;
    if (callKeyStart(KeyAscii)) {
        if (enter && G.DupeFlag == 1)
            host().HoldDupeFlag();
        return;
    }
    KeyAscii = Module2::UpperCaseKey(KeyAscii);
    host().PartialDupeCheck(*this, KeyAscii);
    if (G.DupeFlag == 1)
        host().HoldDupeFlag();
}

void InEntry::txtCall_Change()
{
    G.WildCall = txtCall.text;
    CountryLookup();
}

void InEntry::txtCall_LostFocus()
{
    const QString call = txtCall.text;
    greetAuthor();
    if (call.isEmpty())
        return;
    host().DupCheck2(*this);
    defaultReports();
    if (call.size() > 2 && txtCntry.text.isEmpty()) {
        const QString province = CountryLookup::canadianProvince(call);
        if (!province.isEmpty()) {
            setText(Field::Cntry, province);
            selectAll(Field::Cntry);
        }
    }
}

void InEntry::CountryLookup()
{
    const CountryLookup::Result r = CountryLookup::lookup(txtCall.text);
    using Kind = CountryLookup::Result::Kind;
    auto write = [this](const QString& text) {
        // Only a changed text runs the field's change handler; either way the caret is at 0.
        if (txtCntry.text != text)
            setText(Field::Cntry, text);
        else
            txtCntry.setText(text);
    };
    switch (r.kind) {
    case Kind::NoCall: break;
    case Kind::Country:
        write(r.text);
        if (r.row >= 0) {
            const CountryRow& row = G.CountryTable[r.row];
            labels.Label19 = row.continent;
            ShowBearingDistance(float(row.latitude), float(row.longitude));
        } else {
            labels.Label19.clear();
            labels.Label22.clear();
            labels.Label23.clear();
        }
        break;
    case Kind::NotFound:
        write(NotFound);
        labels.Label19.clear();
        labels.Label22.clear();
        labels.Label23.clear();
        break;
    case Kind::UsaOrCanada:
        // The state field stays the operator's; the position of a country or state shown for an
        // earlier call is no longer this station's.
        labels.Label19 = QStringLiteral("NA");
        labels.Label22.clear();
        labels.Label23.clear();
        break;
    }
    if (r.kind != Kind::NoCall)
        setSelection(Field::Cntry, txtCntry.selStart, int(txtCntry.text.size()));
    if (sameText(txtCntry.text, NotFound)) {
        labels.Label19.clear();
        labels.Label22.clear();
        labels.Label23.clear();
    }
}

void InEntry::ShowBearingDistance(float latitude, float longitude)
{
    const Bearing::Captions c = Bearing::ShowBearingDistance(latitude, longitude);
    labels.Label22 = c.Label22;
    labels.Label23 = c.Label23;
}

// State, province or country ------------------------------------------------------------------------

void InEntry::txtCntry_KeyPress(int& KeyAscii)
{
    TextBox& b = txtCntry;
    if (KeyAscii == KeyQuote)
        KeyAscii = 0;
    if (enterLogs(KeyAscii))
        return;
    if (KeyAscii == KeySpace && b.selStart == 0 && G.FieldForwardState == NoCarry) {
        // Space at the start accepts what the field shows (the contest state it offers on entry).
        KeyAscii = 0;
        setFocus(Field::Sec);
        return;
    }
    if (G.FieldForwardState == KeyFromReportReceived || G.FieldForwardState == KeyFromReportSent) {
        // A letter carried from a report field starts a new entry.
        takeCarried(Field::Cntry, KeyAscii);
        return;
    }
    if (stateCharacter(KeyAscii))
        setFocus(Field::Sec);
}

bool InEntry::stateCharacter(int& KeyAscii)
{
    TextBox& b = txtCntry;
    if (KeyAscii != KeySpace && KeyAscii > 0 && b.selStart == 0)
        setText(Field::Cntry, QString());   // typing at the start replaces the whole entry
    if (b.text.isEmpty() || b.selStart < 2)
        KeyAscii = Module2::UpperCaseKey(KeyAscii);   // abbreviations in capitals
    if (b.selStart == 2 && KeyAscii != KeySpace && KeyAscii > 0 && b.text.size() >= 2) {
        // A third character makes a country name: the second letter goes to lower case (a
        // longer text edited here is cut to its first two characters).
        setText(Field::Cntry, b.text.left(1) + b.text.mid(1, 1).toLower());
        b.selStart = 2;
    }
    if (b.text.size() > 1 && KeyAscii > 0) {
        const QString prefix = b.text.left(b.selStart) + QChar(char16_t(KeyAscii));
        const QVector<CountryRow>& table = G.CountryTable;
        const int row = lastRowBeginningWith(prefix, int(table.size()), [&](int k) { return table[k].country; });
        if (row >= 0) {
            const CountryRow& c = table[row];
            setText(Field::Cntry, prefix + c.country.mid(prefix.size()));
            b.selStart = int(prefix.size());
            b.selLength = int(c.country.size() - prefix.size());
            KeyAscii = 0;
            labels.Label19 = c.continent;
            ShowBearingDistance(float(c.latitude), float(c.longitude));
        }
        if (KeyAscii == KeySpace) {
            // No country continues with a blank: the Space moves on.
            KeyAscii = 0;
            return true;
        }
    }
    return false;
}

bool InEntry::pasteKey(Field f, int key)
{
    if (f != Field::Cntry)
        return EntryRow::pasteKey(f, key);
    if (key == KeyQuote)
        return true;
    // A Space at the start moves on to the county, as does one no country continues with.
    if (key == KeySpace && txtCntry.selStart == 0)
        return false;
    if (stateCharacter(key))
        return false;
    txtCntry.type(key);
    return true;
}

void InEntry::txtCntry_Change()
{
    labels.countyCaptionEnabled = sameText(txtCntry.text, G.PartyState);
    if (txtCntry.text.size() == 2) {
        if (const StatePosition* s = CountryLookup::statePosition(txtCntry.text)) {
            labels.Label19 = QStringLiteral("NA");
            ShowBearingDistance(float(s->latitude), float(s->longitude));
        }
    }
    labels.Label3Visible = DXLists::isNewOnBand(txtCntry.text, G.CurrentBand);
}

void InEntry::txtCntry_GotFocus()
{
    fieldPrompt("SPC");
    if (txtCntry.text.isEmpty()) {
        setText(Field::Cntry, G.PartyState);
        selectAll(Field::Cntry);
    }
}

// County ------------------------------------------------------------------------------------------------

void InEntry::txtSec_GotFocus()
{
    // A county is wanted only for a contact in the contest state.
    const bool wanted = sameText(txtCntry.text, G.PartyState);
    labels.countyCaptionEnabled = wanted;
    if (!wanted)
        setFocus(Field::RSTS);
    fieldPrompt("County");
}

// Report sent ------------------------------------------------------------------------------------------

void InEntry::txtRSTS_KeyPress(int& KeyAscii)
{
    if (const auto rule = carryOf(window, Field::RSTS, txtRSTS.text, txtRSTS.selStart, KeyAscii)) {
        // A letter belongs to the state field: it starts a new entry there, and the focus goes
        // with it.
        KeyAscii = Module2::UpperCaseKey(KeyAscii);
        setFocus(rule->to);
        carry(KeyAscii, *rule);
        KeyAscii = 0;
        return;
    }
    reportSentKey(KeyAscii);
}

}   // namespace Entry
