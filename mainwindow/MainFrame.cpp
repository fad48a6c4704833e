#include "mainwindow/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

#include "core/Colors.h"
#include "core/Format.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "core/Form1.h"
#include "entry/DupeCheck.h"
#include "entry/ReloadLog.h"
#include "entry/Tallies.h"
#include "keying/BlindFrm.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/MainLoad.h"
#include "mainwindow/MainSizing.h"
#include "mainwindow/StateProvinces.h"
#include "platform/Clock.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// The window's outer design size, and what the caption, menu bar and frame take of it.
constexpr double DesignWidth = 9600, DesignHeight = 7200;
constexpr double FrameWidth = 120, FrameHeight = 690;

// Status label colours (&HBBGGRR).
constexpr long long Teal = 0xC0C000;
constexpr long long Navy = 0x800000;
constexpr long long White = 0xFFFFFF;

void setColors(QLabel* label, long long back, long long fore = -1)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Colors::fromNumber(back));
    if (fore >= 0)
        pal.setColor(QPalette::WindowText, Colors::fromNumber(fore));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
}

QString indexed(const QString& name, int i) { return QStringLiteral("%1(%2)").arg(name).arg(i); }

} // namespace

MainFrame::MainFrame(MainWindows::Which which, QWidget* parent)
    : QWidget(parent, Qt::Window),
      variant_(MainVariants::variant(which)),
      client_(new QWidget(this)),
      design_(this, DesignWidth - FrameWidth, DesignHeight - FrameHeight),
      countyLists_(which == MainWindows::Which::Out ? Entry::Window::Out : Entry::Window::In)
{
    setObjectName(variant_.className);
    setWindowTitle(MainVariants::designCaption());
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    FormGeometry& g = design_.geometry();
    g.borderWidth = FrameWidth;
    g.captionHeight = FrameHeight;
    g.setOuterSize(DesignWidth, DesignHeight);

    buildMenus();
    buildControls();
    connectEntry();
    spotPanel_ = MainServices::makeSpotPanel(*this);
    ContactListControls list;
    list.ListView1 = ListView1;
    list.cmdList = cmdList;
    list.cmdEdit = cmdEdit;
    list.cmdDelete = cmdDelete;
    list.mnuRecall = action(QStringLiteral("mnuRecall"));
    list.mnuListPrevious = action(QStringLiteral("mnuListPrevious"));
    list.mnuCopyListtoClipboard = action(QStringLiteral("mnuCopyListtoClipboard"));
    list.txtCall = txtCall;
    list.txtSec = txtSec;
    contactList_ = std::make_unique<ContactListPanel>(which, this, this, list, [this] { ReloadLog(); });
    applyLayout();
    Form1::registerMainWindow(this, which == MainWindows::Which::Out);
}

MainFrame::~MainFrame() { unbindEntryRow(); }

// ---------------------------------------------------------------------------------------------
// Controls

QLabel* MainFrame::addLabel(const QString& name, const QString& caption, double left, double top, double width,
                            double height, double fontPt)
{
    auto* l = design_.add<QLabel>(name, Kind::Label, left, top, width, height, fontPt, client_);
    l->setText(caption);
    return l;
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
        setColors(l, Navy, White);
        l->setAlignment(Qt::AlignCenter);
        l->setToolTip(QStringLiteral("Click to change modes."));
    }

    // Operating time and clocks.
    cmdLogOn = design_.add<QPushButton>(QStringLiteral("cmdLogOn"), Kind::CommandButton, 5400, 60, 1800, 420,
                                        8.25, client_);
    cmdLogOn->setText(QStringLiteral("&Log \"Time On\""));
    cmdLogOn->setToolTip(QStringLiteral("Records On/Off times and controls duration clock."));
    addLabel(QStringLiteral("Label11"), QStringLiteral("UTC"), 7260, 30, 960, 225);
    lblutctime = addLabel(QStringLiteral("lblutctime"), QStringLiteral("UTC TIME"), 7260, 255, 960, 255, 9);
    addLabel(QStringLiteral("Label14"), QStringLiteral("Local"), 8280, 30, 1140, 225);
    lblCurTime = addLabel(QStringLiteral("lblCurTime"), QStringLiteral("Reg Time"), 8280, 255, 900, 255, 9);
    Label16 = addLabel(QStringLiteral("Label16"), QStringLiteral("am"), 9180, 255, 270, 255, 9);
    addLabel(QStringLiteral("Label13"), variant_.operatingTimeTitle, 7260, 525, 1380, 240);
    lblttrack = addLabel(QStringLiteral("lblttrack"), QStringLiteral("00:00:00"), 8640, 525, 900, 240, 9);
    Timer1 = new VbTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(60000);
    Timer2 = new VbTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);

    buildEntryRow();

    // Status line and possible duplicates.
    lblDialog = addLabel(QStringLiteral("lblDialog"), QString(), 120, 1440, 9240, 300, 10);
    setColors(lblDialog, Teal);
    if (!variant_.dialogToolTip.isEmpty())
        lblDialog->setToolTip(variant_.dialogToolTip);
    lblPossDup = addLabel(QStringLiteral("lblPossDup"), QStringLiteral("Possible Duplicates"), 120, 1800, 1200, 420);
    lblPossDup->setWordWrap(true);
    cmdDup = design_.add<QPushButton>(QStringLiteral("cmdDup"), Kind::CommandButton, 1380, 1845, 480, 330, 8.25,
                                      client_);
    cmdDup->setText(QStringLiteral("On"));
    cmdDup->setToolTip(QStringLiteral("Displaying partial dupes slows the program on older pc's."));
    lblDupe = addLabel(QStringLiteral("lblDupe"), QString(), 1920, 1800, 7440, 420, 9);
    lblDupe->setWordWrap(true);
    lblDupe->setAutoFillBackground(true);   // the palette's button-face colour until a check paints it

    // Contact list and its buttons.
    ListView1 = design_.add<QTreeView>(QStringLiteral("ListView1"), Kind::ListView, 120, 2280, 6120, 2220, 8.25,
                                       client_);
    ListView1->setToolTip(QStringLiteral("Click record to edit or delete."));
    cmdList = design_.add<QPushButton>(QStringLiteral("cmdList"), Kind::CommandButton, 120, 4560, 1080, 330, 8.25,
                                       client_);
    cmdList->setText(QStringLiteral("Last 20"));
    cmdList->setToolTip(QStringLiteral("List all or last 20 contacts (Listing all will slow the program)"));
    cmdEdit = design_.add<QPushButton>(QStringLiteral("cmdEdit"), Kind::CommandButton, 1260, 4560, 1380, 330, 8.25,
                                       client_);
    cmdEdit->setText(QStringLiteral("Edit Contact"));
    cmdEdit->hide();
    cmdDelete = design_.add<QPushButton>(QStringLiteral("cmdDelete"), Kind::CommandButton, 2700, 4560, 1380, 330,
                                         8.25, client_);
    cmdDelete->setText(QStringLiteral("Delete Contact"));
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
        const double top = 5040 + (i % 2) * 255;
        addLabel(QStringLiteral("Label%1").arg(4 + i), r.caption, left, top, 2160, 240);
        *r.value = addLabel(QString::fromLatin1(r.name), QStringLiteral("0"), left + 2160, top, 840, 240);
        (*r.value)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Command1 = design_.add<QPushButton>(QStringLiteral("Command1"), Kind::CommandButton, 4860, 4560, 1380, 330, 8.25,
                                        client_);
    Command1->setText(QStringLiteral("All Modes"));

    buildSideLists();
    Line3 = design_.addLine(QStringLiteral("Line3"), 120, 4980, 9360, 4980, client_);
    if (variant_.stateGrid)
        buildStateGrid();
    buildSpotPanel();

    // Only the entry fields are tab stops.
    for (QWidget* w : {static_cast<QWidget*>(ListView1), static_cast<QWidget*>(cmdList),
                       static_cast<QWidget*>(cmdEdit), static_cast<QWidget*>(cmdDelete),
                       static_cast<QWidget*>(cmdLogOn), static_cast<QWidget*>(Command1), static_cast<QWidget*>(cmdDup),
                       static_cast<QWidget*>(List1), static_cast<QWidget*>(List2), static_cast<QWidget*>(txtDX)})
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
    lblStation[1] = addLabel(indexed(QStringLiteral("lblStation"), 1), variant_.stateFieldCaption, 2520, 540, 1680, 240);
    lblStation[4] = addLabel(indexed(QStringLiteral("lblStation"), 4), QStringLiteral("County"), 4260, 540, 1800, 240);
    lblStation[0] = addLabel(indexed(QStringLiteral("lblStation"), 0), QStringLiteral("RS(T) Sn"), 6120, 540, 720, 240);
    lblPostConTime = addLabel(QStringLiteral("lblPostConTime"), QStringLiteral("Time"), 6840, 540, 660, 240);
    lblPostConDate = addLabel(QStringLiteral("lblPostConDate"), QStringLiteral("Date"), 7560, 540, 1140, 240);

    // The fields, left to right, in tab order.
    struct Field {
        QLineEdit** edit;
        const char* name;
        double left, width;
        int maxLength;
    };
    const Field fields[] = {
        {&txtCall, "txtCall", 120, 1500, 12},       {&txtRSTR, "txtRSTR", 1680, 660, 3},
        {&txtCntry, "txtCntry", 2520, 1680, 30},    {&txtSec, "txtSec", 4260, 1800, 20},
        {&txtRSTS, "txtRSTS", 6120, 660, 3},        {&txtPostConTime, "txtPostConTime", 6840, 660, 5},
        {&txtPostConDate, "txtPostConDate", 7560, 1140, 10},
    };
    QWidget* previous = nullptr;
    for (const Field& f : fields) {
        *f.edit = design_.add<EntryBox>(QString::fromLatin1(f.name), Kind::TextBox, f.left, 780, f.width, 360, 12,
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

    Label3 = addLabel(QStringLiteral("Label3"), QStringLiteral("New"), 8760, 780, 600, 360, 10);

    // Continent, bearing and distance of the worked station.
    QLabel* conCaption = addLabel(QStringLiteral("Label17"), QStringLiteral("Con"), 2520, 1170, 420, 240);
    Label19 = addLabel(QStringLiteral("Label19"), QString(), 2940, 1170, 420, 240);
    QLabel* bearingCaption = addLabel(QStringLiteral("Label18"), QStringLiteral("Bearing"), 3420, 1170, 660, 240);
    Label22 = addLabel(QStringLiteral("Label22"), QString(), 4080, 1170, 540, 240);
    QLabel* milesCaption = addLabel(QStringLiteral("Label20"), QStringLiteral("Miles"), 4680, 1170, 540, 240);
    Label23 = addLabel(QStringLiteral("Label23"), QString(), 5220, 1170, 720, 240);

    if (!variant_.stateFieldShown) {
        for (QWidget* w : {static_cast<QWidget*>(txtCntry), static_cast<QWidget*>(lblStation[1]),
                           static_cast<QWidget*>(Label3), static_cast<QWidget*>(conCaption),
                           static_cast<QWidget*>(Label19), static_cast<QWidget*>(bearingCaption),
                           static_cast<QWidget*>(Label22), static_cast<QWidget*>(milesCaption),
                           static_cast<QWidget*>(Label23)})
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
    // The side area is shared equally by the lists, each under its header label.
    const double areaLeft = 6360, areaWidth = 3000, gap = 60;
    const int n = variant_.sideListCount;
    const double width = (areaWidth - gap * (n - 1)) / n;
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
    for (int k = 1; k <= n; ++k) {
        const double left = areaLeft + (k - 1) * (width + gap);
        const int h = headerIndex(k);
        lblStation[h] = addLabel(indexed(QStringLiteral("lblStation"), h), headerText(k), left, 2280, width, 240, 7.5);
        auto* list = design_.add<QListWidget>(QStringLiteral("List%1").arg(k), Kind::ListBox, left, 2520, width, 2460,
                                              8.25, client_);
        list->setSortingEnabled(true);
        (k == 1 ? List1 : k == 2 ? List2 : List3) = list;
    }
}

void MainFrame::buildStateGrid()
{
    // 63 labels in three rows of 21, in table order, and a 64th that is never shown.
    Label10.resize(65);
    const double left0 = 120, top0 = 5580, w = 440, h = 300;
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
    txtDX = design_.add<QTreeWidget>(QStringLiteral("txtDX"), Kind::ListView, 120, 5580, 9240, 900, 8.25, client_);
    txtDX->setRootIsDecorated(false);
    txtDX->setColumnCount(0);
    txtDX->hide();
    lblDX = addLabel(QStringLiteral("lblDX"), QString(), 120, 5580, 9240, 900);
    setColors(lblDX, Navy, White);
    lblDX->hide();
    LineDX = design_.addLine(QStringLiteral("LineDX"), 420, 6030, 9060, 6030, client_);
    LineDX->setColor(Qt::white);
    LineDX->hide();
    auto spotStyle = [](QLabel* l) {
        QFont f = l->font();
        f.setFamily(QStringLiteral("Serif"));
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

void MainFrame::applyLayout()
{
    design_.apply();
    // The model's client area is the area below the menu bar.
    const Platform::Screen s = Platform::Screen::current();
    const FormGeometry& g = design_.geometry();
    const int cw = std::max(0, s.toPixelsX(g.clientWidth));
    const int ch = std::max(0, s.toPixelsY(g.clientHeight));
    const int mh = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, cw, mh);
    client_->setGeometry(0, mh, cw, ch);
    resize(cw, ch + mh);
    move(s.toPixelsX(g.left), s.toPixelsY(g.top));
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
        MainSizing::FitToWorkArea(design_.geometry(), s.workLeft, s.workTop, s.workWidth, s.workHeight,
                                  sideListNames(), QStringLiteral("txtDX"));
    else
        MainSizing::FitToWorkArea(design_.geometry(), 0, 0, s.width, s.height, sideListNames(),
                                  QStringLiteral("txtDX"));
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
    Module2::WriteQSOpref();
    FitToWorkArea();
}

// ---------------------------------------------------------------------------------------------
// Load

void MainFrame::Show()
{
    Form_Load();
    show();
}

void MainFrame::closeSetupWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->inherits("frmStationID"))
            w->close();
}

void MainFrame::addListColumns()
{
    const double windowWidth = design_.geometry().width;
    struct Columns {
        QStringList headers;
        QVector<double> widths;
        QVector<Qt::Alignment> alignments;
    };
    auto columns = [&](const QVector<MainVariants::Column>& cols) {
        Columns out;
        for (const MainVariants::Column& c : cols) {
            out.headers << c.header;
            out.widths << MainLoad::columnWidth(c.twips, windowWidth);
            Qt::Alignment a = Qt::AlignLeft;
            if (c.align == MainVariants::Column::Align::Right)
                a = Qt::AlignRight;
            else if (c.align == MainVariants::Column::Align::Center)
                a = Qt::AlignHCenter;
            out.alignments << a;
        }
        return out;
    };
    auto fill = [&](QTreeWidget* list, const QVector<MainVariants::Column>& cols) {
        const Columns c = columns(cols);
        list->setColumnCount(int(cols.size()));
        list->setHeaderLabels(c.headers);
        for (int i = 0; i < cols.size(); ++i)
            list->headerItem()->setTextAlignment(i, c.alignments[i] | Qt::AlignVCenter);
        design_.setColumns(list, c.widths);
    };
    QVector<MainVariants::Column> contact = variant_.contactColumns;
    if (variant_.roverColumn && G.RoverFlag == 1)
        contact << variant_.roverCountyColumn;
    const Columns c = columns(contact);
    contactList_->setColumns(c.headers, c.alignments);
    design_.setColumns(ListView1, c.widths);
    if (variant_.changeCountyMenu && G.RoverFlag != 1)
        action(QStringLiteral("mnuChangeCounty"))->setEnabled(false);
    fill(txtDX, MainVariants::spotColumns());
}

void MainFrame::fillStateGrid()
{
    StateProvinces::FillStateProvinceTable();
    for (int i = 1; i <= 63; ++i) {
        Label10[i]->setText(G.StateProvinceTable.value(i));
        Label10[i]->setToolTip(G.StateProvinceNames.value(i));
    }
}

void MainFrame::restoreModeTicks()
{
    Label30->setText(G.CurrentMode);
    QAction* cw = action(QStringLiteral("mnu160"));
    QAction* ph = action(QStringLiteral("mnuSSB"));
    QAction* dg = action(QStringLiteral("mnuDigital"));
    cw->setChecked(true);
    ph->setChecked(false);
    dg->setChecked(false);
    switch (MainLoad::modeItem(G.CurrentMode)) {
    case MainLoad::ModeItem::PH:
        cw->setChecked(false);
        ph->setChecked(true);
        break;
    case MainLoad::ModeItem::DG:
        cw->setChecked(false);
        dg->setChecked(true);
        break;
    case MainLoad::ModeItem::CW:
        break;
    }
}

void MainFrame::restoreBandTick()
{
    const int i = MainLoad::bandIndex(G.CurrentBand);
    if (i < 0)
        return;
    const QString name = MainLoad::bandNames()[i];
    action(QStringLiteral("mnuBand%1Ch").arg(name))->setChecked(true);
    Label24->setText(name);
}

void MainFrame::setCountyCaption()
{
    if (!variant_.countyCaptionFromPartyState)
        return;
    lblStation[4]->setText(MainLoad::countyCaption(G.PartyState));
    const QString tip = MainLoad::countyToolTip(G.PartyState);
    lblStation[4]->setToolTip(tip);
    txtSec->setToolTip(tip);
}

void MainFrame::setLabel25(const QString& text)
{
    Label25->setText(text);
    Label25_Change();
}

void MainFrame::setOwnCallLabel()
{
    if (MainLoad::ownCallShown(variant_, G.OwnCall))
        Label2->setText(G.OwnCall);
}

void MainFrame::setReportLengths()
{
    const int n = MainLoad::reportMaxLength(G.CurrentMode);
    txtRSTR->setMaxLength(n);
    txtRSTS->setMaxLength(n);
    withEntry([n](Entry::OutEntry* row) {
        if (row)
            row->setReportLength(n);
    });
}

bool MainFrame::AskOpenExistingLog(QString* error)
{
    const Platform::Answer a = Platform::prompts().messageBox(MainLoad::openLogPrompt(), MainLoad::openLogTitle(),
                                                              Platform::Buttons::YesNo, Platform::Icon::Question);
    bool ok = true;
    if (a != Platform::Answer::Yes)
        ok = Module2::NewLog(error);
    cmdEdit->hide();
    cmdDelete->hide();
    return ok;
}

void MainFrame::Form_Load()
{
    if (loaded_)
        return;
    loaded_ = true;
    MainLoad::normaliseOptions();
    const MainVariants::Variant& v = variant_;
    QString newLogError;
    auto always = [](std::function<void()> f) { return [f] { f(); return true; }; };
    const QVector<MainLoad::Step> steps = {
        {QStringLiteral("close the station setup"), always([this] { closeSetupWindow(); }), {}},
        {QStringLiteral("hide the New marker"), always([this] { Label3->hide(); }), {}},
        {QStringLiteral("rescale for the screen"), always([this] {
             const Platform::Screen s = Platform::Screen::current();
             MainSizing::RescaleForScreen(design_.geometry(), s.width, s.height);
             applyLayout();
         }), {}},
        {QStringLiteral("size the county lists"), always([this] { SizeCountyLists(); }), {}},
        {QStringLiteral("start hint"), always([this, &v] { lblDialog->setText(v.startHint); }), {}},
        {QStringLiteral("list columns"), always([this] { addListColumns(); }), {}},
        {QStringLiteral("state and province table"), always([this, &v] {
             if (v.stateGrid)
                 fillStateGrid();
         }), {}},
        {QStringLiteral("partial duplicates on"), always([] { G.ShowPartialsFlag = 1; }), {}},
        {QStringLiteral("list previous contacts (in-state)"), always([this, &v] {
             if (v.listPreviousTickEarly && G.ListPreviousFlag == 1)
                 action(QStringLiteral("mnuListPrevious"))->setChecked(true);
         }), {}},
        {QStringLiteral("form size"), always([this] {
             if (G.FormSizePercent < 100)
                 ApplyFormSize();
         }), {}},
        {QStringLiteral("mode"), always([this] { restoreModeTicks(); }), {}},
        {QStringLiteral("band"), always([this] { restoreBandTick(); }), {}},
        {QStringLiteral("county caption"), always([this] { setCountyCaption(); }), {}},
        {QStringLiteral("own county or state"), always([this, &v] { setLabel25(MainLoad::label25Text(v)); }), {}},
        {QStringLiteral("own call"), always([this] { setOwnCallLabel(); }), {}},
        {QStringLiteral("entry row"), always([this] {
             if (row_)
                 row_->screenWidthTwips = int(Platform::Screen::current().width);
         }), {}},
        {QStringLiteral("report lengths and list previous contacts"), always([this, &v] {
             if (v.reportLengthsAtLoad)
                 setReportLengths();
             if (!v.listPreviousTickEarly && G.ListPreviousFlag == 1)
                 action(QStringLiteral("mnuListPrevious"))->setChecked(true);
         }), {}},
        {QStringLiteral("county list"), [] { return Module2::LoadCountyList(); }, [] {
             return MainLoad::countyListFailureText();
         }},
        {QStringLiteral("open existing log"), [this, &newLogError] { return AskOpenExistingLog(&newLogError); },
         [&newLogError] { return Module2::LogWriteFailureText(newLogError); }},
        {QStringLiteral("operating time"), always([this] { ShowOperatingTime(); }), {}},
        {QStringLiteral("reload the log"), always([this] { ReloadLog(); }), {}},
        {QStringLiteral("fit to the screen"), always([this] { FitToWorkArea(); }), {}},
        {QStringLiteral("rig start"), always([] {
             if (MainLoad::rigStartWanted(G.RigType))
                 if (MainServices::Rig* r = MainServices::rig())
                     r->Command1_Click();
         }), {}},
    };
    MainLoad::runSteps(steps);
}

void MainFrame::ShowOperatingTime()
{
    G.OpSecondsTotal = G.OpSecondsSaved;
    lblttrack->setText(Format::operatingTime(G.OpSecondsSaved));
}

void MainFrame::ReloadLog()
{
    const LogReload::Result r = LogReload::ReloadLog(Tallies::gridViewFromCaption(Command1->text()));
    if (r.loaded) {
        showTallies(r);
        FillCountyLists();
    }
    contactList_->ListRecentContacts();
}

void MainFrame::showTallies(const LogReload::Result& r)
{
    showScore(r.scoreTexts);
    showRates(r.rates);
    if (!variant_.stateGrid)
        return;
    const QColor worked = Colors::fromNumber(G.WorkedColor);
    const QColor unworked = Colors::fromNumber(G.UnworkedColor);
    for (int row = 1; row <= G.StateProvinceCount && row < Label10.size(); ++row) {
        QPalette pal = Label10[row]->palette();
        pal.setColor(QPalette::WindowText, r.workedGrid.value(row) ? worked : unworked);
        Label10[row]->setPalette(pal);
    }
}

// ---------------------------------------------------------------------------------------------
// Window events

void MainFrame::Form_Activate()
{
    if (spotPanel_ && lblDX->isVisible())
        spotPanel_->RefreshBandMap();
}

void MainFrame::Form_MouseMove() { lblDupe->clear(); }

void MainFrame::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool MainFrame::eventFilter(QObject* watched, QEvent* event)
{
    // Moving the mouse over the window's background, not over a control.
    if (watched == client_ && event->type() == QEvent::MouseMove) {
        auto* me = static_cast<QMouseEvent*>(event);
        if (!client_->childAt(me->position().toPoint()))
            Form_MouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Members other windows call. The band-map procedures go to the window's band-map panel; the
// entry, keyboard, band and mode handlers are added by the parts of the window that own them.

void MainFrame::PacketResize()
{
    if (spotPanel_)
        spotPanel_->PacketResize();
}

void MainFrame::BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord)
{
    if (spotPanel_)
        spotPanel_->BandMapSpots(qDXSpotCall, qDXSpotFreq, qDXSpotRecord);
}

void MainFrame::DisplayBandMapLabels()
{
    if (spotPanel_)
        spotPanel_->DisplayBandMapLabels();
}

void MainFrame::cmdDelete_Click() { contactList_->cmdDelete_Click(); }
void MainFrame::Form_KeyDown(int&, int&) {}
void MainFrame::Form_KeyPress(int& KeyAscii)
{
    // Quotes never reach a field.
    if (KeyAscii == 39 || KeyAscii == Entry::KeyQuote) {
        KeyAscii = 0;
        return;
    }
    // Esc stops CW sending when it runs, else clears the entry.
    if (KeyAscii == KeyEvents::vbKeyEscape) {
        if (G.CWSending == 1)
            G.CWBuffer.clear();
        else
            ClearEntry();
        KeyAscii = 0;
    }
}
void MainFrame::mnuBand10Ch_Click() {}
void MainFrame::mnuBand15Ch_Click() {}
void MainFrame::mnuBand160Ch_Click() {}
void MainFrame::mnuBand20Ch_Click() {}
void MainFrame::mnuBand40Ch_Click() {}
void MainFrame::mnuBand6Ch_Click() {}
void MainFrame::mnuBand80Ch_Click() {}
void MainFrame::Mains() {}
void MainFrame::BandFreqConversion(float&) {}
void MainFrame::ModeSelection(QString&) {}

// ---------------------------------------------------------------------------------------------
// Contact entry: the entry row, the partial-duplicate button, the county lists, score and rates.

void MainFrame::connectEntry()
{
    // The window sees every key before its controls.
    KeyEvents::hookForm(
        this, [this](int& KeyAscii) { Form_KeyPress(KeyAscii); },
        [this](int& KeyCode, int shift) { Form_KeyDown(KeyCode, shift); });
    // Nothing pasted or dropped brings a double quote into a field (a bound row takes the pastes
    // of its fields before this filter sees them).
    for (QLineEdit* e : {txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate})
        KeyEvents::filterPaste(e, Entry::withoutQuotes);

    connect(cmdDup, &QPushButton::clicked, this, [this] { cmdDup_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(List2, &QListWidget::itemClicked, this, [this] { List2_Click(); });
    // In the in-state window List1 lists DX countries: its click belongs to that window's entry.
    if (variant_.which == MainWindows::Which::Out)
        connect(List1, &QListWidget::itemClicked, this, [this] { List1_Click(); });
    if (List3)
        connect(List3, &QListWidget::itemClicked, this, [this] { List3_Click(); });
    if (QAction* clear = action(QStringLiteral("mnuClear")))
        connect(clear, &QAction::triggered, this, [this] { mnuClear_Click(); });
}

void MainFrame::bindEntryRow(Entry::OutEntry& row)
{
    unbindEntryRow();
    row_ = &row;
    row.setHost(this);
    EntryWidgets w;
    w.fields = {txtCall, txtRSTR, txtCntry, txtSec, txtRSTS, txtPostConTime, txtPostConDate};
    w.lblDialog = lblDialog;
    w.lblDupe = lblDupe;
    w.Label19 = Label19;
    w.Label22 = Label22;
    w.Label23 = Label23;
    row.screenWidthTwips = int(Platform::Screen::current().width);
    entryView_ = std::make_unique<EntryRowView>(row, w, client_);
}

void MainFrame::unbindEntryRow()
{
    entryView_.reset();
    if (row_)
        row_->setHost(nullptr);
    row_ = nullptr;
}

void MainFrame::withEntry(const std::function<void(Entry::OutEntry*)>& f)
{
    if (entryView_)
        entryView_->run([&] { f(row_); });
    else
        f(nullptr);
}

QLineEdit* MainFrame::entryField(Entry::Field f) const
{
    switch (f) {
    case Entry::Field::Call: return txtCall;
    case Entry::Field::RSTR: return txtRSTR;
    case Entry::Field::Cntry: return txtCntry;
    case Entry::Field::Sec: return txtSec;
    case Entry::Field::RSTS: return txtRSTS;
    case Entry::Field::PostConTime: return txtPostConTime;
    case Entry::Field::PostConDate: return txtPostConDate;
    default: return nullptr;
    }
}

void MainFrame::setEntryFocus(Entry::Field f)
{
    withEntry([&](Entry::OutEntry* row) {
        if (row)
            row->setFocus(f);
        else if (QLineEdit* e = entryField(f))
            e->setFocus(Qt::OtherFocusReason);
    });
}

void MainFrame::ClearEntry()
{
    withEntry([](Entry::OutEntry* row) {
        if (row)
            row->ClearEntry();
    });
}

void MainFrame::cmdDup_Click()
{
    cmdDup->setText(DupeCheck::cmdDup_Click());
    withEntry([this](Entry::OutEntry* row) {
        if (row)
            row->labels.lblDupeBackColor = Entry::ColorButtonFace;
        else
            setColors(lblDupe, Colors::toNumber(QApplication::palette().color(QPalette::Button)));
    });
    setEntryFocus(Entry::Field::Call);
}

void MainFrame::Command1_Click()
{
    setEntryFocus(Entry::Field::Call);
    if (countyLists_.Command1_Click())
        ReloadLog();
    showCountyLists();
}

void MainFrame::countyClicked(QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem();
    if (!item)
        return;
    const CountyLists::Click c = CountyLists::countyClicked(countyLists_.window, item->text());
    withEntry([&](Entry::OutEntry* row) {
        if (row) {
            row->setText(Entry::Field::Sec, c.county);
            if (!c.state.isEmpty())
                row->setText(Entry::Field::Cntry, c.state);
            row->setFocus(c.focus);
            return;
        }
        txtSec->setText(c.county);
        if (!c.state.isEmpty())
            txtCntry->setText(c.state);
        if (QLineEdit* e = entryField(c.focus))
            e->setFocus(Qt::OtherFocusReason);
    });
}

void MainFrame::List1_Click() { countyClicked(List1); }
void MainFrame::List2_Click() { countyClicked(List2); }
void MainFrame::List3_Click()
{
    if (List3)
        countyClicked(List3);
}

void MainFrame::FillCountyLists()
{
    countyLists_.FillCountyLists();
    showCountyLists();
}

void MainFrame::UpdateCountyLists()
{
    countyLists_.UpdateCountyLists();
    showCountyLists();
}

void MainFrame::showCountyLists()
{
    // The model keeps both lists in the order of a sorted list box (ignoring case).
    auto fill = [](QListWidget* list, const QStringList& entries) {
        if (!list)
            return;
        list->setSortingEnabled(false);
        list->clear();
        list->addItems(entries);
    };
    fill(findChild<QListWidget*>(QString::fromLatin1(countyLists_.toGoListName())), countyLists_.toGo);
    fill(List2, countyLists_.worked);
    lblStation[countyLists_.workedHeaderIndex()]->setText(countyLists_.workedHeader);
    lblStation[countyLists_.toGoHeaderIndex()]->setText(countyLists_.toGoHeader);
    Command1->setText(countyLists_.filterCaption);
}

void MainFrame::showScore(const Tallies::ScoreTexts& t)
{
    lblTotCon->setText(t.lblTotCon);
    lblsectogo->setText(t.lblsectogo);
    lblTotSec->setText(t.lblTotSec);
    lblTotScore->setText(t.lblTotScore);
}

void MainFrame::showRates(const std::optional<Tallies::Rates>& rates)
{
    if (!rates)
        return;
    lblAQSO60->setText(QString::number(rates->perHour60));
    lblAQSO20->setText(QString::number(rates->perHour20));
}

void MainFrame::ShowScore() { showScore(Tallies::scoreTexts(Tallies::figures())); }

void MainFrame::ShowQSORates() { showRates(Tallies::QSORates()); }

void MainFrame::cmdLogOn_Click()
{
    // Time On, as logging a contact with the clock stopped needs it. Time Off and the running
    // total come with the operating-time clock.
    if (G.LoggedOnFlag != 0)
        return;
    G.LogOnTime = Platform::clock().read().local;
    G.LoggedOnFlag = 1;
    cmdLogOn->setText(QStringLiteral("&Log \"Time Off\""));
    withEntry([this](Entry::OutEntry* row) {
        if (row)
            row->labels.lblDialog = QStringLiteral(" ");
        else
            lblDialog->setText(QStringLiteral(" "));
    });
    setEntryFocus(Entry::Field::Call);
}

// The spoken prompts play in the voice navigation window.
void MainFrame::BlindKeyPhone(const QString& name) { BlindFrm::instance().BlindKeyPhone(name); }
bool MainFrame::promptPlaying() { return BlindFrm::loaded() && BlindFrm::instance().promptPlaying(); }

void MainFrame::hideEditButtons() { contactList_->hideEditButtons(); }

int MainFrame::contactListRows() { return contactList_->rows(); }

void MainFrame::ListRecentContacts() { contactList_->ListRecentContacts(); }

bool MainFrame::listPreviousChecked()
{
    const QAction* a = action(QStringLiteral("mnuListPrevious"));
    return a && a->isChecked();
}

void MainFrame::listPreviousContacts(const QVector<int>& records) { contactList_->showRecords(records); }
