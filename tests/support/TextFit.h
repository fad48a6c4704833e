#pragma once
// Whether a caption reads whole in its control, and whether the texts a window shows fit their
// controls, measured as the widgets draw them: the metrics of the font the widget really got
// (after font matching), against the rectangle the widget's style gives its text (a button's
// contents, a check box's or option button's text beside its indicator, a label's contents
// rectangle less margin and indent, a text box's text area, a header section less its margins, a
// frame's title line). A widget wraps its text when it is a WrappingButton or its property
// "wordWrap" is true (QLabel's); wrapped text must also fit the height, one line per line break
// Qt would make. The functions read the widgets and change nothing, but captionInk.
#include <QRect>
#include <QString>
#include <QVector>

class QFont;
class QLabel;
class QListView;
class QPushButton;
class QWidget;

namespace TextFit {

// One text that does not fit: which control, what text, and what it needs against what it has,
// in pixels. A header gives one finding per section that does not fit (`part` names the section).
struct Finding {
    QString window;       // objectName of the window, else its class name
    QString objectName;   // the control's objectName, else its class name
    QString part;         // "" for the control's one text; "section N" for a header section
    QString text;
    int neededWidth = 0, availableWidth = 0;
    int neededHeight = 0, availableHeight = 0;
    // A text box scrolled to its text's first character (its caret at the start); the other kinds
    // always show their text from its beginning.
    bool beginningShown = true;

    QString describe() const;
};

// The findings of one control: none when its texts fit or it shows no text. Controls of a kind
// this does not know (a picture, a list's rows) give none.
QVector<Finding> check(const QWidget* control);

// The findings of every shown control in `window`, the window included, in creation order.
QVector<Finding> checkWindow(const QWidget* window);

// The rows of a list box that do not read whole: each row's text against the room the style draws
// it in, the row's rectangle within the list's visible width less the text margins on each side,
// broken between words when the list wraps its rows. One finding per row cut (`part` names the
// row). Rows out of view are measured as they would stand when scrolled to.
QVector<Finding> checkRows(const QListView* list);

// True when `w` wraps its text (a WrappingButton, or its property "wordWrap" is true).
bool wraps(const QWidget* w);

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

// The text as drawn with mnemonics shown as underlines: "&Done" is "Done", "&&" is "&".
QString withoutMnemonics(const QString& caption);

}   // namespace TextFit
