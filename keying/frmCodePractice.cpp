#include "keying/frmCodePractice.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextCursor>

#include <algorithm>
#include <memory>
#include <utility>

#include "core/Globals.h"
#include "keying/CWFrm.h"
#include "keying/KeyerLayout.h"
#include "keying/KeyingPump.h"
#include "platform/KeyEvents.h"
#include "platform/Monotonic.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;
using KeyerLayout::addButton;
using KeyerLayout::addLabel;
using KeyerLayout::addOption;
using KeyerLayout::addTextBox;

namespace {

// Design client area, twips.
constexpr double DesignWidth = 9360;
constexpr double DesignHeight = 6120;
const QString PracticeFont = QStringLiteral("Courier New");

// Puts the caret of `box` at `position` (clamped to its text), which scrolls it into view.
void setCaret(QPlainTextEdit* box, qsizetype position)
{
    QTextCursor cur = box->textCursor();
    cur.setPosition(int(std::clamp<qsizetype>(position, 0, box->document()->characterCount() - 1)));
    box->setTextCursor(cur);
}

}   // namespace

frmCodePractice::frmCodePractice() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("frmCodePractice"));
    setWindowTitle(QStringLiteral("On the Air Code Practice"));
    DesignLayout& d = design();

    addLabel(d, QStringLiteral("Label1"),
             QStringLiteral("Send code practice over the air from random characters, from text pasted from the "
                            "clipboard or from text typed into the Text to Send box.  Press Send to send it."),
             120, 60, 9120, 480);

    auto practiceBox = [&](const QString& name, double left) {
        auto* box = d.add<QPlainTextEdit>(name, Kind::TextBox, left, 855, 4500, 2640);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        d.control(name)->fontName = PracticeFont;
        return box;
    };
    addLabel(d, QStringLiteral("Label2"), QStringLiteral(" Text to Send"), 120, 600, 4500, 255);
    Text1 = practiceBox(QStringLiteral("Text1"), 120);
    addLabel(d, QStringLiteral("Label3"), QStringLiteral(" Text Sent"), 4740, 600, 4500, 255);
    Text2 = practiceBox(QStringLiteral("Text2"), 4740);

    Command1 = addButton(d, QStringLiteral("Command1"), QStringLiteral("&Paste from Clipboard"), 120, 3600, 2400, 375);
    Command6 = addButton(d, QStringLiteral("Command6"), QStringLiteral("&Clear"), 2640, 3600, 1020, 375);
    Command5 = addButton(d, QStringLiteral("Command5"), QStringLiteral("Cl&ear"), 4740, 3600, 1020, 375);

    // "Generate [10] groups of [5] characters each."
    addLabel(d, QStringLiteral("Label4"), QStringLiteral("Generate"), 120, 4140, 900, 255);
    Text3 = addTextBox(d, QStringLiteral("Text3"), QStringLiteral("10"), 1050, 4110, 600, 285);
    addLabel(d, QStringLiteral("Label5"), QStringLiteral("groups of"), 1740, 4140, 900, 255);
    Text4 = addTextBox(d, QStringLiteral("Text4"), QStringLiteral("5"), 2670, 4110, 600, 285);
    addLabel(d, QStringLiteral("Label6"), QStringLiteral("characters each."), 3360, 4140, 1500, 255);
    Command2 =
        addButton(d, QStringLiteral("Command2"), QStringLiteral("&Generate Random Characters"), 120, 4500, 3000, 375);

    Frame1 = d.add<QGroupBox>(QStringLiteral("Frame1"), Kind::Frame, 4740, 4020, 2160, 855);
    Frame1->setTitle(QStringLiteral("Include:"));
    Option1 = addOption(d, QStringLiteral("Option1"), QStringLiteral("Letters Only"), 120, 270, 1900, 255, Frame1);
    Option2 = addOption(d, QStringLiteral("Option2"), QStringLiteral("All"), 120, 540, 1900, 255, Frame1);
    Option2->setChecked(true);

    addLabel(d, QStringLiteral("Label9"), QStringLiteral("Type characters here to send text from keyboard:"), 120, 5100,
             4500, 255);
    Text5 = addTextBox(d, QStringLiteral("Text5"), QString(), 120, 5370, 4500, 285);
    // What is typed goes out; nothing is ever kept in the box, so nothing may be pasted or dropped.
    Text5->setContextMenuPolicy(Qt::NoContextMenu);
    Text5->setAcceptDrops(false);

    Command3 = addButton(d, QStringLiteral("Command3"), QStringLiteral("&Send"), 4740, 5310, 1020, 375);
    Command4 = addButton(d, QStringLiteral("Command4"), QStringLiteral("S&top"), 5880, 5310, 1020, 375);
    Label8 = addLabel(d, QStringLiteral("Label8"), QStringLiteral("13"), 7200, 4140, 540, 255);
    Label7 = addLabel(d, QStringLiteral("Label7"), QStringLiteral("WPM"), 7800, 4140, 600, 255);
    Command7 = addButton(d, QStringLiteral("Command7"), QStringLiteral("&Faster"), 7200, 4500, 960, 375);
    Command8 = addButton(d, QStringLiteral("Command8"), QStringLiteral("S&lower"), 8280, 4500, 960, 375);

    const std::pair<QPushButton*, void (frmCodePractice::*)()> handlers[] = {
        {Command1, &frmCodePractice::Command1_Click}, {Command2, &frmCodePractice::Command2_Click},
        {Command3, &frmCodePractice::Command3_Click}, {Command4, &frmCodePractice::Command4_Click},
        {Command5, &frmCodePractice::Command5_Click}, {Command6, &frmCodePractice::Command6_Click},
        {Command7, &frmCodePractice::Command7_Click}, {Command8, &frmCodePractice::Command8_Click},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this, [this, handler = handler] { (this->*handler)(); });
    KeyEvents::hook(Text1, [](int& k) { Text1_KeyPress(k); });
    KeyEvents::hook(Text5, [this](int& k) { Text5_KeyPress(k); });

    Form_Load();
}

void frmCodePractice::Form_Load()
{
    // The window takes the share of the desktop work area that its design size takes of the
    // design screen, centred on it.
    const Platform::Screen s = Platform::Screen::current();
    KeyerLayout::scaleToShare(design().geometry(), s.workWidth, s.workHeight, s.width, true);
    design().apply();
    showSpeed();
}

void frmCodePractice::showSpeed() { Label8->setText(CWFrm::instance().Text11->text()); }

void frmCodePractice::Command1_Click() { Text1->setPlainText(QGuiApplication::clipboard()->text()); }

void frmCodePractice::Command2_Click()
{
    CodePractice::RandomSource source = random;
    if (!source) {
        // A fresh sequence for every click.
        auto generator = std::make_shared<QRandomGenerator>(quint32(Platform::monotonic().nowNs()));
        source = [generator] { return float(generator->generateDouble()); };
    }
    const CodePractice::Generated g =
        CodePractice::generate(Text3->text(), Text4->text(), Option1->isChecked(), source);
    Text3->setText(g.groupsBox);
    Text4->setText(g.lengthBox);
    Text1->setPlainText(g.text);
}

void frmCodePractice::Command3_Click()
{
    QPointer<frmCodePractice> self(this);
    PracticeSendText = Text1->toPlainText();
    Text1->setFocus();
    // The length is tested afresh before every step: Stop or a close empties the text and so ends
    // the send.
    for (qsizetype i = 0; i < PracticeSendText.size(); ++i) {
        PracticeSendText = Text1->toPlainText();
        G.CWBuffer = PracticeSendText.mid(i, 1);
        // The send loop already running (typed keys) picks the character up; otherwise it sends
        // it now and returns once it is keyed.
        if (G.CWSending == 0) {
            if (!CWFrm::loaded())
                return;
            CWFrm::instance().LoopThroughCWBuffer();
            if (!self)
                return;
        }
        // Stop during the character emptied the text: the character is not shown as sent.
        const QString sent = PracticeSendText.mid(i, 1);
        if (!sent.isEmpty()) {
            QTextCursor end(Text2->document());
            end.movePosition(QTextCursor::End);
            end.insertText(sent);
            // The caret before the last character keeps the end of the sent text in view.
            setCaret(Text2, Text2->document()->characterCount() - 2);
        }
        setCaret(Text1, i + 1);
        KeyingPump::pump();
        if (!self)
            return;
    }
}

void frmCodePractice::Command4_Click()
{
    PracticeSendText.clear();
    G.CWBuffer.clear();
}

void frmCodePractice::Command5_Click() { Text2->clear(); }
void frmCodePractice::Command6_Click() { Text1->clear(); }

void frmCodePractice::Command7_Click()
{
    CWFrm::instance().UpDown1_UpClick();
    showSpeed();
}

void frmCodePractice::Command8_Click()
{
    CWFrm::instance().UpDown1_DownClick();
    showSpeed();
}

void frmCodePractice::Text1_KeyPress(int& KeyAscii) { KeyAscii = CodePractice::capital(KeyAscii); }

void frmCodePractice::Text5_KeyPress(int& KeyAscii)
{
    const CodePractice::TypedKey key = CodePractice::typeToSend(KeyAscii);
    // The box never keeps the key.
    KeyAscii = 0;
    QTextCursor end(Text2->document());
    end.movePosition(QTextCursor::End);
    switch (key.kind) {
    case CodePractice::TypedKey::Kind::Ignore: return;
    case CodePractice::TypedKey::Kind::TakeBack:
        // A character not yet keyed is taken back.
        if (!G.CWBuffer.isEmpty())
            G.CWBuffer.chop(1);
        if (!Text2->document()->isEmpty())
            end.deletePreviousChar();
        return;
    case CodePractice::TypedKey::Kind::Send: break;
    }
    // Enter shows as a line break in the sent text.
    end.insertText(QString(key.c));
    G.CWBuffer += key.c;
    if (G.CWSending == 0 && CWFrm::loaded())
        CWFrm::instance().LoopThroughCWBuffer();
}

void frmCodePractice::Form_Unload(int& Cancel)
{
    G.CWBuffer.clear();
    PracticeSendText.clear();
    // The send loop is keying a character: the window stays until it has returned; the send then
    // ends on its own, and the next close succeeds.
    if (G.CWSending == 1)
        Cancel = 1;
}

void frmCodePractice::Form_Unload()
{
    int cancel = 0;
    Form_Unload(cancel);
}

void frmCodePractice::closeEvent(QCloseEvent* e)
{
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel)
        e->ignore();
    else
        e->accept();
}
