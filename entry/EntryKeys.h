#pragma once
// The entry row of the main windows: the text boxes in which the operator types one contact's
// exchange, and the decisions their key and focus handlers make, without any widget.
//
// Fast entry: letters become capitals, the report fields take digits only, a character that
// belongs to the next field is carried there (a digit after a complete call goes to the report
// received, a letter in the report received goes on to the county, a digit in the county goes to
// the report sent), Space advances, county names complete themselves from the last county of the
// table upwards, leaving the call field fills the default reports, and Enter anywhere logs.
// A double quote never enters a field, typed or pasted: it would break the list format of log.txt.
// Pasted text lands as typing it into that field would: each character meets the field's own
// character rules, and the paste ends where typing would leave the field (a Space that moves on,
// a character carried to the next field), so nothing meant for another field is glued on.
//
// `EntryRow` is a window's row as a model: it owns the texts, selections and the focus of the
// fields and the status labels the handlers write. The window forwards each event to the handler
// of the same name and then shows the model's state in its widgets; everything the row needs from
// outside itself (logging, the contact list, spoken prompts, the clock button, the duplicate
// checks) it asks of an `EntryHost`. `OutEntry` is the out-of-state window's row, `InEntry`
// (entry/InEntry.h) the in-state window's; the pure decisions below serve both.
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

namespace Entry {

// The fields of the entry row, in tab order. `Other` is any control of the window that is not an
// entry field (a list or a button that took the focus by a click).
enum class Field { None, Call, RSTR, Cntry, Sec, RSTS, PostConTime, PostConDate, Other };

struct FieldSpec {
    Field field;
    const char* control;      // objectName of the text box
    const char* outCaption;   // caption in the out-of-state window
    const char* inCaption;    // caption in the in-state window
    int captionIndex;         // index of the caption in lblStation (-1: its own label)
    int tabIndex;
    int maxLength;   // design maximum (the mode commands change the report fields')
};

// The seven entry fields, left to right.
const std::array<FieldSpec, 7>& fieldSpecs();
const FieldSpec& fieldSpec(Field f);

// The two main windows: Out for a station outside the contest state, In for one inside it.
enum class Window { Out, In };

// Key codes the handlers act on.
constexpr int KeyBackspace = 8, KeyEnter = 13, KeySpace = 32, KeyQuote = 34;

// Colours of the status labels (&HBBGGRR; ButtonFace is the system colour number).
constexpr long long ColorTeal = 0xC0C000, ColorRed = 0xFF, ColorLightCyan = 0xFFFFC0, ColorButtonFace = 0x8000000F;

// One text box as the handlers see it: its text, caret (selStart, 0 = before the first character)
// and selection, its length limit and whether it is shown.
struct TextBox {
    QString text;
    int selStart = 0;
    int selLength = 0;
    int maxLength = 0;   // 0: no limit
    bool visible = true;

    // A text set from code: caret at the start, nothing selected.
    void setText(const QString& s);
    void selectAll();
    // What the box does with a key its handler let through: Backspace removes the selection or the
    // character before the caret; a printable character replaces the selection unless the box is
    // full; other control codes do nothing.
    void type(int keyAscii);
};

// Text without double quotes (and without line breaks, which a one-line field cannot hold).
QString withoutQuotes(const QString& s);

// --- Pure decisions ----------------------------------------------------------------------------

// Whether a digit typed into the call field goes on to the report received: the caret is at the
// end of a call longer than two characters that, from its second character on, holds a digit, no
// character below "0" (slash, hyphen, blank) and ends in a letter.
bool callCarriesDigit(const QString& call, int selStart, int keyAscii);

// The county field's type-ahead: the typed prefix is the text before the caret followed by the
// key's character; the last name of `names` that begins with it (ignoring case) completes it.
// The result keeps the prefix as typed, puts the caret after it and selects the rest.
struct Completion {
    QString text;
    int selStart = 0;
    int selLength = 0;
};
std::optional<Completion> countyTypeAhead(const QString& text, int caret, int keyAscii, const QStringList& names);
// The same search over any list of `count` names (nameAt(0) .. nameAt(count - 1)): the row of the
// last name that begins with `prefix` (ignoring case), -1 for none.
int lastRowBeginningWith(const QString& prefix, int count, const std::function<QString(int)>& nameAt);

// Carries: a key typed into one field that belongs to the next one. The carrying handler stores
// the key in G.ForwardedKey and `state` in G.FieldForwardState, runs the target field's key
// handler with it, and then drops its own key or treats it as a Space. One table for both windows:
//   call, a digit after a complete call (callCarriesDigit)  -> report received, state 4
//   report received, a key above "9"                       -> county (Out) / state field (In), 3
//   county, a digit                                         -> report sent, state 1
//   report sent, a key above "9" (In only)                  -> state field, state 2
struct CarryRule {
    Field from;
    int state;
    Field to;
};
enum CarryState {
    NoCarry = 0,
    DigitToReportSent = 1,
    KeyFromReportSent = 2,
    KeyFromReportReceived = 3,
    DigitToReportReceived = 4
};
// The carry that key `keyAscii` typed into field `from` (holding `text` with the caret at `caret`)
// starts, if any.
std::optional<CarryRule> carryOf(Window w, Field from, const QString& text, int caret, int keyAscii);

// Whether a Space typed into the county field moves on to the report sent (true) or is typed:
// it moves on at the end of the text, and inside it when more than one character follows the
// caret, the next one is not a blank and the text does not begin with "De" or "La".
bool countySpaceAdvances(const QString& text, int caret);

// Whether the county field upper-cases a key: when it is empty, or when the caret stands inside
// the text right after a blank.
bool countyCapitalises(const QString& text, int caret);

// The report the fields get when the call field is left with them empty: "59" in phone mode,
// "599" otherwise.
QString defaultReport(const QString& mode);

// The greeting for the authors' calls (ignoring case), none for any other call.
std::optional<QString> greeting(const QString& call, Window w);

// Font size in points of the partial-duplicate label: 9 points on the 9600-twip design screen at
// full size, in proportion otherwise.
double dupeFontPoints(int screenWidthTwips, int formSizePercent);

// --- The entry row ------------------------------------------------------------------------------

// The labels the entry handlers write.
struct StatusLabels {
    QString lblDialog;
    long long lblDialogBackColor = ColorTeal;
    QString lblDupe;
    long long lblDupeBackColor = ColorButtonFace;
    double lblDupeFontPoints = 0;
    QString Label19, Label22, Label23;   // continent, bearing, miles
    // In-state window: the "New" marker Label3 and whether the "County" caption lblStation(4) is
    // enabled (greyed out while no county is wanted).
    bool Label3Visible = false;
    bool countyCaptionEnabled = true;
};

class InEntry;

// What the row asks of its window.
class EntryHost {
public:
    virtual ~EntryHost() = default;
    // Enter in any entry field: log the contact (the window's Mains).
    virtual void Mains() {}
    // Time On, run by Mains while the operating clock is stopped. The window sets the focus to the
    // call field through the row's setFocus.
    virtual void cmdLogOn_Click() {}
    // Starts a spoken prompt (BlindFrm.BlindKeyPhone) and returns at once.
    virtual void BlindKeyPhone(const QString& name) {}
    // Whether the spoken prompt still plays.
    virtual bool promptPlaying() { return false; }
    // Entering the call field hides cmdEdit and cmdDelete.
    virtual void hideEditButtons() {}
    // Rows of the contact list ListView1, and its refill with the recent contacts.
    virtual int contactListRows() { return 0; }
    virtual void ListRecentContacts() {}
    // The tick of "&List Previous Contacts", and the contact list emptied and filled with these
    // records (the earlier contacts of the call, oldest first).
    virtual bool listPreviousChecked() { return false; }
    virtual void listPreviousContacts(const QVector<int>& records) {}
    // After a logged contact (the tallies are already counted): county lists and score labels.
    virtual void UpdateCountyLists() {}
    virtual void ShowScore() {}
    // After every logging attempt.
    virtual void ShowQSORates() {}
    // Paints what the handlers have changed so far, before a wait that lets no input in (the
    // spoken "Dupe", the in-state hold after a duplicate); called again while such a wait runs.
    virtual void repaintWindow() {}

    // ---- In-state window only ----
    // Leaving a non-empty call field: the duplicate warning, the fill-in of the county and state
    // fields from an earlier contact, the list of earlier contacts (InDupeCheck::DupCheck2).
    virtual void DupCheck2(InEntry& row) {}
    // At the end of every key press in the call field, with the key as the handler left it
    // (upper-cased; 0 for a key it consumed): the partial-duplicate list and its messages.
    virtual void PartialDupeCheck(InEntry& row, int& KeyAscii) {}
    // After a key in the call field while G.DupeFlag is 1: holds until 3 seconds after the
    // duplicate found at logging, then clears G.DupeFlag.
    virtual void HoldDupeFlag() {}
    // The rover's present counties (the rover county window's list), entry 0 being CurrentCounty;
    // empty when the window was never used.
    virtual QStringList roverCounties() { return {}; }
    // Label25 shows the own county (after CurrentCounty changed).
    virtual void showOwnCounty(const QString& county) {}
    // Grid label Label10(row) of a state or province just worked turns WorkedColor.
    virtual void stateWorked(int row) {}
    // Record `record`, just logged with a DX country, joins the DX lists (the list of its band and
    // List1) unless they hold that country already.
    virtual void AddBandDX(int record) {}
};

// The fields, focus and labels of an entry row and what both windows' rows do alike, the handlers
// of the shared fields included. The call field's handlers, the state field's and those a row
// replaces are the window's (OutEntry, InEntry).
class EntryRow {
public:
    explicit EntryRow(Window window, EntryHost* host = nullptr);
    virtual ~EntryRow() = default;
    EntryRow(const EntryRow&) = delete;
    EntryRow& operator=(const EntryRow&) = delete;

    const Window window;

    void setHost(EntryHost* host);
    EntryHost& host() { return *host_; }

    // The boxes and the focus.
    TextBox txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate;
    Field focus = Field::Call;
    StatusLabels labels;
    // The screen's width in twips (the partial-duplicate font follows it).
    int screenWidthTwips = 9600;

    TextBox& box(Field f);
    const TextBox& box(Field f) const;

    // --- What the window calls ---
    // A character typed into field f (after the window's own key handling let it through): runs
    // the field's key handler and types what it leaves of the key into that field. A field without
    // a handler of its own types the key as the window passes it.
    void keyPress(Field f, int keyAscii);
    // Pasted or dropped text, without the blanks at either end: typed into field f character by
    // character as its own rules type them (capitals in the call, digits only in the reports, the
    // county's and the state field's capitals and completions); what typing drops (a quote, a
    // letter in the out-of-state report sent) is dropped. The paste ends at the first character
    // with which typing would leave the field: a Space that moves on, a digit after a complete
    // call, a letter in the report received (or in the in-state report sent), a digit in the
    // county; the rest is not pasted, and the focus stays. The field's change handler runs once
    // afterwards.
    void paste(Field f, const QString& text);
    // A text written from outside the row (a list click, the county list window): the field's
    // change handler runs.
    void setText(Field f, const QString& text);
    // Selection of field f as the operator left it (mouse, arrow keys).
    void setSelection(Field f, int selStart, int selLength);
    // The focus moves to field `to`: the leave handler of the old field and the enter handler of
    // the new one run, as they do for Tab, Backtab, a click or a handler's own move. Moving to the
    // field that has the focus runs nothing.
    void setFocus(Field to);
    // The next visible entry field after `from` in tab order, wrapping to the call field.
    Field nextInTabOrder(Field from) const;
    // Report fields' length limit (the mode commands: CW 3, phone 2, digital 3).
    void setReportLength(int n);

    // Post-contest boxes (PostContest's rules), the same in both windows: Space moves on, Enter
    // logs, other keys are filtered; an empty date box gets today's date on focus, and either box
    // then selects its whole text, so what is typed replaces it.
    void txtPostConTime_KeyPress(int& KeyAscii);
    void txtPostConDate_KeyPress(int& KeyAscii);
    void txtPostConTime_GotFocus();
    void txtPostConDate_GotFocus();

    // The handlers of the five fields both rows have (by their control and event names). The call
    // field's key, change and leave handlers are each row's own; the others do the same in both
    // rows unless a row replaces them.
    virtual void txtCall_KeyPress(int& KeyAscii) = 0;
    virtual void txtCall_Change() = 0;
    virtual void txtCall_LostFocus() = 0;
    void txtCall_GotFocus();
    void txtRSTR_KeyPress(int& KeyAscii);
    void txtRSTR_GotFocus();
    void txtSec_KeyPress(int& KeyAscii);
    virtual void txtSec_GotFocus();
    virtual void txtRSTS_KeyPress(int& KeyAscii);
    void txtRSTS_Change();
    void txtRSTS_GotFocus();

    // Esc with nothing being sent, and the Clear command.
    virtual void ClearEntry();
    // Empties the entry the way logging and the duplicate check do: the report sent, the state
    // field, the call, the report received and the county, then the continent, bearing and miles.
    void emptyEntry();
    // Selects the whole text of a field.
    void selectAll(Field f);
    // Drops leading and trailing blanks from every field, as logging takes the values; no change
    // handler runs.
    void trimBlanks();

protected:
    // The field's key handler; false for a field without one. A row with a field of its own adds it.
    virtual bool handleKey(Field f, int& KeyAscii);
    // The field's change handler.
    virtual void changed(Field f);
    // The field's enter handler.
    virtual void entered(Field f);
    // One pasted character in field f (see paste); false when typing it would leave the field,
    // which ends the paste. A row with a field of its own adds it.
    virtual bool pasteKey(Field f, int key);

    // Carries a key to another field's key handler: ForwardedKey and FieldForwardState name it there.
    void carry(int& KeyAscii, const CarryRule& rule);
    // Enter in any entry field is swallowed and logs the contact; true when the key was Enter.
    bool enterLogs(int& KeyAscii);
    // The target's side of a carry: the key becomes the field's whole text, caret after it.
    void takeCarried(Field f, int& KeyAscii);

    // What both windows' handlers share.
    // The call field's key handler up to the partial-duplicate check: true when it consumed the
    // key (Enter, Space, a carried digit), KeyAscii then 0.
    bool callKeyStart(int& KeyAscii);
    // The report received's key handler.
    void reportReceivedKey(int& KeyAscii);
    // The county's key handler.
    void countyKey(int& KeyAscii);
    // The county's rules for a character that stays in the field: a key at the start empties it
    // first, capitals where a name or its second word begins, then the type-ahead. True when the
    // type-ahead completed the name (the key is then taken, KeyAscii 0).
    bool countyCharacter(int& KeyAscii);
    // The report sent's key handler after any carry of its own.
    void reportSentKey(int& KeyAscii);
    // Leaving a non-empty call field: empty reports get the default report, selected whole.
    void defaultReports();
    // Entering the call field.
    void callEntered();
    // Leaving the call field with an author's call: the greeting in lblDialog (light cyan), a beep.
    void greetAuthor();
    // A spoken field prompt at navigation level 2 ("All Data Fields") and above.
    void fieldPrompt(const char* name);
    // Empties the state field and the continent, bearing and miles.
    void emptyStateAndPosition();

private:
    void postContestKey(Field f, int& KeyAscii);
    EntryHost* host_;
    EntryHost noHost_;
};

// The out-of-state window's row: its state field is never shown and stays empty.
class OutEntry : public EntryRow {
public:
    explicit OutEntry(EntryHost* host = nullptr);

    // --- The call field's handlers ---
    void txtCall_KeyPress(int& KeyAscii) override;
    void txtCall_Change() override;
    void txtCall_LostFocus() override;
};

}   // namespace Entry
