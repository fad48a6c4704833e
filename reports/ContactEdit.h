#pragma once
// The contact edit dialog without widgets: one logged contact in text boxes, the boxes' key
// filters and type-ahead, the checks made when a box is left, and Done, which scans the log for a
// duplicate of the edited contact and stores the boxes back into the same record.
//
// Two variants: the in-state window's (DEEditInfrm: ten boxes, the state/province/country and
// the county the contact was sent from included) and the out-of-state window's (DEEditOut:
// eight boxes). The dialog never writes log.txt; the window that opened it rewrites the file from
// memory and reloads once the dialog is gone.
//
// Every check that refuses a box beeps, shows the box's warning and asks for the focus back
// (Editor::focusRequest). Done runs all the leave checks again, so a box that never lost the focus
// cannot slip an invalid band, mode or county in, and stores the date as "yyyy/mm/dd" and the time
// as "hh:mm:ss" ("hh:mm" when typed without seconds) whatever form was typed. Blanks around a
// box's text count for nothing: the checks read the text without them, and Done takes them off
// every box before it checks, scans for duplicates and stores.
#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace ContactEdit {

enum class Variant { Out, In };

// The boxes, by what they hold. Not every variant has every box.
enum class Box { Call, RstR, County, RstS, SPC, Date, Time, Mode, Band, SentCounty };
constexpr int BoxCount = 10;
constexpr int indexOf(Box b) { return static_cast<int>(b); }

// One row of the dialog, top to bottom (also the tab order).
struct Row {
    Box box;
    const char* control;   // objectName of the text box
    const char* caption;   // the row's caption
    const char* warning;   // objectName of the warning label beside it, nullptr for none
    int field;             // the text field of G.ContactArrays it edits
};
const QVector<Row>& rows(Variant v);
// The row of box `b`, nullptr when the variant has no such box.
const Row* row(Variant v, Box b);

// The dialog's name (its class in the window that opens it).
QString formName(Variant v);

inline const QString DupeWarningText = QStringLiteral("  Dupe!");
inline const QString InvalidWarningText = QStringLiteral("   Invalid!");

// The bands a contact may be stored on: every band the main window logs.
const QVector<QString>& bands();
// The modes a contact may be stored in.
const QVector<QString>& modes();

// ---- Keys --------------------------------------------------------------------------------------

constexpr int KeyBackspace = 8, KeyEnter = 13, KeySpace = 32, KeyQuote = 34;

// "a".."z" to capitals; every other key, Tab included, unchanged.
int Cap2(int keyAscii);

// A change of the box's text made by its key handler before the key is typed.
struct TextEdit {
    QString text;
    int selStart = 0;
    int selLength = 0;
};

struct KeyResult {
    int key = 0;                    // the key the box then types (0: none)
    bool runDone = false;           // Enter: run Done
    std::optional<TextEdit> edit;   // applied to the box first
};

// The KeyPress handler of box `b`: `text` is the box's text and `selStart` the caret (the start
// of the selection). Enter runs Done; a double quote never gets in. The call, report, mode and
// band boxes turn letters into capitals, the date box takes digits and "/", the time box digits
// and ":". The county boxes complete county names and the SPC box country names, the last row of
// the table first; typing at the start of a county box, or the start of the SPC box, replaces the
// whole entry.
KeyResult keyPress(Variant v, Box b, const QString& text, int selStart, int keyAscii);

// What of a pasted or dropped text box `b` takes: no double quote and no line break; the date
// and time boxes take only the characters they let be typed.
QString cleanPaste(Box b, const QString& text);

// ---- Dates and times -------------------------------------------------------------------------

// The stored forms of a typed date ("yyyy/mm/dd") and time ("hh:mm:ss", or "hh:mm" when typed
// without seconds); no value when the text does not read as one.
std::optional<QString> storedDate(const QString& typed);
std::optional<QString> storedTime(const QString& typed);

// ---- The dialog --------------------------------------------------------------------------------

class Editor {
public:
    explicit Editor(Variant v);

    Variant variant() const { return variant_; }
    bool has(Box b) const { return row(variant_, b) != nullptr; }

    // The boxes' texts, by Box (boxes the variant lacks stay empty).
    std::array<QString, BoxCount> text;
    QString& operator[](Box b) { return text[indexOf(b)]; }
    const QString& operator[](Box b) const { return text[indexOf(b)]; }

    // Warning labels shown, by the box they stand beside ("  Dupe!" beside the call box).
    std::array<bool, BoxCount> warning{};
    bool warningShown(Box b) const { return warning[indexOf(b)]; }
    bool deleteDupeShown = false;

    // The box a refusing check sends the focus back to; the dialog moves the focus and clears it.
    std::optional<Box> focusRequest;

    // The record being edited (G.EditIndex when loaded); 0 when that is no record of the log.
    int record() const { return record_; }

    // Fills the boxes from record G.EditIndex and hides every warning. An index outside
    // 1..G.QSOCount loads empty boxes, and Done then stores nothing.
    void Form_Load();

    // The check made when box `b` loses the focus. True when it passes (its warning is hidden);
    // false after the beep, the warning or message box, and focusRequest = b.
    bool leaveCheck(Box b);

    // Done. Takes the blanks off both ends of every box first. True when the boxes were stored
    // into the record (the dialog then hides itself); false when a check refused them and the
    // dialog stays open.
    bool cmdDone_Click();

    // The other records equal to the boxes in call, band, mode and county (and, in-state, the
    // county sent), ignoring case and the blanks around each value; the edited record is skipped.
    QVector<int> duplicates() const;

private:
    bool checkList(Box b, const QVector<QString>& allowed);
    bool checkCounty(Box b, bool emptyPasses);
    bool checkDateOrTime(Box b);
    bool checkSPC();
    void store();

    Variant variant_;
    int record_ = 0;
};

}   // namespace ContactEdit
