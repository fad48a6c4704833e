#pragma once
// Post-contest entry: the Time and Date boxes beside the entry fields, shown while the Options
// menu's "Post Contest Mode" is ticked. Their key rules and the date a focused empty box gets,
// for both main windows. (What logging does with the boxes is OutLogging::CheckPostContest.)
#include <QDate>
#include <QString>

#include <optional>

namespace PostContest {

enum class Box { Time, Date };

// What a key typed into a box does: typed, dropped, a move to the next field (Space, as Tab),
// or logging the contact (Enter). The time box takes the digits and ":", the date box the digits
// and "/"; both take Backspace.
enum class KeyAction { Type, Discard, NextField, Log };
KeyAction keyPress(Box box, int keyAscii);

// The date box getting the focus: empty, it gets today's local date as "yyyy/mm/dd" (the whole
// text is then selected); no value when it holds text (left as it is).
std::optional<QString> dateOnFocus(const QString& text, const QDate& localToday);

}   // namespace PostContest
