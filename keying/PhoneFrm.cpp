#include "keying/PhoneFrm.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/ModalWindow.h"
#include "keying/CWFrm.h"
#include "keying/CwEngine.h"
#include "keying/KeyerBoxes.h"
#include "keying/KeyingLog.h"
#include "keying/frmWinKey.h"
#include "platform/ComPorts.h"
#include "platform/KeyLines.h"
#include "platform/Prompts.h"

#include "keying/KeyerLayout.h"
#include "keying/MMControl.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

constexpr double DesignWidth = 9000;
constexpr double DesignHeight = 5400;
constexpr int WatchIntervalMs = 40;
constexpr int F1 = 112;
constexpr int F9 = 120;

}   // namespace

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
        Command[i + 1] =
            addButton(d, QStringLiteral("Command%1").arg(i + 1), QStringLiteral("Browse"), 5520, top - 15, 900, 315);
    }
    Text1 = Text[1];
    Text2 = Text[2];
    Text3 = Text[3];
    Text4 = Text[4];
    Text5 = Text[5];
    Text6 = Text[6];
    Text7 = Text[7];
    Text8 = Text[8];
    Text9 = Text[9];

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
    QLabel* caution = addLabel(d, QStringLiteral("lblCaution"),
                               QStringLiteral("Caution, RF feedback can damage your PC!"), 4440, 3780, 4440, 255);
    caution->setStyleSheet(QStringLiteral("color: #C00000"));
    addLabel(
        d, QStringLiteral("lblRecord"),
        QStringLiteral("Record each message with your system's sound recorder, save it as a .wav file and choose it "
                       "with the Browse button of its function key."),
        120, 4110, 8760, 420);
    addLabel(
        d, QStringLiteral("lblAudio"),
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

    connect(Timer1, &VbTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(tmrRepeat, &VbTimer::timeout, this, [this] { tmrRepeat_Timer(); });
    connect(Command11, &QPushButton::clicked, this, [this] { Command11_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(txtPHLoop, &QLineEdit::editingFinished, this, [this] { txtPHLoop_LostFocus(); });
    connect(Text10, &QLineEdit::editingFinished, this, [this] { Text10_LostFocus(); });
    Text10->installEventFilter(this);
    for (int n = 1; n <= 9; ++n)
        connect(Command[n + 1], &QPushButton::clicked, this, [this, n] { Browse_Click(n); });

    // The repeat box takes a decimal number only; the address box capitals and no double quote.
    KeyerBoxes::filterKeys(txtPHLoop, [](int k) { return k == '.' || (k >= '0' && k <= '9'); });
    KeyerBoxes::hookCapitalsNoQuote(Text11);

    Form_Load();
}

PhoneFrm::~PhoneFrm() { closeCommPhone(); }

void PhoneFrm::Form_Unload()
{
    MMControl1->Close();
    // Shutting down while a message plays must not leave the transmitter keyed.
    Timer1_Timer();
    Timer1->setEnabled(false);
    tmrRepeat->setEnabled(false);
    closeCommPhone();
}

void PhoneFrm::closeCommPhone()
{
    if (CommPhone) {
        CommPhone->setDtr(false);
        CommPhone->setRts(false);
    }
    CommPhone.reset();
    keyedRts_ = keyedDtr_ = false;
}

void PhoneFrm::PhoneSetup()
{
    const double number = Format::toNumber(Text10->text(), 0);
    if (number <= 0)
        return;
    if (G.WinkeyVersion != 0)
        frmWinKey::instance().cmdCloseWinkey_Click();
    if (CWFrm::loaded() && CWFrm::instance().commOpen())
        CWFrm::instance().closeComm();
    closeCommPhone();
    const std::optional<int> port = ListFormat::wholeIn(number, -32768, 32767);
    if (port) {
        QString error;
        CommPhone = Platform::keyLineHardware().openSerial(Platform::comPortPath(*port, G.DataFolder), &error);
        if (CommPhone)
            return;
        qCWarning(lcKeying) << "push-to-talk port" << *port << "cannot be opened:" << error;
    }
    Platform::prompts().beep();
    Platform::prompts().messageBox(
        QStringLiteral(
            "The port you have selected for Phone keying is invalid.  Please select another or enter 0 for none."),
        QStringLiteral("Invalid port."));
    // Shown modally so that the operator mends the port before the caller goes on.
    if (!isVisible())
        ModalWindow::show(*this);
}

void PhoneFrm::FKeyPhone(int KeyCode)
{
    if (KeyCode < F1 || KeyCode > F9)
        return;
    MMControl1->Notify = false;
    MMControl1->Wait = true;
    MMControl1->Shareable = false;
    MMControl1->DeviceType = QStringLiteral("WaveAudio");
    MMControl1->Close();
    if (KeyCode == F1 && Format::toNumber(txtPHLoop->text(), 0) > 0)
        G.PhoneRepeatOn = 1;
    MMControl1->FileName = Text[KeyCode - F1 + 1]->text();
    if (MMControl1->FileName.trimmed().isEmpty())
        return;

    // Push-to-talk before the sound starts. Each line keyed is remembered, so the watch releases
    // exactly those even when the options change while the message plays.
    if (Format::toNumber(Text10->text(), 0) > 0) {
        if (!CommPhone)
            PhoneSetup();
        if (CommPhone) {
            if (Option2->isChecked()) {
                keyedDtr_ = true;
                if (!CommPhone->setDtr(true))
                    qCWarning(lcKeying) << "push-to-talk DTR could not be raised";
            } else {
                keyedRts_ = true;
                if (!CommPhone->setRts(true))
                    qCWarning(lcKeying) << "push-to-talk RTS could not be raised";
            }
        }
    }
    if (Option3->isChecked()) {
        if (const std::optional<int> address = CwEngine::controlRegister(Text11->text())) {
            keyedParallel_ = *address;
            if (!Platform::keyLineHardware().writeParallel(*address, 3))
                qCWarning(lcKeying) << "push-to-talk parallel port" << *address << "not written";
        } else {
            qCWarning(lcKeying) << "parallel port address" << Text11->text() << "out of range; nothing keyed";
        }
    }
    // The watch is armed before the file is opened, so whatever the player does, it runs.
    Timer1->setEnabled(true);
    MMControl1->Open();
    MMControl1->Play();
}

void PhoneFrm::Timer1_Timer()
{
    if (MMControl1->Mode() == MMControl::ModePlay)
        return;
    Timer1->setEnabled(false);
    if (CommPhone) {
        if (keyedDtr_)
            CommPhone->setDtr(false);
        if (keyedRts_)
            CommPhone->setRts(false);
    }
    keyedDtr_ = keyedRts_ = false;
    if (G.PhoneRepeatOn == 1)
        tmrRepeat->setEnabled(true);
    if (keyedParallel_) {
        if (!Platform::keyLineHardware().writeParallel(*keyedParallel_, 2))
            qCWarning(lcKeying) << "push-to-talk parallel port" << *keyedParallel_ << "not released";
        keyedParallel_.reset();
    }
}

void PhoneFrm::tmrRepeat_Timer()
{
    tmrRepeat->setEnabled(false);
    FKeyPhone(F1);
}

void PhoneFrm::Command11_Click()
{
    FKeyPhone(F1);
    if (isVisible())
        Command1->setFocus();
}

void PhoneFrm::Command1_Click()
{
    hide();
    KeyerSettings::PhoneSettings s;
    for (int i = 0; i < 9; ++i)
        s.wavePaths[i] = Text[i + 1]->text();
    s.port = Text10->text();
    s.pttLine = Option2->isChecked() ? 1 : Option3->isChecked() ? 2 : 0;
    s.repeatSeconds = txtPHLoop->text();
    s.parallelAddress = Text11->text();
    QString error;
    if (!Files::writeAtomic(Files::resolve(G.ProgramFolder, QStringLiteral("wave2.txt")), KeyerSettings::formatPhone(s),
                            &error))
        qCWarning(lcKeying) << "wave2.txt not written:" << error;
}

void PhoneFrm::txtPHLoop_LostFocus()
{
    const QString t = txtPHLoop->text();
    const double seconds = Format::toNumber(t, -1);
    if (Format::isNumeric(t) && seconds >= 0 && seconds < 60) {
        tmrRepeat->setInterval(int(std::nearbyint(seconds * 1000)));
        return;
    }
    txtPHLoop->setText(QStringLiteral("0"));
    tmrRepeat->setInterval(0);
}

void PhoneFrm::Text10_LostFocus()
{
    if (!Format::isNumeric(Text10->text()))
        Text10->setText(QStringLiteral("0"));
    PhoneSetup();
}

bool PhoneFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && watched == Text10)
        KeyerBoxes::selectFromCaret(Text10);
    return DesignWindow::eventFilter(watched, event);
}

void PhoneFrm::Browse_Click(int n)
{
    cdbFile.CancelError = true;
    cdbFile.Filter = QStringLiteral("(*.wav)");
    cdbFile.FileName.clear();
    cdbFile.InitDir = G.ProgramFolder;
    if (!cdbFile.ShowOpen()) {
        Platform::prompts().beep();
        return;
    }
    Text[n]->setText(cdbFile.FileName);
    Command1->setFocus();
}

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
