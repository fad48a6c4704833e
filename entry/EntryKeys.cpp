#include "entry/EntryKeys.h"

#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/DupeCheck.h"
#include "entry/PostContest.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

#include <algorithm>

namespace Entry {

const std::array<FieldSpec, 7>& fieldSpecs()
{
    static const std::array<FieldSpec, 7> specs{{
        {Field::Call, "txtCall", "Call", "Call", 2, 1, 12},
        {Field::RSTR, "txtRSTR", "RS(T) Rc", "RS(T) Rc", 3, 2, 3},
        {Field::Cntry, "txtCntry", "State/Prov/Cntr", "St / Prv / Country", 1, 3, 30},
        {Field::Sec, "txtSec", "County", "County", 4, 4, 20},
        {Field::RSTS, "txtRSTS", "RS(T) Sn", "RS(T) Sn", 0, 5, 3},
        {Field::PostConTime, "txtPostConTime", "Time", "Time", -1, 6, 5},
        {Field::PostConDate, "txtPostConDate", "Date", "Date", -1, 7, 10},
    }};
    return specs;
}

const FieldSpec& fieldSpec(Field f)
{
    for (const auto& s : fieldSpecs())
        if (s.field == f)
            return s;
    return fieldSpecs()[0];
}

// --- TextBox -------------------------------------------------------------------------------------

void TextBox::setText(const QString& s)
{
    text = s;
    selStart = 0;
    selLength = 0;
}

void TextBox::selectAll()
{
    selStart = 0;
    selLength = int(text.size());
}

namespace {
void clampSelection(TextBox& b)
{
    b.selStart = std::clamp(b.selStart, 0, int(b.text.size()));
    b.selLength = std::clamp(b.selLength, 0, int(b.text.size()) - b.selStart);
}

// Replaces the selection by `s`, cut to what the length limit leaves room for.
void replaceSelection(TextBox& b, QString s)
{
    clampSelection(b);
    if (b.maxLength > 0) {
        const int room = b.maxLength - (int(b.text.size()) - b.selLength);
        if (room <= 0)
            return;
        s.truncate(room);
    }
    if (s.isEmpty())
        return;
    b.text.replace(b.selStart, b.selLength, s);
    b.selStart += int(s.size());
    b.selLength = 0;
}
} // namespace

void TextBox::type(int keyAscii)
{
    clampSelection(*this);
    if (keyAscii == KeyBackspace) {
        if (selLength > 0) {
            text.remove(selStart, selLength);
        } else if (selStart > 0) {
            text.remove(selStart - 1, 1);
            --selStart;
        }
        selLength = 0;
        return;
    }
    if (keyAscii < 32 || keyAscii == 127 || keyAscii > 0xFFFF || keyAscii == KeyQuote)
        return;
    replaceSelection(*this, QString(QChar(char16_t(keyAscii))));
}

void TextBox::paste(const QString& s) { replaceSelection(*this, withoutQuotes(s)); }

QString withoutQuotes(const QString& s)
{
    QString out;
    out.reserve(s.size());
    for (QChar c : s)
        if (c != QLatin1Char('"') && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            out.append(c);
    return out;
}

// --- Pure decisions ------------------------------------------------------------------------------

namespace {
bool isDigitKey(int k) { return k >= '0' && k <= '9'; }
} // namespace

bool callCarriesDigit(const QString& call, int selStart, int keyAscii)
{
    const int len = int(call.size());
    if (!isDigitKey(keyAscii) || selStart != len || len <= 2)
        return false;
    int digits = 0, lastDigit = -1;
    bool below48 = false;
    for (int p = 1; p < len; ++p) {   // the first character is never examined
        const ushort c = call[p].unicode();
        if (c >= '0' && c <= '9') {
            ++digits;
            lastDigit = p;
        }
        if (c < '0')
            below48 = true;
    }
    return digits > 0 && !below48 && lastDigit != len - 1;
}

std::optional<Completion> countyTypeAhead(const QString& text, int caret, int keyAscii,
                                          const QStringList& names)
{
    if (keyAscii <= 0)
        return std::nullopt;
    const QString prefix = text.left(caret) + QChar(char16_t(keyAscii));
    for (int row = int(names.size()) - 1; row >= 0; --row) {
        const QString& name = names[row];
        if (name.size() >= prefix.size() && name.startsWith(prefix, Qt::CaseInsensitive)) {
            Completion c;
            c.text = prefix + name.mid(prefix.size());
            c.selStart = int(prefix.size());
            c.selLength = int(name.size() - prefix.size());
            return c;
        }
    }
    return std::nullopt;
}

bool countySpaceAdvances(const QString& text, int caret)
{
    const int len = int(text.size());
    if (caret >= len)
        return true;
    if (len > caret + 1) {
        const bool deOrLa = text.startsWith(QLatin1String("De"), Qt::CaseInsensitive)
            || text.startsWith(QLatin1String("La"), Qt::CaseInsensitive);
        return text[caret] != QLatin1Char(' ') && !deOrLa;
    }
    return false;
}

bool countyCapitalises(const QString& text, int caret)
{
    const int len = int(text.size());
    return len == 0 || (caret > 0 && caret < len && text[caret - 1] == QLatin1Char(' '));
}

QString defaultReport(const QString& mode)
{
    return mode.compare(QLatin1String("PH"), Qt::CaseInsensitive) == 0 ? QStringLiteral("59")
                                                                       : QStringLiteral("599");
}

std::optional<QString> greeting(const QString& call, Window w)
{
    if (call.compare(QLatin1String("Quolt"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Quolt, Orlendy, wrote this software!  Please say hi!");
    if (call.compare(QLatin1String("Tennal"), Qt::CaseInsensitive) == 0)
        return w == Window::Out
            ? QStringLiteral("Tennal, Mirrane, helped write this software!  Please say hi!")
            : QStringLiteral("Tennal, Mirrane, helped write this software!");
    return std::nullopt;
}

double dupeFontPoints(int screenWidthTwips, int formSizePercent)
{
    return double(screenWidthTwips) * 9.0 / 9600.0 * formSizePercent / 100.0;
}

// --- OutEntry ------------------------------------------------------------------------------------

OutEntry::OutEntry(EntryHost* host) : host_(host ? host : &noHost_)
{
    for (const auto& s : fieldSpecs())
        box(s.field).maxLength = s.maxLength;
    txtCntry.visible = false;           // the out-of-state window never shows the state field
    txtPostConTime.visible = false;     // shown in post-contest entry only
    txtPostConDate.visible = false;
}

void OutEntry::setHost(EntryHost* host) { host_ = host ? host : &noHost_; }

TextBox& OutEntry::box(Field f)
{
    switch (f) {
    case Field::RSTR: return txtRSTR;
    case Field::Cntry: return txtCntry;
    case Field::Sec: return txtSec;
    case Field::RSTS: return txtRSTS;
    case Field::PostConTime: return txtPostConTime;
    case Field::PostConDate: return txtPostConDate;
    default: return txtCall;
    }
}

const TextBox& OutEntry::box(Field f) const { return const_cast<OutEntry*>(this)->box(f); }

void OutEntry::changed(Field f)
{
    if (f == Field::Call)
        txtCall_Change();
    else if (f == Field::RSTS)
        txtRSTS_Change();
}

void OutEntry::setText(Field f, const QString& text)
{
    box(f).setText(text);
    changed(f);
}

void OutEntry::selectAll(Field f) { box(f).selectAll(); }

void OutEntry::setSelection(Field f, int selStart, int selLength)
{
    TextBox& b = box(f);
    b.selStart = selStart;
    b.selLength = selLength;
    clampSelection(b);
}

void OutEntry::setReportLength(int n)
{
    txtRSTR.maxLength = n;
    txtRSTS.maxLength = n;
}

void OutEntry::keyPress(Field f, int keyAscii)
{
    switch (f) {
    case Field::Call: txtCall_KeyPress(keyAscii); break;
    case Field::RSTR: txtRSTR_KeyPress(keyAscii); break;
    case Field::Sec: txtSec_KeyPress(keyAscii); break;
    case Field::RSTS: txtRSTS_KeyPress(keyAscii); break;
    case Field::PostConTime: txtPostConTime_KeyPress(keyAscii); break;
    case Field::PostConDate: txtPostConDate_KeyPress(keyAscii); break;
    case Field::None:
    case Field::Other: return;
    default: break;
    }
    if (keyAscii != 0 && keyAscii != KeyQuote) {
        const QString before = box(f).text;
        box(f).type(keyAscii);
        if (box(f).text != before)
            changed(f);
    }
}

void OutEntry::paste(Field f, const QString& text)
{
    if (f == Field::None || f == Field::Other)
        return;
    box(f).paste(text);
    changed(f);
}

Field OutEntry::nextInTabOrder(Field from) const
{
    const auto& specs = fieldSpecs();
    int at = 0;
    for (int k = 0; k < int(specs.size()); ++k)
        if (specs[k].field == from)
            at = k;
    for (int k = at + 1; k < int(specs.size()); ++k)
        if (box(specs[k].field).visible)
            return specs[k].field;
    return Field::Call;
}

void OutEntry::setFocus(Field to)
{
    if (to == focus)
        return;
    const Field from = focus;
    focus = to;
    if (from == Field::Call)
        txtCall_LostFocus();
    switch (to) {
    case Field::Call: txtCall_GotFocus(); break;
    case Field::RSTR: txtRSTR_GotFocus(); break;
    case Field::Sec: txtSec_GotFocus(); break;
    case Field::RSTS: txtRSTS_GotFocus(); break;
    case Field::PostConTime: txtPostConTime_GotFocus(); break;
    case Field::PostConDate: txtPostConDate_GotFocus(); break;
    default: break;
    }
}

// Post-contest boxes ------------------------------------------------------------------------------

void OutEntry::postContestKey(Field f, int& KeyAscii)
{
    const PostContest::Box b = f == Field::PostConTime ? PostContest::Box::Time : PostContest::Box::Date;
    switch (PostContest::keyPress(b, KeyAscii)) {
    case PostContest::KeyAction::Type: return;
    case PostContest::KeyAction::Discard: KeyAscii = 0; return;
    case PostContest::KeyAction::NextField:
        KeyAscii = 0;
        setFocus(nextInTabOrder(f));
        return;
    case PostContest::KeyAction::Log:
        KeyAscii = 0;
        host_->Mains();
        return;
    }
}

void OutEntry::txtPostConTime_KeyPress(int& KeyAscii) { postContestKey(Field::PostConTime, KeyAscii); }
void OutEntry::txtPostConDate_KeyPress(int& KeyAscii) { postContestKey(Field::PostConDate, KeyAscii); }

void OutEntry::txtPostConTime_GotFocus() { selectAll(Field::PostConTime); }

void OutEntry::txtPostConDate_GotFocus()
{
    const std::optional<QString> today =
        PostContest::dateOnFocus(txtPostConDate.text, Platform::clock().read().local.date());
    if (!today)
        return;
    setText(Field::PostConDate, *today);
    selectAll(Field::PostConDate);
}

void OutEntry::carry(int& KeyAscii, int state, void (OutEntry::*target)(int&))
{
    G.ForwardedKey = QString::number(KeyAscii);
    G.FieldForwardState = state;
    (this->*target)(KeyAscii);
}

bool OutEntry::enterLogs(int& KeyAscii)
{
    if (KeyAscii != KeyEnter)
        return false;
    KeyAscii = 0;
    host_->Mains();
    return true;
}

void OutEntry::takeCarried(Field f, int& KeyAscii)
{
    setText(f, KeyAscii > 0 ? QString(QChar(char16_t(KeyAscii))) : QString());
    box(f).selStart = int(box(f).text.size());
    G.FieldForwardState = 0;
    KeyAscii = 0;
}

// Call field ----------------------------------------------------------------------------------------

void OutEntry::txtCall_KeyPress(int& KeyAscii)
{
    labels.lblDupeFontPoints = dupeFontPoints(screenWidthTwips, G.FormSizePercent);
    const QString call = txtCall.text;
    const int len = int(call.size());

    if (len < 2 && KeyAscii != KeyEnter) {
        setText(Field::Cntry, QString());
        labels.Label19.clear();
        labels.Label22.clear();
        labels.Label23.clear();
    }
    if (KeyAscii == KeyQuote)
        KeyAscii = 0;

    bool carried = false;
    if (callCarriesDigit(call, txtCall.selStart, KeyAscii)) {
        setFocus(Field::RSTR);
        carry(KeyAscii, 4, &OutEntry::txtRSTR_KeyPress);
        KeyAscii = 0;
        carried = true;
    }

    if (len < 3 && KeyAscii != KeyEnter && G.LoggedOnFlag == 1)
        labels.lblDialog = QStringLiteral(" ");
    if (G.LoggedOnFlag == 0) {
        labels.lblDialog = QStringLiteral("Click Log \"Time On\"!");
        Platform::prompts().beep();
    }

    // A key the handler consumed (Enter, Space, a carried digit) ends it here: handing it to the
    // partial check as 0 would search nothing and only wipe the status line, hiding the message
    // that logging or leaving the call field has just put there.
    if (enterLogs(KeyAscii))
        return;
    if (KeyAscii == KeySpace && G.FieldForwardState != 4) {
        KeyAscii = 0;
        setFocus(Field::RSTR);
        return;
    }
    if (carried)
        return;

    KeyAscii = Module2::UpperCaseKey(KeyAscii);
    DupeCheck::showPartial(labels, DupeCheck::PartialDupeCheck(txtCall.text, KeyAscii));
}

void OutEntry::txtCall_Change() { G.WildCall = txtCall.text; }

void OutEntry::txtCall_GotFocus()
{
    host_->hideEditButtons();
    if (txtCall.text.isEmpty()) {
        setText(Field::RSTR, QString());
        setText(Field::RSTS, QString());
    }
    if (G.VoiceNavLevel > 0)
        host_->BlindKeyPhone(QStringLiteral("Call"));
    if (txtCall.text.isEmpty()) {
        const int rows = host_->contactListRows();
        if (rows < G.QSOCount && rows < 18)
            host_->ListRecentContacts();
    }
}

void OutEntry::txtCall_LostFocus()
{
    const QString call = txtCall.text;
    if (const auto hello = greeting(call, Window::Out)) {
        labels.lblDialog = *hello;
        labels.lblDialogBackColor = ColorLightCyan;
        Platform::prompts().beep();
    }
    if (call.isEmpty())
        return;

    const DupeCheck::DupCheck2Result d =
        DupeCheck::DupCheck2(call, txtSec.text, host_->listPreviousChecked());
    if (d.listed)
        host_->listPreviousContacts(d.records);
    if (d.countyFilled) {
        setText(Field::Sec, d.county);
        selectAll(Field::Sec);
    }
    for (int k = 0; k < d.warnings; ++k)
        Platform::prompts().beep();
    if (d.warnings > 0) {
        labels.lblDialog = d.warning;
        labels.lblDialogBackColor = ColorRed;
        labels.lblDupeBackColor = ColorButtonFace;
    }

    for (Field f : {Field::RSTR, Field::RSTS}) {
        if (box(f).text.isEmpty()) {
            setText(f, defaultReport(G.CurrentMode));
            selectAll(f);
        }
    }
}

// Report received ------------------------------------------------------------------------------------

void OutEntry::txtRSTR_KeyPress(int& KeyAscii)
{
    if (KeyAscii > '9') {
        // A letter belongs to the county: carry it there and move on as a Space would.
        carry(KeyAscii, 3, &OutEntry::txtSec_KeyPress);
        KeyAscii = KeySpace;
    }
    if (G.FieldForwardState == 4)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;
    if (KeyAscii == KeySpace)
        setFocus(Field::Sec);
    KeyAscii = Module2::DigitsOnlyKey(KeyAscii);
    if (G.FieldForwardState == 4)
        takeCarried(Field::RSTR, KeyAscii);
}

void OutEntry::txtRSTR_GotFocus()
{
    if (G.VoiceNavLevel == 2)
        host_->BlindKeyPhone(QStringLiteral("RstRcvd"));
}

// County ------------------------------------------------------------------------------------------------

void OutEntry::txtSec_KeyPress(int& KeyAscii)
{
    if (KeyAscii == KeyQuote)
        KeyAscii = 0;
    if (isDigitKey(KeyAscii)) {
        // A digit belongs to the report sent: it becomes that report, and the county moves on as
        // for a Space.
        carry(KeyAscii, 1, &OutEntry::txtRSTS_KeyPress);
        KeyAscii = KeySpace;
    }
    if (G.FieldForwardState == 3)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;

    if (KeyAscii == KeySpace && countySpaceAdvances(txtSec.text, txtSec.selStart)) {
        KeyAscii = 0;
        setFocus(Field::RSTS);
    }
    if (KeyAscii != KeySpace && KeyAscii > 0 && txtSec.selStart == 0)
        setText(Field::Sec, QString());
    if (countyCapitalises(txtSec.text, txtSec.selStart))
        KeyAscii = Module2::UpperCaseKey(KeyAscii);

    if (const auto c = countyTypeAhead(txtSec.text, txtSec.selStart, KeyAscii, G.CountyNames)) {
        setText(Field::Sec, c->text);
        txtSec.selStart = c->selStart;
        txtSec.selLength = c->selLength;
        KeyAscii = 0;
        G.FieldForwardState = 0;
    }

    if (G.FieldForwardState == 3)
        takeCarried(Field::Sec, KeyAscii);   // the carried letter completed nothing
}

void OutEntry::txtSec_GotFocus()
{
    if (G.VoiceNavLevel == 2)
        host_->BlindKeyPhone(QStringLiteral("County"));
}

// Report sent ------------------------------------------------------------------------------------------

void OutEntry::txtRSTS_KeyPress(int& KeyAscii)
{
    if (G.FieldForwardState == 1)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;
    const bool tab = KeyAscii == KeySpace;
    KeyAscii = Module2::DigitsOnlyKey(KeyAscii);
    if (G.FieldForwardState == 1)
        takeCarried(Field::RSTS, KeyAscii);
    // The Space becomes a Tab keystroke, which moves on once this key is done.
    if (tab)
        setFocus(nextInTabOrder(Field::RSTS));
}

void OutEntry::txtRSTS_Change() { G.WildRST = txtRSTS.text; }

void OutEntry::txtRSTS_GotFocus()
{
    if (G.VoiceNavLevel == 2)
        host_->BlindKeyPhone(QStringLiteral("RstSnt"));
}

// Clearing -----------------------------------------------------------------------------------------------

void OutEntry::emptyEntry()
{
    for (Field f : {Field::RSTS, Field::Cntry, Field::Call, Field::RSTR, Field::Sec})
        setText(f, QString());
    labels.Label19.clear();
    labels.Label22.clear();
    labels.Label23.clear();
}

void OutEntry::ClearEntry()
{
    for (Field f : {Field::RSTS, Field::Cntry, Field::Call, Field::RSTR, Field::Sec})
        setText(f, QString());
    labels.lblDupeBackColor = ColorButtonFace;
    labels.lblDialogBackColor = ColorTeal;
    labels.lblDupe.clear();
    labels.lblDialog.clear();
    labels.Label19.clear();
    labels.Label22.clear();
    labels.Label23.clear();
    setFocus(Field::Call);
}

} // namespace Entry
