#include "keying/PhoneFrm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "keying/KeyerLayout.h"
#include "keying/MMControl.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

constexpr double DesignWidth = 9000;
constexpr double DesignHeight = 5400;
constexpr int WatchIntervalMs = 40;
} // namespace

using KeyerLayout::addButton;
using KeyerLayout::addLabel;
using KeyerLayout::addOption;
using KeyerLayout::addTextBox;

PhoneFrm::PhoneFrm() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("PhoneFrm"));
    setWindowTitle(QStringLiteral("Phone Wave Selections"));
    DesignLayout& d = design();

    for (int i = 1; i <= 9; ++i) {
        const double top = 240 + (i - 1) * 360;
        addLabel(d, QStringLiteral("lblF%1").arg(i), QStringLiteral("F%1").arg(i), 120, top + 30, 420, 255);
        Text[i] = d.add<QLineEdit>(QStringLiteral("Text%1").arg(i), Kind::TextBox, 600, top, 4800, 285);
        Command[i + 1] = addButton(d, QStringLiteral("Command%1").arg(i + 1), QStringLiteral("Browse"), 5520, top - 15, 900, 315);
    }
    Text1 = Text[1]; Text2 = Text[2]; Text3 = Text[3]; Text4 = Text[4]; Text5 = Text[5];
    Text6 = Text[6]; Text7 = Text[7]; Text8 = Text[8]; Text9 = Text[9];

    Frame1 = d.add<QGroupBox>(QStringLiteral("Frame1"), Kind::Frame, 6600, 120, 2280, 1200);
    Frame1->setTitle(QStringLiteral("PTT"));
    auto option = [&](const QString& name, const QString& caption, double top) {
        return addOption(d, name, caption, 120, top, 1800, 255, Frame1);
    };
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("RTS"), 300);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("DTR"), 570);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("Parallel"), 840);
    Option1->setChecked(true);

    addLabel(d, QStringLiteral("lblPort"), QStringLiteral("Comm Port"), 6600, 1470, 1380, 255);
    Text10 = addTextBox(d, QStringLiteral("Text10"), QStringLiteral("0"), 8040, 1440, 600, 285);
    addLabel(d, QStringLiteral("lblAddress"), QStringLiteral("Parallel Address"), 6600, 1830, 1380, 255);
    Text11 = addTextBox(d, QStringLiteral("Text11"), QStringLiteral("&H378"), 8040, 1800, 840, 285);
    addLabel(d, QStringLiteral("lblLoop"), QStringLiteral("Loop (Sec)"), 6600, 2190, 1380, 255);
    txtPHLoop = addTextBox(d, QStringLiteral("txtPHLoop"), QStringLiteral("0"), 8040, 2160, 600, 285);

    Command11 = addButton(d, QStringLiteral("Command11"), QStringLiteral("Test"), 6600, 2580, 1020, 375);
    addLabel(d, QStringLiteral("lblTest"), QStringLiteral("Plays F1 Command"), 6600, 2985, 2280, 255);
    Command1 = addButton(d, QStringLiteral("Command1"), QStringLiteral("Done"), 6600, 3300, 1020, 375);

    addLabel(d, QStringLiteral("lblPhoneMode"), QStringLiteral("(You  must be in Phone mode)"), 120, 3780, 4200, 255);
    QLabel* caution = addLabel(d, QStringLiteral("lblCaution"), QStringLiteral("Caution, RF feedback can damage your PC!"),
                            4440, 3780, 4440, 255);
    caution->setStyleSheet(QStringLiteral("color: #C00000"));
    addLabel(d, QStringLiteral("lblRecord"),
          QStringLiteral("Record each message with your system's sound recorder, save it as a .wav file and choose it "
                         "with the Browse button of its function key."),
          120, 4110, 8760, 420);
    addLabel(d, QStringLiteral("lblAudio"),
          QStringLiteral("Feed the sound card's line-out into the transceiver's audio input, keeping the level low."),
          120, 4560, 8760, 255);
    addLabel(d, QStringLiteral("lblKeying"),
          QStringLiteral("Key the transmitter manually, use VOX or an interface connected to your PC's serial port "
                         "(RTS or DTR) or parallel port.  Enter the valid comm setting (or 0 for none)."),
          120, 4860, 8760, 420);

    Timer1 = new VbTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setEnabled(false);
    Timer1->setInterval(WatchIntervalMs);
    tmrRepeat = new VbTimer(this);
    tmrRepeat->setObjectName(QStringLiteral("tmrRepeat"));
    tmrRepeat->setEnabled(false);
    MMControl1 = new MMControl(this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));

    Form_Load();
}

PhoneFrm::~PhoneFrm() = default;

void PhoneFrm::Form_Unload() { MMControl1->Close(); }

// Message playback comes with the voice keyer's sending.
void PhoneFrm::FKeyPhone(int) {}

void PhoneFrm::Form_Load()
{
    // The window takes the share of the screen that its design size takes of the design screen.
    const Platform::Screen s = Platform::Screen::current();
    KeyerLayout::scaleToShare(design().geometry(), s.width, s.height, s.width, false);
    design().apply();
}

void PhoneFrm::LoadSettings(const KeyerSettings::PhoneSettings& s)
{
    for (int i = 0; i < 9; ++i)
        Text[i + 1]->setText(s.wavePaths[i]);
    Text10->setText(s.port);
    switch (s.pttLine) {
    case 0: setOptionValue(Option1, true); break;
    case 1: setOptionValue(Option2, true); break;
    case 2: setOptionValue(Option3, true); break;
    default: break;
    }
    txtPHLoop->setText(s.repeatSeconds);
    tmrRepeat->setInterval(s.repeatIntervalMs);
    Text11->setText(s.parallelAddress);
}
