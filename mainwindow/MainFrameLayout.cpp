// The main window's layout: every control and menu item at its design rectangle, and the sizing
// of the window and its lists on the geometry model.
#include "mainwindow/MainFrame.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QScrollBar>
#include <QSizePolicy>
#include <QStyleFactory>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>
#include <QTreeWidget>

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/MainLoad.h"
#include "mainwindow/MainSizing.h"
#include "mainwindow/SpotPanelLayout.h"
#include "platform/Fonts.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

#include <algorithm>
#include <cmath>

using Kind = ControlGeometry::Kind;

namespace {

// Label colours (&HBBGGRR).
constexpr long long Teal = 0xC0C000;
constexpr long long Navy = 0x800000;
constexpr long long White = 0xFFFFFF;

// The contact list's width (twips): the widest column table, the in-state window's 5940, with a
// vertical scroll bar and the list's frame beside it on the design screen.
constexpr double ContactListWidth = 6210;

QString indexed(const QString& name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

// The rows of a list with columns: a text wider than its column is cut inside the cell with an
// ellipsis, and resting the mouse on such a cell shows the whole text. Over a cell shown whole
// the list's own tool tip stays.
class CutCells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (!event || !view || event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        if (!isCut(o, view))
            return false;   // the event goes on to the list itself
        QToolTip::showText(event->globalPos(), o.text, view->viewport(), view->visualRect(index));
        return true;
    }

private:
    // The style draws the text in its text rectangle less a margin on each side.
    static bool isCut(const QStyleOptionViewItem& o, const QAbstractItemView* view)
    {
        if (o.text.isEmpty())
            return false;
        const QStyle* style = view->style();
        const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &o, view);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &o, view) + 1;
        return QFontMetricsF(o.font, view).horizontalAdvance(o.text) > room.width() - 2 * margin;
    }
};

// Columns keep the widths the window gives them: nothing widens a column to its texts, the last
// one does not stretch, and the operator may still drag a column wider.
void keepColumnWidths(QTreeView* list)
{
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    list->setTextElideMode(Qt::ElideRight);
    list->setItemDelegate(new CutCells(list));
}

// The rows of a side list break between words at the list's width, so a long country name reads
// whole on two or three lines.
class WrappedRows : public QStyledItemDelegate {
public:
    explicit WrappedRows(QAbstractItemView* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        // The style wraps a row's text within the option's rectangle: the list's visible width.
        QStyleOptionViewItem o(option);
        o.features |= QStyleOptionViewItem::WrapText;
        o.rect = QRect(0, 0, std::max(1, list_->viewport()->width()), 1);
        return QStyledItemDelegate::sizeHint(o, index);
    }

private:
    QAbstractItemView* list_;
};

// The style of a narrow side list's vertical scroll bar: the bar keeps the share of the list's
// width the design gives it, so it shrinks with the window as the list and its rows do, and is
// never wider than the style's own bar. A bar of the style's own width would take a larger share
// of a list made smaller by a small screen or form size and cut the longest rows.
class ShareOfListWidth : public QProxyStyle {
public:
    ShareOfListWidth(const QWidget* list, double share)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), list_(list), share_(share)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int own = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric != PM_ScrollBarExtent)
            return own;
        return std::clamp(int(std::lround(list_->width() * share_)), 1, std::max(own, 1));
    }

private:
    const QWidget* list_;
    double share_;
};

}   // namespace

// ---------------------------------------------------------------------------------------------
// Controls

QLabel* MainFrame::addLabel(const QString& name, const QString& caption, double left, double top, double width,
                            double height, double fontPt)
{
    return design_.addLabel(name, caption, left, top, width, height, client_, fontPt);
}

void MainFrame::buildControls()
{
    // Own station, band and mode.
    Label2 = addLabel(QStringLiteral("Label2"), QStringLiteral("CALL"), 120, 60, 1680, 420, 14);
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    Label25 = addLabel(QStringLiteral("Label25"), QString(), 1860, 60, 2100, 420, 12);
    Label24 = addLabel(QStringLiteral("Label24"), QStringLiteral("160"), 4020, 60, 600, 420, 14);
    Label30 = addLabel(QStringLiteral("Label30"), QStringLiteral("CW"), 4680, 60, 600, 420, 14);
    for (QLabel* l : {Label24, Label30}) {
        setLabelColors(l, Navy, White);
        l->setAlignment(Qt::AlignCenter);
        l->setToolTip(QStringLiteral("Click to change modes."));
    }

    // Operating time and clocks.
    cmdLogOn =
        design_.addButton(QStringLiteral("cmdLogOn"), QStringLiteral("&Log \"Time On\""), 5400, 60, 1800, 420, client_);
    cmdLogOn->setToolTip(QStringLiteral("Records On/Off times and controls duration clock."));
    addLabel(QStringLiteral("Label11"), QStringLiteral("UTC"), 7260, 30, 960, 225);
    lblutctime = addLabel(QStringLiteral("lblutctime"), QStringLiteral("UTC TIME"), 7260, 255, 960, 255, 9);
    addLabel(QStringLiteral("Label14"), QStringLiteral("Local"), 8280, 30, 1140, 225);
    // The designator beside the local clock has room for "PM" down to the small form sizes, where
    // small fonts take relatively more room. The clocks end 30 twips inside the client area: the
    // frame allowance does not shrink with the form size, so the client area is a little
    // narrower than the share of the design it shows.
    lblCurTime = addLabel(QStringLiteral("lblCurTime"), QStringLiteral("Reg Time"), 8280, 255, 840, 255, 9);
    Label16 = addLabel(QStringLiteral("Label16"), QStringLiteral("am"), 9120, 255, 330, 255, 9);
    addLabel(QStringLiteral("Label13"), variant_.operatingTimeTitle, 7260, 525, 1380, 240);
    lblttrack = addLabel(QStringLiteral("lblttrack"), QStringLiteral("00:00:00"), 8640, 525, 810, 240, 9);
    Timer1 = new VbTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60000);
    Timer2 = new VbTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    buildEntryRow();

    // Status line and possible duplicates.
    lblDialog = addLabel(QStringLiteral("lblDialog"), QString(), 120, 1440, 9240, 300, 10);
    setLabelColors(lblDialog, Teal);
    if (!variant_.dialogToolTip.isEmpty())
        lblDialog->setToolTip(variant_.dialogToolTip);
    lblPossDup = addLabel(QStringLiteral("lblPossDup"), QStringLiteral("Possible Duplicates"), 120, 1800, 1200, 420);
    lblPossDup->setWordWrap(true);
    cmdDup = design_.addButton(QStringLiteral("cmdDup"), QStringLiteral("On"), 1380, 1845, 480, 330, client_);
    cmdDup->setToolTip(QStringLiteral("Displaying partial dupes slows the program on older pc's."));
    lblDupe = addLabel(QStringLiteral("lblDupe"), QString(), 1920, 1800, 7440, 420, 9);
    lblDupe->setWordWrap(true);
    lblDupe->setAutoFillBackground(true);   // the palette's button-face colour until a check paints it

    // Contact list and its buttons.
    // As wide as its columns with a vertical scroll bar beside them on the design screen. The
    // narrow face lets the texts of fixed form (record number, reports, date and time, mode, band)
    // read whole in their columns on every screen; a longer call, country or county is cut.
    ListView1 = design_.add<QTreeView>(QStringLiteral("ListView1"), Kind::ListView, 120, 2280, ContactListWidth, 2100,
                                       DefaultFontPt, client_);
    design_.control(QStringLiteral("ListView1"))->fontName = QStringLiteral("Arial Narrow");
    keepColumnWidths(ListView1);
    ListView1->setToolTip(QStringLiteral("Click record to edit or delete."));
    cmdList = design_.addButton(QStringLiteral("cmdList"), QStringLiteral("Last 20"), 120, 4440, 1080, 330, client_);
    cmdList->setToolTip(QStringLiteral("List all or last 20 contacts (Listing all will slow the program)"));
    cmdEdit =
        design_.addButton(QStringLiteral("cmdEdit"), QStringLiteral("Edit Contact"), 1260, 4440, 1380, 330, client_);
    cmdEdit->hide();
    cmdDelete = design_.addButton(QStringLiteral("cmdDelete"), QStringLiteral("Delete Contact"), 2700, 4440, 1380, 330,
                                  client_);
    cmdDelete->hide();

    // Score and rates: a caption with its value beside it.
    struct ScoreRow {
        QString caption;
        QLabel** value;
        const char* name;
    };
    const QStringList& score = variant_.scoreCaptions;
    const ScoreRow rows[] = {
        {score.value(0), &lblTotCon, "lblTotCon"},
        {score.value(1), &lblsectogo, "lblsectogo"},
        {score.value(2), &lblTotSec, "lblTotSec"},
        {score.value(3), &lblTotScore, "lblTotScore"},
        {QStringLiteral("QSOs / Hr (last 60 min)"), &lblAQSO60, "lblAQSO60"},
        {QStringLiteral("QSOs / Hr (last 20 min)"), &lblAQSO20, "lblAQSO20"},
    };
    // Below the divider: three columns of two rows.
    for (int i = 0; i < 6; ++i) {
        const ScoreRow& r = rows[i];
        const double left = 120 + (i / 2) * 3120;
        const double top = 4890 + (i % 2) * 240;
        addLabel(QStringLiteral("Label%1").arg(4 + i), r.caption, left, top, 2160, 240);
        *r.value = addLabel(QString::fromLatin1(r.name), QStringLiteral("0"), left + 2160, top, 840, 240);
        (*r.value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Command1 =
        design_.addButton(QStringLiteral("Command1"), QStringLiteral("All Modes"), 4860, 4440, 1380, 330, client_);

    buildSideLists();
    Line3 = design_.addLine(QStringLiteral("Line3"), 120, 4830, 9360, 4830, client_);
    if (variant_.stateGrid)
        buildStateGrid();
    buildSpotPanel();

    // Only the entry fields are tab stops.
    for (QWidget* w : {static_cast<QWidget*>(ListView1), static_cast<QWidget*>(cmdList), static_cast<QWidget*>(cmdEdit),
                       static_cast<QWidget*>(cmdDelete), static_cast<QWidget*>(cmdLogOn),
                       static_cast<QWidget*>(Command1), static_cast<QWidget*>(cmdDup), static_cast<QWidget*>(List1),
                       static_cast<QWidget*>(List2), static_cast<QWidget*>(txtDX)})
        w->setFocusPolicy(Qt::ClickFocus);
    if (List3)
        List3->setFocusPolicy(Qt::ClickFocus);
}

void MainFrame::buildEntryRow()
{
    lblStation.resize(9);
    // Captions above the fields.
    lblStation[2] = addLabel(indexed(QStringLiteral("lblStation"), 2), QStringLiteral("Call"), 120, 540, 1500, 240);
    lblStation[3] = addLabel(indexed(QStringLiteral("lblStation"), 3), QStringLiteral("RS(T) Rc"), 1680, 540, 720, 240);
    lblStation[1] =
        addLabel(indexed(QStringLiteral("lblStation"), 1), variant_.stateFieldCaption, 2520, 540, 1680, 240);
    lblStation[4] = addLabel(indexed(QStringLiteral("lblStation"), 4), QStringLiteral("County"), 4260, 540, 1800, 240);
    lblStation[0] = addLabel(indexed(QStringLiteral("lblStation"), 0), QStringLiteral("RS(T) Sn"), 6120, 540, 720, 240);
    // The post-contest boxes' captions stand under their boxes: above them, right of the report
    // sent, the clocks and the operating time take the rows down to the boxes' top.
    lblPostConTime = addLabel(QStringLiteral("lblPostConTime"), QStringLiteral("Time"), 6840, 1170, 720, 240);
    lblPostConDate = addLabel(QStringLiteral("lblPostConDate"), QStringLiteral("Date"), 7620, 1170, 1260, 240);

    // The fields, left to right, in tab order. The post-contest boxes hold a whole time and date
    // ("23:59", "2024/05/04") in the room right of the report sent, so their font is smaller.
    struct Field {
        QLineEdit** edit;
        const char* name;
        double left, width;
        int maxLength;
        double fontPt = 12;
    };
    const Field fields[] = {
        {&txtCall, "txtCall", 120, 1500, 12},
        {&txtRSTR, "txtRSTR", 1680, 660, 3},
        {&txtCntry, "txtCntry", 2520, 1680, 30},
        {&txtSec, "txtSec", 4260, 1800, 20},
        {&txtRSTS, "txtRSTS", 6120, 660, 3},
        {&txtPostConTime, "txtPostConTime", 6840, 720, 5, 10},
        {&txtPostConDate, "txtPostConDate", 7620, 1260, 10, 10},
    };
    QWidget* previous = nullptr;
    for (const Field& f : fields) {
        *f.edit = design_.add<EntryBox>(QString::fromLatin1(f.name), Kind::TextBox, f.left, 780, f.width, 360, f.fontPt,
                                        client_);
        (*f.edit)->setMaxLength(f.maxLength);
        (*f.edit)->setFocusPolicy(Qt::StrongFocus);
        if (previous)
            QWidget::setTabOrder(previous, *f.edit);
        previous = *f.edit;
    }
    for (QWidget* w : {static_cast<QWidget*>(lblPostConTime), static_cast<QWidget*>(txtPostConTime),
                       static_cast<QWidget*>(lblPostConDate), static_cast<QWidget*>(txtPostConDate)})
        w->hide();

    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("New"), 8940, 780, 540, 360, 10);

    // Continent, bearing and distance of the worked station.
    QLabel* conCaption = addLabel(QStringLiteral("Label17"), QStringLiteral("Con"), 2520, 1170, 420, 240);
    Label19 = addLabel(QStringLiteral("Label19"), QString(), 2940, 1170, 420, 240);
    QLabel* bearingCaption = addLabel(QStringLiteral("Label18"), QStringLiteral("Bearing"), 3420, 1170, 660, 240);
    Label22 = addLabel(QStringLiteral("Label22"), QString(), 4080, 1170, 540, 240);
    QLabel* milesCaption = addLabel(QStringLiteral("Label20"), QStringLiteral("Miles"), 4680, 1170, 540, 240);
    Label23 = addLabel(QStringLiteral("Label23"), QString(), 5220, 1170, 720, 240);

    if (!variant_.stateFieldShown) {
        for (QWidget* w :
             {static_cast<QWidget*>(txtCntry), static_cast<QWidget*>(lblStation[1]), static_cast<QWidget*>(Label3),
              static_cast<QWidget*>(conCaption), static_cast<QWidget*>(Label19), static_cast<QWidget*>(bearingCaption),
              static_cast<QWidget*>(Label22), static_cast<QWidget*>(milesCaption), static_cast<QWidget*>(Label23)})
            w->hide();
    }
}

QStringList MainFrame::sideListNames() const
{
    QStringList names = {QStringLiteral("List1"), QStringLiteral("List2")};
    if (variant_.sideListCount > 2)
        names << QStringLiteral("List3");
    return names;
}

void MainFrame::buildSideLists()
{
    // The side area, from just right of the contact list to the window's right margin, is shared
    // by the lists, each under its header label; narrow gaps leave the three headers of the
    // in-state window room for a count of two digits ("Cnty Wkd - 92"). The DX list takes a
    // little more than the county lists for the longest words of country names.
    const double areaLeft = 120 + ContactListWidth + 30, areaRight = 9450, gap = 15;
    const int n = variant_.sideListCount;
    const double dxExtra = variant_.dxCountryList ? 60 : 0;
    const double width = (areaRight - areaLeft - gap * (n - 1) - dxExtra) / n;
    // Three lists side by side leave each a third of the area: their rows take the narrow face at
    // 6.5 points and their scroll bar is slim, 135 twips (9 pixels on the design screen) that
    // scale with the list, so the widest county ("Bartholomew") and the widest word of a country
    // name read whole beside it even on the design screen at 80 % form size. Two lists keep the
    // window's font and the style's scroll bar.
    const double rowFontPt = n > 2 ? 6.5 : DefaultFontPt;
    const double narrowScrollBarTwips = 135;
    auto headerIndex = [&](int list) {
        if (list == 2)
            return variant_.workedHeaderIndex;
        if (list == 1 && variant_.dxCountryList)
            return 5;
        return variant_.toGoHeaderIndex;
    };
    auto headerText = [&](int list) {
        if (list == 2)
            return variant_.workedHeaderDesign;
        if (list == 1 && variant_.dxCountryList)
            return variant_.dxHeaderDesign;
        return variant_.toGoHeaderDesign;
    };
    double left = areaLeft;
    for (int k = 1; k <= n; ++k) {
        const double w = k == 1 ? width + dxExtra : width;
        const int h = headerIndex(k);
        lblStation[h] = addLabel(indexed(QStringLiteral("lblStation"), h), headerText(k), left, 2280, w, 240, 7.5);
        const QString name = QStringLiteral("List%1").arg(k);
        auto* list = design_.add<QListWidget>(name, Kind::ListBox, left, 2520, w, 2310, rowFontPt, client_);
        left += w + gap;
        if (n > 2) {
            design_.control(name)->fontName = QStringLiteral("Arial Narrow");
            QScrollBar* bar = list->verticalScrollBar();
            auto* style = new ShareOfListWidth(list, narrowScrollBarTwips / w);
            style->setParent(bar);
            bar->setStyle(style);
            // Its width is the one the list gives it, not a fixed one remembered from before.
            QSizePolicy policy = bar->sizePolicy();
            policy.setHorizontalPolicy(QSizePolicy::Ignored);
            bar->setSizePolicy(policy);
        }
        list->setSortingEnabled(true);
        list->setWordWrap(true);
        list->setResizeMode(QListView::Adjust);
        list->setItemDelegate(new WrappedRows(list));
        (k == 1 ? List1 : k == 2 ? List2 : List3) = list;
    }
}

void MainFrame::buildStateGrid()
{
    // Under its caption, 63 labels in three rows of 21, in table order, and a 64th that is never
    // shown. The last row ends where it still lies inside the client area at 80 % of a 640 x 480
    // screen: the frame allowance and the menu bar do not shrink with the form size, so the client
    // area is shorter than the share of the design it shows.
    addLabel(QStringLiteral("Label15"), QStringLiteral("States and Provinces Worked All Bands:"), 120, 5400, 4200, 240);
    Label10.resize(65);
    const double left0 = 120, top0 = 5640, w = 440, h = 225;
    for (int i = 1; i <= 64; ++i) {
        const int col = (i - 1) % 21, row = (i - 1) / 21;
        Label10[i] = addLabel(indexed(QStringLiteral("Label10"), i), QString(), left0 + col * w, top0 + row * h, w - 20,
                              h - 20, 8);
        Label10[i]->setAlignment(Qt::AlignCenter);
    }
    Label10[64]->hide();
}

void MainFrame::buildSpotPanel()
{
    txtDX =
        design_.add<QTreeWidget>(QStringLiteral("txtDX"), Kind::ListView, 120, 5580, 9240, 900, DefaultFontPt, client_);
    txtDX->setRootIsDecorated(false);
    txtDX->setColumnCount(0);
    keepColumnWidths(txtDX);
    txtDX->hide();
    lblDX = addLabel(QStringLiteral("lblDX"), QString(), 120, 5580, 9240, 900);
    setLabelColors(lblDX, Navy, White);
    lblDX->hide();
    LineDX = design_.addLine(QStringLiteral("LineDX"), 420, 6030, 9060, 6030, client_);
    LineDX->setColor(Qt::white);
    LineDX->hide();
    auto spotStyle = [](QLabel* l) {
        QFont f = l->font();
        f.setFamily(Platform::DesignSerifFont);
        l->setFont(f);
        l->setAlignment(Qt::AlignCenter);
        QPalette pal = l->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        l->setPalette(pal);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->hide();
    };
    for (int i = 0; i < 50; ++i) {
        lblDXSpot << addLabel(indexed(QStringLiteral("lblDXSpot"), i), QStringLiteral("DXLBL"), 120 + (i % 15) * 600,
                              5640 + (i / 15) * 255, 600, 255, 6.75);
        spotStyle(lblDXSpot.last());
    }
    for (int i = 0; i < 5; ++i) {
        lblFreqSpot << addLabel(indexed(QStringLiteral("lblFreqSpot"), i), QString(), 120 + i * 2160, 6120, 615, 255,
                                6.75);
        spotStyle(lblFreqSpot.last());
    }
}

// ---------------------------------------------------------------------------------------------
// Menus

QMenu* MainFrame::addMenu(QMenu* parentMenu, const QString& name, const QString& caption)
{
    QMenu* m = parentMenu ? parentMenu->addMenu(caption) : menuBar->addMenu(caption);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
}

QAction* MainFrame::addItem(QMenu* m, const QString& name, const QString& caption, bool checkable)
{
    auto* a = new QAction(caption, this);
    a->setObjectName(name);
    a->setCheckable(checkable);
    if (m)
        m->addAction(a);
    else
        menuBar->addAction(a);
    return a;
}

void MainFrame::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setNativeMenuBar(false);

    QMenu* file = addMenu(nullptr, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addItem(file, QStringLiteral("mnuNew"), QStringLiteral("&New"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuArchive"), QStringLiteral("Archive Current &Log"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuRestore"), QStringLiteral("&Restore from Archive or Backup"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuOpen"), QStringLiteral("&Open"))->setVisible(false);
    addItem(file, QStringLiteral("mnuWriteSumm"), QStringLiteral("&Write Submission File"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuDovrelImport"), QStringLiteral("E&xport for Dovrel Import"))->setVisible(false);
    addItem(file, QStringLiteral("mnuexportADIF"), QStringLiteral("Export &ADIF File"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuCopyListtoClipboard"), QStringLiteral("&Copy Listed Items to Clipboard"));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"));

    QMenu* options = addMenu(nullptr, QStringLiteral("mnuOptions"), QStringLiteral("&Options"));
    QMenu* appearance = addMenu(options, QStringLiteral("mnuAppearance"), QStringLiteral("&Appearance"));
    QAction* formSize = addItem(appearance, QStringLiteral("mnuFormSize"), QStringLiteral("&Form Size"));
    addItem(appearance, QStringLiteral("mnuColors"), QStringLiteral("&Colors"))->setVisible(variant_.colorsMenuVisible);
    QAction* taskbar = addItem(appearance, QStringLiteral("mnuTaskbar"), QStringLiteral("&Taskbar"), true);
    options->addSeparator();
    QMenu* transmit = addMenu(options, QStringLiteral("mnuTransmit"), QStringLiteral("&Transmit"));
    addItem(transmit, QStringLiteral("mnuCW"), QStringLiteral("&CW Setup"));
    addItem(transmit, QStringLiteral("mnuVoice"), QStringLiteral("&Voice Setup"));
    options->addSeparator();
    addItem(options, QStringLiteral("mnuRigInterface"), QStringLiteral("&Rig Interface"));
    options->addSeparator();
    QMenu* dx = addMenu(options, QStringLiteral("mnuDXSpot"), QStringLiteral("&DX Spotting"));
    addItem(dx, QStringLiteral("mnuDXSpotting"), QStringLiteral("&Configure"));
    addItem(dx, QStringLiteral("mnuSpectrumMap"), QStringLiteral("&View Spectrum Map"));
    options->addSeparator();
    addItem(options, QStringLiteral("mnuBlind"), QStringLiteral("&Voice Navigation"));
    options->addSeparator();
    addItem(options, QStringLiteral("mnuListPrevious"), QStringLiteral("&List Previous Contacts"), true);
    options->addSeparator();
    addItem(options, QStringLiteral("mnuPostContest"), QStringLiteral("&Post Contest Mode"), true);

    if (variant_.setupMenu)
        addMenu(nullptr, QStringLiteral("mnuSetup"), QStringLiteral("&Setup"))->menuAction()->setVisible(false);

    QMenu* band = addMenu(nullptr, QStringLiteral("mnuBandChange"), QStringLiteral("&Band"));
    const QStringList bands = MainLoad::bandNames();
    for (const QString& b : bands) {
        QAction* a = addItem(band, QStringLiteral("mnuBand%1Ch").arg(b), b, true);
        if (b == QLatin1String("6") || b == QLatin1String("2"))
            a->setVisible(false);
    }
    band->addSeparator();
    addItem(band, QStringLiteral("mnuPrivileges"), QStringLiteral("&Privileges"));

    QMenu* mode = addMenu(nullptr, QStringLiteral("mnuBand"), QStringLiteral("&Mode"));
    addItem(mode, QStringLiteral("mnu160"), QStringLiteral("&CW"), true);
    addItem(mode, QStringLiteral("mnuSSB"), QStringLiteral("&PH"), true);
    addItem(mode, QStringLiteral("mnuDigital"), variant_.digitalModeCaption, true)->setVisible(false);

    addItem(nullptr, QStringLiteral("mnuClear"), QStringLiteral("&Clear"));
    if (variant_.changeCountyMenu)
        addItem(nullptr, QStringLiteral("mnuChangeCounty"), QStringLiteral("Cha&nge County"));
    addItem(nullptr, QStringLiteral("mnuMap"), QStringLiteral("M&ap"));
    addItem(nullptr, QStringLiteral("mnuGraph"), QStringLiteral("&Graph"));
    addItem(nullptr, QStringLiteral("mnuRecall"), QStringLiteral("&Recall"));
    addItem(nullptr, QStringLiteral("mnuCountyList"), QStringLiteral("L&ist"));
    addItem(nullptr, QStringLiteral("mnuHelp"), QStringLiteral("&Help"));

    connect(formSize, &QAction::triggered, this, [this] { mnuFormSize_Click(); });
    connect(taskbar, &QAction::triggered, this, [this] { mnuTaskbar_Click(); });
}

QAction* MainFrame::action(const QString& objectName) const { return findChild<QAction*>(objectName); }

QMenu* MainFrame::menu(const QString& objectName) const { return findChild<QMenu*>(objectName); }

// ---------------------------------------------------------------------------------------------
// Geometry

namespace {
// The client area's height in pixels: the model's, less the menu bar's excess. The frame
// allowance leaves the menu bar what the window manager's title bar and border do not take; a menu
// bar taller than that (its font follows the window's scale) takes the excess off the bottom of the
// client area, so the window keeps its outer size and stays inside the screen or work area it was
// fitted to.
int clientHeightPixels(const FormGeometry& g, const QMenuBar* menuBar, const Platform::Screen& s)
{
    const int ch = std::max(0, s.toPixelsY(g.clientHeight));
    const int menuRoom = std::max(0, s.toPixelsY(g.captionHeight - s.frameTitle - s.frameBorder));
    return std::max(0, ch - std::max(0, menuBar->sizeHint().height() - menuRoom));
}
}   // namespace

void MainFrame::applyLayout()
{
    design_.apply();
    // The model's client area is the area below the menu bar.
    const Platform::Screen s = Platform::Screen::current();
    const FormGeometry& g = design_.geometry();
    const int cw = std::max(0, s.toPixelsX(g.clientWidth));
    const int mh = menuBar->sizeHint().height();
    const int clientHeight = clientHeightPixels(g, menuBar, s);
    menuBar->setGeometry(0, 0, cw, mh);
    client_->setGeometry(0, mh, cw, clientHeight);
    resize(cw, clientHeight + mh);
    move(s.toPixelsX(g.left), s.toPixelsY(g.top));
}

double MainFrame::clientAreaHeight()
{
    const Platform::Screen s = Platform::Screen::current();
    return s.toTwipsY(clientHeightPixels(design_.geometry(), menuBar, s));
}

void MainFrame::SizeCountyLists()
{
    MainSizing::SizeCountyLists(design_.geometry(), sideListNames());
    applyLayout();
}

void MainFrame::ApplyFormSize()
{
    const Platform::Screen s = Platform::Screen::current();
    if (!MainSizing::ApplyFormSize(design_.geometry(), G.FormSizePercent, s.width, s.height, sideListNames())) {
        G.FormSizePercent = 100;
        Module2::WriteQSOpref();
    }
    applyLayout();
}

void MainFrame::FitToWorkArea()
{
    if (QAction* taskbar = action(QStringLiteral("mnuTaskbar")))
        taskbar->setChecked(G.TaskbarOption != 0);
    if (G.FormSizePercent != 100)
        return;
    const Platform::Screen s = Platform::Screen::current();
    if (G.TaskbarOption == 1)
        MainSizing::FitToWorkArea(design_.geometry(), s.workLeft, s.workTop, s.workWidth, s.workHeight, sideListNames(),
                                  QStringLiteral("txtDX"));
    else
        MainSizing::FitToWorkArea(design_.geometry(), 0, 0, s.width, s.height, sideListNames(),
                                  QStringLiteral("txtDX"));
    // A shown spot panel is the strip at the bottom: it ends at the refitted client area's bottom.
    if (!txtDX->isHidden() || !lblDX->isHidden())
        SpotPanelLayout::fitToClientBottom(design_.geometry(), SpotPanelLayout::Names::mainWindow(sideListNames()),
                                           clientAreaHeight());
    applyLayout();
}

void MainFrame::mnuFormSize_Click()
{
    Platform::Prompts& p = Platform::prompts();
    const QString answer = p.inputBox(MainSizing::Texts::formSizePrompt(), MainSizing::Texts::formSizeTitle(),
                                      QString::number(G.FormSizePercent));
    const std::optional<int> percent = MainSizing::FormSizeFromAnswer(answer);
    if (!percent) {
        p.messageBox(MainSizing::Texts::numericText(), MainSizing::Texts::numericTitle());
        return;
    }
    G.FormSizePercent = uint8_t(*percent);
    p.messageBox(MainSizing::Texts::restartText(), MainSizing::Texts::restartTitle());
    Module2::MarkPrefStored(Module2::PrefItem::FormSizePercent);
    Module2::WriteQSOpref();
}

void MainFrame::mnuTaskbar_Click()
{
    if (G.FormSizePercent != 100) {
        if (QAction* taskbar = action(QStringLiteral("mnuTaskbar")))
            taskbar->setChecked(G.TaskbarOption != 0);
        Platform::prompts().messageBox(MainSizing::Texts::taskbarRefusedText(),
                                       MainSizing::Texts::taskbarRefusedTitle());
        return;
    }
    G.TaskbarOption = G.TaskbarOption == 0 ? 1 : 0;
    Module2::MarkPrefStored(Module2::PrefItem::TaskbarOption);
    Module2::WriteQSOpref();
    FitToWorkArea();
}
