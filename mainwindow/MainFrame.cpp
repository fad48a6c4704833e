#include "mainwindow/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>

#include "core/Colors.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "core/Module2Prefs.h"
#include "entry/ReloadLog.h"
#include "entry/Tallies.h"
#include "mainwindow/BandModePanel.h"
#include "mainwindow/ClockPanel.h"
#include "mainwindow/EntryRowView.h"
#include "mainwindow/KeyRouter.h"
#include "mainwindow/DeviceMenus.h"
#include "mainwindow/LogMenusPanel.h"
#include "mainwindow/MainLoad.h"
#include "mainwindow/MainSizing.h"
#include "mainwindow/StateProvinces.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"

namespace {

// The window's outer design size, and what the caption, menu bar and frame take of it.
constexpr double DesignWidth = 9600, DesignHeight = 7200;
constexpr double FrameWidth = 120, FrameHeight = 690;

}   // namespace

MainFrame::MainFrame(MainWindows::Which which, QWidget* parent)
    : QWidget(parent, Qt::Window), variant_(MainVariants::variant(which)), client_(new QWidget(this)),
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
    keys_ = std::make_unique<KeyRouter>(*this);
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
    bandMode_ = std::make_unique<BandModePanel>(*this);
    clocks_ = std::make_unique<ClockPanel>(*this);
    if (QAction* exit = action(QStringLiteral("mnuExit")))
        connect(exit, &QAction::triggered, this, [this] { mnuExit_Click(); });
    if (QAction* rig = action(QStringLiteral("mnuRigInterface")))
        connect(rig, &QAction::triggered, this,
                [] { MainServices::showDeviceWindow(MainServices::DeviceWindow::RigWindow); });
    logMenus_ = std::make_unique<LogMenusPanel>(
        *this, this, [this](const QString& name) { return action(name); },
        LogMenus::Host{[this] { ReloadLog(); }, [this] { clocks_->ShowOperatingTime(); }, [this] { ShowQSORates(); },
                       [this] { return countyLists_.filterCaption; }, [this] { Command1_Click(); },
                       [this](const QString& county) { setLabel25(county); }});
    DeviceMenus::connectItems(this, [this](const QString& name) { return action(name); });
    applyLayout();
    Form1::registerMainWindow(this, which == MainWindows::Which::Out);
}

MainFrame::~MainFrame() { unbindEntryRow(); }

void MainFrame::setLabelColors(QLabel* label, long long back, long long fore)
{
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Colors::fromNumber(back));
    if (fore >= 0)
        pal.setColor(QPalette::WindowText, Colors::fromNumber(fore));
    label->setPalette(pal);
    label->setAutoFillBackground(true);
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
    auto always = [](std::function<void()> f) {
        return [f] {
            f();
            return true;
        };
    };
    const QVector<MainLoad::Step> steps = {
        {QStringLiteral("close the station setup"), always([this] { closeSetupWindow(); }), {}},
        {QStringLiteral("hide the New marker"), always([this] { Label3->hide(); }), {}},
        {QStringLiteral("rescale for the screen"),
         always([this] {
             const Platform::Screen s = Platform::Screen::current();
             MainSizing::RescaleForScreen(design_.geometry(), s.width, s.height);
             applyLayout();
         }),
         {}},
        {QStringLiteral("size the county lists"), always([this] { SizeCountyLists(); }), {}},
        {QStringLiteral("start hint"), always([this, &v] { lblDialog->setText(v.startHint); }), {}},
        {QStringLiteral("list columns"), always([this] { addListColumns(); }), {}},
        {QStringLiteral("state and province table"),
         always([this, &v] {
             if (v.stateGrid)
                 fillStateGrid();
         }),
         {}},
        {QStringLiteral("partial duplicates on"), always([] { G.ShowPartialsFlag = 1; }), {}},
        {QStringLiteral("list previous contacts (in-state)"),
         always([this, &v] {
             if (v.listPreviousTickEarly && G.ListPreviousFlag == 1)
                 action(QStringLiteral("mnuListPrevious"))->setChecked(true);
         }),
         {}},
        {QStringLiteral("form size"),
         always([this] {
             if (G.FormSizePercent < 100)
                 ApplyFormSize();
         }),
         {}},
        {QStringLiteral("mode"), always([this] { bandMode_->restoreModeTicks(); }), {}},
        {QStringLiteral("band"), always([this] { bandMode_->restoreBandTick(); }), {}},
        {QStringLiteral("county caption"), always([this] { setCountyCaption(); }), {}},
        {QStringLiteral("own county or state"), always([this, &v] { setLabel25(MainLoad::label25Text(v)); }), {}},
        {QStringLiteral("own call"), always([this] { setOwnCallLabel(); }), {}},
        {QStringLiteral("entry row"),
         always([this] {
             if (row_)
                 row_->screenWidthTwips = int(Platform::Screen::current().width);
         }),
         {}},
        {QStringLiteral("report lengths and list previous contacts"),
         always([this, &v] {
             if (v.reportLengthsAtLoad)
                 bandMode_->setReportLengths();
             if (!v.listPreviousTickEarly && G.ListPreviousFlag == 1)
                 action(QStringLiteral("mnuListPrevious"))->setChecked(true);
         }),
         {}},
        {QStringLiteral("county list"), [] { return Module2::LoadCountyList(); },
         [] { return MainLoad::countyListFailureText(); }},
        {QStringLiteral("open existing log"), [this, &newLogError] { return AskOpenExistingLog(&newLogError); },
         [&newLogError] { return Module2::LogWriteFailureText(newLogError); }},
        {QStringLiteral("operating time"), always([this] { clocks_->ShowOperatingTime(); }), {}},
        {QStringLiteral("reload the log"), always([this] { ReloadLog(); }), {}},
        {QStringLiteral("fit to the screen"), always([this] { FitToWorkArea(); }), {}},
        {QStringLiteral("rig start"),
         always([] {
             if (MainLoad::rigStartWanted(G.RigType))
                 if (MainServices::Rig* r = MainServices::rig())
                     r->Command1_Click();
         }),
         {}},
    };
    MainLoad::runSteps(steps);
}

void MainFrame::ReloadLog()
{
    // The view is the lists' filter, which the view button has already switched when it reloads
    // (its caption follows after the reload).
    const LogReload::Result r = LogReload::ReloadLog(Tallies::gridViewFromCaption(countyLists_.filterCaption));
    if (r.loaded) {
        showTallies(r);
        FillCountyLists();
        reloadLists();
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
// Members other windows call: each goes to the panel that owns its concern.

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
void MainFrame::Form_KeyDown(int& KeyCode, int& Shift) { keys_->Form_KeyDown(KeyCode, Shift); }
void MainFrame::Form_KeyPress(int& KeyAscii) { keys_->Form_KeyPress(KeyAscii); }
void MainFrame::mnuBand10Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("10")); }
void MainFrame::mnuBand15Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("15")); }
void MainFrame::mnuBand160Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("160")); }
void MainFrame::mnuBand20Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("20")); }
void MainFrame::mnuBand40Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("40")); }
void MainFrame::mnuBand6Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("6")); }
void MainFrame::mnuBand80Ch_Click() { bandMode_->mnuBandCh_Click(QStringLiteral("80")); }
void MainFrame::BandFreqConversion(float& frequencyValue) { bandMode_->BandFreqConversion(frequencyValue); }
void MainFrame::ModeSelection(QString& strMode) { bandMode_->ModeSelection(strMode); }
// Logging belongs to each window's entry row (Outfrm's OutLogging::Mains); a window without one
// logs nothing.
void MainFrame::Mains() {}
void MainFrame::cmdLogOn_Click() { clocks_->cmdLogOn_Click(); }
