#include "mainwindow/KeyRouter.h"

#include "core/Globals.h"
#include "entry/EntryKeys.h"
#include "mainwindow/MainFrame.h"
#include "platform/KeyEvents.h"

KeyRouter::KeyRouter(MainFrame& window) : w_(window)
{
    // The window sees every key before its controls (through its own members, which a window
    // may extend).
    KeyEvents::hookForm(
        &window, [&window](int& KeyAscii) { window.Form_KeyPress(KeyAscii); },
        [&window](int& KeyCode, int shift) { window.Form_KeyDown(KeyCode, shift); });
}

void KeyRouter::Form_KeyDown(int&, int&) {}

void KeyRouter::Form_KeyPress(int& KeyAscii)
{
    // Quotes never reach a field.
    if (KeyAscii == 39 || KeyAscii == Entry::KeyQuote) {
        KeyAscii = 0;
        return;
    }
    // Esc stops CW sending when it runs, else clears the entry.
    if (KeyAscii == KeyEvents::vbKeyEscape) {
        if (G.CWSending == 1)
            G.CWBuffer.clear();
        else
            w_.ClearEntry();
        KeyAscii = 0;
    }
}
