#pragma once
// Keyboard events in the windows' terms: KeyDown(KeyCode, Shift) with virtual-key codes, and
// KeyPress(KeyAscii) with the character code. A KeyPress handler that sets KeyAscii to 0 swallows
// the key; one that changes it makes the control receive that character instead.
// A KeyDown handler that sets KeyCode to 0 stops the control's own handling of a key that types
// no character (arrows, function keys); character keys still go on to KeyPress.
#include <functional>

#include <QString>

class QKeyEvent;

class QLineEdit;
class QObject;
class QWidget;

namespace KeyEvents {

using KeyPressFn = std::function<void(int& keyAscii)>;
using KeyDownFn = std::function<void(int& keyCode, int shift)>;

// Shift state bits as the handlers get them.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

// Virtual-key codes of the keys the windows test for.
constexpr int vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17, vbKeyMenu = 18,
              vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33, vbKeyPageDown = 34, vbKeyEnd = 35, vbKeyHome = 36,
              vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46,
              vbKeyF1 = 112, vbKeyF12 = 123;

// A character the program's files store exactly and that an entry field or edit box may hold:
// printable Latin-1 (blank to "~" and no-break space to "y" with diaeresis). Control characters
// and anything outside Latin-1 (which the files would store as "?") are not.
bool isStorable(QChar c);
// `text` without the characters isStorable refuses.
QString storableOnly(const QString& text);

// The virtual-key code of a Qt key (0 when it has none). Letters give 65-90, digits 48-57.
int keyCodeOf(int qtKey);
// The shift state bits of Qt keyboard modifiers.
int shiftOf(int qtModifiers);

// Gives `control` KeyPress and KeyDown handlers. The returned filter belongs to the control.
// A key that would type a character isStorable refuses types nothing and reaches no KeyPress
// handler.
QObject* hook(QWidget* control, KeyPressFn keyPress, KeyDownFn keyDown = {});

// Form-level key preview: the handlers see the keys of the form and every control on it before
// the controls (and their own hooks) do. As with hook(), a key typing a character isStorable
// refuses is dropped. Each press reaches the handlers once: a press they leave to the control
// and the control ignores travels on to the form's own widgets unhandled, also when a handler
// let the event loop run (a message being sent) and the key, or another, was released or
// pressed meanwhile. The returned filter belongs to the form.
QObject* hookForm(QWidget* form, KeyPressFn keyPress, KeyDownFn keyDown = {});

// Whether the Ctrl shortcuts of a line edit still act: Swallowed in a window whose own key
// handling takes every Ctrl key (a main window's hot keys), where the edit's context menu then
// names only the keys that do act there (Shift+Ins pastes, Shift+Del cuts) and no Ctrl key.
enum class CtrlKeys { Act, Swallowed };

// Text pasted or dropped into `edit` (keyboard, context menu, middle button, drag and drop) is
// taken up to its first line end (line ends before the first line passed over), loses the
// characters isStorable refuses and then goes through `clean`; an empty result inserts nothing.
// Text an input method commits is typed into `edit` as key presses, one per character, so the
// key handlers see it as typing.
QObject* filterPaste(QLineEdit* edit, std::function<QString(const QString&)> clean, CtrlKeys ctrlKeys = CtrlKeys::Act);

// Enter or Return on a focused, shown and enabled command button of `dialog` presses it, as a
// button that has the focus does; true when `event` was that key and was taken. Dialogs whose
// buttons are not default buttons call it from their keyPressEvent. (The design's buttons,
// WrappingButton, take Enter themselves, so it reaches the dialog only from other buttons.)
bool enterPressesFocusedButton(QWidget* dialog, QKeyEvent* event);

}   // namespace KeyEvents
