#include "reports/frmCountyChangeRover.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/Globals.h"
#include "platform/Screen.h"
#include "reports/CountyBox.h"

using Kind = ControlGeometry::Kind;

frmCountyChangeRover::frmCountyChangeRover(QWidget* parent) : QDialog(parent), design_(this, 4680, 3960)
{
    setObjectName(QStringLiteral("frmCountyChangeRover"));
    setWindowTitle(QStringLiteral("County Change for Rovers"));
    setModal(true);
    Label1 = design_.add<QLabel>(QStringLiteral("Label1"), Kind::Label, 240, 120, 4200, 480, 9.75);
    Label1->setText(QStringLiteral("Please enter your current counties.  Click on listed counties to remove."));
    Label1->setWordWrap(true);
    Label3 = design_.add<QLabel>(QStringLiteral("Label3"), Kind::Label, 240, 660, 4200, 285);
    Label3->setText(QStringLiteral("Type the county and the press enter to add to the list."));
    Text1 = design_.add<QLineEdit>(QStringLiteral("Text1"), Kind::TextBox, 240, 1020, 2760, 375, 12);
    Text1->setMaxLength(20);
    Label2 = design_.add<QLabel>(QStringLiteral("Label2"), Kind::Label, 3120, 1065, 1320, 285, 9.75);
    CountyBox::styleInvalid(Label2);
    List1 = design_.add<QListWidget>(QStringLiteral("List1"), Kind::ListBox, 240, 1500, 2760, 1860);
    Command1 = design_.add<QPushButton>(QStringLiteral("Command1"), Kind::CommandButton, 3240, 2865, 1200, 495);
    Command1->setText(QStringLiteral("&Done"));
    setTabOrder(Text1, List1);
    setTabOrder(List1, Command1);

    new CountyBox(Text1, [this] { Text1_Enter(); });
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    const Platform::Screen s = Platform::Screen::current();
    ModFormResize::ScaleToScreen(design_.geometry(), s.width, s.height);
    design_.apply();
    Text1->setText(G.CurrentCounty);
    Text1->setCursorPosition(0);
    Label2->hide();
}

void frmCountyChangeRover::showFor(QLineEdit* countyBox)
{
    countyBox_ = countyBox;
    Text1->setFocus(Qt::OtherFocusReason);
    exec();
}

void frmCountyChangeRover::Text1_Enter()
{
    if (CheckCounty())
        AddCounty();
}

bool frmCountyChangeRover::CheckCounty() { return CountyBox::check(Text1, Label2); }

void frmCountyChangeRover::AddCounty()
{
    list_.add(Text1->text());
    showList();
    Text1->clear();
}

void frmCountyChangeRover::List1_Click(int index)
{
    list_.removeAt(index);
    showList();
    Command1->setFocus(Qt::OtherFocusReason);
}

void frmCountyChangeRover::Command1_Click()
{
    if (list_.count() > 0 && countyBox_)
        countyBox_->setText(list_.entries().first());
    hide();
}

void frmCountyChangeRover::showList()
{
    List1->clear();
    List1->addItems(list_.entries());
}
