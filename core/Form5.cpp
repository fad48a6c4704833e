#include "core/Form5.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

#include "core/CoreLog.h"
#include "core/DeviceLayout.h"
#include "core/Files.h"
#include "core/Globals.h"
#include "platform/Screen.h"

using Kind = ControlGeometry::Kind;

namespace {
// More than any help text; a file beyond it is not shown.
constexpr qint64 MaxHelpBytes = 4 * 1024 * 1024;
}   // namespace

Form5::Form5(QWidget* parent) : QDialog(parent), design_(this, 7725, 6000)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Help Page"));
    setModal(true);
    Text1 = design_.add<QPlainTextEdit>(QStringLiteral("Text1"), Kind::TextBox, 240, 240, 7215, 4935);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setReadOnly(true);
    Command1 = design_.addButton(QStringLiteral("Command1"), QStringLiteral("Close"), 3240, 5400, 1215, 375);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    design_.apply();
}

void Form5::scaleToScreen(FormGeometry& g, const Platform::Screen& s, bool controlFontsByWidth)
{
    const double wf = s.width / 9600, hf = s.height / 7200;
    g.width *= wf;
    g.height *= hf;
    g.clientWidth = g.width - g.borderWidth;
    g.clientHeight = g.height - g.captionHeight;
    g.left = (s.width - g.width) / 2;
    g.top = (s.height - g.height) / 2;
    g.fontSize *= wf;
    const double f = controlFontsByWidth ? wf : std::min(wf, hf);
    DeviceLayout::scaleControls(g, wf, hf, f);
}

void Form5::Form_Load()
{
    scaleToScreen(design_.geometry(), Platform::Screen::current(), false);
    design_.apply();
    Text1->clear();
    QByteArray text;
    QString error;
    const QString path = Files::resolve(G.ProgramFolder, QStringLiteral("ReadSQSO.txt"));
    if (!Files::readRegular(path, MaxHelpBytes, text, &error)) {
        qCWarning(lcCore) << "Help page: cannot read" << path << error;
        return;
    }
    Text1->setPlainText(QString::fromLatin1(text));
}

void Form5::Command1_Click() { hide(); }
