#pragma once
// Whether a caption reads whole in its control: measured against the room the control gives its
// text, and seen in what the control actually draws.
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QPushButton;

namespace TextFit {

// The lines `text` takes in `font` within `room`, broken between words when `wrap` (an "&"
// marks a mnemonic), or 0 when it does not fit: a word or line wider than the room, or more
// lines than its height holds.
int linesFitting(const QFont& font, const QRect& room, const QString& text, bool wrap);
// The same for a label's caption in its contents, wrapped when the label wraps.
int labelLines(const QLabel* label);
// The room a button's style gives its caption.
QRect buttonRoom(const QPushButton* button);

// What a button draws of its caption: the bounding box of the caption's pixels and the number of
// separate bands of rows they fall in, one per line drawn. Paints the button with its caption in
// red (changes its palette).
struct Ink {
    QRect box;
    int lines = 0;
};
Ink captionInk(QPushButton* button);

}   // namespace TextFit
