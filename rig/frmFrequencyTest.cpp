#include "rig/frmFrequencyTest.h"

#include "core/DeviceLayout.h"
#include "platform/Prompts.h"
#include "rig/RigControlfrm.h"
#include "rig/RigLog.h"
#include "rig/RigProtocol.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Rig {

const char* const HexPairsMessage =
    "The command is not in hexadecimal pairs. Please enter it as XX XX XX (two digits, then a space).";

std::optional<QByteArray> testCommandBytes(const QString& typed, bool hex)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    if (!hex)
        return text.toLatin1();
    QByteArray out;
    const QStringList pieces = text.split(QLatin1Char(' '));
    for (const QString& p : pieces) {
        const int hi = p.size() == 2 ? hexValue(p.at(0)) : -1, lo = p.size() == 2 ? hexValue(p.at(1)) : -1;
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out.append(static_cast<char>(hi * 16 + lo));
    }
    return out;
}

}   // namespace Rig

namespace {

QLabel* addText(DesignLayout& d, const QString& name, const QString& text, double top, double height)
{
    QLabel* l = DeviceLayout::addLabel(d, name, text, 240, top, 7800, height);
    l->setWordWrap(true);
    return l;
}

}   // namespace

frmFrequencyTest::frmFrequencyTest(RigControlfrm& rig, QWidget* parent)
    : QDialog(parent), rig_(rig), design_(this, 8280, 4320)
{
    setObjectName(QStringLiteral("frmFrequencyTest"));
    setWindowTitle(QStringLiteral("Test Change Frequency Function"));
    DesignLayout& d = design_;
    addText(d, QStringLiteral("Label1"),
            QStringLiteral("Please use the text box below to enter a complete command to send to your radio.  "
                           "The default example is the command used for Kenwood radios."),
            120, 495);
    addText(d, QStringLiteral("Label2"),
            QStringLiteral("If your radio requires a hexidecimal format, please enter in the format of XX XX XX "
                           "(using spaces between each two digits) and click the Convert to Hex check box below."),
            660, 495);
    Text1 = d.addTextBox(QStringLiteral("Text1"), QStringLiteral("FA00028475000;"), 240, 1260, 5280, 285);
    Check1 = d.add<QCheckBox>(QStringLiteral("Check1"), ControlGeometry::Kind::CheckBox, 5640, 1260, 1455, 285);
    Check1->setText(QStringLiteral("Convert to Hex"));
    Command1 = d.addButton(QStringLiteral("Command1"), QStringLiteral("Send"), 7200, 1230, 840, 345);
    addText(d, QStringLiteral("Label3"),
            QStringLiteral("Once you have a working command, please e-mail me the exact command and the frequency "
                           "(in Mhz) specified in the command."),
            1740, 495);
    d.addLine(QStringLiteral("Line1"), 120, 2400, 8160, 2400);
    addText(d, QStringLiteral("Label4"),
            QStringLiteral("Most Elecrafts, Icoms, Kenwoods and Yaesus are now supported. For any supported radio, "
                           "you should be able to enter a frequency in Mhz, click send and your radio should "
                           "switch to the specified frequency."),
            2580, 735);
    Text2 = d.add<QLineEdit>(QStringLiteral("Text2"), ControlGeometry::Kind::TextBox, 3240, 3600, 1215, 285);
    Command2 = d.addButton(QStringLiteral("Command2"), QStringLiteral("Send"), 4680, 3570, 840, 345);
    setTabOrder(Text1, Check1);
    setTabOrder(Check1, Command1);
    setTabOrder(Command1, Text2);
    setTabOrder(Text2, Command2);
    connect(Command1, &QPushButton::clicked, this, &frmFrequencyTest::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmFrequencyTest::Command2_Click);
    d.resizeForm();
    Text2->setText(QStringLiteral("28.475"));
    Text1->setFocus();
}

void frmFrequencyTest::Command1_Click()
{
    const std::optional<QByteArray> bytes = Rig::testCommandBytes(Text1->text(), Check1->isChecked());
    if (!bytes) {
        if (Check1->isChecked() && !Text1->text().trimmed().isEmpty())
            Platform::prompts().messageBox(QString::fromLatin1(Rig::HexPairsMessage), QStringLiteral("Convert to Hex"));
        return;
    }
    if (!rig_.comComm1.isOpen() || !rig_.comComm1.write(*bytes))
        qCWarning(lcRig) << "test command not sent: the rig port is not open or the write failed";
}

void frmFrequencyTest::Command2_Click()
{
    bool ok = false;
    float mhz = Text2->text().trimmed().toFloat(&ok);
    if (!ok)
        return;
    rig_.ChangeFrequency(mhz);
}
