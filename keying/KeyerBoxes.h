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

}   // namespace KeyerBoxes
