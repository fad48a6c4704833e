#include "keying/CWFrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <QEvent>
#include <QFocusEvent>
#include <QPointer>

#include <cmath>

#include "core/Files.h"
#include "core/Form1.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "core/MainLogWindow.h"
#include "core/ModalWindow.h"
#include "keying/CntyAbbCW.h"
#include "keying/CwEngine.h"
#include "keying/KeyerBoxes.h"
#include "keying/KeyerLayout.h"
#include "keying/KeyingLog.h"
#include "keying/KeyingPump.h"
#include "keying/PhoneFrm.h"
#include "keying/frmCodePractice.h"
#include "keying/frmWinKey.h"
#include "keying/modWinKey.h"
#include "platform/ComPorts.h"
#include "platform/KeyLines.h"
#include "platform/Monotonic.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/SettingsStore.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// Design client area, twips.
constexpr double DesignWidth = 9360;
constexpr double DesignHeight = 6780;
// Help texts are set smaller than the controls.
constexpr double HelpPt = 6.75;

const QString SettingsSection = QStringLiteral("Settings");
const QString KeyboardModeCaption = QStringLiteral("Keyboard CW Mode is on.  Press F12 to exit.");

// Loop calibration: empty loop turns counted.
constexpr double CalibrationTurns = 5000000;

}   // namespace

using KeyerLayout::addButton;
using KeyerLayout::addLabel;
using KeyerLayout::addOption;
using KeyerLayout::addTextBox;

CWFrm::CWFrm() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("CWFrm"));
    setWindowTitle(QStringLiteral("CW String Selections"));
    DesignLayout& d = design();

    // The eleven messages, F12 keyboard mode beneath them.
    const std::array<int, 11> boxOfKey = {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13};
    for (int i = 0; i < 11; ++i) {
        const double top = 120 + i * 315;
        addLabel(d, QStringLiteral("lblF%1").arg(i + 1), QStringLiteral("F%1").arg(i + 1), 120, top + 30, 420, 255);
        Text[boxOfKey[i]] =
            d.add<QLineEdit>(QStringLiteral("Text%1").arg(boxOfKey[i]), Kind::TextBox, 600, top, 3960, 285);
    }
    Label19 = addLabel(d, QStringLiteral("Label19"), QStringLiteral("F12"), 120, 120 + 11 * 315 + 30, 420, 255);
    Label22 = addLabel(d, QStringLiteral("Label22"), QStringLiteral("Keyboard"), 600, 120 + 11 * 315 + 30, 1500, 255);
    Text1 = Text[1];
    Text2 = Text[2];
    Text3 = Text[3];
    Text4 = Text[4];
    Text5 = Text[5];
    Text6 = Text[6];
    Text7 = Text[7];
    Text8 = Text[8];
    Text9 = Text[9];
    Text12 = Text[12];
    Text13 = Text[13];

    addLabel(d, QStringLiteral("lblWildcards"),
             QStringLiteral("Wildcards are $ for Call, * for RST  # for Num and ^ for County (where applicable)."), 120,
             3900, 4440, 360, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblUpDown"), QStringLiteral("Up / Down arrows on main form change speed."), 120, 4260,
             4440, 240, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblCWMode"), QStringLiteral("You must be in CW mode."), 120, 4500, 4440, 240, nullptr,
             HelpPt);
    addLabel(d, QStringLiteral("lblProsigns"),
             QStringLiteral("Prosigns:  AR = [    SK = ]    KN = ;    BT = =    CL = \\"), 120, 4740, 4440, 240,
             nullptr, HelpPt);
    addLabel(
        d, QStringLiteral("lblMessages"),
        QStringLiteral("Each text box corresponds to a function key.  Enter the characters you would like to "
                       "associate with the function key. From the main logging page, press the appropriate "
                       "function key each time you wish to send the string.  A ! in the string enters the contact."),
        120, 5010, 4440, 840, nullptr, HelpPt);

    // Speed and word space.
    addLabel(d, QStringLiteral("lblWPM"), QStringLiteral("WPM"), 4680, 150, 600, 255);
    Text11 = addTextBox(d, QStringLiteral("Text11"), QStringLiteral("13"), 5340, 120, 600, 285);
    Command2 = addButton(d, QStringLiteral("Command2"), QStringLiteral("Faster"), 6120, 105, 1020, 315);
    Command3 = addButton(d, QStringLiteral("Command3"), QStringLiteral("Slower"), 7260, 105, 1020, 315);
    addLabel(d, QStringLiteral("lblSpace"), QStringLiteral("Word Space"), 4680, 510, 1020, 255);
    txtSpace = addTextBox(d, QStringLiteral("txtSpace"), QStringLiteral("0"), 5760, 480, 480, 285);
    Command5 = addButton(d, QStringLiteral("Command5"), QStringLiteral("Less"), 6360, 465, 900, 315);
    Command6 = addButton(d, QStringLiteral("Command6"), QStringLiteral("More"), 7380, 465, 900, 315);

    // Keying output and ports.
    Frame1 = d.add<QGroupBox>(QStringLiteral("Frame1"), Kind::Frame, 4680, 840, 4560, 1680);
    Frame1->setTitle(QStringLiteral("Keying Options"));
    auto option = [&](const QString& name, const QString& caption, double l, double t, double w, QWidget* parent) {
        return addOption(d, name, caption, l, t, w, 255, parent);
    };
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("RTS"), 120, 300, 1000, Frame1);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("DTR"), 1200, 300, 1000, Frame1);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("Printer"), 2280, 300, 1200, Frame1);
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("None"), 120, 600, 1000, Frame1);
    Option5 = option(QStringLiteral("Option5"), QStringLiteral("WinKey"), 1200, 600, 1200, Frame1);
    Option4->setChecked(true);
    addLabel(d, QStringLiteral("lblSerial"), QStringLiteral("Serial"), 120, 960, 720, 255, Frame1);
    Text10 = addTextBox(d, QStringLiteral("Text10"), QStringLiteral("0"), 900, 930, 600, 285, Frame1);
    cmdConfWinkey =
        addButton(d, QStringLiteral("cmdConfWinkey"), QStringLiteral("Configure Winkey"), 1680, 915, 2040, 315, Frame1);
    cmdConfWinkey->setVisible(false);
    addLabel(d, QStringLiteral("lblParallel"), QStringLiteral("Parallel"), 120, 1290, 720, 255, Frame1);
    Text14 = addTextBox(d, QStringLiteral("Text14"), QStringLiteral("&H378"), 900, 1260, 900, 285, Frame1);

    Check1 = d.add<QCheckBox>(QStringLiteral("Check1"), Kind::CheckBox, 4680, 2580, 4560, 285);
    Check1->setText(QStringLiteral("Display CW text on main form (NA for WinKey)."));
    Check1->setChecked(true);
    addLabel(d, QStringLiteral("lblCWLoop"), QStringLiteral("Loop (Sec)"), 4680, 2970, 1020, 255);
    txtCWLoop = addTextBox(d, QStringLiteral("txtCWLoop"), QStringLiteral("0"), 5760, 2940, 600, 285);

    // Timing method.
    Frame2 = d.add<QGroupBox>(QStringLiteral("Frame2"), Kind::Frame, 4680, 3300, 4560, 1200);
    Frame2->setToolTip(QStringLiteral("Timer is the preferred option on most systems. "));
    addLabel(d, QStringLiteral("lblTiming"), QStringLiteral("Timing Options: "), 120, 240, 1500, 255, Frame2);
    optTimer = option(QStringLiteral("optTimer"), QStringLiteral("Timer"), 120, 540, 1000, Frame2);
    optTimer->setToolTip(QStringLiteral("Times by Windows System time."));
    optLoop = option(QStringLiteral("optLoop"), QStringLiteral("Loop"), 1200, 540, 1000, Frame2);
    optLoop->setToolTip(QStringLiteral("Times by a For Next loop."));
    OptSleep = option(QStringLiteral("OptSleep"), QStringLiteral("Sleep"), 2280, 540, 1000, Frame2);
    OptSleep->setToolTip(QStringLiteral("Times by Windows System time."));
    optTimer->setChecked(true);
    lblLoop = addLabel(d, QStringLiteral("lblLoop"), QStringLiteral("Loop Delay"), 120, 870, 1020, 255, Frame2);
    txtLoop = addTextBox(d, QStringLiteral("txtLoop"), QStringLiteral("0"), 1200, 840, 900, 285, Frame2);
    txtLoop->setToolTip(QStringLiteral("Loops per 60 ms"));
    cmdLoopFaster = addButton(d, QStringLiteral("cmdLoopFaster"), QStringLiteral("F"), 2220, 825, 420, 315, Frame2);
    cmdLoopFaster->setToolTip(QStringLiteral("Speed up CW"));
    cmdLoopSlower = addButton(d, QStringLiteral("cmdLoopSlower"), QStringLiteral("S"), 2700, 825, 420, 315, Frame2);
    cmdLoopSlower->setToolTip(QStringLiteral("Slow Down CW"));
    // The loop count is only for the Loop method, which is not ticked at design.
    for (QWidget* w : {static_cast<QWidget*>(txtLoop), static_cast<QWidget*>(lblLoop),
                       static_cast<QWidget*>(cmdLoopFaster), static_cast<QWidget*>(cmdLoopSlower)})
        w->setEnabled(false);

    Command4 = addButton(d, QStringLiteral("Command4"), QStringLiteral("&Test"), 4680, 4620, 1020, 375);
    Command7 = addButton(d, QStringLiteral("Command7"), QStringLiteral("Send Code Practice"), 5820, 4620, 2100, 375);
    Command1 = addButton(d, QStringLiteral("Command1"), QStringLiteral("Done"), 8040, 4620, 1200, 375);
    Label23 = addLabel(d, QStringLiteral("Label23"), QStringLiteral("Sending!"), 4680, 5040, 1200, 255);
    Label23->setVisible(false);

    addLabel(d, QStringLiteral("lblSetup"),
             QStringLiteral("Setup:  Build or buy a keying interface for your serial or parallel port, and choose the "
                            "line it keys in the Keying Options box.  Enter the serial port number (0 for none), or "
                            "the parallel port's hexadecimal address (&H378 is usual for LPT1)."),
             120, 5910, 4440, 840, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblToUse"),
             QStringLiteral("To Use:  Test the interface with the Test button, which sends the F9 text, on a clear "
                            "frequency with your transceiver's side tone on.  Finally, enter the WPM code speed and "
                            "any adjustments to the standard word spacing (0 is standard, -8 is no spacing).  You can "
                            "adjust your speed on the main form by using the Up / Down arrows. Check the check box if "
                            "you would like to see the characters you are sending on the main form.  For the most "
                            "precise timing, do not run any other programs, virus software etc. while transmitting."),
             4680, 5310, 4560, 1440, nullptr, HelpPt);

    tmrRepeat = new VbTimer(this);
    tmrRepeat->setObjectName(QStringLiteral("tmrRepeat"));
    tmrRepeat->setEnabled(false);
    tmrDeviceIdle = new VbTimer(this);
    tmrDeviceIdle->setObjectName(QStringLiteral("tmrDeviceIdle"));
    tmrDeviceIdle->setEnabled(false);
    tmrDeviceIdle->setInterval(DeviceIdlePollMs);

    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
    connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });
    connect(Option5, &QRadioButton::clicked, this, [this] { Option5_Click(); });
    connect(optTimer, &QRadioButton::clicked, this, [this] { optTimer_Click(); });
    connect(OptSleep, &QRadioButton::clicked, this, [this] { OptSleep_Click(); });
    connect(optLoop, &QRadioButton::clicked, this, [this] { optLoop_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(cmdConfWinkey, &QPushButton::clicked, this, [this] { cmdConfWinkey_Click(); });
    connect(cmdLoopFaster, &QPushButton::clicked, this, [this] { cmdLoopFaster_Click(); });
    connect(cmdLoopSlower, &QPushButton::clicked, this, [this] { cmdLoopSlower_Click(); });
    connect(Text11, &QLineEdit::textChanged, this, [this] { Text11_Change(); });
    connect(txtSpace, &QLineEdit::textChanged, this, [this] { txtSpace_Change(); });
    connect(txtLoop, &QLineEdit::textChanged, this, [this] { txtLoop_Change(); });
    connect(tmrRepeat, &VbTimer::timeout, this, [this] { tmrRepeat_Timer(); });
    connect(tmrDeviceIdle, &VbTimer::timeout, this, [this] { tmrDeviceIdle_Timer(); });

    // Message boxes: letters typed as capitals; a double quote never enters (it would break CW.txt).
    for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13})
        KeyerBoxes::hookCapitalsNoQuote(Text[i]);
    auto digitsOrColon = [](int k) { return k >= '0' && k <= ':'; };
    KeyerBoxes::filterKeys(Text10, digitsOrColon);
    KeyerBoxes::filterKeys(Text11, digitsOrColon);
    KeyerBoxes::filterKeys(txtSpace, [](int k) { return k >= '-' && k <= ':'; });
    KeyerBoxes::filterKeys(txtCWLoop, [](int k) { return k == '.' || (k >= '0' && k <= '9'); });
    for (QLineEdit* box : {Text10, Text11, txtSpace, txtCWLoop})
        box->installEventFilter(this);

    Form_Load();
}

void CWFrm::Form_Load()
{
    // The window takes the share of the desktop work area that its design size takes of the
    // design screen.
    const Platform::Screen s = Platform::Screen::current();
    KeyerLayout::scaleToShare(design().geometry(), s.workWidth, s.workHeight, s.width, true);
    design().apply();

    // The timing method and the loop count of the last Done.
    CWLoopOffset = Format::toNumber(
        Platform::getSetting(SettingsSection, QStringLiteral("UserCWLoopOffset"), QStringLiteral("0")), 0);
    txtLoop->setText(Format::number(CWLoopOffset));
    const QString selection =
        Platform::getSetting(SettingsSection, QStringLiteral("UserCWSelection"), QStringLiteral("Timer"));
    if (selection == QLatin1String("Timer"))
        setOptionValue(optTimer, true);
    else if (selection == QLatin1String("Sleep"))
        setOptionValue(OptSleep, true);
    else if (selection == QLatin1String("Loop"))
        setOptionValue(optLoop, true);
}

CWFrm::~CWFrm() { releaseLine(); }

void CWFrm::Form_Unload()
{
    G.CWBuffer.clear();
    tmrRepeat->setEnabled(false);
    tmrDeviceIdle->setEnabled(false);
    closeComm();
}

bool CWFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        // The speed and port boxes select their text from the caret on when entered.
        if (watched == Text10 || watched == Text11)
            KeyerBoxes::selectFromCaret(static_cast<QLineEdit*>(watched));
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == Text10)
            Text10_LostFocus();
        else if (watched == Text11)
            Text11_LostFocus();
        else if (watched == txtSpace)
            txtSpace_LostFocus();
        else if (watched == txtCWLoop)
            txtCWLoop_LostFocus();
    }
    return DesignWindow::eventFilter(watched, event);
}

void CWFrm::showModal() { ModalWindow::show(*this); }

void CWFrm::LoadSettings(const KeyerSettings::CWSettings& s)
{
    const int n = s.valuesRead;
    for (int i = 0; i < 9 && i < n; ++i)
        Text[i + 1]->setText(s.messages[i]);
    const std::array<std::pair<QLineEdit*, const QString*>, 5> texts = {{{Text10, &s.port},
                                                                         {Text11, &s.speed},
                                                                         {Text12, &s.f10Message},
                                                                         {Text13, &s.f11Message},
                                                                         {txtSpace, &s.wordSpace}}};
    for (int i = 0; i < 5 && 10 + i <= n; ++i)
        texts[i].first->setText(*texts[i].second);
    if (n >= 16)
        Text14->setText(s.parallelAddress);
    if (n >= 17)
        Check1->setCheckState(s.echo == 2 ? Qt::PartiallyChecked : s.echo == 1 ? Qt::Checked : Qt::Unchecked);
    if (n >= 18)
        txtCWLoop->setText(s.repeatSeconds);
    if (!s.complete)
        return;
    tmrRepeat->setInterval(s.repeatIntervalMs);

    for (QRadioButton* o : {Option1, Option2, Option3})
        setOptionValue(o, false);
    switch (G.CWKeyMethod) {
    case 1: setOptionValue(Option1, true); break;
    case 2: setOptionValue(Option2, true); break;
    case 3: setOptionValue(Option3, true); break;
    case 0: setOptionValue(Option4, true); break;
    case 5: setOptionValue(Option5, true); break;
    default: break;
    }
}

bool CWFrm::keyingOption(QRadioButton* option, uint8_t method)
{
    if (!option->isChecked())
        return false;
    G.CWKeyMethod = method;
    return true;
}

void CWFrm::Option1_Click() { keyingOption(Option1, 1); }
void CWFrm::Option2_Click() { keyingOption(Option2, 2); }
void CWFrm::Option3_Click() { keyingOption(Option3, 3); }
void CWFrm::Option4_Click() { keyingOption(Option4, 0); }

void CWFrm::Option5_Click()
{
    if (!keyingOption(Option5, 5))
        return;
    // Once the keyer device is chosen its configuration stays reachable for the run; its window
    // is made now, so WK.txt is read before the first send.
    cmdConfWinkey->setVisible(true);
    frmWinKey::instance();
}

// --- Sending --------------------------------------------------------------------------------

void CWFrm::logContact()
{
    MainLogWindow* w = Form1::target();
    if (w && w->txtCall && !w->txtCall->text().isEmpty())
        w->Mains();
}

void CWFrm::setDialogCaption(const QString& text)
{
    MainLogWindow* w = Form1::target();
    if (w && w->lblDialog)
        w->lblDialog->setText(text);
}

void CWFrm::LoopThroughCWBuffer()
{
    if (G.CWKeyMethod == 5) {
        // A new send: the end of the one before no longer starts a repeat.
        tmrDeviceIdle->setEnabled(false);
        // The keyer device sends on its own: the contact is logged once, before the text goes.
        if (G.CWBuffer.contains(QLatin1Char('!')))
            logContact();
        QPointer<CWFrm> self(this);
        frmWinKey::instance().WKTransmit();
        if (!self)
            return;
        if (G.CWRepeatOn == 1)
            repeatAfterDeviceIdle();
        return;
    }

    // The window can be unloaded from the pump (the main window going); stop then.
    QPointer<CWFrm> self(this);
    G.CWSending = 1;
    while (!G.CWBuffer.isEmpty()) {
        QString c = G.CWBuffer.left(1);
        G.CWBuffer.remove(0, 1);
        Transmit(c);   // may show this window modally (a port that cannot open)
        if (!self) {
            G.CWSending = 0;
            return;
        }
        if (Check1->checkState() == Qt::Checked)
            setDialogCaption(G.CWBuffer);
        KeyingPump::pump();
        if (!self) {
            G.CWSending = 0;
            return;
        }
    }
    // A character that ended on a failed line may have left it keyed: try once more to drop it.
    if (lineFailed_)
        releaseOutput();
    lineFailed_ = false;
    if (G.CWRepeatOn == 1)
        tmrRepeat->setEnabled(true);
    G.CWSending = 0;
    if (Check1->checkState() == Qt::Checked)
        setDialogCaption(G.KeyboardCWMode == 1 ? KeyboardModeCaption : QString());
}

void CWFrm::releaseOutput()
{
    bool failed = false;
    if (std::unique_ptr<Platform::KeyLine> line = keyLine(&failed))
        line->setKeyed(false);
}

std::unique_ptr<Platform::KeyLine> CWFrm::keyLine(bool* failed)
{
    *failed = false;
    if (Option2->isChecked() || Option1->isChecked()) {
        if (!Comm)
            return nullptr;   // no port (number 0): the elements are timed, nothing is keyed
        return std::make_unique<Platform::SerialKeyLine>(*Comm, Option2->isChecked() ? Platform::SerialLine::Dtr
                                                                                     : Platform::SerialLine::Rts);
    }
    if (Option3->isChecked()) {
        const auto address = CwEngine::controlRegister(Text14->text());
        if (!address) {
            qCWarning(lcKeying) << "parallel port address" << Text14->text() << "out of range; nothing keyed";
            *failed = true;
            return nullptr;
        }
        return std::make_unique<Platform::ParallelKeyLine>(*address);
    }
    return nullptr;
}

void CWFrm::Transmit(QString& CodeCharacter)
{
    if (G.CWKeyMethod == 0)
        return;
    if ((G.CWKeyMethod == 1 || G.CWKeyMethod == 2) && !Comm)
        CWSetup();
    const QChar c = CodeCharacter.isEmpty() ? QChar() : CodeCharacter.at(0);
    QString elements = CwEngine::elements(c);
    if (c == QLatin1Char('!'))
        logContact();
    if (c == QLatin1Char(' '))
        elements = CwEngine::spaceElements(int(Format::toNumber(txtSpace->text(), 0)));

    bool failed = false;
    std::unique_ptr<Platform::KeyLine> line = keyLine(&failed);
    if (failed || elements.isEmpty())
        return;

    CwEngine::CharacterTiming t;
    t.wpm = Format::toNumber(Text11->text(), 0);
    t.timing = optLoop->isChecked()    ? CwEngine::Timing::Loop
               : OptSleep->isChecked() ? CwEngine::Timing::Sleep
                                       : CwEngine::Timing::Timer;
    t.loopOffset = CWLoopOffset;
    const CwEngine::KeyResult r = CwEngine::keyElements(elements, t, line.get(), Platform::monotonic());
    if (r == CwEngine::KeyResult::SpeedTooLow)
        qCWarning(lcKeying) << "speed" << Text11->text() << "is below 1 WPM; character not keyed";
    else if (r == CwEngine::KeyResult::LineFailed) {
        lineFailed_ = true;
        qCWarning(lcKeying) << "key line could not be set; character ended";
    }
}

void CWFrm::releaseLine()
{
    if (Comm) {
        Comm->setDtr(false);
        Comm->setRts(false);
    }
}

void CWFrm::closeComm()
{
    releaseLine();
    Comm.reset();
}

void CWFrm::CWSetup()
{
    closeComm();
    const auto port = ListFormat::wholeIn(Format::toNumber(Text10->text(), 0), -32768, 32767);
    bool ok = port.has_value();
    if (ok && *port > 0) {
        // The voice keyer's push-to-talk port and this one exclude each other.
        if (PhoneFrm::loaded() && PhoneFrm::instance().commPhoneOpen())
            PhoneFrm::instance().closeCommPhone();
        QString error;
        Comm = Platform::keyLineHardware().openSerial(Platform::comPortPath(*port, G.DataFolder), &error);
        ok = Comm != nullptr;
        if (!ok)
            qCWarning(lcKeying) << "CW keying port" << *port << "cannot be opened:" << error;
    }
    if (ok)
        return;
    Platform::prompts().beep();
    Platform::prompts().messageBox(
        QStringLiteral(
            "The port you have selected for CW keying is invalid.  Please select another or enter 0 for none."),
        QStringLiteral("Invalid port."));
    if (!isVisible())
        showModal();
}

// --- Function-key messages ------------------------------------------------------------------

void CWFrm::FKeyCW(int KeyCode)
{
    G.CWBuffer.clear();
    if (G.CWKeyMethod != 0) {
        QString message;
        if (KeyCode >= 112 && KeyCode <= 120)
            message = Text[KeyCode - 111]->text();
        else if (KeyCode == 124)
            message = Text12->text();
        else if (KeyCode == 122)
            message = Text13->text();
        if (KeyCode == 112 && Format::toNumber(txtCWLoop->text(), 0) > 0)
            G.CWRepeatOn = 1;
        if (!message.isEmpty()) {
            message = CwEngine::fillWildcard(message, QLatin1Char('$'), [] { return G.WildCall; });
            message = CwEngine::fillWildcard(message, QLatin1Char('#'), [] { return QString(); });
            message = CwEngine::fillWildcard(message, QLatin1Char('*'), [] {
                if (G.WildRST == QLatin1String("599") || G.WildRST.isEmpty())
                    G.WildRST = QStringLiteral("5NN");
                return G.WildRST;
            });
            message =
                CwEngine::fillWildcard(message, QLatin1Char('^'), [] { return CntyAbbCW::GetCntyAbbCW(G.WildCounty); });
            G.CWBuffer += message;
            QPointer<CWFrm> self(this);
            LoopThroughCWBuffer();
            if (!self)
                return;
        }
    }
    KeyingPump::pump();
}

void CWFrm::UpDown1_UpClick() { Text11->setText(Format::number(Format::toNumber(Text11->text(), 0) + 1)); }

void CWFrm::UpDown1_DownClick() { Text11->setText(Format::number(Format::toNumber(Text11->text(), 0) - 1)); }

void CWFrm::Text11_Change()
{
    const QString t = Text11->text();
    if (!Format::isNumeric(t))
        return;
    const double wpm = Format::toNumber(t, 0);
    if (wpm > 4 && wpm < 100 && G.WinkeyVersion != 0 && G.CWKeyMethod == 5)
        modWinKey::wk_wpm(uint8_t(std::nearbyint(wpm)));
}

void CWFrm::tmrRepeat_Timer()
{
    tmrRepeat->setEnabled(false);
    FKeyCW(112);
}

bool CWFrm::keyerDeviceOpen() { return G.WinkeyVersion != 0 && modWinKey::deviceIsOpen(); }

void CWFrm::repeatAfterDeviceIdle()
{
    // The text has only been handed over: the device is still sending it. A device that is not
    // open has nothing to finish.
    if (!keyerDeviceOpen()) {
        tmrRepeat->setEnabled(true);
        return;
    }
    deviceIdleWaitedMs_ = 0;
    tmrDeviceIdle->setEnabled(true);
}

void CWFrm::tmrDeviceIdle_Timer()
{
    if (G.CWRepeatOn != 1) {   // a key in the main window stopped the repeat
        tmrDeviceIdle->setEnabled(false);
        return;
    }
    bool done = !keyerDeviceOpen();
    if (!done) {
        G.WinkeyStatus = modWinKey::wk_getstatus();
        done = G.WinkeyStatus == 0;
    }
    deviceIdleWaitedMs_ += DeviceIdlePollMs;
    if (!done && deviceIdleWaitedMs_ >= DeviceIdleWaitLimitMs) {
        qCWarning(lcKeying) << "keyer device still sending after" << DeviceIdleWaitLimitMs
                            << "ms; the repeat's pause starts anyway";
        done = true;
    }
    if (!done)
        return;
    tmrDeviceIdle->setEnabled(false);
    tmrRepeat->setEnabled(true);
}

// --- Settings window ------------------------------------------------------------------------

void CWFrm::Command1_Click()
{
    KeyerSettings::CWSettings s;
    for (int i = 0; i < 9; ++i)
        s.messages[i] = Text[i + 1]->text();
    s.port = Text10->text();
    s.speed = Text11->text();
    s.f10Message = Text12->text();
    s.f11Message = Text13->text();
    s.wordSpace = txtSpace->text();
    s.keyMethod = G.CWKeyMethod;
    s.parallelAddress = Text14->text();
    s.echo = Check1->checkState() == Qt::Checked ? 1 : Check1->checkState() == Qt::PartiallyChecked ? 2 : 0;
    s.repeatSeconds = txtCWLoop->text();
    QString error;
    if (Files::writeAtomic(Files::resolve(G.ProgramFolder, QStringLiteral("CW.txt")), KeyerSettings::formatCW(s),
                           &error)) {
        const QString timing = optLoop->isChecked()    ? QStringLiteral("Loop")
                               : OptSleep->isChecked() ? QStringLiteral("Sleep")
                                                       : QStringLiteral("Timer");
        Platform::saveSetting(SettingsSection, QStringLiteral("UserCWSelection"), timing);
        Platform::saveSetting(SettingsSection, QStringLiteral("UserCWLoopOffset"), Format::number(CWLoopOffset));
    } else {
        qCWarning(lcKeying) << "CW.txt not written:" << error;
    }
    hide();
}

void CWFrm::Command2_Click() { UpDown1_UpClick(); }
void CWFrm::Command3_Click() { UpDown1_DownClick(); }

void CWFrm::Command4_Click()
{
    Label23->setVisible(true);
    KeyingPump::pump();
    QPointer<CWFrm> self(this);
    FKeyCW(120);
    if (!self)
        return;
    Label23->setVisible(false);
    if (isVisible())
        Text1->setFocus();
}

void CWFrm::Command5_Click()
{
    const QString t = txtSpace->text();
    txtSpace->setText(Format::isNumeric(t) ? Format::number(Format::toNumber(t) - 1) : QStringLiteral("0"));
}

void CWFrm::Command6_Click()
{
    const QString t = txtSpace->text();
    txtSpace->setText(Format::isNumeric(t) ? Format::number(Format::toNumber(t) + 1) : QStringLiteral("0"));
}

void CWFrm::Command7_Click()
{
    ModalWindow::show(frmCodePractice::instance());
    frmCodePractice::unload();
    G.CWBuffer.clear();
}

void CWFrm::cmdConfWinkey_Click()
{
    frmWinKey::instance().showModal();
    Command1->setFocus();
}

void CWFrm::optTimer_Click()
{
    if (!optTimer->isChecked())
        return;
    for (QWidget* w : {static_cast<QWidget*>(txtLoop), static_cast<QWidget*>(lblLoop),
                       static_cast<QWidget*>(cmdLoopFaster), static_cast<QWidget*>(cmdLoopSlower)})
        w->setEnabled(false);
}

void CWFrm::OptSleep_Click()
{
    if (!OptSleep->isChecked())
        return;
    for (QWidget* w : {static_cast<QWidget*>(txtLoop), static_cast<QWidget*>(lblLoop),
                       static_cast<QWidget*>(cmdLoopFaster), static_cast<QWidget*>(cmdLoopSlower)})
        w->setEnabled(false);
}

void CWFrm::optLoop_Click()
{
    if (!optLoop->isChecked())
        return;
    for (QWidget* w : {static_cast<QWidget*>(txtLoop), static_cast<QWidget*>(lblLoop),
                       static_cast<QWidget*>(cmdLoopFaster), static_cast<QWidget*>(cmdLoopSlower)})
        w->setEnabled(true);
    KeyingPump::pump();
    if (CWLoopOffset == 0)
        CalibrateLoop();
    txtLoop->setText(Format::number(CWLoopOffset));
}

void CWFrm::CalibrateLoop()
{
    Platform::Monotonic& clock = Platform::monotonic();
    const Platform::PreciseTiming precise(clock);
    const qint64 t0 = clock.nowNs();
    CwEngine::spinLoop(CalibrationTurns);
    const qint64 t1 = clock.nowNs();
    // No measurable time: the count stands as the loop's own total, as before a division.
    CWLoopOffset = CwEngine::loopOffsetFrom(CalibrationTurns, t1 - t0).value_or(CalibrationTurns);
}

void CWFrm::txtLoop_Change()
{
    if (Format::isNumeric(txtLoop->text()))
        CWLoopOffset = Format::toNumber(txtLoop->text());
}

void CWFrm::cmdLoopFaster_Click()
{
    if (Format::isNumeric(txtLoop->text()))
        txtLoop->setText(Format::number(std::nearbyint(Format::toNumber(txtLoop->text()) * 0.9)));
    Command1->setFocus();
}

void CWFrm::cmdLoopSlower_Click()
{
    if (Format::isNumeric(txtLoop->text()))
        txtLoop->setText(Format::number(std::nearbyint(Format::toNumber(txtLoop->text()) * 1.111111111111)));
    Command1->setFocus();
}

void CWFrm::Text10_LostFocus()
{
    if (!Format::isNumeric(Text10->text()))
        Text10->setText(QStringLiteral("0"));
    CWSetup();
}

void CWFrm::Text11_LostFocus()
{
    if (!Format::isNumeric(Text11->text()))
        Text11->setText(QStringLiteral("0"));
}

void CWFrm::txtSpace_Change()
{
    const QString t = txtSpace->text();
    if (Format::isNumeric(t) && Format::toNumber(t) < -8)
        txtSpace->setText(QStringLiteral("-8"));
}

void CWFrm::txtSpace_LostFocus()
{
    if (!Format::isNumeric(txtSpace->text()))
        txtSpace->setText(QStringLiteral("0"));
}

void CWFrm::txtCWLoop_LostFocus()
{
    const QString t = txtCWLoop->text();
    const double seconds = Format::toNumber(t, -1);
    if (Format::isNumeric(t) && seconds >= 0 && seconds < 60) {
        tmrRepeat->setInterval(int(std::nearbyint(seconds * 1000)));
        return;
    }
    txtCWLoop->setText(QStringLiteral("0"));
    tmrRepeat->setInterval(0);
}
