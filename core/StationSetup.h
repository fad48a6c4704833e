#pragma once
// What the station setup window decides without widgets: the loading at start (profile, UTC
// check, country and state tables, keyer settings), the key filters of its boxes, the country
// completion, and Done (profile, QSOpref.txt, shared preference tags, choice of main window).
// frmStationID shows the state and passes its events here.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/MainWindowChoice.h"

namespace StationSetup {

constexpr int KeyBackspace = 8;
constexpr int KeyEnter = 13;

// The error box of a failed loading step, shown once per loading.
inline const QString LoadErrorText = QStringLiteral("Error opening file");
inline const QString LoadErrorTitle = QStringLiteral("Error opeining file");

// ---- Key filters -------------------------------------------------------------------------------
// Each takes the character code of a key and gives the code to type; 0 drops the key.

// "a".."z" become capitals; a double quote is dropped (the profile is stored in the list format,
// which cannot hold one); every other code passes, Tab included.
int Cap3(int keyAscii);
// Backspace and "-" .. "9" ("-", ".", "/", the digits) pass; every other key is dropped.
int NumBerr(int keyAscii);

// The boxes of the window, by their number (Text1 .. Text12).
enum class Filter { Cap3, NumBerr };
Filter filterOf(int box);

struct KeyResult {
    int key = 0;            // the code to type, 0 for none
    bool runDone = false;   // Enter in this box runs Done
};

// The boxes with a plain filter (all but Text2 and Text8): Enter runs Done, every other key
// passes through the box's filter.
KeyResult boxKey(int box, int keyAscii);

// Typing into the UTC box stops at 7 characters; text the program puts there is shown whole.
constexpr int UtcBoxMaxLength = 7;
// How many characters typing or pasting may still add to the UTC box, given its text's length
// and the length of the selection the input replaces (0 when it is full).
int utcBoxRoom(int textLength, int selectionLength);

// The county box: a letter becomes a capital at the start of each word (empty box, caret at the
// start, or a blank as the box's last character); Enter runs Done.
KeyResult countyKey(const QString& text, int caret, int keyAscii);

// The country box: typing completes the name from the country table, last row first.
struct Completion {
    QString text;                             // the box's new text
    int selectionStart = 0;                   // the caret, after what was typed
    int selectionLength = 0;                  // the completed rest, selected so the next key replaces it
    QString longitude, latitude, continent;   // for Text3, Text4 and Text7
};
struct CountryKeyResult {
    int key = 0;                            // the key to type normally (0 when consumed)
    std::optional<Completion> completion;   // when a country matched
};
// `text` is the box's text and `caret` the start of its selection (or the caret).
CountryKeyResult countryKey(const QString& text, int caret, int keyAscii);

// ---- Loading -----------------------------------------------------------------------------------

// The country table from the first arrlpre2.txt found in the shared, data and program folders.
// Rows are appended to G.CountryTable; a complete row counts, a short or malformed one ends the
// reading. False when the file holds more than 10000 rows (the first 10000 stay) or a row could
// not be read. No file in any of the three folders is not a failure.
bool LoadCountryTable();
// The path LoadCountryTable reads, empty when none of the three folders holds the file.
QString CountryTablePath();

// The 50 rows of states.txt in the program folder into G.StatePositions (rows 1..50). False when
// the file is missing, shorter than 50 rows or a row does not read; the rows read stay.
bool LoadStatePositions();

// The captions of the hidden party frame's option buttons optState(0..49).
extern const std::array<const char*, 50> PartyStateCaptions;
// The index of the button whose caption equals `partyState` ignoring case, -1 for none.
int partyStateIndex(const QString& partyState);

// The in-state and rover answers the window shows for a loaded profile.
struct Answers {
    bool inStateYes = false;   // Option1
    bool inStateNo = false;    // Option2
    bool roverYes = false;     // Option4
    bool roverNo = false;      // Option3
};
// Each answer is selected only from its item as read from QSOpref.txt (OutOfStateFlag,
// RoverFlag); an item that was not read (no file, a file cut before it, a damaged line) leaves
// its answer open, as on a first run, for the operator to give.
Answers answersFor(bool outOfStateRead, bool roverRead, uint8_t outOfStateFlag, uint8_t roverFlag);

// The twelve boxes' texts, index = box number (index 0 unused).
using Boxes = std::array<QString, 13>;
// Which boxes the operator typed into (index = box number): what Done stores from them is the
// operator's, written whatever its value.
using Typed = std::array<bool, 13>;
// The item of QSOpref.txt (1..25) that box `box` (1..12) holds.
int itemOfBox(int box);
// The boxes as the profile in G fills them.
Boxes boxesFromProfile();

// The keyer windows' settings files (wave2.txt for the voice keyer, CW.txt for the CW keyer) and
// the windows themselves belong to keying/, above this folder; it provides these steps and
// installAppHooks (mainwindow/AppHooks.h) installs them at start. A step not installed is skipped.
struct KeyerSteps {
    // Reads both files from the program folder. False when wave2.txt did not read whole; CW.txt
    // fails quietly, and its value 15 goes straight into G.CWKeyMethod when it was read.
    std::function<bool()> readFiles;
    // Give the voice keyer window and the CW keyer window what readFiles found (each window is
    // made only when its file gave it values).
    std::function<void()> fillPhoneWindow;
    std::function<void()> fillCWWindow;
};
void setKeyerSteps(KeyerSteps steps);
const KeyerSteps& keyerSteps();

// What the loading found, for the window to apply to its controls.
struct LoadResult {
    bool profileRead = false;      // QSOpref.txt read whole
    bool profileFound = false;     // QSOpref.txt was there and read, whole or not
    bool outOfStateRead = false;   // its OutOfStateFlag was read
    bool roverRead = false;        // its RoverFlag was read
    bool failed = false;           // some step failed (the error box was shown once)
    bool countryTableLoaded = false;
    bool statesLoaded = false;
    bool keyerFilesRead = false;   // the keyer step's answer (true when it is not installed)
};

// The file steps of the loading, each on its own: QSOpref.txt, the UTC-offset check, the
// country table, the state table, and the keyer windows' files (KeyerSteps::readFiles). A failure
// of any step shows the error box (once, however many steps fail) and the next steps still run.
// A QSOpref.txt that was read but not whole adds to the box the file's path and, one a line, the
// items that did not read; one that is there but not a file it can read (a FIFO, a device) adds
// its path and why.
LoadResult loadData();

// ---- Done --------------------------------------------------------------------------------------

// Done with the boxes as they read and the two answers: a non-numeric UTC, longitude or latitude
// box becomes "0" (in `boxes`), the profile is taken from the boxes, QSOpref.txt is written,
// the nine OWN_* tags are set and the shared preferences file written once, and the main window
// to open is chosen from OutOfStateFlag. What the operator typed (`typed`) and the answers are
// written whatever their values. A UTC box holding a number outside the time zones is refused
// with a message naming it: nothing is stored and no window is chosen (no value).
std::optional<MainWindows::Which> done(Boxes& boxes, bool inStateYes, bool roverYes, const Typed& typed = {});

// A box text that Done stores as a number: it reads as a number that single precision holds.
bool isStorableNumber(const QString& text);
// A UTC box text that Done stores as it reads: a number within the time zones.
bool isUtcOffsetText(const QString& text);

}   // namespace StationSetup
