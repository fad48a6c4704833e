#pragma once
// "Test Change Frequency Function": the operator sends a complete command of their own to the
// radio over the rig window's serial port, as text or as spaced hexadecimal pairs, or tunes to a
// typed frequency through the rig window's own ChangeFrequency. Opened modally by the rig window's
// "Change Frequency" while polling; nothing is read back here, the poll shows the radio's answer.
#include <QDialog>
#include <QString>

#include <optional>

#include "core/DesignWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class RigControlfrm;

namespace Rig {

// The bytes of a typed test command: blanks around it removed; as text one byte per character
// (Latin-1); with `hex`, pairs of hexadecimal digits separated by single blanks ("FE FE 64 E0 03
// FD"). No value when the hex form is anything else (odd digits, other characters, doubled or
// missing blanks) or the command is empty.
std::optional<QByteArray> testCommandBytes(const QString& typed, bool hex);

// The message shown when a hex command is not in pairs.
extern const char* const HexPairsMessage;

}   // namespace Rig

class frmFrequencyTest : public QDialog {
    Q_OBJECT
public:
    // Scales the window to the screen and centres it; `rig` gets the commands.
    explicit frmFrequencyTest(RigControlfrm& rig, QWidget* parent = nullptr);

    // Upper "Send": the command of Text1 in one write; nothing when the port is closed, and a
    // message (nothing sent) when "Convert to Hex" is ticked and the text is not hex pairs.
    void Command1_Click();
    // Lower "Send": Text2 read as MHz to RigControlfrm::ChangeFrequency; nothing when not a number.
    void Command2_Click();

    QLineEdit* Text1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    RigControlfrm& rig_;
    DesignLayout design_;
};
