#pragma once
// Random practice groups for the code-practice window, free of widgets: the practice characters,
// the reading of the two count boxes and the text of the groups.
#include <QString>

#include <functional>

namespace CodePractice {

// The practice characters, indexed 1 to 41: "A" to "Z", "0" to "9", ".", ",", "?", "/", "-".
// Letters only uses 1 to 26.
constexpr int AllChars = 41;
constexpr int LetterChars = 26;
QChar practiceChar(int index);

// What a count box holds when it does not read as a number, and the most each count may be: the
// groups stay a practice session long and the text stays small however large a number is typed.
constexpr int DefaultGroups = 10;
constexpr int DefaultGroupLength = 5;
constexpr int MaxGroups = 1000;
constexpr int MaxGroupLength = 100;

// A random number r with 0 <= r < 1.
using RandomSource = std::function<float()>;

// What Generate makes of the two count boxes.
struct Generated {
    QString text;        // the practice text
    QString groupsBox;   // the boxes' texts afterwards
    QString lengthBox;
};

// Reads the groups box and the characters box: a text that is not a number becomes the box's
// default (10 groups, 5 characters), a number above the limit becomes the limit (both written
// back as the box's text); otherwise the count is the number's whole part, none at 0 or below.
// The text is that many groups of that many characters, each group followed by one blank. Each
// character is practiceChar(Int(n x r) + 1) for a fresh r from `random`, n being 26 (lettersOnly)
// or 41; an r outside 0 <= r < 1 counts as the nearest end of the range.
Generated generate(const QString& groupsBox, const QString& lengthBox, bool lettersOnly, const RandomSource& random);

// What a key typed into the type-to-send box does (the box itself never keeps it).
struct TypedKey {
    enum class Kind {
        Ignore,     // a Ctrl combination: nothing is sent or shown
        TakeBack,   // Backspace: the last character waiting to be keyed and the last one shown go
        Send,       // `c` joins the text waiting to be keyed and the text shown as sent
    };
    Kind kind = Kind::Ignore;
    QChar c;
};
// A typed key in capitals: "a" to "z" become "A" to "Z", any other key stays as it is.
int capital(int KeyAscii);
// "a" to "z" are sent as capitals, any other printable character as it is; Enter and Esc are
// characters like any other here (they key nothing, being no Morse, and show in the sent text).
TypedKey typeToSend(int KeyAscii);

}   // namespace CodePractice
