#include "rig/frmRigTune.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "core/DeviceLayout.h"
#include "core/Globals.h"
#include "platform/KeyEvents.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "rig/RigControlfrm.h"
#include "rig/RigLog.h"
#include "rig/RigTune.h"

namespace {

using Kind = ControlGeometry::Kind;

constexpr double ButtonHeight = 375;
// The left edge of each step column, by step index / 2 (10 Hz, 1 MHz, 5 KHz, 1 KHz, 100 Hz).
constexpr double StepColumnLeft[5] = {4080, 720, 1560, 2400, 3240};
// The scan options left to right in their frame, as indices into RigTune::ScanSteps.
constexpr int ScanOptionOrder[5] = {4, 0, 1, 2, 3};

// "None" exactly; an empty type (a first run's settings) means no rig as well.
bool noRig() { return G.RigType == QLatin1String("None") || G.RigType.isEmpty(); }

}   // namespace

frmRigTune::frmRigTune(QWidget* parent) : QDialog(parent), design_(this, 4905, 5010)
{
    setObjectName(QStringLiteral("frmRigTune"));
    setWindowTitle(QStringLiteral(" Change Frequency and Mode (Ctrl G (Go))"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    DesignLayout& d = design_;

    // The frequency box and Go come first in the tab order: the box has the focus at open.
    Label1 = d.addLabel(QStringLiteral("Label1"), QStringLiteral("Frequency in MHz:"), 480, 1800, 1455, 255);
    txtFreq = d.addTextBox(QStringLiteral("txtFreq"), QString(), 2040, 1800, 1215, 285);
    txtFreq->setAlignment(Qt::AlignCenter);
    Command1 = d.addButton(QStringLiteral("Command1"), QStringLiteral("&Go"), 3480, 1740, 855, ButtonHeight);

    for (int i = 0; i < 16; ++i) {
        cmdBand[size_t(i)] = d.addButton(QStringLiteral("cmdBand(%1)").arg(i),
                                         QString::fromLatin1(RigTune::BandPresets[size_t(i)].caption),
                                         120 + (i % 8) * 600, i < 8 ? 120 : 600, 495, ButtonHeight);
        connect(cmdBand[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdBand_Click(i); });
    }
    d.addLine(QStringLiteral("Line1"), 120, 1080, 4800, 1080);

    const std::array<QPushButton**, 6> modes = {&cmdCW, &cmdUSB, &cmdLSB, &cmdAM, &cmdFM, &cmdRTTY};
    const std::array<void (frmRigTune::*)(), 6> modeHandlers = {&frmRigTune::cmdCW_Click,  &frmRigTune::cmdUSB_Click,
                                                                &frmRigTune::cmdLSB_Click, &frmRigTune::cmdAM_Click,
                                                                &frmRigTune::cmdFM_Click,  &frmRigTune::cmdRTTY_Click};
    for (size_t i = 0; i < modes.size(); ++i) {
        const RigTune::ModeButton& m = RigTune::ModeButtons[i];
        *modes[i] = d.addButton(QString::fromLatin1(m.name), QString::fromLatin1(m.caption), 360 + double(i) * 720,
                                1200, 615, ButtonHeight);
        connect(*modes[i], &QPushButton::clicked, this, modeHandlers[i]);
    }
    d.addLine(QStringLiteral("Line2"), 120, 1680, 4800, 1680);
    d.addLine(QStringLiteral("Line3"), 120, 2160, 4800, 2160);

    Label2 = d.addLabel(QStringLiteral("Label2"), QStringLiteral(" UP"), 0, 2460, 675, 255, nullptr, 9.75);
    Label3 = d.addLabel(QStringLiteral("Label3"), QStringLiteral(" Down"), 0, 2940, 675, 255, nullptr, 9.75);
    for (QLabel* l : {Label2, Label3}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    for (int i = 0; i < 10; ++i) {
        cmdTune[size_t(i)] = d.addButton(QStringLiteral("cmdTune(%1)").arg(i),
                                         QString::fromLatin1(RigTune::TuneSteps[size_t(i)].caption),
                                         StepColumnLeft[i / 2], i % 2 == 0 ? 2400 : 2880, 735, ButtonHeight);
        connect(cmdTune[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdTune_Click(i); });
    }
    d.addLine(QStringLiteral("Line4"), 120, 3360, 4800, 3360);

    chkScan = d.add<QCheckBox>(QStringLiteral("chkScan"), Kind::CheckBox, 240, 3600, 855, 255);
    chkScan->setText(QStringLiteral("Scan"));
    Label4 = d.addLabel(QStringLiteral("Label4"), QStringLiteral("From:"), 1200, 3600, 480, 255);
    txtFrom = d.addTextBox(QStringLiteral("txtFrom"), QStringLiteral("1.8"), 1680, 3600, 735, 285);
    Label5 = d.addLabel(QStringLiteral("Label5"), QStringLiteral("To:"), 2640, 3600, 375, 255);
    txtTo = d.addTextBox(QStringLiteral("txtTo"), QStringLiteral("54"), 3240, 3600, 735, 285);
    txtFrom->setAlignment(Qt::AlignCenter);
    txtTo->setAlignment(Qt::AlignCenter);

    Frame1 = d.add<QGroupBox>(QStringLiteral("Frame1"), Kind::Frame, 120, 3960, 4695, 495);
    Frame1->setTitle(QStringLiteral("Scan Steps"));
    for (int pos = 0; pos < 5; ++pos) {
        const int k = ScanOptionOrder[pos];
        const RigTune::ScanStep& s = RigTune::ScanSteps[size_t(k)];
        // Each option takes its fifth of the frame, so "2.5 KHz" has room beside its indicator.
        Option[size_t(k)] = d.addOption(QString::fromLatin1(s.name), QString::fromLatin1(s.caption), 60 + pos * 915,
                                        180, 915, 255, Frame1);
    }
    Option[RigTune::DefaultScanStep]->setChecked(true);

    cmdDone = d.addButton(QStringLiteral("cmdDone"), QStringLiteral("&Done"), 2040, 4560, 735, ButtonHeight);

    // The window's share of the screen, centred; its own font follows the screen width.
    const Platform::Screen s = Platform::Screen::current();
    DeviceLayout::scaleToShare(d.geometry(), s.width, s.height, s.width, false);
    d.geometry().fontSize = DefaultFontPt * s.width / ModFormResize::DesignScreenWidth;
    d.apply();

    connect(Command1, &QPushButton::clicked, this, &frmRigTune::Command1_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmRigTune::cmdDone_Click);
    connect(txtFreq, &QLineEdit::textChanged, this, &frmRigTune::txtFreq_Change);
    connect(chkScan, &QCheckBox::toggled, this, &frmRigTune::chkScan_Click);
    KeyEvents::hookForm(this, [this](int& k) { Form_KeyPress(k); });
    KeyEvents::hook(txtFreq, [this](int& k) { txtFreq_KeyPress(k); });
    KeyEvents::hook(txtFrom, [this](int& k) { txtFrom_KeyPress(k); });
    KeyEvents::hook(txtTo, [this](int& k) { txtTo_KeyPress(k); });
    for (QLineEdit* box : {txtFreq, txtFrom, txtTo})
        KeyEvents::filterPaste(box, RigTune::filterPasted);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(299);
    connect(Timer1, &QTimer::timeout, this, &frmRigTune::Timer1_Timer);
    Timer1->start();
    txtFreq->setFocus();
}

void frmRigTune::Command1_Click()
{
    const QString text = txtFreq->text();
    if (noRig() || !RigTune::isNumeric(text))
        return;
    RigControlfrm& rig = RigControlfrm::instance();
    const std::optional<float> mhz = RigTune::frequencyToSend(text, G.RigType, rig.RigFreqQuery, rig.poll.RigVFO);
    if (!mhz) {
        qCWarning(lcRig) << "tuning panel: no frequency command for" << text << "MHz with" << G.RigType;
        return;
    }
    float copy = *mhz;
    rig.ChangeFrequency(copy);
}

void frmRigTune::cmdBand_Click(int index)
{
    txtFreq->setText(RigTune::presetText(index));
    Command1_Click();
}

void frmRigTune::cmdTune_Click(int index)
{
    if (index < 0 || index >= int(cmdTune.size()))
        return;
    const std::optional<QString> text = RigTune::steppedText(txtFreq->text(), RigTune::TuneSteps[size_t(index)].mhz);
    if (!text)
        return;
    txtFreq->setText(*text);
    Command1_Click();
    cmdDone->setFocus();
}

void frmRigTune::setMode(int button)
{
    // ChangeMode itself does nothing without a rig; the rig window is then not loaded for it.
    if (!noRig()) {
        float frequency = 0;
        QString mode = QString::fromLatin1(RigTune::ModeButtons[size_t(button)].mode);
        RigControlfrm::instance().ChangeMode(frequency, mode);
    }
    cmdDone->setFocus();
}

void frmRigTune::cmdCW_Click() { setMode(0); }
void frmRigTune::cmdUSB_Click() { setMode(1); }
void frmRigTune::cmdLSB_Click() { setMode(2); }
void frmRigTune::cmdAM_Click() { setMode(3); }
void frmRigTune::cmdFM_Click() { setMode(4); }
void frmRigTune::cmdRTTY_Click() { setMode(5); }

void frmRigTune::txtFreq_Change()
{
    const bool numeric = RigTune::isNumeric(txtFreq->text());
    for (QPushButton* b : cmdTune)
        b->setEnabled(numeric);
}

void frmRigTune::txtFreq_KeyPress(int& KeyAscii)
{
    if (KeyAscii == KeyEvents::vbKeyReturn) {
        KeyAscii = 0;
        Command1_Click();
        txtFreq->setFocus();
        setSelection(txtFreq, int(txtFreq->text().size()), 0);
        return;
    }
    KeyAscii = RigTune::filterKey(KeyAscii);
}

void frmRigTune::txtFrom_KeyPress(int& KeyAscii) { KeyAscii = RigTune::filterKey(KeyAscii); }
void frmRigTune::txtTo_KeyPress(int& KeyAscii) { KeyAscii = RigTune::filterKey(KeyAscii); }

void frmRigTune::chkScan_Click()
{
    if (chkScan->isChecked() && !RigTune::isNumeric(txtFreq->text()))
        txtFreq->setText(txtFrom->text());
    Command1->setFocus();
}

void frmRigTune::Timer1_Timer()
{
    if (!chkScan->isChecked())
        return;
    double step = 0;
    for (size_t k = 0; k < Option.size(); ++k)
        if (Option[k]->isChecked())
            step = RigTune::ScanSteps[k].mhz;
    const std::optional<QString> next = RigTune::scanTick(txtFreq->text(), txtFrom->text(), txtTo->text(), step);
    if (!next)
        return;
    txtFreq->setText(*next);
    Command1_Click();
}

void frmRigTune::Form_KeyPress(int& KeyAscii)
{
    if (chkScan->isChecked())
        chkScan->setChecked(false);
}

void frmRigTune::cmdDone_Click() { hide(); }

void frmRigTune::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
