#pragma once
// Post-contest entry: the Time and Date boxes beside the entry fields, shown while the Options
// menu's "Post Contest Mode" is ticked. Their key rules and the date a focused empty box gets,
// for both main windows. (What logging does with the boxes is OutLogging::CheckPostContest.)
#include <QDate>
#include <QString>

namespace PostContest {

enum class Box { Time, Date };

// What a key typed into a box does: typed, dropped, a move to the next field (Space, as Tab),
// or logging the contact (Enter). The time box takes the digits and ":", the date box the digits
// and "/"; both take Backspace.
enum class KeyAction { Type, Discard, NextField, Log };
KeyAction keyPress(Box box, int keyAscii);

// The text of the date box once it has the focus: its own, or today's local date as "yyyy/mm/dd"
// when it is empty. However the box takes the focus (Tab, Space from the time box, a move from
// code), its whole text is then selected, as the time box's is, so a date typed replaces it: a
// full box would otherwise drop every key.
QString dateOnFocus(const QString& text, const QDate& localToday);

}   // namespace PostContest
