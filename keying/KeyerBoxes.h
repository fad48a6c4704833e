#pragma once
// Typing rules that the keyer windows' settings boxes share.
#include <functional>

class QLineEdit;

namespace KeyerBoxes {

// Letters a to z are typed as capitals and a double quote never enters (it would break the
// quoted settings files); every other key passes.
void hookCapitalsNoQuote(QLineEdit* box);
// Keeps the keys `keep` accepts (Backspace always); drops the rest.
void filterKeys(QLineEdit* box, std::function<bool(int)> keep);
// For a box just entered: selects its text from the caret to the end (the whole text from a caret
// at the start), once the box's own focus handling is done.
void selectFromCaret(QLineEdit* box);

}   // namespace KeyerBoxes
