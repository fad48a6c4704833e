#include "entry/EntryKeys.h"

#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/DupeCheck.h"
#include "entry/PostContest.h"
#include "platform/Clock.h"
#include "platform/KeyEvents.h"
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
}   // namespace

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
}   // namespace

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

std::optional<CarryRule> carryOf(Window w, Field from, const QString& text, int caret, int keyAscii)
{
    switch (from) {
    case Field::Call:
        if (callCarriesDigit(text, caret, keyAscii))
            return CarryRule{Field::Call, DigitToReportReceived, Field::RSTR};
        break;
    case Field::RSTR:
        if (keyAscii > '9')
            return CarryRule{Field::RSTR, KeyFromReportReceived, w == Window::Out ? Field::Sec : Field::Cntry};
        break;
    case Field::Sec:
        if (isDigitKey(keyAscii))
            return CarryRule{Field::Sec, DigitToReportSent, Field::RSTS};
        break;
    case Field::RSTS:
        if (w == Window::In && keyAscii > '9')
            return CarryRule{Field::RSTS, KeyFromReportSent, Field::Cntry};
        break;
    default: break;
    }
    return std::nullopt;
}

int lastRowBeginningWith(const QString& prefix, int count, const std::function<QString(int)>& nameAt)
{
    for (int row = count - 1; row >= 0; --row) {
        const QString name = nameAt(row);
        if (name.size() >= prefix.size() && name.startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

std::optional<Completion> countyTypeAhead(const QString& text, int caret, int keyAscii, const QStringList& names)
{
    if (keyAscii <= 0)
        return std::nullopt;
    const QString prefix = text.left(caret) + QChar(char16_t(keyAscii));
    const int row = lastRowBeginningWith(prefix, int(names.size()), [&](int k) { return names[k]; });
    if (row < 0)
        return std::nullopt;
    const QString& name = names[row];
    Completion c;
    c.text = prefix + name.mid(prefix.size());
    c.selStart = int(prefix.size());
    c.selLength = int(name.size() - prefix.size());
    return c;
}

bool countySpaceAdvances(const QString& text, int caret)
{
    const int len = int(text.size());
    if (caret >= len)
        return true;
    if (len > caret + 1) {
        const bool deOrLa = text.startsWith(QLatin1String("De"), Qt::CaseInsensitive) ||
                            text.startsWith(QLatin1String("La"), Qt::CaseInsensitive);
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
    return mode.compare(QLatin1String("PH"), Qt::CaseInsensitive) == 0 ? QStringLiteral("59") : QStringLiteral("599");
}

std::optional<QString> greeting(const QString& call, Window w)
{
    if (call.compare(QLatin1String("Quolt"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Quolt, Orlendy, wrote this software!  Please say hi!");
    if (call.compare(QLatin1String("Tennal"), Qt::CaseInsensitive) == 0)
        return w == Window::Out ? QStringLiteral("Tennal, Mirrane, helped write this software!  Please say hi!")
                                : QStringLiteral("Tennal, Mirrane, helped write this software!");
    return std::nullopt;
}

double dupeFontPoints(int screenWidthTwips, int formSizePercent)
{
    return double(screenWidthTwips) * 9.0 / 9600.0 * formSizePercent / 100.0;
}

// --- EntryRow ------------------------------------------------------------------------------------

EntryRow::EntryRow(Window w, EntryHost* host) : window(w), host_(host ? host : &noHost_)
{
    for (const auto& s : fieldSpecs())
        box(s.field).maxLength = s.maxLength;
    txtCntry.visible = w == Window::In;   // the out-of-state window never shows the state field
    txtPostConTime.visible = false;       // shown in post-contest entry only
    txtPostConDate.visible = false;
}

void EntryRow::setHost(EntryHost* host) { host_ = host ? host : &noHost_; }

TextBox& EntryRow::box(Field f)
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

const TextBox& EntryRow::box(Field f) const { return const_cast<EntryRow*>(this)->box(f); }

void EntryRow::setText(Field f, const QString& text)
{
    box(f).setText(text);
    changed(f);
}

void EntryRow::selectAll(Field f) { box(f).selectAll(); }

void EntryRow::setSelection(Field f, int selStart, int selLength)
{
    TextBox& b = box(f);
    b.selStart = selStart;
    b.selLength = selLength;
    clampSelection(b);
}

void EntryRow::setReportLength(int n)
{
    txtRSTR.maxLength = n;
    txtRSTS.maxLength = n;
}

void EntryRow::keyPress(Field f, int keyAscii)
{
    if (f == Field::None || f == Field::Other)
        return;
    if (f == Field::PostConTime)
        txtPostConTime_KeyPress(keyAscii);
    else if (f == Field::PostConDate)
        txtPostConDate_KeyPress(keyAscii);
    else
        handleKey(f, keyAscii);
    if (keyAscii != 0 && keyAscii != KeyQuote) {
        const QString before = box(f).text;
        box(f).type(keyAscii);
        if (box(f).text != before)
            changed(f);
    }
}

void EntryRow::paste(Field f, const QString& text)
{
    if (f == Field::None || f == Field::Other)
        return;
    const QString before = box(f).text;
    // Blanks around a copied value are no part of it; typed, the first one would move on.
    for (QChar c : text.trimmed()) {
        // A character no key types into a field (a line break, a tab) is left out.
        if (KeyEvents::isStorable(c) && !pasteKey(f, c.unicode()))
            break;
    }
    if (box(f).text != before)
        changed(f);
}

bool EntryRow::pasteKey(Field f, int key)
{
    // A character carried to the next field belongs there: the pasted value ends before it.
    if (carryOf(window, f, box(f).text, box(f).selStart, key))
        return false;
    switch (f) {
    case Field::Call:
        // A Space moves on; a quote is never part of a call.
        if (key == KeySpace)
            return false;
        if (key == KeyQuote)
            return true;
        key = Module2::UpperCaseKey(key);
        break;
    case Field::RSTR:
    case Field::RSTS:
        if (key == KeySpace)
            return false;
        key = Module2::DigitsOnlyKey(key);
        break;
    case Field::Sec:
        // A Space that moves on ends the name; one inside a two-word name is its blank.
        if (key == KeySpace && countySpaceAdvances(txtSec.text, txtSec.selStart))
            return false;
        if (key == KeyQuote)
            return true;
        countyCharacter(key);
        break;
    case Field::PostConTime:
    case Field::PostConDate: {
        const PostContest::Box b = f == Field::PostConTime ? PostContest::Box::Time : PostContest::Box::Date;
        switch (PostContest::keyPress(b, key)) {
        case PostContest::KeyAction::Type: break;
        case PostContest::KeyAction::Discard: return true;
        case PostContest::KeyAction::NextField:
        case PostContest::KeyAction::Log: return false;
        }
        break;
    }
    default: return false;
    }
    box(f).type(key);
    return true;
}

void EntryRow::trimBlanks()
{
    // The values mean the same without their blanks: no change handler runs (the call's would
    // look its country up again and overwrite a state field the operator corrected).
    for (const FieldSpec& s : fieldSpecs()) {
        TextBox& b = box(s.field);
        if (const QString trimmed = b.text.trimmed(); trimmed != b.text)
            b.setText(trimmed);
    }
}

Field EntryRow::nextInTabOrder(Field from) const
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

void EntryRow::setFocus(Field to)
{
    if (to == focus)
        return;
    const Field from = focus;
    focus = to;
    if (from == Field::Call)
        txtCall_LostFocus();
    if (to == Field::PostConTime)
        txtPostConTime_GotFocus();
    else if (to == Field::PostConDate)
        txtPostConDate_GotFocus();
    else
        entered(to);
}

// Post-contest boxes ------------------------------------------------------------------------------

void EntryRow::postContestKey(Field f, int& KeyAscii)
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

void EntryRow::txtPostConTime_KeyPress(int& KeyAscii) { postContestKey(Field::PostConTime, KeyAscii); }
void EntryRow::txtPostConDate_KeyPress(int& KeyAscii) { postContestKey(Field::PostConDate, KeyAscii); }

void EntryRow::txtPostConTime_GotFocus() { selectAll(Field::PostConTime); }

void EntryRow::txtPostConDate_GotFocus()
{
    const QString date = PostContest::dateOnFocus(txtPostConDate.text, Platform::clock().read().local.date());
    if (date != txtPostConDate.text)
        setText(Field::PostConDate, date);
    selectAll(Field::PostConDate);
}

void EntryRow::carry(int& KeyAscii, const CarryRule& rule)
{
    G.ForwardedKey = QString::number(KeyAscii);
    G.FieldForwardState = rule.state;
    handleKey(rule.to, KeyAscii);
}

bool EntryRow::enterLogs(int& KeyAscii)
{
    if (KeyAscii != KeyEnter)
        return false;
    KeyAscii = 0;
    host_->Mains();
    return true;
}

void EntryRow::takeCarried(Field f, int& KeyAscii)
{
    setText(f, KeyAscii > 0 ? QString(QChar(char16_t(KeyAscii))) : QString());
    box(f).selStart = int(box(f).text.size());
    G.FieldForwardState = NoCarry;
    KeyAscii = 0;
}

void EntryRow::emptyStateAndPosition()
{
    setText(Field::Cntry, QString());
    labels.Label19.clear();
    labels.Label22.clear();
    labels.Label23.clear();
}

void EntryRow::fieldPrompt(const char* name)
{
    if (G.VoiceNavLevel >= 2)
        host_->BlindKeyPhone(QString::fromLatin1(name));
}

// Call field ----------------------------------------------------------------------------------------

bool EntryRow::callKeyStart(int& KeyAscii)
{
    labels.lblDupeFontPoints = dupeFontPoints(screenWidthTwips, G.FormSizePercent);
    const QString call = txtCall.text;
    const int len = int(call.size());
    // The in-state window empties the state field before the second character whatever the key;
    // the out-of-state window keeps it for Enter.
    const bool in = window == Window::In;

    if (len < 2 && (in || KeyAscii != KeyEnter))
        emptyStateAndPosition();
    if (KeyAscii == KeyQuote)
        KeyAscii = 0;

    bool carried = false;
    if (const auto rule = carryOf(window, Field::Call, call, txtCall.selStart, KeyAscii)) {
        setFocus(rule->to);
        carry(KeyAscii, *rule);
        KeyAscii = 0;
        carried = true;
    }

    if (len < 3 && (in || KeyAscii != KeyEnter) && G.LoggedOnFlag == 1)
        labels.lblDialog = QStringLiteral(" ");
    if (G.LoggedOnFlag == 0) {
        labels.lblDialog = QStringLiteral("Click Log \"Time On\"!");
        Platform::prompts().beep();
    }

    if (enterLogs(KeyAscii))
        return true;
    if (KeyAscii == KeySpace && G.FieldForwardState != DigitToReportReceived) {
        KeyAscii = 0;
        setFocus(Field::RSTR);
        return true;
    }
    return carried;
}

void EntryRow::callEntered()
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

void EntryRow::defaultReports()
{
    for (Field f : {Field::RSTR, Field::RSTS}) {
        if (box(f).text.isEmpty()) {
            setText(f, defaultReport(G.CurrentMode));
            selectAll(f);
        }
    }
}

// Report received ------------------------------------------------------------------------------------

void EntryRow::reportReceivedKey(int& KeyAscii)
{
    if (const auto rule = carryOf(window, Field::RSTR, txtRSTR.text, txtRSTR.selStart, KeyAscii)) {
        // A letter belongs to the next field: carry it there and move on as a Space would. The
        // in-state state field takes it in capitals.
        if (window == Window::In)
            KeyAscii = Module2::UpperCaseKey(KeyAscii);
        carry(KeyAscii, *rule);
        KeyAscii = KeySpace;
    }
    if (G.FieldForwardState == DigitToReportReceived)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;
    if (KeyAscii == KeySpace)
        setFocus(window == Window::Out ? Field::Sec : Field::Cntry);
    KeyAscii = Module2::DigitsOnlyKey(KeyAscii);
    if (G.FieldForwardState == DigitToReportReceived)
        takeCarried(Field::RSTR, KeyAscii);
}

// County ------------------------------------------------------------------------------------------------

void EntryRow::countyKey(int& KeyAscii)
{
    // Only the out-of-state window carries letters into the county (from the report received).
    const bool takesLetters = window == Window::Out;
    if (KeyAscii == KeyQuote)
        KeyAscii = 0;
    if (const auto rule = carryOf(window, Field::Sec, txtSec.text, txtSec.selStart, KeyAscii)) {
        // A digit belongs to the report sent: it becomes that report, and the county moves on as
        // for a Space.
        carry(KeyAscii, *rule);
        KeyAscii = KeySpace;
    }
    if (takesLetters && G.FieldForwardState == KeyFromReportReceived)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;

    if (KeyAscii == KeySpace && countySpaceAdvances(txtSec.text, txtSec.selStart)) {
        KeyAscii = 0;
        setFocus(Field::RSTS);
    }
    if (countyCharacter(KeyAscii) && takesLetters)
        G.FieldForwardState = NoCarry;

    if (takesLetters && G.FieldForwardState == KeyFromReportReceived)
        takeCarried(Field::Sec, KeyAscii);   // the carried letter completed nothing
}

bool EntryRow::countyCharacter(int& KeyAscii)
{
    if (KeyAscii != KeySpace && KeyAscii > 0 && txtSec.selStart == 0)
        setText(Field::Sec, QString());
    if (countyCapitalises(txtSec.text, txtSec.selStart))
        KeyAscii = Module2::UpperCaseKey(KeyAscii);

    const auto c = countyTypeAhead(txtSec.text, txtSec.selStart, KeyAscii, G.CountyNames);
    if (!c)
        return false;
    setText(Field::Sec, c->text);
    txtSec.selStart = c->selStart;
    txtSec.selLength = c->selLength;
    KeyAscii = 0;
    return true;
}

// Report sent ------------------------------------------------------------------------------------------

void EntryRow::reportSentKey(int& KeyAscii)
{
    if (G.FieldForwardState == DigitToReportSent)
        KeyAscii = G.ForwardedKey.toInt();
    if (enterLogs(KeyAscii))
        return;
    const bool tab = KeyAscii == KeySpace;
    KeyAscii = Module2::DigitsOnlyKey(KeyAscii);
    if (G.FieldForwardState == DigitToReportSent)
        takeCarried(Field::RSTS, KeyAscii);
    // The Space becomes a Tab keystroke, which moves on once this key is done.
    if (tab)
        setFocus(nextInTabOrder(Field::RSTS));
}

// Clearing -----------------------------------------------------------------------------------------------

void EntryRow::emptyEntry()
{
    for (Field f : {Field::RSTS, Field::Cntry, Field::Call, Field::RSTR, Field::Sec})
        setText(f, QString());
    labels.Label19.clear();
    labels.Label22.clear();
    labels.Label23.clear();
}

void EntryRow::ClearEntry()
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
    if (window == Window::In)
        labels.countyCaptionEnabled = false;
    setFocus(Field::Call);
}

// The handlers both rows share, and their dispatch.

bool EntryRow::handleKey(Field f, int& KeyAscii)
{
    switch (f) {
    case Field::Call: txtCall_KeyPress(KeyAscii); return true;
    case Field::RSTR: txtRSTR_KeyPress(KeyAscii); return true;
    case Field::Sec: txtSec_KeyPress(KeyAscii); return true;
    case Field::RSTS: txtRSTS_KeyPress(KeyAscii); return true;
    default: return false;
    }
}

void EntryRow::changed(Field f)
{
    if (f == Field::Call)
        txtCall_Change();
    else if (f == Field::RSTS)
        txtRSTS_Change();
}

void EntryRow::entered(Field f)
{
    switch (f) {
    case Field::Call: txtCall_GotFocus(); break;
    case Field::RSTR: txtRSTR_GotFocus(); break;
    case Field::Sec: txtSec_GotFocus(); break;
    case Field::RSTS: txtRSTS_GotFocus(); break;
    default: break;
    }
}

void EntryRow::txtCall_GotFocus() { callEntered(); }

void EntryRow::greetAuthor()
{
    if (const auto hello = greeting(txtCall.text, window)) {
        labels.lblDialog = *hello;
        labels.lblDialogBackColor = ColorLightCyan;
        Platform::prompts().beep();
    }
}
void EntryRow::txtRSTR_KeyPress(int& KeyAscii) { reportReceivedKey(KeyAscii); }
void EntryRow::txtRSTR_GotFocus() { fieldPrompt("RstRcvd"); }
void EntryRow::txtSec_KeyPress(int& KeyAscii) { countyKey(KeyAscii); }
void EntryRow::txtSec_GotFocus() { fieldPrompt("County"); }
void EntryRow::txtRSTS_KeyPress(int& KeyAscii) { reportSentKey(KeyAscii); }
void EntryRow::txtRSTS_Change() { G.WildRST = txtRSTS.text; }
void EntryRow::txtRSTS_GotFocus() { fieldPrompt("RstSnt"); }

// --- OutEntry ------------------------------------------------------------------------------------

OutEntry::OutEntry(EntryHost* host) : EntryRow(Window::Out, host) {}

void OutEntry::txtCall_KeyPress(int& KeyAscii)
{
    // A key the handler consumed (Enter, Space, a carried digit) ends it here: handing it to the
    // partial check as 0 would search nothing and only wipe the status line, hiding the message
    // that logging or leaving the call field has just put there.
    if (callKeyStart(KeyAscii))
        return;

    KeyAscii = Module2::UpperCaseKey(KeyAscii);
    DupeCheck::showPartial(labels, DupeCheck::PartialDupeCheck(txtCall.text, KeyAscii));
}

void OutEntry::txtCall_Change() { G.WildCall = txtCall.text; }

void OutEntry::txtCall_LostFocus()
{
    const QString call = txtCall.text;
    greetAuthor();
    if (call.isEmpty())
        return;

    const DupeCheck::DupCheck2Result d = DupeCheck::DupCheck2(call, txtSec.text, host().listPreviousChecked());
    if (d.listed)
        host().listPreviousContacts(d.records);
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
    defaultReports();
}

}   // namespace Entry
