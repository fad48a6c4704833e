#pragma once
// Keyboard events in the windows' terms: KeyDown(KeyCode, Shift) with virtual-key codes, and
// KeyPress(KeyAscii) with the character code. A KeyPress handler that sets KeyAscii to 0 swallows
// the key; one that changes it makes the control receive that character instead.
// A KeyDown handler that sets KeyCode to 0 stops the control's own handling of a key that types
// no character (arrows, function keys); character keys still go on to KeyPress.
#include <functional>

#include <QString>

class QLineEdit;
class QObject;
class QWidget;

namespace KeyEvents {

using KeyPressFn = std::function<void(int& keyAscii)>;
using KeyDownFn = std::function<void(int& keyCode, int shift)>;

// Shift state bits as the handlers get them.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

// Virtual-key codes of the keys the windows test for.
constexpr int vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17,
              vbKeyMenu = 18, vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33, vbKeyPageDown = 34,
              vbKeyEnd = 35, vbKeyHome = 36, vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39,
              vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46, vbKeyF1 = 112, vbKeyF12 = 123;

// The virtual-key code of a Qt key (0 when it has none). Letters give 65-90, digits 48-57.
int keyCodeOf(int qtKey);
// The shift state bits of Qt keyboard modifiers.
int shiftOf(int qtModifiers);

// Gives `control` KeyPress and KeyDown handlers. The returned filter belongs to the control.
QObject* hook(QWidget* control, KeyPressFn keyPress, KeyDownFn keyDown = {});

// Form-level key preview: the handlers see the keys of the form and every control on it before
// the controls (and their own hooks) do. The returned filter belongs to the form.
QObject* hookForm(QWidget* form, KeyPressFn keyPress, KeyDownFn keyDown = {});

// Text pasted or dropped into `edit` (keyboard, context menu, middle button, drag and drop) goes
// through `clean` first; an empty result inserts nothing. Text an input method commits is typed
// into `edit` as key presses, one per character, so the key handlers see it as typing.
QObject* filterPaste(QLineEdit* edit, std::function<QString(const QString&)> clean);

} // namespace KeyEvents
