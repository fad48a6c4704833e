#include "keying/CWFrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/Globals.h"
#include "keying/KeyerLayout.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// Design client area, twips.
constexpr double DesignWidth = 9360;
constexpr double DesignHeight = 6780;
// Help texts are set smaller than the controls.
constexpr double HelpPt = 6.75;
} // namespace

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
        Text[boxOfKey[i]] = d.add<QLineEdit>(QStringLiteral("Text%1").arg(boxOfKey[i]), Kind::TextBox, 600, top, 3960, 285);
    }
    Label19 = addLabel(d, QStringLiteral("Label19"), QStringLiteral("F12"), 120, 120 + 11 * 315 + 30, 420, 255);
    Label22 = addLabel(d, QStringLiteral("Label22"), QStringLiteral("Keyboard"), 600, 120 + 11 * 315 + 30, 1500, 255);
    Text1 = Text[1]; Text2 = Text[2]; Text3 = Text[3]; Text4 = Text[4]; Text5 = Text[5];
    Text6 = Text[6]; Text7 = Text[7]; Text8 = Text[8]; Text9 = Text[9]; Text12 = Text[12]; Text13 = Text[13];

    addLabel(d, QStringLiteral("lblWildcards"),
          QStringLiteral("Wildcards are $ for Call, * for RST  # for Num and ^ for County (where applicable)."),
          120, 3900, 4440, 360, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblUpDown"), QStringLiteral("Up / Down arrows on main form change speed."), 120, 4260,
          4440, 240, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblCWMode"), QStringLiteral("You must be in CW mode."), 120, 4500, 4440, 240, nullptr, HelpPt);
    addLabel(d, QStringLiteral("lblProsigns"),
          QStringLiteral("Prosigns:  AR = [    SK = ]    KN = ;    BT = =    CL = \\"), 120, 4740, 4440, 240, nullptr,
          HelpPt);
    addLabel(d, QStringLiteral("lblMessages"),
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
    cmdConfWinkey = addButton(d, QStringLiteral("cmdConfWinkey"), QStringLiteral("Configure Winkey"), 1680, 915, 2040, 315, Frame1);
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

    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });
    connect(Option4, &QRadioButton::clicked, this, [this] { Option4_Click(); });
    connect(Option5, &QRadioButton::clicked, this, [this] { Option5_Click(); });

    Form_Load();
}

void CWFrm::Form_Load()
{
    // The window takes the share of the desktop work area that its design size takes of the
    // design screen.
    const Platform::Screen s = Platform::Screen::current();
    KeyerLayout::scaleToShare(design().geometry(), s.workWidth, s.workHeight, s.width, true);
    design().apply();
}

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
    // Once the keyer device is chosen its configuration stays reachable for the run.
    cmdConfWinkey->setVisible(true);
}

// Sending and messages: being built.
void CWFrm::LoopThroughCWBuffer() { G.CWBuffer.clear(); }
void CWFrm::Transmit(QString&) {}
void CWFrm::CWSetup() {}
void CWFrm::FKeyCW(int) { G.CWBuffer.clear(); }
void CWFrm::UpDown1_UpClick() {}
void CWFrm::UpDown1_DownClick() {}
void CWFrm::Text11_Change() {}
void CWFrm::tmrRepeat_Timer() {}
