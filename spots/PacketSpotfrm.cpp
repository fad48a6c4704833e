#include "spots/PacketSpotfrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <cmath>

#include "core/Form1.h"
#include "core/ModalWindow.h"
#include "core/Globals.h"
#include "core/ListFormat.h"
#include "platform/KeyEvents.h"
#include "platform/PacketEngine.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "spots/PacketEngineTraffic.h"
#include "spots/SpotLine.h"
#include "spots/SpotsLog.h"

using Kind = ControlGeometry::Kind;

namespace {

Platform::PacketEngine*& engineSlot()
{
    static Platform::PacketEngine* e = nullptr;
    return e;
}

const QString CrLf = QStringLiteral("\r\n");
// Where the operator finds a packet engine that speaks the TCP API this program uses.
const QString EngineSite = QStringLiteral("https://packages.debian.org/stable/direwolf");

const char* const HelpGeneral =
    "This window sets up DX spotting. Once a source is chosen, a list or a band map on the main window keeps "
    "you up to date with the spots it sends.\r\n\r\n"
    "The list shows the last 2-3 posts, depending on the screen size. The band map shows the prefixes posted "
    "for the current band; move the mouse over a prefix to see the whole call, the frequency and the time in "
    "its tool tip and in the Possible Duplicates box.\r\n\r\n"
    "The last 50 posts are held whatever their band. On the band map, posts under 10 minutes old are yellow, "
    "10 to 30 minutes white and 30 to 60 minutes gray.\r\n\r\n"
    "With rig control, a right click on a spot on the band map or the HF spectrum map tunes the rig to it; "
    "the list does not tune.\r\n\r\n";
const char* const HelpTelnet =
    "Telnet: with an Internet connection, enter the cluster's host and port and click Open. Type your call "
    "sign when the cluster asks for it and press Enter.\r\n\r\n";
const char* const HelpTnc =
    "TNC: take the serial settings from the modem's documentation. Ctrl+C or Esc sends the hexadecimal "
    "command-mode character without Enter; other text is typed and sent with Enter.\r\n\r\n"
    "No connection to another packet station is needed. Ticking \"List DX Only\" shows only DX posts; recent "
    "posts are compared so that duplicates are dropped. Ticking it is advised even when connected, to hide "
    "other chatter.\r\n\r\n";
const char* const HelpAgw =
    "The program also works with the AGW Packet Engine, which uses the sound card or a TNC. Obtain the "
    "packet-engine software, run and configure it for your sound card or TNC, then click Open here.\r\n\r\n"
    "Connect and disconnect are typed as commands: \":C Quolt     or to disconnect :D\". Enter sends them, "
    "and Esc also types the colon.\r\n\r\n";
const char* const HelpClosing =
    "After configuring, click Open to start and Done to return to the main window. Clicking the list on the "
    "main window brings this window back; choosing \"None\" returns the main window to its display without "
    "spots.\r\n\r\n";

QString stripQuotes(const QString& s)
{
    QString out = s;
    out.remove(QLatin1Char('"'));
    return out;
}

}   // namespace

PacketSpotfrm*& PacketSpotfrm::loading()
{
    static PacketSpotfrm* w = nullptr;
    return w;
}

PacketSpotfrm& PacketSpotfrm::instance()
{
    if (PacketSpotfrm* w = loading())
        return *w;
    return SingleWindow<PacketSpotfrm>::instance();
}

void PacketSpotfrm::setPacketEngine(Platform::PacketEngine* engine) { engineSlot() = engine; }

void PacketSpotfrm::scaleToScreen(FormGeometry& form, double screenWidth, double screenHeight)
{
    const double fx = screenWidth / ModFormResize::DesignScreenWidth;
    const double fy = screenHeight / ModFormResize::DesignScreenHeight;
    const double newWidth = form.width * fx;
    form.setOuterSize(newWidth, form.height * fy);
    form.left = (screenWidth - newWidth) / 2;
    form.top = 2;
    form.fontSize *= newWidth / ModFormResize::DesignScreenWidth;
    const double fontFactor = std::min(fx, 1.5);
    // A control parked left of the window (a negative left) is scaled as if it stood 75000 twips
    // further right, so it stays off the window.
    constexpr double Park = 75000;
    for (ControlGeometry& c : form.controls) {
        if (c.kind == ControlGeometry::Kind::Line) {
            const bool parked = c.x1 < 0;
            const double shift = parked ? Park : 0;
            c.x1 = (c.x1 + shift) * fx - shift;
            c.x2 = (c.x2 + shift) * fx - shift;
            c.y1 *= fy;
            c.y2 *= fy;
            continue;
        }
        if (!c.isBoxKind())
            continue;
        const double shift = c.left < 0 ? Park : 0;
        if (c.isTextKind())
            c.fontSize *= fontFactor;
        c.height *= fy;
        c.left = (c.left + shift) * fx - shift;
        c.top *= fy;
        c.width *= fx;
    }
}

PacketSpotfrm::PacketSpotfrm() : DesignWindow(9000, 6600)
{
    setObjectName(QStringLiteral("PacketSpotfrm"));
    setWindowTitle(QStringLiteral(" DX Spotting Setup"));
    buildControls();
    loading() = this;
    Form_Load();
    loading() = nullptr;
}

bool PacketSpotfrm::is(const QString& source) const { return SpotSource.compare(source, Qt::CaseInsensitive) == 0; }

bool PacketSpotfrm::listening() const { return !Label4->isHidden(); }

void PacketSpotfrm::buildControls()
{
    auto label = [this](const QString& name, const QString& caption, double l, double t, double w, double h,
                        QWidget* parent = nullptr) { return design().addLabel(name, caption, l, t, w, h, parent); };
    auto frame = [this](const QString& name, const QString& caption, double l, double t, double w, double h) {
        auto* f = add<QGroupBox>(name, Kind::Frame, l, t, w, h);
        f->setTitle(caption);
        return f;
    };
    auto option = [this](QWidget* parent, const QString& name, const QString& caption, double l, double t, double w) {
        return design().addOption(name, caption, l, t, w, 255, parent);
    };
    auto button = [this](const QString& name, const QString& caption, double l) {
        return design().addButton(name, caption, l, 6150, 1400, 375);
    };
    auto box = [this](const QString& name, double l, double t, double w, int maxLength) {
        auto* e = add<QLineEdit>(name, Kind::TextBox, l, t, w, 285);
        if (maxLength)
            e->setMaxLength(maxLength);
        return e;
    };

    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Select Option:"), 120, 120, 2200, 255);
    List1 = add<QListWidget>(QStringLiteral("List1"), Kind::ListBox, 120, 400, 2200, 1100);

    Frame2 = frame(QStringLiteral("Frame2"), QStringLiteral("Main Form Display"), 2500, 120, 2200, 1000);
    OptBand = option(Frame2, QStringLiteral("OptBand"), QStringLiteral("Band Map"), 120, 280, 1900);
    OptList = option(Frame2, QStringLiteral("OptList"), QStringLiteral("List"), 120, 600, 1900);
    OptBand->setChecked(true);

    chkDX = add<QCheckBox>(QStringLiteral("chkDX"), Kind::CheckBox, 4900, 150, 4000, 285);
    chkDX->setText(QStringLiteral("List DX Only (also controls main form)"));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("TNC cmd mode hex character:"), 4900, 520, 2600, 255);
    txtHex = box(QStringLiteral("txtHex"), 7600, 490, 500, 2);
    Label7 = label(QStringLiteral("Label7"), QStringLiteral("Telnet Host:"), 4900, 880, 1200, 255);
    txtTelnetHost = box(QStringLiteral("txtTelnetHost"), 6100, 850, 2700, 0);
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Telnet Port:"), 4900, 1240, 1200, 255);
    txtTelnetPort = box(QStringLiteral("txtTelnetPort"), 6100, 1210, 900, 5);

    // The baud frame is as wide as its long title; parity, data and stop bits follow it.
    fraBaud = frame(QStringLiteral("fraBaud"),
                    QStringLiteral("Baud Rate of Com Port to TNC (not necessarily transmitted baud rate)"), 120, 1600,
                    5280, 900);
    const char* baudNames[] = {"optBaud12", "optBaud24", "optBaud48", "optBaud96", "optBaud144", "optBaud192"};
    const char* baudCaps[] = {"1.2k", "2.4k", "4.8k", "9.6k", "14.4k", "19.2k"};
    QRadioButton** bauds[] = {&optBaud12, &optBaud24, &optBaud48, &optBaud96, &optBaud144, &optBaud192};
    for (int i = 0; i < 6; ++i)
        *bauds[i] = option(fraBaud, QLatin1String(baudNames[i]), QLatin1String(baudCaps[i]), 120 + (i % 3) * 1400,
                           280 + (i / 3) * 300, 1200);
    // A frame's option buttons one under the other: (member, name, caption), from `top` by `step`.
    struct Choice {
        QRadioButton** member;
        const char* name;
        const char* caption;
    };
    auto column = [&option](QGroupBox* f, std::initializer_list<Choice> choices, double top, double step, double w) {
        for (const Choice& c : choices) {
            *c.member = option(f, QLatin1String(c.name), QLatin1String(c.caption), 120, top, w);
            top += step;
        }
    };
    fraParity = frame(QStringLiteral("fraParity"), QStringLiteral("Parity"), 5500, 1600, 1100, 1200);
    column(fraParity,
           {{&optParityOdd, "optParityOdd", "Odd"},
            {&optParityNone, "optParityNone", "None"},
            {&optParityEven, "optParityEven", "Even"}},
           250, 300, 900);
    fraData = frame(QStringLiteral("fraData"), QStringLiteral("Data Bits"), 6700, 1600, 1000, 900);
    column(fraData, {{&optData7, "optData7", "7"}, {&optData8, "optData8", "8"}}, 280, 300, 700);
    fraStop = frame(QStringLiteral("fraStop"), QStringLiteral("Stop Bits"), 7800, 1600, 1000, 900);
    column(fraStop, {{&optStop1, "optStop1", "1"}, {&optStop2, "optStop2", "2"}}, 280, 300, 700);
    fraPort = frame(QStringLiteral("fraPort"), QStringLiteral("Comm Port"), 120, 2550, 4400, 900);
    for (int i = 0; i < 10; ++i)
        optComm << option(fraPort, QStringLiteral("optComm(%1)").arg(i), QString::number(i + 1), 120 + (i % 5) * 850,
                          280 + (i / 5) * 300, 750);
    fraPower = frame(QStringLiteral("fraPower"), QStringLiteral("Connection Power"), 4600, 2850, 2200, 600);
    optPowerNone = option(fraPower, QStringLiteral("optPowerNone"), QStringLiteral("None"), 100, 280, 700);
    optPowerRTS = option(fraPower, QStringLiteral("optPowerRTS"), QStringLiteral("RTS"), 800, 280, 650);
    optPowerDTR = option(fraPower, QStringLiteral("optPowerDTR"), QStringLiteral("DTR"), 1450, 280, 650);
    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral("Handshaking"), 6900, 2550, 2000, 1300);
    column(Frame1,
           {{&Option1, "Option1", "None"},
            {&Option2, "Option2", "Xon Xoff"},
            {&Option3, "Option3", "RTS"},
            {&Option4, "Option4", "RTS OnOff"}},
           250, 250, 1700);
    // The buttons as designed.
    optBaud192->setChecked(true);
    optParityNone->setChecked(true);
    optData8->setChecked(true);
    optStop1->setChecked(true);
    optComm[0]->setChecked(true);
    optPowerNone->setChecked(true);
    Option1->setChecked(true);

    Label6 = label(QStringLiteral("Label6"), QStringLiteral("Send text  (Ctrl  C or Esc for TNC Command mode):"), 120,
                   3950, 8000, 255);
    txtSent = box(QStringLiteral("txtSent"), 120, 4220, 8760, 0);
    txtUnProcessed = add<QPlainTextEdit>(QStringLiteral("txtUnProcessed"), Kind::TextBox, 120, 4560, 8760, 1500);
    txtUnProcessed->setReadOnly(true);
    txtUnProcessed->setStyleSheet(QStringLiteral("QPlainTextEdit { background: navy; color: white; }"));
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSizeF(9);
    txtUnProcessed->setFont(mono);

    Command1 = button(QStringLiteral("Command1"), QStringLiteral("Open Port"), 120);
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("Close Port"), 1650);
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("&Spot Last"), 3180);
    cmdDone = button(QStringLiteral("cmdDone"), QStringLiteral("&Done"), 7480);
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("Listening"), 4900, 6200, 1400, 285);
    Label4->setAlignment(Qt::AlignCenter);
    Label4->setStyleSheet(QStringLiteral("QLabel { background: blue; color: white; }"));
    Label4->setAutoFillBackground(true);
    Label4->hide();

    Timer1 = new VbTimer(this);
    Timer1->setInterval(333);
    Timer1->setEnabled(false);
    QObject::connect(Timer1, &VbTimer::timeout, this, [this] { Timer1_Timer(); });

    setTabOrder(txtSent, List1);

    connect(List1, &QListWidget::itemSelectionChanged, this, [this] { List1_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(chkDX, &QCheckBox::toggled, this, [this](bool on) { reception.listDxOnly = on; });
    for (QRadioButton* o : {optBaud12,     optBaud24,     optBaud48, optBaud96, optBaud144, optBaud192, optParityOdd,
                            optParityNone, optParityEven, optData7,  optData8,  optStop1,   optStop2,   optPowerNone,
                            optPowerRTS,   optPowerDTR,   Option1,   Option2,   Option3,    Option4})
        connect(o, &QRadioButton::clicked, this, [this] { lineOption_Click(); });
    for (QRadioButton* o : optComm)
        connect(o, &QRadioButton::clicked, this, [this] { lineOption_Click(); });

    // No double quote enters a settings box: typed, pasted or dropped.
    for (QLineEdit* e : {txtHex, txtTelnetHost, txtTelnetPort}) {
        KeyEvents::hook(e, [](int& KeyAscii) {
            if (KeyAscii == 34)
                KeyAscii = 0;
        });
        KeyEvents::filterPaste(e, stripQuotes);
    }
    KeyEvents::hook(txtSent, [this](int& KeyAscii) { txtSent_KeyPress(KeyAscii); });
    connect(txtSent, &QLineEdit::textChanged, this, [this] { txtSent_Change(); });
    KeyEvents::hookForm(this, {}, [this](int& KeyCode, int Shift) { Form_KeyDown(KeyCode, Shift); });

    reception.post = [](const QString& call, const QString& freq, const QString& record) {
        QVariant c(call), f(freq), r(record);
        Form1::instance().BandMapSpots(c, f, r);
    };
}

void PacketSpotfrm::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    scaleToScreen(design().geometry(), s.width, s.height);
    design().apply();

    List1->blockSignals(true);
    List1->addItems(
        {QStringLiteral("None"), QStringLiteral("TNC"), QStringLiteral("Telnet"), QStringLiteral("AGW Packet Engine")});
    List1->blockSignals(false);
    DisableAllOptions();
    SpotSettingsLoading = true;
    ReadSpotSettings();
    if (SpotSource.isEmpty()) {
        // First run (no settings file, or one without a source): spotting is off, so nothing is
        // opened and the main window gets no empty spot panel.
        SpotSource = QStringLiteral("None");
        List1->setCurrentRow(0);
    }
    SpotSettingsLoading = false;
    reception.TNCReceiveBuffer = QStringLiteral("\n");
}

void PacketSpotfrm::Form_Unload()
{
    Timer1->setEnabled(false);
    if (Platform::PacketEngine* engine = engineSlot()) {
        if (!AGWLinkedCall.isEmpty())
            engine->putData(AGWLinkedCall, QString(), 'd');
        if (is(QStringLiteral("AGW Packet Engine")))
            engine->close();
    }
    Winsock1.close();
    comComm1.close();
}

void PacketSpotfrm::closeEvent(QCloseEvent* event)
{
    // The title bar's close box unloads the window as at shut-down; reception stops until the
    // window is shown again and its load reopens the saved source.
    event->accept();
    QMetaObject::invokeMethod(
        qApp, [] { PacketSpotfrm::unload(); }, Qt::QueuedConnection);
}

void PacketSpotfrm::changeEvent(QEvent* event)
{
    DesignWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void PacketSpotfrm::Form_Activate()
{
    if (is(QStringLiteral("None")))
        return;
    TrimTerminal();
    if (txtSent->isEnabled())
        txtSent->setFocus();
}

void PacketSpotfrm::DisableAllOptions()
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{Frame2,   OptBand, OptList, chkDX,     Label6,        txtSent, Command1,
                                         Command2, Frame1,  fraBaud, fraParity, fraData,       fraStop, fraPort,
                                         fraPower, Label2,  txtHex,  Label7,    txtTelnetHost, Label3,  txtTelnetPort})
        w->setEnabled(false);
}

void PacketSpotfrm::EnableAGWOptions()
{
    for (QWidget* w :
         std::initializer_list<QWidget*>{Frame2, OptBand, OptList, chkDX, Label6, txtSent, Command1, Command2})
        w->setEnabled(true);
}

void PacketSpotfrm::EnableTNCOptions()
{
    EnableAGWOptions();
    for (QWidget* w : std::initializer_list<QWidget*>{Frame1, fraBaud, fraParity, fraData, fraStop, fraPort, fraPower,
                                                      Label2, txtHex})
        w->setEnabled(true);
}

void PacketSpotfrm::EnableTelnetOptions()
{
    EnableAGWOptions();
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, txtTelnetHost, Label3, txtTelnetPort})
        w->setEnabled(true);
}

void PacketSpotfrm::ShowSpotHelp()
{
    QListWidgetItem* item = List1->currentItem();
    const QString sel = item && item->isSelected() ? item->text() : QString();
    QString help;
    auto add = [&help](const char* t) { help += QString::fromLatin1(t); };
    if (sel == QLatin1String("None")) {
        add(HelpGeneral), add(HelpTelnet), add(HelpTnc), add(HelpAgw), add(HelpClosing);
    } else if (sel == QLatin1String("TNC")) {
        add(HelpTnc), add(HelpClosing);
    } else if (sel == QLatin1String("Telnet")) {
        add(HelpTelnet), add(HelpClosing);
    } else if (sel == QLatin1String("AGW Packet Engine")) {
        add(HelpAgw), add(HelpClosing);
    }
    reception.terminal.text = help;
    reception.terminal.caret = help.isEmpty() ? 0 : 1;
    txtUnProcessed->setPlainText(QString(help).remove(QLatin1Char('\r')));
    QTextCursor c = txtUnProcessed->textCursor();
    c.setPosition(std::min<int>(1, int(txtUnProcessed->document()->characterCount()) - 1));
    txtUnProcessed->setTextCursor(c);
}

void PacketSpotfrm::List1_Click()
{
    chkDX->setChecked(false);
    QListWidgetItem* item = List1->currentItem();
    const QString selected = item && item->isSelected() ? item->text() : QString();
    if (!SpotSettingsLoading) {
        Command2_Click();
        DisableAllOptions();
        SpotSource = selected;
        if (is(QStringLiteral("TNC"))) {
            setOptionValue(optBaud96, true);
            setOptionValue(optParityNone, true);
            setOptionValue(optData8, true);
            setOptionValue(optStop1, true);
            setOptionValue(Option3, true);
            txtHex->setText(QStringLiteral("03"));
            EnableTNCOptions();
        }
    }
    ShowSpotHelp();
    if (is(QStringLiteral("Telnet")))
        EnableTelnetOptions();
    if (is(QStringLiteral("AGW Packet Engine")))
        EnableAGWOptions();
    if (is(QStringLiteral("TNC")))
        Label6->setText(QStringLiteral("Send text  (Ctrl C or Esc for TNC Command mode):"));
    else if (is(QStringLiteral("AGW Packet Engine")))
        Label6->setText(QStringLiteral("Send text (use : to send cmds such as :C Quolt or :D)"));
    else if (is(QStringLiteral("Telnet")))
        Label6->setText(QStringLiteral("Type text to send and press enter:"));
}

void PacketSpotfrm::lineOption_Click()
{
    if (!SpotSettingsLoading)
        Command2_Click();
}

void PacketSpotfrm::Command1_Click()
{
    replaceTerminal(QStringLiteral("** Attempting to Open Port **") + CrLf + CrLf);
    comComm1.close();
    if (!is(QStringLiteral("None"))) {
        Label4->show();
        if (isVisible()) {
            if (!txtSent->isEnabled())
                return;   // no source's controls were ever enabled: nothing to open
            txtSent->setFocus();
        }
    }
    if (is(QStringLiteral("TNC")))
        ReadCommSettings();
    else if (is(QStringLiteral("AGW Packet Engine")))
        OpenAGW();
    else if (is(QStringLiteral("Telnet")))
        OpenTelnet();
}

void PacketSpotfrm::Command2_Click()
{
    if (!listening())
        return;
    Label4->hide();
    appendTerminal(CrLf + CrLf + QStringLiteral("** Port Closed **"));
    comComm1.close();
    Winsock1.close();
    if (is(QStringLiteral("AGW Packet Engine"))) {
        Platform::PacketEngine* engine = engineSlot();
        if (!AGWLinkedCall.isEmpty()) {
            if (engine)
                engine->putData(AGWLinkedCall, QString(), 'd');
            setWindowTitle(QStringLiteral("DX Spotting Setup"));
            AGWLinkedCall.clear();
        }
        if (engine)
            engine->close();
    }
    Timer1->setEnabled(false);
}

void PacketSpotfrm::Command3_Click()
{
    const QString last = G.QSOCount > 0 ? G.ContactArrays.ContactCall.value(G.QSOCount) : QString();
    txtSent->setText(QStringLiteral("DX Frequency in kHz ") + last);
    txtSent->setFocus();
    setSelection(txtSent, 3, 16);
}

void PacketSpotfrm::Form_KeyDown(int& KeyCode, int Shift)
{
    if (!(KeyCode == KeyEvents::vbKeyEscape || (KeyCode == 67 && Shift == KeyEvents::CtrlMask)))
        return;
    chkDX->setChecked(false);
    if (!listening())
        Command1_Click();
    if (comComm1.isOpen() && is(QStringLiteral("TNC"))) {
        bool ok = false;
        const int code = txtHex->text().trimmed().toInt(&ok, 16);
        if (ok && code >= 0 && code <= 255) {
            comComm1.write(QByteArray(1, char(code)));
            KeyCode = 0;
            txtSent->setFocus();
        }
    }
    if (txtSent->text().isEmpty())
        txtSent->setFocus();
}

void PacketSpotfrm::cmdDone_Click()
{
    if (!is(QStringLiteral("None")) && !listening())
        Command1_Click();
    Form1::instance().SavePref();
    SaveSpotSettings();
    Form1::instance().PacketResize();
    hide();
}

void PacketSpotfrm::Timer1_Timer()
{
    if (is(QStringLiteral("TNC")) && comComm1.isOpen()) {
        reception.ReadTNCPort(comComm1.read());
        TrimTerminal();
    }
    if (is(QStringLiteral("AGW Packet Engine")))
        PollAGW();
    if (reception.tick(Form1::instance().BandMapShown()))
        Form1::instance().DisplayBandMapLabels();
}

void PacketSpotfrm::txtSent_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 13) {
        if (!listening())
            Command1_Click();
        if (is(QStringLiteral("TNC"))) {
            if (comComm1.isOpen())
                comComm1.write(txtSent->text().toLatin1() + '\r');
        } else if (is(QStringLiteral("Telnet"))) {
            SendTelnet();
        } else if (is(QStringLiteral("AGW Packet Engine"))) {
            if (Timer1->isEnabled())
                SendAGW(txtSent->text());
        }
        txtSent->clear();
    }
    if (is(QStringLiteral("AGW Packet Engine")) && KeyAscii == 27)
        KeyAscii = 58;
    if (KeyAscii == 13 || KeyAscii == 27)
        KeyAscii = 0;
}

void PacketSpotfrm::txtSent_Change()
{
    // A long line to the packet engine goes out at the first blank typed past 70 characters.
    if (!is(QStringLiteral("AGW Packet Engine")) || !Timer1->isEnabled())
        return;
    const QString text = txtSent->text();
    if (text.size() > 70 && text.endsWith(QLatin1Char(' '))) {
        SendAGW(text.left(text.size() - 1));
        txtSent->clear();
    }
}

void PacketSpotfrm::OpenAGW()
{
    const QString call = G.OwnCall.trimmed();
    if (call.isEmpty()) {
        Platform::prompts().beep();
        Platform::prompts().messageBox(QStringLiteral("Please enter your call sign on the setup form to transmit!"),
                                       QStringLiteral("Call Sign Required!"));
        return;
    }
    const QString application = Form1::instance().windowTitle().left(50).trimmed();
    Platform::PacketEngine* engine = engineSlot();
    if (engine && engine->startPoll(call, application)) {
        Timer1->setEnabled(true);
        appendTerminal(CrLf + QStringLiteral("** Successfully connected to AGW Packet Engine **") + CrLf + CrLf);
        return;
    }
    if (!engine)
        qCWarning(lcSpots) << "no packet engine installed";
    const QString opening = QStringLiteral(
        "Unable to connect to the AGW Packet Engine.  To use the AGW Packet Engine to send and receive packet with "
        "your soundcard or devices such a Baypac:");
    const QString download = QStringLiteral("- Download the freely available software from ") + EngineSite;
    Platform::prompts().messageBox(opening + CrLf + CrLf + download + CrLf + CrLf +
                                       QStringLiteral("- Make sure the AGW Packet Engine software is running and "
                                                      "configure it as described on the AGW Packet Engine website."),
                                   QStringLiteral("Unable to connect to the AGW Packet Engine."));
    Label4->hide();
    appendTerminal(opening + CrLf + CrLf + download + CrLf + CrLf +
                   QStringLiteral("- Run the Packet Engine software and configure it as described on the AGW Packet "
                                  "Engine website for your sound card or TNC.") +
                   CrLf + CrLf + QStringLiteral("- Click Open from this program.") + CrLf + CrLf);
    if (!isVisible())
        show();
    Command2_Click();
    Timer1->setEnabled(false);
}

void PacketSpotfrm::PollAGW()
{
    Platform::PacketEngine* engine = engineSlot();
    if (!engine)
        return;
    Platform::PacketEngine::Frame frame;
    if (!engine->getData(frame)) {
        // Frames that came before a break are all taken first; then the break is said and the
        // source closed, so "Listening" never stands without a connection.
        if (engine->lost()) {
            appendTerminal(CrLf + QStringLiteral("** Connection to the AGW Packet Engine lost **") + CrLf);
            Command2_Click();
            Platform::prompts().beep();
        }
        return;
    }
    const Spots::EngineFrameEffect effect =
        Spots::takeEngineFrame(reception, AGWLinkedCall, frame.fromCall, frame.data, frame.kind);
    TrimTerminal();
    if (effect.caption)
        setWindowTitle(*effect.caption);
    for (int i = 0; i < effect.beeps; ++i)
        Platform::prompts().beep();
}

void PacketSpotfrm::SendAGW(const QString& text)
{
    const Spots::EngineSend send = Spots::planEngineSend(text, AGWLinkedCall);
    if (send.callRequired)
        Platform::prompts().messageBox(QStringLiteral("You must enter a call sign to connect to such as :C Quolt"),
                                       QStringLiteral("Call sign Required"));
    if (Platform::PacketEngine* engine = engineSlot())
        for (const Spots::EngineSend::Frame& f : send.frames)
            engine->putData(f.toCall, f.data, f.kind);
}

void PacketSpotfrm::SendTelnet()
{
    if (!Winsock1.send(txtSent->text() + CrLf))
        appendTerminal(QStringLiteral("**  Connection not yet established.  Please wait a moment and try again.") +
                       CrLf + CrLf);
}

void PacketSpotfrm::OpenTelnet()
{
    Winsock1.close();
    const QString host = txtTelnetHost->text().trimmed();
    const QString portText = txtTelnetPort->text().trimmed();
    double port = 0;
    if (!ListFormat::parseNumber(portText, port) || port != std::floor(port) || port < 1 || port > 65535) {
        // Refused here rather than connecting to a port nobody meant.
        appendTerminal(QStringLiteral("** Invalid telnet port: \"%1\" **").arg(portText) + CrLf + CrLf);
        Platform::prompts().messageBox(QStringLiteral("The telnet port must be a whole number from 1 to 65535."),
                                       QStringLiteral("Invalid Telnet Port"));
        Command2_Click();
        return;
    }
    // The box shows a slice of lines at once: redrawing it per line would freeze the window
    // during a burst of spots.
    Winsock1.onLine = [this](const QString& line) { reception.telnetLine(line); };
    Winsock1.onSliceEnd = [this] { TrimTerminal(); };
    Winsock1.onPartial = [this](const QString& text) {
        reception.telnetPartial(text);
        TrimTerminal();
    };
    Winsock1.onError = [this](int number) { Winsock1_Error(number); };
    Winsock1.connectTo(host, quint16(port));
    replaceTerminal(QStringLiteral("Attempting connection to: ") + host + QLatin1Char(':') +
                    QString::number(int(port)) + CrLf + CrLf);
    Timer1->setEnabled(true);
}

void PacketSpotfrm::Winsock1_Error(int number)
{
    const QString message = number == Spots::TelnetSource::ClosedByPeer
                                ? CrLf + QStringLiteral("** Connection closed by the cluster **")
                                : Spots::winsockErrorText(number);
    Winsock1.close();
    appendTerminal(message);
    Command2_Click();
    TrimTerminal();
    Platform::prompts().beep();
}

void PacketSpotfrm::OpenTNCPort()
{
    comComm1.close();
    comComm1.onLost = [this] {
        // An adapter pulled out is said like a connection that breaks; Open or Done starts it again.
        if (!is(QStringLiteral("TNC")) || !listening())
            return;
        appendTerminal(CrLf + QStringLiteral("** TNC Serial Port lost **") + CrLf);
        Command2_Click();
        Platform::prompts().beep();
    };
    if (comComm1.open(settings.TNCCommPort,
                      settings.TNCBaudRate.trimmed() + QLatin1Char(',') + settings.TNCParity + QLatin1Char(',') +
                          settings.TNCDataBits + QLatin1Char(',') + settings.TNCStopBits,
                      settings.TNCHandshaking, settings.TNCPowerLine)) {
        Timer1->setEnabled(true);
        appendTerminal(QStringLiteral("** TNC Serial Port Open **") + CrLf + CrLf);
        return;
    }
    qCWarning(lcSpots) << "TNC port" << comComm1.devicePath() << "not opened:" << comComm1.errorText();
    Platform::prompts().beep();
    appendTerminal(QStringLiteral("** Unable to open TNC Serial Port **") + CrLf + CrLf);
    Platform::prompts().messageBox(
        QStringLiteral("The comm port that you selected for DX Spotting is either in use, invalid or the settings "
                       "that you have selected are invalid.  Please select another combination or choose None for "
                       "your DX Spot selection."),
        QStringLiteral("Invalid Comm Settings."));
    // Shown modally until the operator has mended the port (or chosen another source) and left
    // with Done; Close runs when that display ends.
    if (!isVisible())
        ModalWindow::show(*this);
    Command2_Click();
    Timer1->setEnabled(false);
}

void PacketSpotfrm::ReadCommSettings()
{
    if (is(QStringLiteral("None")))
        return;
    Label4->show();
    for (int i = 0; i < optComm.size(); ++i)
        if (optComm[i]->isChecked())
            settings.TNCCommPort = i + 1;
    auto pick = [](std::initializer_list<std::pair<QRadioButton*, const char*>> group, QString& member) {
        for (const auto& [button, value] : group)
            if (button->isChecked()) {
                member = QLatin1String(value);
                return;
            }
    };
    pick({{optBaud12, "1200"},
          {optBaud24, "2400"},
          {optBaud48, "4800"},
          {optBaud96, "9600"},
          {optBaud144, "14400"},
          {optBaud192, "19200"}},
         settings.TNCBaudRate);
    pick({{optParityOdd, "O"}, {optParityNone, "N"}, {optParityEven, "E"}}, settings.TNCParity);
    pick({{optData7, "7"}, {optData8, "8"}}, settings.TNCDataBits);
    pick({{optStop1, "1"}, {optStop2, "2"}}, settings.TNCStopBits);
    pick({{optPowerNone, "N"}, {optPowerRTS, "R"}, {optPowerDTR, "D"}}, settings.TNCPowerLine);
    const QRadioButton* hs[] = {Option1, Option2, Option3, Option4};
    for (int i = 0; i < 4; ++i)
        if (hs[i]->isChecked())
            settings.TNCHandshaking = i + 1;
    if (is(QStringLiteral("TNC")))
        OpenTNCPort();
}

void PacketSpotfrm::ReadSpotSettings()
{
    Spots::SpotSettings s = settings;
    const int items = Spots::loadSpotSettings(G.ProgramFolder, s);
    if (items < 0)
        return;
    // Items read before a bad one keep their new values; nothing else changes then.
    settings = s;
    SpotSource = s.SpotSource;
    if (items < 14)
        return;
    setOptionValue(OptList, s.optList);
    txtHex->setText(stripQuotes(s.txtHex));
    txtTelnetPort->setText(stripQuotes(s.txtTelnetPort));
    txtTelnetHost->setText(stripQuotes(s.txtTelnetHost));
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->text().compare(SpotSource, Qt::CaseInsensitive) == 0)
            List1->setCurrentRow(i);
    // A TNC line never opened (a telnet or packet-engine setting) is saved as port 0 and empty
    // line values: those groups keep their buttons, and the rest of the file is restored and the
    // saved source opened, as for any other setting the window wrote.
    if (s.TNCCommPort >= 1 && s.TNCCommPort <= 10)
        setOptionValue(optComm[s.TNCCommPort - 1], true);
    auto restore = [](std::initializer_list<std::pair<QRadioButton*, const char*>> group, const QString& value) {
        if (value.isEmpty())
            return;
        for (const auto& [button, v] : group)
            setOptionValue(button, value.compare(QLatin1String(v), Qt::CaseInsensitive) == 0);
    };
    restore({{optBaud12, "1200"},
             {optBaud24, "2400"},
             {optBaud48, "4800"},
             {optBaud96, "9600"},
             {optBaud144, "14400"},
             {optBaud192, "19200"}},
            Spots::trimBlanks(s.TNCBaudRate));
    restore({{optParityOdd, "O"}, {optParityNone, "N"}, {optParityEven, "E"}}, s.TNCParity);
    restore({{optData7, "7"}, {optData8, "8"}}, s.TNCDataBits);
    restore({{optStop1, "1"}, {optStop2, "2"}}, s.TNCStopBits);
    restore({{optPowerNone, "N"}, {optPowerRTS, "R"}, {optPowerDTR, "D"}}, s.TNCPowerLine);
    QRadioButton* hs[] = {Option1, Option2, Option3, Option4};
    if (s.TNCHandshaking != 0)
        for (int i = 0; i < 4; ++i)
            setOptionValue(hs[i], s.TNCHandshaking == i + 1);
    SpotSettingsLoading = false;
    if (is(QStringLiteral("TNC")))
        EnableTNCOptions();
    else if (is(QStringLiteral("Telnet")))
        EnableTelnetOptions();
    else if (is(QStringLiteral("AGW Packet Engine")))
        EnableAGWOptions();
    if (!is(QStringLiteral("None")))
        Command1_Click();
}

void PacketSpotfrm::SaveSpotSettings()
{
    Spots::SpotSettings s = settings;
    s.SpotSource = SpotSource;
    s.listDxOnly = chkDX->isChecked() ? 1 : 0;
    s.optList = OptList->isChecked();
    s.txtHex = txtHex->text();
    s.txtTelnetPort = txtTelnetPort->text();
    s.txtTelnetHost = txtTelnetHost->text();
    Spots::saveSpotSettings(G.ProgramFolder, s);
}

void PacketSpotfrm::appendTerminal(const QString& s)
{
    reception.terminal.append(s);
    TrimTerminal();
}

void PacketSpotfrm::replaceTerminal(const QString& s)
{
    reception.terminal.replace(s);
    TrimTerminal();
}

void PacketSpotfrm::TrimTerminal()
{
    reception.terminal.TrimTerminal();
    const QString shown = QString(reception.terminal.text).remove(QLatin1Char('\r'));
    if (txtUnProcessed->toPlainText() != shown) {
        txtUnProcessed->setPlainText(shown);
        txtUnProcessed->verticalScrollBar()->setValue(txtUnProcessed->verticalScrollBar()->maximum());
    }
}
