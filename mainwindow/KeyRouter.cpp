#include "mainwindow/KeyRouter.h"

#include <QLabel>
#include <QLineEdit>

#include "core/Globals.h"
#include "core/Module2County.h"
#include "entry/EntryKeys.h"
#include "keying/CWFrm.h"
#include "keying/MMControl.h"
#include "keying/PhoneFrm.h"
#include "keying/modWinKey.h"
#include "mainwindow/MainFrame.h"
#include "mainwindow/MainServices.h"
#include "platform/KeyEvents.h"
#include "platform/VbControls.h"

namespace {

constexpr int KeyUp = 38, KeyDown = 40, KeyF1 = 112, KeyF9 = 120, KeyF10 = 121, KeyF12 = 123, KeyF10Message = 124;
constexpr int KeyBackspace = 8, KeySingleQuote = 39;
constexpr long long PaleYellow = 0xC0FFFF;
constexpr int SlowestWpm = 5, FastestWpm = 99;

bool isMode(const QString& mode) { return G.CurrentMode.compare(mode, Qt::CaseInsensitive) == 0; }

void showNormal(QWidget& w)
{
    w.setWindowState(w.windowState() & ~Qt::WindowMinimized);
    w.show();
    w.raise();
    w.activateWindow();
}

KeyRouter::Keyers& productionKeyers()
{
    static KeyRouter::Keyers k;
    return k;
}
KeyRouter::Keyers* g_keyers = nullptr;

}   // namespace

// The production keyers: the keyer windows (made on first use, as a reference to them does) and
// the keyer device.
void KeyRouter::Keyers::FKeyCW(int KeyCode) { CWFrm::instance().FKeyCW(KeyCode); }
void KeyRouter::Keyers::LoopThroughCWBuffer() { CWFrm::instance().LoopThroughCWBuffer(); }
void KeyRouter::Keyers::UpDown1_UpClick() { CWFrm::instance().UpDown1_UpClick(); }
void KeyRouter::Keyers::UpDown1_DownClick() { CWFrm::instance().UpDown1_DownClick(); }
QString KeyRouter::Keyers::speedText() { return CWFrm::instance().Text11->text(); }
void KeyRouter::Keyers::stopCWRepeat()
{
    if (CWFrm::loaded())
        CWFrm::instance().tmrRepeat->setEnabled(false);
}
void KeyRouter::Keyers::stopPhoneRepeat()
{
    if (PhoneFrm::loaded())
        PhoneFrm::instance().tmrRepeat->setEnabled(false);
}
void KeyRouter::Keyers::FKeyPhone(int KeyCode) { PhoneFrm::instance().FKeyPhone(KeyCode); }
bool KeyRouter::Keyers::phonePlaying()
{
    return PhoneFrm::loaded() && PhoneFrm::instance().MMControl1->Mode() == MMControl::ModePlay;
}
void KeyRouter::Keyers::stopPhone()
{
    if (PhoneFrm::loaded())
        PhoneFrm::instance().MMControl1->Stop();
}
int32_t KeyRouter::Keyers::wk_getstatus() { return modWinKey::wk_getstatus(); }
void KeyRouter::Keyers::wk_clearbuf() { modWinKey::wk_clearbuf(); }
void KeyRouter::Keyers::wk_backspace() { modWinKey::wk_backspace(); }

void KeyRouter::setKeyers(Keyers* k) { g_keyers = k; }
KeyRouter::Keyers& KeyRouter::keyers() { return g_keyers ? *g_keyers : productionKeyers(); }

KeyRouter::KeyRouter(MainFrame& window) : w_(window)
{
    // The window sees every key before its controls (through its own members, which a window
    // may extend).
    KeyEvents::hookForm(
        &window, [&window](int& KeyAscii) { window.Form_KeyPress(KeyAscii); },
        [&window](int& KeyCode, int shift) { window.Form_KeyDown(KeyCode, shift); });
}

bool KeyRouter::speedStepAllowed(const QString& speedText, bool up)
{
    bool ok = false;
    const int wpm = speedText.trimmed().toInt(&ok);
    if (!ok)
        return false;
    // A step toward the range is always taken (a speed box holding 150 can come down).
    return up ? wpm < FastestWpm : wpm > SlowestWpm;
}

void KeyRouter::setStatus(const QString& text, long long backColor)
{
    w_.withEntry([&](Entry::EntryRow* row) {
        if (row) {
            row->labels.lblDialog = text;
            if (backColor >= 0)
                row->labels.lblDialogBackColor = backColor;
            return;
        }
        w_.lblDialog->setText(text);
        if (backColor >= 0)
            MainFrame::setLabelColors(w_.lblDialog, backColor);
    });
}

bool KeyRouter::hotKey(int keyCode)
{
    using MainServices::DeviceWindow;
    switch (keyCode) {
    case 'B': MainServices::showDeviceWindow(DeviceWindow::SpectrumMap); return true;
    case 'C':
    case 'S': showNormal(CWFrm::instance()); return true;
    case 'D': MainServices::showDeviceWindow(DeviceWindow::SpotWindow); return true;
    case 'F': MainServices::showDeviceWindow(DeviceWindow::BandPlan); return true;
    case 'G': MainServices::showDeviceWindow(DeviceWindow::RigTune); return true;
    case 'P': showNormal(PhoneFrm::instance()); return true;
    case 'R': MainServices::showDeviceWindow(DeviceWindow::RigWindow); return true;
    default: return false;
    }
}

void KeyRouter::cancelRepeats()
{
    Keyers& k = keyers();
    if (G.CWRepeatOn != 0) {
        if (G.WinkeyVersion != 0)
            k.wk_clearbuf();
        G.CWBuffer.clear();
        G.CWRepeatOn = 0;
        k.stopCWRepeat();
    }
    if (G.PhoneRepeatOn != 0) {
        G.PhoneRepeatOn = 0;
        k.stopPhoneRepeat();
    }
}

void KeyRouter::Form_KeyDown(int& KeyCode, int& Shift)
{
    if (Shift == KeyEvents::CtrlMask) {
        // The character this Ctrl combination produces is not typed.
        skipNextKeyPress_ = true;
        if (hotKey(KeyCode)) {
            KeyCode = 0;
            return;
        }
    }

    cancelRepeats();
    Keyers& k = keyers();

    if (isMode(QStringLiteral("PH"))) {
        if (KeyCode == KeyF10)
            KeyCode = 0;
        if (KeyCode >= KeyF1 && KeyCode <= KeyF9)
            k.FKeyPhone(KeyCode);
        return;
    }
    if (!isMode(QStringLiteral("CW")) || G.CWKeyMethod == 0)
        return;

    if (KeyCode == KeyDown || KeyCode == KeyUp) {
        const bool up = KeyCode == KeyUp;
        // The speed stays within what the keyer can time (elements of 1200 / WPM ms).
        if (speedStepAllowed(k.speedText(), up)) {
            if (up)
                k.UpDown1_UpClick();
            else
                k.UpDown1_DownClick();
        }
        setStatus(k.speedText() + QStringLiteral(" WPM"));
        KeyCode = 0;
        return;
    }
    if (KeyCode < KeyF1 || KeyCode > KeyF12)
        return;
    if (KeyCode == KeyF10)
        KeyCode = KeyF10Message;
    if (KeyCode == KeyF12) {
        if (G.KeyboardCWMode == 1) {
            G.KeyboardCWMode = 0;
            setStatus(QString(), Entry::ColorTeal);
        } else {
            G.KeyboardCWMode = 1;
            setStatus(w_.variant().keyboardCWMessage, PaleYellow);
        }
        return;
    }
    k.FKeyCW(KeyCode);
}

void KeyRouter::Form_KeyPress(int& KeyAscii)
{
    if (skipNextKeyPress_) {
        skipNextKeyPress_ = false;
        // Dropped, whatever it is: no Ctrl combination types into a field or works a field's own
        // edit commands (select all, cut, paste, undo).
        KeyAscii = 0;
        return;
    }
    Keyers& k = keyers();
    const bool esc = KeyAscii == KeyEvents::vbKeyEscape;

    if (isMode(QStringLiteral("PH")) && esc && k.phonePlaying()) {
        k.stopPhone();
        KeyAscii = 0;
        return;
    }
    // Quotes never reach a field, nor the CW text.
    if (KeyAscii == KeySingleQuote || KeyAscii == Entry::KeyQuote) {
        KeyAscii = 0;
        return;
    }
    if (esc && G.CWKeyMethod == 5 && G.WinkeyVersion != 0) {
        G.WinkeyStatus = k.wk_getstatus();
        if (G.WinkeyStatus > 0) {
            k.wk_clearbuf();
            G.CWBuffer.clear();
            KeyAscii = 0;
            return;
        }
    }
    if (esc) {
        // A running send loop ends when its text is gone; the entry keeps its text.
        if (G.CWSending == 1)
            G.CWBuffer.clear();
        else
            w_.ClearEntry();
        KeyAscii = 0;
        return;
    }

    if (G.WinkeyVersion != 0)
        G.WinkeyStatus = k.wk_getstatus();
    if (G.KeyboardCWMode == 1 && KeyAscii == KeyBackspace) {
        // Takes back the last character not yet sent (in the device, else in the CW text).
        if (G.WinkeyStatus > 0) {
            k.wk_backspace();
            KeyAscii = 0;
            return;
        }
        if (G.CWSending == 1 && !G.CWBuffer.isEmpty()) {
            G.CWBuffer.chop(1);
            KeyAscii = 0;
            return;
        }
    }
    if (isMode(QStringLiteral("CW")) && G.KeyboardCWMode == 1) {
        // A Backspace with nothing left to take back is dropped rather than sent.
        if (KeyAscii != KeyBackspace) {
            const int c = Module2::UpperCaseKey(KeyAscii);
            if (c != 0)
                G.CWBuffer += QChar(c);
            if (G.CWSending == 0)
                k.LoopThroughCWBuffer();
        }
        KeyAscii = 0;
    }
}
