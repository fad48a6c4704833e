#include "rig/RigControlfrm.h"
#include "rig/frmFrequencyTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include "core/DeviceLayout.h"
#include "core/Files.h"
#include "core/Form1.h"
#include "core/Module2Prefs.h"
#include "core/Globals.h"
#include "core/ModalWindow.h"
#include "platform/ComPorts.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "rig/RigLog.h"
#include "rig/RigProtocol.h"
#include "rig/RigSettings.h"

using Kind = ControlGeometry::Kind;
using DeviceLayout::addButton;
using DeviceLayout::addLabel;
using DeviceLayout::addOption;
using DeviceLayout::addTextBox;

namespace {

constexpr double DesignWidth = 9480;
constexpr double DesignHeight = 6900;
constexpr double HelpPt = 6.75;
// A wait for the radio never outlasts this, whatever it sends.
constexpr int InputPendingLimitMs = 2000;

const QString None = QStringLiteral("None");
const QString NoResponse = QStringLiteral("No Response");
const QString PollingRig = QStringLiteral("Polling Rig");
// Where "Polling Rig" stood, after the port failed under the poll.
const QString PortLost = QStringLiteral("Comm Port Lost");
const QString InvalidCommTitle = QStringLiteral("Invalid Comm Settings.");
const QString InvalidCommText = QStringLiteral(
    "The comm port that you selected for rig interface is either in use, invalid or the settings that you have "
    "selected are invalid.  Please select another combination or choose None for your rig selection.");
const QString NotPollingText = QStringLiteral(
    "You must be polling your rig to test this function.  Please select your rig type and click the Test command "
    "button.");
const QString NotPollingTitle = QStringLiteral("You must be polling your rig to test this function.");

// Lets the event loop run once (the waits of a rig exchange yield while they wait).
void yieldOnce() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QString firstSelected(const QVector<QPair<QRadioButton*, QString>>& group, const QString& keep)
{
    for (const auto& [option, value] : group)
        if (option->isChecked())
            return value;
    return keep;
}

}   // namespace

RigControlfrm::RigControlfrm() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("RigControlfrm"));
    setWindowTitle(QStringLiteral(" Rig Interface Setup"));
    DesignLayout& d = design();

    // Model and queries.
    addLabel(d, QStringLiteral("lblSelectRig"), QStringLiteral("Select Rig:"), 120, 120, 2400, 255);
    List1 = d.add<QListWidget>(QStringLiteral("List1"), Kind::ListBox, 120, 390, 2400, 2880);
    addLabel(d, QStringLiteral("lblFreqQuery"), QStringLiteral("String to read frequency:"), 120, 3360, 2400, 255);
    txtFreq = addTextBox(d, QStringLiteral("txtFreq"), QString(), 120, 3630, 2400, 285);
    addLabel(d, QStringLiteral("lblModeQuery"), QStringLiteral("String to read mode:"), 120, 3990, 2400, 255);
    txtMode = addTextBox(d, QStringLiteral("txtMode"), QString(), 120, 4260, 2400, 285);
    chkConvToHex = d.add<QCheckBox>(QStringLiteral("chkConvToHex"), Kind::CheckBox, 120, 4620, 2400, 255);
    chkConvToHex->setText(QStringLiteral("Convert to Hex"));
    chkConvToHex->setEnabled(false);
    ChkConvHex = d.add<QCheckBox>(QStringLiteral("ChkConvHex"), Kind::CheckBox, 120, 4890, 2400, 255);
    ChkConvHex->setText(QStringLiteral("Convert from Hex"));
    chkFrequency = d.add<QCheckBox>(QStringLiteral("chkFrequency"), Kind::CheckBox, 120, 5160, 2400, 255);
    chkFrequency->setText(QStringLiteral("Use Frequency"));
    chkFrequency->setChecked(true);
    Frame1 = d.addFrame(QStringLiteral("Frame1"), QStringLiteral("Mode by:"), 120, 5460, 2400, 1320);
    d.addOptionColumn(
        Frame1, {{&OptRig, "OptRig", "Rig"}, {&OptFreq, "OptFreq", "Frequency"}, {&OptDont, "OptDont", "Don't Use"}},
        120, 270, 330, 2100, 255);
    OptRig->setChecked(true);

    // Serial line.
    fraBaud = d.addFrame(QStringLiteral("fraBaud"), QStringLiteral("Baud Rate (k):"), 2700, 120, 1500, 3150);
    const QVector<QRadioButton*> bauds = d.addOptionColumn(fraBaud,
                                                           {{&optBaud12, "optBaud12", "1.2"},
                                                            {&optBaud24, "optBaud24", "2.4"},
                                                            {&optBaud48, "optBaud48", "4.8"},
                                                            {&optBaud96, "optBaud96", "9.6"},
                                                            {&optBaud144, "optBaud144", "14.4"},
                                                            {&optBaud192, "optBaud192", "19.2"},
                                                            {&optBaud288, "optBaud288", "28.8"},
                                                            {&optBaud384, "optBaud384", "38.4"},
                                                            {&optBaud560, "optBaud560", "56"}},
                                                           120, 270, 315, 1200, 255);
    optBaud560->setChecked(true);

    fraParity = d.addFrame(QStringLiteral("fraParity"), QStringLiteral("Parity:"), 2700, 3360, 1500, 1200);
    d.addOptionColumn(fraParity,
                      {{&optParityOdd, "optParityOdd", "Odd"},
                       {&optParityNone, "optParityNone", "None"},
                       {&optParityEven, "optParityEven", "Even"}},
                      120, 270, 300, 1200, 255);
    optParityNone->setChecked(true);

    fraData = d.addFrame(QStringLiteral("fraData"), QStringLiteral("Data Bits:"), 4320, 120, 1440, 900);
    d.addOptionColumn(fraData, {{&optData7, "optData7", "7"}, {&optData8, "optData8", "8"}}, 120, 270, 300, 1100, 255);
    optData8->setChecked(true);

    fraStop = d.addFrame(QStringLiteral("fraStop"), QStringLiteral("Stop Bits:"), 4320, 1110, 1440, 900);
    d.addOptionColumn(fraStop, {{&optStop1, "optStop1", "1"}, {&optStop2, "optStop2", "2"}}, 120, 270, 300, 1100, 255);
    optStop1->setChecked(true);

    fraPort = d.addFrame(QStringLiteral("fraPort"), QStringLiteral("Comm Port:"), 4320, 2100, 1440, 1950);
    for (int i = 0; i < 10; ++i)
        optComm[i] = addOption(d, QStringLiteral("optComm(%1)").arg(i), QString::number(i + 1), 120 + (i / 5) * 660,
                               270 + (i % 5) * 315, 600, 255, fraPort);
    optComm[0]->setChecked(true);

    fraPower = d.addFrame(QStringLiteral("fraPower"), QStringLiteral("Connection Power:"), 5880, 120, 1680, 1200);
    d.addOptionColumn(fraPower,
                      {{&optPowerNone, "optPowerNone", "None"},
                       {&optPowerRTS, "optPowerRTS", "RTS"},
                       {&optPowerDTR, "optPowerDTR", "DTR"}},
                      120, 270, 300, 1400, 255);
    optPowerNone->setChecked(true);

    fraPoll = d.addFrame(QStringLiteral("fraPoll"), QStringLiteral("Radio Polling Rate:"), 5880, 1410, 1680, 1500);
    d.addOptionColumn(fraPoll,
                      {{&optPollFast, "optPollFast", "100 ms"},
                       {&optPollMed, "optPollMed", "500 ms"},
                       {&optPollSlow, "optPollSlow", "2 Sec"},
                       {&optReallySlow, "optReallySlow", "10 Sec"}},
                      120, 270, 300, 1400, 255);
    optPollMed->setChecked(true);

    // Buttons and what the radio said.
    Command1 = addButton(d, QStringLiteral("Command1"), QStringLiteral("Test"), 7680, 120, 1680, 375);
    Command2 = addButton(d, QStringLiteral("Command2"), QStringLiteral("End Test"), 7680, 570, 1680, 375);
    Command2->setEnabled(false);
    Command3 = addButton(d, QStringLiteral("Command3"), QStringLiteral("Change Frequency"), 7680, 1020, 1680, 375);
    Command4 = addButton(d, QStringLiteral("Command4"), QStringLiteral("Copy unprocessed data to clipboard"), 7680,
                         1470, 1680, 615);
    cmdDone = addButton(d, QStringLiteral("cmdDone"), QStringLiteral("&Done"), 7680, 2160, 1680, 375);
    Label2 = addLabel(d, QStringLiteral("Label2"), PollingRig, 7680, 2640, 1680, 255);
    Label2->setVisible(false);

    addLabel(d, QStringLiteral("lblFrequencyCaption"), QStringLiteral("Frequency:"), 2700, 4680, 1200, 255);
    lblFreq = addLabel(d, QStringLiteral("lblFreq"), QString(), 3960, 4680, 1800, 255);
    addLabel(d, QStringLiteral("lblModeCaption"), QStringLiteral("Mode:"), 2700, 4980, 1200, 255);
    lblMode = addLabel(d, QStringLiteral("lblMode"), QString(), 3960, 4980, 1200, 255);
    Label9 = addLabel(d, QStringLiteral("Label9"), QStringLiteral("Should be PH or CW"), 5220, 4980, 2300, 255);
    addLabel(d, QStringLiteral("lblUnprocessedCaption"), QStringLiteral("Unprocessed data returned:"), 2700, 5310, 3000,
             255);
    lblUnProcess = addLabel(d, QStringLiteral("lblUnProcess"), QString(), 2700, 5580, 4860, 255);
    for (QLabel* l : {lblFreq, lblMode, lblUnProcess})
        l->setTextFormat(Qt::PlainText);

    Label10 = addLabel(d, QStringLiteral("Label10"),
                       QStringLiteral("Icom radio users will have to replace the 64 in the string with the ID for "
                                      "your particular radio.  Please check your Icom user's manual for details."),
                       2700, 4110, 4860, 510, nullptr, HelpPt);
    Label10->setVisible(false);
    Label8 = addLabel(d, QStringLiteral("Label8"),
                      QStringLiteral("Select your rig and the serial settings it uses, then press Test: the frequency "
                                     "and mode the rig reports appear below.  Some interfaces take their power from "
                                     "the serial port: choose RTS or DTR under Connection Power for them."),
                      7680, 2940, 1680, 1560, nullptr, HelpPt);
    Label11 = addLabel(d, QStringLiteral("Label11"),
                       QStringLiteral("This interface is a test version.  With Other you can type commands from your "
                                      "radio's manual and see what it returns."),
                       7680, 4560, 1680, 1080, nullptr, HelpPt);
    Label12 = addLabel(d, QStringLiteral("Label12"),
                       QStringLiteral("A right click on a band-map spot tunes the radio to it; Change Frequency "
                                      "tests this."),
                       2700, 5880, 4860, 480, nullptr, HelpPt);

    tmrGetData = new VbTimer(this);
    tmrGetData->setInterval(1000);
    tmrGetData->setEnabled(false);

    // Handlers.
    connect(List1, &QListWidget::currentRowChanged, this, [this](int) { List1_Click(); });
    connect(txtFreq, &QLineEdit::textChanged, this, [this](const QString& t) { RigFreqQuery = t; });
    connect(txtMode, &QLineEdit::textChanged, this, [this](const QString& t) { RigModeQuery = t; });
    txtFreq->installEventFilter(this);
    txtMode->installEventFilter(this);
    connect(chkConvToHex, &QCheckBox::toggled, this, [this](bool on) { ChkConvHex->setChecked(on); });
    for (QRadioButton* o : {OptRig, OptFreq, OptDont})
        connect(o, &QRadioButton::clicked, this, [this] { modeSourceClicked(); });
    QVector<QRadioButton*> endTest = {optParityOdd, optParityNone, optParityEven, optData7,     optData8,
                                      optStop1,     optStop2,      optPowerNone,  optPowerRTS,  optPowerDTR,
                                      optPollFast,  optPollMed,    optPollSlow,   optReallySlow};
    for (QRadioButton* o : bauds)
        endTest.append(o);
    for (QRadioButton* o : optComm)
        endTest.append(o);
    for (QRadioButton* o : endTest)
        connect(o, &QRadioButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    connect(tmrGetData, &VbTimer::timeout, this, [this] { tmrGetData_Timer(); });

    frequencyTestWindow = [this] {
        frmFrequencyTest w(*this, this);
        w.exec();
    };
    comComm1.setLostHandler([this] { portLost(); });
    poll.bandFreqConversion = [](float& f) { Form1::instance().BandFreqConversion(f); };
    poll.modeSelection = [](QString& m) { Form1::instance().ModeSelection(m); };
    poll.readPegasusStatus = []() -> std::optional<QByteArray> {
        QByteArray data;
        if (!Files::readAll(Files::resolve(Rig::Pegasus::folder(), QStringLiteral("PEGASUS.OUT")), data))
            return std::nullopt;
        return data.left(4096);
    };

    Form_Load();
}

void RigControlfrm::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    DeviceLayout::scaleToShare(design().geometry(), s.workWidth, s.workHeight, s.width, true);
    design().apply();

    for (const Rig::Model& m : Rig::models())
        List1->addItem(m.name);

    RigSettingsLoading = 1;
    ReadRigSettings();
    LoadBandPlan();
    RigSettingsLoading = 0;
    poll.RigVFO = 10;
    // A first run has no rig type yet: that is no rig, and no port is opened for it.
    if (G.RigType.isEmpty())
        G.RigType = None;
}

// ---------------------------------------------------------------------------------------------
// Settings

QVector<QPair<QRadioButton*, QString>> RigControlfrm::baudOptions() const
{
    return {{optBaud12, "1200"},   {optBaud24, "2400"},   {optBaud48, "4800"},
            {optBaud96, "9600"},   {optBaud144, "14400"}, {optBaud192, "19200"},
            {optBaud288, "28800"}, {optBaud384, "38400"}, {optBaud560, "56000"}};
}
QVector<QPair<QRadioButton*, QString>> RigControlfrm::parityOptions() const
{
    return {{optParityOdd, "O"}, {optParityNone, "N"}, {optParityEven, "E"}};
}
QVector<QPair<QRadioButton*, QString>> RigControlfrm::dataOptions() const { return {{optData7, "7"}, {optData8, "8"}}; }
QVector<QPair<QRadioButton*, QString>> RigControlfrm::stopOptions() const { return {{optStop1, "1"}, {optStop2, "2"}}; }
QVector<QPair<QRadioButton*, QString>> RigControlfrm::powerOptions() const
{
    return {{optPowerNone, "N"}, {optPowerRTS, "R"}, {optPowerDTR, "D"}};
}
QVector<QPair<QRadioButton*, QString>> RigControlfrm::pollOptions() const
{
    return {{optPollFast, "F"}, {optPollMed, "M"}, {optPollSlow, "S"}, {optReallySlow, "R"}};
}

void RigControlfrm::selectByValue(const QVector<QPair<QRadioButton*, QString>>& group, const QString& value)
{
    QRadioButton* chosen = nullptr;
    for (const auto& [option, v] : group)
        if (v == value)
            chosen = option;
    if (chosen) {
        setOptionValue(chosen, true);
        return;
    }
    // No option carries the value: the group shows none selected, and Test keeps the member.
    for (const auto& [option, v] : group)
        setOptionValue(option, false);
}

void RigControlfrm::ReadRigSettings()
{
    const Rig::RigSettings s = Rig::readRigSettings(G.ProgramFolder);
    const int n = s.itemsRead;
    const std::array<std::function<void()>, 11> take = {
        [&] { RigBaud = s.RigBaud; },
        [&] { RigParity = s.RigParity; },
        [&] { RigDataBits = s.RigDataBits; },
        [&] { RigStopBits = s.RigStopBits; },
        [&] { RigModeQuery = s.RigModeQuery; },
        [&] { RigFreqQuery = s.RigFreqQuery; },
        [&] { RigCommSettings = s.RigCommSettings; },
        [&] { RigCommPort = uint8_t(s.RigCommPort); },
        [&] { RigPowerLine = s.RigPowerLine; },
        [&] { RigPollRate = s.RigPollRate; },
        [&] { G.RigType = s.RigType; },
    };
    for (int i = 0; i < n && i < int(take.size()); ++i)
        take[i]();
    if (!s.complete())
        return;

    setOptionValue(chkConvToHex, s.convToHex != 0);
    setOptionValue(chkFrequency, s.useFrequency != 0);
    if (s.modeSource == 1)
        setOptionValue(OptRig, true);
    else if (s.modeSource == 2)
        setOptionValue(OptFreq, true);
    else if (s.modeSource == 3)
        setOptionValue(OptDont, true);
    txtFreq->setText(RigFreqQuery);
    txtMode->setText(RigModeQuery);
    RigFreqQuery = s.RigFreqQuery;
    RigModeQuery = s.RigModeQuery;
    const QList<QListWidgetItem*> found = List1->findItems(G.RigType, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        List1->setCurrentItem(found.first());
    if (G.RigType == QLatin1String("Other"))
        chkConvToHex->setEnabled(true);
    if (G.RigType == QLatin1String("Icom"))
        Label10->setVisible(true);
    if (RigCommPort < 1 || RigCommPort > 10) {
        qCWarning(lcRig) << "RigCntrl.txt: port" << RigCommPort << "is not 1 to 10";
        return;
    }
    setOptionValue(optComm[RigCommPort - 1], true);
    selectByValue(baudOptions(), RigBaud.trimmed());
    selectByValue(parityOptions(), RigParity);
    selectByValue(dataOptions(), RigDataBits);
    selectByValue(stopOptions(), RigStopBits);
    selectByValue(powerOptions(), RigPowerLine);
    selectByValue(pollOptions(), RigPollRate);
}

void RigControlfrm::SaveRigSettings()
{
    Rig::RigSettings s;
    s.RigBaud = RigBaud;
    s.RigParity = RigParity;
    s.RigDataBits = RigDataBits;
    s.RigStopBits = RigStopBits;
    s.RigModeQuery = RigModeQuery;
    s.RigFreqQuery = RigFreqQuery;
    s.RigCommSettings = RigCommSettings;
    s.RigCommPort = RigCommPort;
    s.RigPowerLine = RigPowerLine;
    s.RigPollRate = RigPollRate;
    s.RigType = G.RigType;
    s.convToHex = chkConvToHex->isChecked() ? 1 : 0;
    s.useFrequency = chkFrequency->isChecked() ? 1 : 0;
    s.modeSource = OptDont->isChecked() ? 3 : OptFreq->isChecked() ? 2 : 1;
    Rig::writeRigSettings(G.ProgramFolder, s);
}

void RigControlfrm::LoadBandPlan() { ExtraPlanRows = Rig::loadExtraPlanRows(G.ProgramFolder); }

void RigControlfrm::List1_Click()
{
    if (RigSettingsLoading)
        return;
    Command2_Click();
    QListWidgetItem* item = List1->currentItem();
    if (!item)
        return;
    G.RigType = item->text();
    txtFreq->clear();
    txtMode->clear();
    setOptionValue(chkConvToHex, false);
    chkConvToHex->setEnabled(false);
    Label10->setVisible(false);

    const Rig::Model* m = Rig::findModel(G.RigType);
    if (!m)
        return;
    if (!m->baud.isEmpty())
        selectByValue(baudOptions(), m->baud);
    if (m->dataBits)
        selectByValue(dataOptions(), QString(QLatin1Char(m->dataBits)));
    if (m->stopBits)
        selectByValue(stopOptions(), QString(QLatin1Char(m->stopBits)));
    if (m->parity)
        selectByValue(parityOptions(), QString(QLatin1Char(m->parity)));
    txtFreq->setText(m->freqQuery);
    txtMode->setText(m->modeQuery);
    setOptionValue(chkConvToHex, m->hexQueries);
    if (m->icomNote)
        Label10->setVisible(true);
    if (m->family == Rig::Family::Other)
        chkConvToHex->setEnabled(true);
}

void RigControlfrm::cmdDone_Click()
{
    if (G.RigType.isEmpty())
        G.RigType = None;
    if (G.RigType != None)
        Command1_Click();
    Module2::MarkPrefStored(Module2::PrefItem::RigType);
    Form1::instance().SavePref();
    SaveRigSettings();
    hide();
}

void RigControlfrm::modeSourceClicked()
{
    lblMode->setText(NoResponse);
    poll.RigMode.clear();
}

void RigControlfrm::Command4_Click()
{
    QClipboard* clip = QGuiApplication::clipboard();
    clip->clear();
    clip->setText(lblUnProcess->text());
    cmdDone->setFocus();
}

bool RigControlfrm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == txtFreq || watched == txtMode))
        Command2_Click();
    return DesignWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Connection

bool RigControlfrm::isPegasus() const { return Rig::familyOf(G.RigType) == Rig::Family::Pegasus; }

void RigControlfrm::Command1_Click()
{
    if (G.RigType.isEmpty())
        G.RigType = None;
    if (G.RigType != None) {
        lblMode->setText(NoResponse);
        lblFreq->setText(NoResponse);
        Command2->setEnabled(true);
        Label2->setText(PollingRig);
        Label2->setVisible(true);
        poll.RigMode.clear();
    }
    for (int i = 0; i < 10; ++i)
        if (optComm[i]->isChecked()) {
            RigCommPort = uint8_t(i + 1);
            break;
        }
    RigBaud = Rig::padBaud(firstSelected(baudOptions(), RigBaud.trimmed()));
    RigParity = firstSelected(parityOptions(), RigParity);
    RigDataBits = firstSelected(dataOptions(), RigDataBits);
    RigStopBits = firstSelected(stopOptions(), RigStopBits);
    RigCommSettings = RigBaud.trimmed() + QLatin1Char(',') + RigParity + QLatin1Char(',') + RigDataBits +
                      QLatin1Char(',') + RigStopBits;
    RigPowerLine = firstSelected(powerOptions(), RigPowerLine);
    RigPollRate = firstSelected(pollOptions(), RigPollRate);

    if (G.RigType == None)
        return;
    if (!isPegasus())
        OpenRigPort();
    if (comComm1.isOpen() || isPegasus()) {
        tmrGetData_Timer();
        StartPolling();
    } else {
        Command2->setEnabled(false);
        Label2->setVisible(false);
        forgetFrequency();
    }
}

void RigControlfrm::OpenRigPort()
{
    comComm1.close();
    const QString rig = G.RigType;
    const Platform::Handshake hs = (rig == QLatin1String("Ten Tec Fnt Pnl") || rig == QLatin1String("Ten Tec Orion"))
                                       ? Platform::Handshake::RtsCts
                                       : Platform::Handshake::None;
    const QString path = Platform::comPortPath(RigCommPort, G.DataFolder);
    bool ok = comComm1.open(path, RigCommSettings, hs);
    if (ok) {
        if (RigPowerLine == QLatin1String("R"))
            comComm1.setRts(true);
        else if (RigPowerLine == QLatin1String("D"))
            comComm1.setDtr(true);
        if (Rig::usesYaesuCatOnOff(rig))
            ok = comComm1.write(Rig::yaesuCatOn());
        else if (rig == QLatin1String("Ten Tec Orion"))
            ok = comComm1.write(Rig::orionStart());
    }
    if (ok)
        return;
    qCWarning(lcRig) << "rig port" << RigCommPort << path << "not opened:" << comComm1.errorText();
    comComm1.close();
    Platform::prompts().beep();
    Platform::prompts().messageBox(InvalidCommText, InvalidCommTitle, Platform::Buttons::Ok,
                                   Platform::Icon::Information);
    if (!isVisible())
        showModal();
}

void RigControlfrm::StartPolling()
{
    if (const auto ms = Rig::pollInterval(RigPollRate))
        tmrGetData->setInterval(*ms);
    tmrGetData->setEnabled(true);
}

void RigControlfrm::Command2_Click()
{
    lblMode->clear();
    lblFreq->clear();
    lblUnProcess->clear();
    tmrGetData->setEnabled(false);
    Label2->setVisible(false);
    Command2->setEnabled(false);
    comComm1.close();
    forgetFrequency();
}

void RigControlfrm::forgetFrequency() { G.CurrentFrequency.clear(); }

void RigControlfrm::portLost()
{
    qCWarning(lcRig) << "rig port" << RigCommPort << "lost, polling stopped:" << comComm1.errorText();
    tmrGetData->setEnabled(false);
    Command2->setEnabled(false);
    lblFreq->setText(NoResponse);
    lblMode->setText(NoResponse);
    Label2->setText(PortLost);
    Label2->setVisible(true);
    forgetFrequency();
}

void RigControlfrm::Command3_Click()
{
    if (tmrGetData->isEnabled()) {
        if (frequencyTestWindow)
            frequencyTestWindow();
        return;
    }
    Platform::prompts().messageBox(NotPollingText, NotPollingTitle, Platform::Buttons::Ok, Platform::Icon::Information);
}

void RigControlfrm::Form_Unload()
{
    if (Rig::usesYaesuCatOnOff(G.RigType) && tmrGetData->isEnabled() && comComm1.isOpen())
        comComm1.write(Rig::yaesuCatOff());
    tmrGetData->setEnabled(false);
    comComm1.close();
    forgetFrequency();
}

void RigControlfrm::showModal() { ModalWindow::show(*this); }

// ---------------------------------------------------------------------------------------------
// Poll

Rig::PollSettings RigControlfrm::pollSettings() const
{
    Rig::PollSettings s;
    s.rigType = G.RigType;
    s.freqQuery = RigFreqQuery;
    s.modeQuery = RigModeQuery;
    s.convToHex = chkConvToHex->isChecked();
    s.useFrequency = chkFrequency->isChecked();
    s.modeSource = OptFreq->isChecked()   ? Rig::ModeSource::Frequency
                   : OptDont->isChecked() ? Rig::ModeSource::DontUse
                                          : Rig::ModeSource::Rig;
    s.hexDisplay = ChkConvHex->isChecked();
    s.windowVisible = isVisible();
    return s;
}

void RigControlfrm::tmrGetData_Timer()
{
    const Rig::Shown shown = poll.tick(pollSettings(), &comComm1);
    if (shown.lblFreq)
        lblFreq->setText(*shown.lblFreq);
    if (shown.lblMode)
        lblMode->setText(*shown.lblMode);
    if (shown.lblUnProcess)
        lblUnProcess->setText(*shown.lblUnProcess);
}

// ---------------------------------------------------------------------------------------------
// Driving the radio

bool RigControlfrm::sendCommand(const QByteArray& bytes, QString* error)
{
    if (bytes.isEmpty())
        return true;
    if (!comComm1.write(bytes)) {
        *error = comComm1.errorText();
        return false;
    }
    return true;
}

void RigControlfrm::ChangeFrequency(float& qChangeFreq)
{
    if (!tmrGetData->isEnabled())
        return;
    tmrGetData->setEnabled(false);
    const float frequency = qChangeFreq;   // the caller's value stays as it is
    auto fail = [](const QString& error) {
        Platform::prompts().messageBox(error, QStringLiteral("Error Changing Frequency"));
    };

    if (!isPegasus()) {
        if (!comComm1.isOpen()) {
            fail(comComm1.errorText().isEmpty() ? QStringLiteral("Port is not open") : comComm1.errorText());
            return;
        }
        // Whatever waits is stale; read a bounded amount of it away.
        for (int i = 0; i < 64 && comComm1.bytesWaiting() > 0; ++i)
            poll.RigReply = comComm1.read(Rig::RigPoll::MaxReadPerTick);
    }
    poll.RigReply.clear();

    float f = frequency;
    QString mode;
    ChangeMode(f, mode);
    WaitWhileInputPending();

    const QString rig = G.RigType;
    const Rig::Family family = Rig::familyOf(rig);
    if (family != Rig::Family::None && family != Rig::Family::Other) {
        PauseMs(float(Rig::frequencyCommandPauseMs(rig)));
        if (const int extra = Rig::frequencyCommandExtraPauseMs(rig)) {
            yieldOnce();
            PauseMs(float(extra));
        }
        if (family == Rig::Family::Pegasus) {
            float copy = frequency;
            WritePegasusCommand(copy);
        } else {
            const QByteArray cmd = Rig::frequencyCommand(rig, frequency, RigFreqQuery, poll.RigVFO);
            if (cmd.isEmpty())
                qCWarning(lcRig) << "no frequency command for" << rig << frequency;
            QString error;
            if (!sendCommand(cmd, &error)) {
                fail(error);
                return;
            }
        }
    }
    WaitWhileInputPending();
    // A port lost during the exchange stays idle until the operator's Test.
    if (isPegasus() || comComm1.isOpen())
        tmrGetData->setEnabled(true);
}

void RigControlfrm::ChangeMode(float& qChangeFrequency, QString& ModeToChangeTo)
{
    if (G.RigType == None || G.RigType.isEmpty())
        return;
    if (ModeToChangeTo.isEmpty())
        BandPlanMode(qChangeFrequency, ModeToChangeTo);
    if (ModeToChangeTo.isEmpty()) {
        WaitWhileInputPending();
        return;
    }
    yieldOnce();
    WaitWhileInputPending();
    PauseMs(99);
    const QByteArray cmd = Rig::modeCommand(G.RigType, ModeToChangeTo, RigFreqQuery, RigModeQuery);
    if (!cmd.isEmpty()) {
        QString error;
        if (!sendCommand(cmd, &error)) {
            Platform::prompts().messageBox(error + QLatin1Char(' ') + ModeToChangeTo,
                                           QStringLiteral("Error Changing Mode"));
            return;
        }
    }
    WaitWhileInputPending();
}

void RigControlfrm::WaitWhileInputPending()
{
    const QDeadlineTimer deadline(InputPendingLimitMs);
    while (!deadline.hasExpired()) {
        if (comComm1.bytesWaiting() < 1)
            return;
        yieldOnce();
        QThread::msleep(1);
    }
}

void RigControlfrm::PauseMs(float ms)
{
    yieldOnce();
    const QDeadlineTimer deadline(qint64(ms > 0 ? ms : 0));
    while (!deadline.hasExpired()) {
        yieldOnce();
        QThread::msleep(1);
    }
    yieldOnce();
}

void RigControlfrm::WritePegasusCommand(float& frequency)
{
    const QByteArray data = Rig::Pegasus::command(frequency, poll.RigMode);
    if (data.isEmpty())
        return;
    QString error;
    if (!Files::writeAtomic(Files::resolve(Rig::Pegasus::folder(), QStringLiteral("PEGASUS.IN")), data, &error))
        qCWarning(lcRig) << "PEGASUS.IN not written:" << error;
}

void RigControlfrm::BandPlanMode(float& frequency, QString& mode)
{
    if (const auto m = Rig::bandPlanMode(ExtraPlanRows, frequency))
        mode = *m;
}
