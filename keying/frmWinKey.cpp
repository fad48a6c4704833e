#include "keying/frmWinKey.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

#include "core/Files.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/ModalWindow.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "keying/KeyerLayout.h"
#include "keying/KeyerSettings.h"
#include "keying/KeyingLog.h"
#include "keying/KeyingPump.h"
#include "keying/modWinKey.h"
#include "platform/KeyEvents.h"
#include "platform/Monotonic.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using KeyerLayout::addButton;
using KeyerLayout::addLabel;
using KeyerLayout::addTextBox;

namespace {

constexpr double DesignWidth = 6600;
constexpr double DesignHeight = 5400;
constexpr int PauseMs = 10;

QString openStatusText(int32_t result)
{
    switch (result) {
    case modWinKey::WK_OK: return QStringLiteral("WK Success!");
    case modWinKey::WK_NO_ECHO: return QStringLiteral("No Echo Response");
    case modWinKey::WK_ECHO_MISMATCH: return QStringLiteral("Echo Mismatch");
    case modWinKey::WK_NO_OPEN_RESPONSE: return QStringLiteral("No Open Response");
    case modWinKey::WK_COM_OPEN_FAILED: return QStringLiteral("Com Open Failed");
    case modWinKey::WK_GET_COM_ST: return QStringLiteral("Get Com ST Failed");
    case modWinKey::WK_SET_COM_ST: return QStringLiteral("Set Com ST Failed");
    case modWinKey::WK_ALREADY_OPEN: return QStringLiteral("WK Already Open");
    case modWinKey::WK_NOT_OPEN: return QStringLiteral("WK Not Open");
    default: return {};
    }
}

// A box's number converted to a byte (halves to even); no value when it is not a number or does
// not fit.
std::optional<uint8_t> byteOf(const QString& text)
{
    if (!Format::isNumeric(text))
        return std::nullopt;
    const double r = std::nearbyint(Format::toNumber(text));
    if (r < 0 || r > 255)
        return std::nullopt;
    return uint8_t(r);
}

// The range check of a setting box: in [lo, hi] the value is sent; a number outside is left as it
// is; anything else resets the box.
void checkSetting(QLineEdit* box, double lo, double hi, const QString& reset, void (*send)(uint8_t))
{
    const QString t = box->text();
    if (!Format::isNumeric(t)) {
        box->setText(reset);
        return;
    }
    const double v = Format::toNumber(t);
    if (v >= lo && v <= hi)
        send(uint8_t(std::nearbyint(v)));
}

}   // namespace

frmWinKey::frmWinKey() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("frmWinKey"));
    setWindowTitle(QStringLiteral(" WinKey Setup"));
    DesignLayout& d = design();

    struct BoxRow {
        QLineEdit** box;
        const char* name;
        const char* label;
        const char* text;
        const char* help;
    };
    const BoxRow rows[] = {
        {&txtWKComPort, "txtWKComPort", "Com Port:", "5", ""},
        {&txtWKWPM, "txtWKWPM", "WPM:", "18", "Up / down arrows from main form change speeds."},
        {&txtWeight, "txtWeight", "Weight:", "50", "Proportional amount added or subtracted (50 is standard)."},
        {&txtLeadIn, "txtLeadIn", "Lead In:", "0", "Lead in time for transmitter (10 ms increments)."},
        {&txtTail, "txtTail", "Tail:", "0", "Tail time after keying has stopped (10 ms increments)."},
        {&txtRatio, "txtRatio", "Ratio:", "50", "Ratio of dits to dahs (Range: 33 - 66)."},
    };
    double top = 120;
    for (const BoxRow& r : rows) {
        addLabel(d, QStringLiteral("lbl") + QLatin1String(r.name), QLatin1String(r.label), 120, top + 30, 1080, 255);
        *r.box = addTextBox(d, QLatin1String(r.name), QLatin1String(r.text), 1260, top, 600, 285);
        if (*r.help)
            addLabel(d, QStringLiteral("lblHelp") + QLatin1String(r.name), QLatin1String(r.help), 1980, top + 30, 4500,
                     255);
        top += 390;
    }

    fraMode = d.addFrame(QStringLiteral("fraMode"), QStringLiteral("Keyer Mode"), 120, 2580, 3120, 1440);
    d.addOptionColumn(fraMode,
                      {{&optIambicB, "optIambicB", "Iambic B"},
                       {&optIambicA, "optIambicA", "Iambic A"},
                       {&optUltimatic, "optUltimatic", "Ultimatic"},
                       {&optBug, "optBug", "Bug Keyer"}},
                      120, 300, 270, 2800, 255);
    optIambicB->setChecked(true);

    fraPin = d.addFrame(QStringLiteral("fraPin"), QStringLiteral("Pin 5 Configuration"), 3360, 2580, 3120, 1440);
    d.addOptionColumn(fraPin,
                      {{&optKey5Out3Off, "optKey5Out3Off", "P5 Key Out, P3 Off"},
                       {&optKey5Off3Out, "optKey5Off3Out", "P5 Off, P3 Key Out"},
                       {&optTone, "optTone", "Tone"},
                       {&optPTT, "optPTT", "PTT"}},
                      120, 300, 270, 2800, 255);
    optTone->setChecked(true);

    addLabel(d, QStringLiteral("lblStatusCaption"), QStringLiteral("WinKey Status:"), 120, 4140, 1500, 255);
    lblOpenStatus = addLabel(d, QStringLiteral("lblOpenStatus"), QStringLiteral("Closed"), 1680, 4140, 1800, 255);
    addLabel(d, QStringLiteral("lblVersionCaption"), QStringLiteral("WinKey Version:"), 3600, 4140, 1500, 255);
    lblVersion = addLabel(d, QStringLiteral("lblVersion"), QStringLiteral("Version #"), 5160, 4140, 1320, 255);

    cmdOpenWinkey = addButton(d, QStringLiteral("cmdOpenWinkey"), QStringLiteral("Open"), 120, 4620, 1140, 375);
    cmdCloseWinkey = addButton(d, QStringLiteral("cmdCloseWinkey"), QStringLiteral("Close"), 1380, 4620, 1140, 375);
    cmdStop = addButton(d, QStringLiteral("cmdStop"), QStringLiteral("Stop"), 2640, 4620, 1140, 375);
    Command3 = addButton(d, QStringLiteral("Command3"), QStringLiteral("Test"), 3900, 4620, 1140, 375);
    cmdDone = addButton(d, QStringLiteral("cmdDone"), QStringLiteral("&Done"), 5160, 4620, 1320, 375);

    connect(cmdOpenWinkey, &QPushButton::clicked, this, [this] { cmdOpenWinkey_Click(); });
    connect(cmdCloseWinkey, &QPushButton::clicked, this, [this] { cmdCloseWinkey_Click(); });
    connect(cmdStop, &QPushButton::clicked, this, [this] { cmdStop_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(cmdDone, &QPushButton::clicked, this, [this] { cmdDone_Click(); });
    const std::pair<QRadioButton*, uint8_t> modes[] = {
        {optIambicB, 0}, {optIambicA, 16}, {optUltimatic, 32}, {optBug, 48}};
    for (auto [o, b] : modes)
        connect(o, &QRadioButton::clicked, this, [this, o = o, b = b] { optionClicked(o, b, true); });
    const std::pair<QRadioButton*, uint8_t> pins[] = {
        {optKey5Out3Off, 8}, {optKey5Off3Out, 4}, {optTone, 6}, {optPTT, 5}};
    for (auto [o, b] : pins)
        connect(o, &QRadioButton::clicked, this, [this, o = o, b = b] { optionClicked(o, b, false); });

    // Setting boxes take digits only.
    for (QLineEdit* box : {txtWKComPort, txtWKWPM, txtWeight, txtLeadIn, txtTail, txtRatio}) {
        KeyEvents::hook(box, [](int& k) {
            if (k != KeyEvents::vbKeyBack && (k < '0' || k > '9'))
                k = 0;
        });
        box->installEventFilter(this);
    }

    Form_Load();
}

void frmWinKey::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    resizeFormTo(s.width, s.height, 9600, 7200, 0, 1.0, QStringLiteral("Arial"));
    G.WinkeyPinConfig = 6;
    G.WinkeyMode = 0;

    const QString path = Files::resolve(G.DataFolder, QStringLiteral("WK.txt"));
    if (Files::exists(path)) {
        QByteArray data;
        Files::readAll(path, data);
        const KeyerSettings::WinkeyRead r = KeyerSettings::parseWinkey(data);
        const KeyerSettings::WinkeySettings& w = r.settings;
        const int n = r.valuesRead;
        if (n >= 1)
            G.WinkeyComPort = w.comPort;
        QLineEdit* boxes[] = {txtWKWPM, txtWeight, txtLeadIn, txtTail, txtRatio};
        const QString* texts[] = {&w.wpm, &w.weight, &w.leadIn, &w.tail, &w.ratio};
        for (int i = 0; i < 5 && i + 2 <= n; ++i)
            boxes[i]->setText(*texts[i]);
        if (n >= 7)
            G.WinkeyPinConfig = w.pinConfig;
        if (n >= 8)
            G.WinkeyMode = w.mode;
        if (r.failed) {
            qCWarning(lcKeying) << "WK.txt could not be read whole; the rest of the keyer device window's load skipped";
            return;
        }
    }
    // The CW window's speed is the speed.
    txtWKWPM->setText(CWFrm::instance().Text11->text());
    txtWKComPort->setText(QString::number(G.WinkeyComPort));
    switch (G.WinkeyPinConfig) {
    case 5: setOptionValue(optPTT, true); break;
    case 6: setOptionValue(optTone, true); break;
    case 4: setOptionValue(optKey5Off3Out, true); break;
    case 8: setOptionValue(optKey5Out3Off, true); break;
    default: break;
    }
    switch (G.WinkeyMode) {
    case 16: setOptionValue(optIambicA, true); break;
    case 0: setOptionValue(optIambicB, true); break;
    case 32: setOptionValue(optUltimatic, true); break;
    case 48: setOptionValue(optBug, true); break;
    default: break;
    }
}

void frmWinKey::Form_Unload() { modWinKey::wk_close(); }

bool frmWinKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == txtWKComPort)
            txtWKComPort_LostFocus();
        else if (watched == txtWKWPM)
            txtWKWPM_LostFocus();
        else if (watched == txtWeight)
            txtWeight_LostFocus();
        else if (watched == txtLeadIn)
            txtLeadIn_LostFocus();
        else if (watched == txtTail)
            txtTail_LostFocus();
        else if (watched == txtRatio)
            txtRatio_LostFocus();
    }
    return DesignWindow::eventFilter(watched, event);
}

void frmWinKey::showModal() { ModalWindow::show(*this); }

void frmWinKey::cmdOpenWinkey_Click()
{
    // The device takes a serial port: the CW keying port gives way.
    if (CWFrm::loaded() && CWFrm::instance().commOpen())
        CWFrm::instance().closeComm();
    if (PhoneFrm::loaded() && PhoneFrm::instance().commPhoneOpen())
        PhoneFrm::instance().closeCommPhone();
    uint8_t version = 0;
    const int32_t result = modWinKey::wk_open(version, G.WinkeyComPort);
    if (result != modWinKey::WK_ALREADY_OPEN && version == 0)
        Platform::prompts().messageBox(
            QStringLiteral("Unable to establish connection with WinKey on com port %1.  Please check to make sure "
                           "that you have specified the correct port and that the Winkey device is properly connected.")
                .arg(G.WinkeyComPort),
            QStringLiteral("Unable to establish connection with Winkey."));
    const QString status = openStatusText(result);
    if (!status.isEmpty())
        lblOpenStatus->setText(status);
    if (result == modWinKey::WK_ALREADY_OPEN)
        return;
    ApplyWinkeySettings();
    if (version > 0) {
        G.WinkeyVersion = version;
        lblVersion->setText(QStringLiteral("Version # ") + QString::number(version));
    }
    if (isVisible())
        cmdDone->setFocus();
}

void frmWinKey::cmdCloseWinkey_Click()
{
    modWinKey::wk_close();
    lblOpenStatus->setText(QStringLiteral("Closed"));
    lblVersion->setText(QStringLiteral("Version #"));
    G.WinkeyVersion = 0;
    if (isVisible())
        cmdDone->setFocus();
}

void frmWinKey::cmdStop_Click()
{
    modWinKey::wk_clearbuf();
    G.CWBuffer.clear();
    cmdDone->setFocus();
}

void frmWinKey::Command3_Click()
{
    const bool wasEmpty = G.CWBuffer.isEmpty();
    G.CWBuffer += QStringLiteral("VVV TEST DE ") + G.OwnCall;
    QPointer<frmWinKey> self(this);
    if (wasEmpty)
        WKTransmit();
    if (self)
        cmdDone->setFocus();
}

void frmWinKey::cmdDone_Click()
{
    KeyerSettings::WinkeySettings w;
    w.comPort = G.WinkeyComPort;
    w.wpm = txtWKWPM->text();
    w.weight = txtWeight->text();
    w.leadIn = txtLeadIn->text();
    w.tail = txtTail->text();
    w.ratio = txtRatio->text();
    w.pinConfig = G.WinkeyPinConfig;
    w.mode = G.WinkeyMode;
    QString error;
    if (!Files::writeAtomic(Files::resolve(G.DataFolder, QStringLiteral("WK.txt")), KeyerSettings::formatWinkey(w),
                            &error))
        qCWarning(lcKeying) << "WK.txt not written:" << error;
    hide();
}

void frmWinKey::noticeDeviceGone()
{
    // A port that went away (an unplugged adapter): the device counts as closed, so the next send
    // opens it anew.
    if (G.WinkeyVersion != 0 && !modWinKey::deviceIsOpen()) {
        G.WinkeyVersion = 0;
        lblOpenStatus->setText(QStringLiteral("Closed"));
        lblVersion->setText(QStringLiteral("Version #"));
    }
}

void frmWinKey::WKTransmit()
{
    noticeDeviceGone();
    if (G.WinkeyVersion == 0)
        cmdOpenWinkey_Click();
    if (G.WinkeyVersion == 0) {
        G.CWBuffer.clear();
        return;
    }
    QPointer<frmWinKey> self(this);
    Platform::Monotonic& clock = Platform::monotonic();
    while (!G.CWBuffer.isEmpty()) {
        G.WinkeyStatus = modWinKey::wk_getstatus();
        const qint64 fullSince = clock.nowNs();
        while (G.WinkeyStatus > 4 && !G.CWBuffer.isEmpty()) {
            if (clock.nowNs() - fullSince > qint64(FullWaitLimitMs) * 1000000) {
                // A device that never takes more would hold the send for ever.
                qCWarning(lcKeying) << "keyer device stayed full; text not sent:" << G.CWBuffer;
                G.CWBuffer.clear();
                break;
            }
            clock.sleepMs(PauseMs);
            KeyingPump::pump();
            if (!self)
                return;
            G.WinkeyStatus = modWinKey::wk_getstatus();
        }
        if (!G.CWBuffer.isEmpty() && !modWinKey::deviceIsOpen()) {
            // The device went away (an unplugged adapter): the rest of the text cannot go out.
            qCWarning(lcKeying) << "keyer device gone; text not sent:" << G.CWBuffer;
            G.CWBuffer.clear();
        }
        if (G.CWBuffer.isEmpty())
            continue;
        const int code = G.CWBuffer.at(0).toLatin1();
        if (code != 0)
            modWinKey::wk_char(uint8_t(code));
        G.CWBuffer.remove(0, 1);
        clock.sleepMs(PauseMs);
    }
    noticeDeviceGone();
}

void frmWinKey::ApplyWinkeySettings()
{
    txtWKWPM_LostFocus();
    txtWeight_LostFocus();
    txtLeadIn_LostFocus();
    txtRatio_LostFocus();
    modWinKey::wk_pincfg(G.WinkeyPinConfig);
    modWinKey::wk_setmode(G.WinkeyMode);
}

void frmWinKey::txtWKWPM_LostFocus() { checkSetting(txtWKWPM, 0, 99, QStringLiteral("18"), modWinKey::wk_wpm); }
void frmWinKey::txtWeight_LostFocus() { checkSetting(txtWeight, 0, 99, QStringLiteral("50"), modWinKey::wk_weight); }
void frmWinKey::txtRatio_LostFocus()
{
    checkSetting(txtRatio, 32, 67, QStringLiteral("50"), modWinKey::wk_ditdah_ratio);
}
void frmWinKey::txtLeadIn_LostFocus() { leadTail(txtLeadIn); }
void frmWinKey::txtTail_LostFocus() { leadTail(txtTail); }

void frmWinKey::leadTail(QLineEdit* lostFocus)
{
    const auto lead = byteOf(txtLeadIn->text());
    const auto tail = byteOf(txtTail->text());
    if (!lead || !tail) {
        lostFocus->setText(QStringLiteral("0"));
        return;
    }
    modWinKey::wk_ptt_leadtail(*lead, *tail);
}

void frmWinKey::txtWKComPort_LostFocus()
{
    if (!Format::isNumeric(txtWKComPort->text()))
        txtWKComPort->setText(QStringLiteral("0"));
    G.WinkeyComPort = byteOf(txtWKComPort->text()).value_or(0);
}

void frmWinKey::optionClicked(QRadioButton* option, uint8_t byte, bool mode)
{
    if (!option->isChecked())
        return;
    (mode ? G.WinkeyMode : G.WinkeyPinConfig) = byte;
    if (G.WinkeyVersion != 0)
        ApplyWinkeySettings();
}
