#pragma once
// The CW keyer's decisions, free of widgets: the Morse table, word spacing, the length of a unit,
// keying one character's elements on a key line against the monotonic clock, the parallel port
// address, and filling the wildcards of a message. CWFrm reads its boxes and calls these.
#include <QString>

#include <functional>
#include <optional>

namespace Platform {
class KeyLine;
class Monotonic;
}   // namespace Platform

namespace CwEngine {

// The element string of a character ("1" key down one unit, "0" key up one unit); a lower-case
// letter is its capital; a character without Morse gives "" (keys nothing, takes no time).
// Every letter, digit and sign ends in "000"; a space is eight "0".
QString elements(QChar c);

// A space's elements with the word-space adjustment n: n > 0 adds n units, n < 0 keeps 8 + n
// (none at -8 or below).
QString spaceElements(int n);

// One unit at `wpm` words per minute: 1200 / wpm ms.
double unitMs(double wpm);

enum class Timing { Timer, Sleep, Loop };

struct CharacterTiming {
    double wpm = 13;
    Timing timing = Timing::Timer;
    double loopOffset = 0;   // Loop method: empty loop turns per 60 ms
};

enum class KeyResult {
    Keyed,         // every element keyed and timed
    SpeedTooLow,   // below 1 WPM: nothing keyed, no time taken
    LineFailed,    // the line could not be set: the character ended there
};

// Keys `elementString` on `line` (nullptr: time the elements without setting a line). Each
// element sets the line, then waits one unit:
//   Timer: to an absolute deadline one unit after the previous one (the first counts from the
//          start of the character), so the character's length does not drift;
//   Sleep: a relative sleep of the unit rounded to whole ms (halves to even);
//   Loop:  an empty loop of loopOffset x 20 / wpm turns (none when 0 or less).
// Timer and Sleep ask the clock for precise wake-ups for the length of the character only.
// Whatever the outcome, the line is left up (released) when this returns.
KeyResult keyElements(const QString& elementString, const CharacterTiming& t, Platform::KeyLine* line,
                      Platform::Monotonic& clock);

// The Loop method's empty loop: raises a double counter by 1 while it is below `turns`.
void spinLoop(double turns);

// Loop calibration: `turns` of the empty loop took `elapsedNs`; gives the turns per 60 ms,
// rounded (halves to even). No value when no time passed.
std::optional<double> loopOffsetFrom(double turns, qint64 elapsedNs);

// A number as the runtime reads a numeric literal at the start of a text: blanks skipped, then
// "&H" and hexadecimal digits, "&O" and octal digits, or a decimal number (sign, digits, point,
// exponent); reading stops at the first character that does not fit. "&H378" is 888, "378" 378,
// "abc" 0.
double literalValue(const QString& text);

// The I/O address of the parallel port's control register for the base address text in the
// settings (base + 2), rounded to a whole number (halves to even); no value when it does not fit
// a 16-bit signed integer.
std::optional<int> controlRegister(const QString& baseText);

// One pass of wildcard filling: each `wildcard` in `text` is replaced by value() with blanks
// trimmed; value() is asked afresh for each place. The walk goes on after the inserted value, so
// a value holding the wildcard is inserted as it is, and the pass always ends.
QString fillWildcard(const QString& text, QChar wildcard, const std::function<QString()>& value);

}   // namespace CwEngine
