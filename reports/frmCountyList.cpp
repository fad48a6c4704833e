#include "reports/frmCountyList.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "platform/Screen.h"
#include "reports/ReportsLog.h"

using Kind = ControlGeometry::Kind;

namespace {
constexpr double ClientWidth = 3300, ClientHeight = 4200;
}

frmCountyList::frmCountyList(QWidget* parent) : QDialog(parent), design_(this, ClientWidth, ClientHeight)
{
    setObjectName(QStringLiteral("frmCountyList"));
    setWindowTitle(QStringLiteral("County List"));
    setModal(true);
    ListView1 = design_.add<QTreeWidget>(QStringLiteral("ListView1"), Kind::ListView, 0, 0, ClientWidth, ClientHeight);
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setColumnCount(0);
    connect(ListView1, &QTreeWidget::itemClicked, this, [this] { ListView1_Click(); });
    design_.apply();
}

void frmCountyList::Form_Load()
{
    const Platform::Screen s = Platform::Screen::current();
    const double sx = s.width / 9600, sy = s.height / 7200;
    FormGeometry& g = design_.geometry();
    g.width = g.width * sx;
    g.height = g.height * sy;
    g.left = (s.width - g.width) / 2;
    g.top = (s.height - g.height) / 6;
    g.clientWidth = g.width - g.borderWidth;
    g.clientHeight = g.height - g.captionHeight;
    g.fontSize *= g.width / 9600;
    const double f = std::min(sx, 1.5);
    for (ControlGeometry& c : g.controls) {
        c.left *= sx;
        c.width *= sx;
        c.top *= sy;
        c.height *= sy;
        c.fontSize *= f;
    }
    ListView1->setHeaderLabels({QStringLiteral("County"), QStringLiteral("Abbreviation")});
    design_.setColumns(ListView1, {s.width / 9600 * 1300, s.width / 9600 * 1300});
    design_.apply();

    const int n = int(std::min(G.CountyNames.size(), G.CountyAbbreviations.size()));
    for (int i = 0; i < n; ++i)
        new QTreeWidgetItem(ListView1, {G.CountyNames[i], G.CountyAbbreviations[i]});
}

void frmCountyList::ListView1_Click()
{
    const QTreeWidgetItem* row = ListView1->currentItem();
    if (!row || !row->isSelected())
        return;
    if (MainLogWindow* w = Form1::target(); w && w->txtSec)
        w->txtSec->setText(row->text(0));
    else
        qCWarning(lcReports) << "County list: no main window to take the county" << row->text(0);
    hide();
}
