#include "reports/frmCountyChange.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "platform/Screen.h"
#include "reports/CountyBox.h"
#include "reports/frmCountyChangeRover.h"

using Kind = ControlGeometry::Kind;

frmCountyChange::frmCountyChange(QWidget* parent) : QDialog(parent), design_(this, 4680, 1920)
{
    setObjectName(QStringLiteral("frmCountyChange"));
    setWindowTitle(QStringLiteral("County Change"));
    setModal(true);
    Label1 = design_.add<QLabel>(QStringLiteral("Label1"), Kind::Label, 240, 180, 4200, 285, 9.75);
    Label1->setText(QStringLiteral("Please enter your current county:"));
    Text1 = design_.add<QLineEdit>(QStringLiteral("Text1"), Kind::TextBox, 240, 540, 2760, 375, 12);
    Text1->setMaxLength(20);
    Label2 = design_.add<QLabel>(QStringLiteral("Label2"), Kind::Label, 3120, 585, 1320, 285, 9.75);
    CountyBox::styleInvalid(Label2);
    Command1 = design_.add<QPushButton>(QStringLiteral("Command1"), Kind::CommandButton, 240, 1140, 1200, 495);
    Command1->setText(QStringLiteral("Done"));
    cmdMultipleCounties =
        design_.add<QPushButton>(QStringLiteral("cmdMultipleCounties"), Kind::CommandButton, 1560, 1140, 2880, 495);
    cmdMultipleCounties->setText(QStringLiteral("&Rovers on County Lines Click to Add Multiple Counties"));
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, cmdMultipleCounties);

    countyBox_ = new CountyBox(Text1, [this] { Command1_Click(); });
    Text1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdMultipleCounties, &QPushButton::clicked, this, [this] { cmdMultipleCounties_Click(); });
    Form_Load();
}

void frmCountyChange::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    ModFormResize::ScaleToScreen(design_.geometry(), s.width, s.height);
    design_.apply();
    Text1->setText(G.CurrentCounty);
    Text1->setCursorPosition(0);
    Label2->hide();
}

void frmCountyChange::Text1_LostFocus() { CountyBox::check(Text1, Label2); }

void frmCountyChange::Command1_Click()
{
    if (!CountyBox::check(Text1, Label2))
        return;
    G.CurrentCounty = Text1->text();
    Module2::WriteQSOpref();
    accept();
}

void frmCountyChange::cmdMultipleCounties_Click()
{
    frmCountyChangeRover::instance().showFor(Text1);
    Command1_Click();
}

bool frmCountyChange::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the box for another control of this window (not the window losing the activation,
    // nor the rover window opening over it).
    if (watched == Text1 && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(event)->reason();
        if (r == Qt::TabFocusReason || r == Qt::BacktabFocusReason || r == Qt::MouseFocusReason)
            Text1_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}
