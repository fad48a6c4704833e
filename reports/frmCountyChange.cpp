#include "reports/frmCountyChange.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "reports/CountyBox.h"
#include "reports/frmCountyChangeRover.h"

frmCountyChange::frmCountyChange(QWidget* parent) : QDialog(parent), design_(this, 4680, 1920)
{
    setObjectName(QStringLiteral("frmCountyChange"));
    setWindowTitle(QStringLiteral("County Change"));
    setModal(true);
    Label1 = design_.addLabel(QStringLiteral("Label1"), QStringLiteral("Please enter your current county:"), 240, 180,
                              4200, 285, nullptr, 9.75);
    const CountyBox::Field county = CountyBox::addField(design_, 540);
    Text1 = county.box;
    Label2 = county.invalid;
    Command1 = design_.addButton(QStringLiteral("Command1"), QStringLiteral("Done"), 240, 1140, 1200, 495);
    cmdMultipleCounties = design_.addButton(QStringLiteral("cmdMultipleCounties"),
                                            QStringLiteral("&Rovers on County Lines Click to Add Multiple Counties"),
                                            1560, 1140, 2880, 495);
    setTabOrder(Text1, Command1);
    setTabOrder(Command1, cmdMultipleCounties);

    countyBox_ = new CountyBox(Text1, [this] { Command1_Click(); });
    Text1->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(cmdMultipleCounties, &QPushButton::clicked, this, [this] { cmdMultipleCounties_Click(); });
    Form_Load();
}

void frmCountyChange::Form_Load() { CountyBox::load(design_, {Text1, Label2}); }

void frmCountyChange::Text1_LostFocus() { CountyBox::check(Text1, Label2); }

void frmCountyChange::Command1_Click()
{
    if (!CountyBox::check(Text1, Label2))
        return;
    G.CurrentCounty = Text1->text();
    Module2::MarkPrefStored(Module2::PrefItem::CurrentCounty);
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
