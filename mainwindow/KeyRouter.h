#pragma once
// The key handling of a main window as a whole: every key reaches it before the control that has
// the focus (Form_KeyDown with the key code, Form_KeyPress with the character), so hot keys,
// function keys and Esc work whatever field has the focus, and a double quote or apostrophe
// never reaches a field.
#include <QObject>

class MainFrame;

class KeyRouter : public QObject {
    Q_OBJECT
public:
    explicit KeyRouter(MainFrame& window);

    // KeyCode is a Windows virtual-key code, Shift the modifier bits (1 Shift, 2 Ctrl, 4 Alt);
    // a handled key comes back as 0.
    void Form_KeyDown(int& KeyCode, int& Shift);
    // KeyAscii is a character code; a swallowed key comes back as 0.
    void Form_KeyPress(int& KeyAscii);

private:
    MainFrame& w_;
};
