#include "reports/frmCountyChangeRover.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "reports/CountyBox.h"

using Kind = ControlGeometry::Kind;

frmCountyChangeRover::frmCountyChangeRover(QWidget* parent) : QDialog(parent), design_(this, 4680, 3960)
{
    setObjectName(QStringLiteral("frmCountyChangeRover"));
    setWindowTitle(QStringLiteral("County Change for Rovers"));
    setModal(true);
    Label1 =
        design_.addLabel(QStringLiteral("Label1"),
                         QStringLiteral("Please enter your current counties.  Click on listed counties to remove."),
                         240, 120, 4200, 480, nullptr, 9.75);
    Label1->setWordWrap(true);
    Label3 = design_.addLabel(QStringLiteral("Label3"),
                              QStringLiteral("Type the county and the press enter to add to the list."), 240, 660, 4200,
                              285);
    const CountyBox::Field county = CountyBox::addField(design_, 1020);
    Text1 = county.box;
    Label2 = county.invalid;
    List1 = design_.add<QListWidget>(QStringLiteral("List1"), Kind::ListBox, 240, 1500, 2760, 1860);
    Command1 = design_.addButton(QStringLiteral("Command1"), QStringLiteral("&Done"), 3240, 2865, 1200, 495);
    setTabOrder(Text1, List1);
    setTabOrder(List1, Command1);

    new CountyBox(Text1, [this] { Text1_Enter(); });
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(List1->row(item)); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    CountyBox::load(design_, {Text1, Label2});
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
