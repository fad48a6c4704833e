// The two main windows as they load: controls, columns, ticks and labels from the saved options,
// the start question, the county list, the rig start and the sizing.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "core/Form1.h"
#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/MainWindows.h"
#include "mainwindow/Outfrm.h"
#include "platform/Clock.h"
#include "platform/Exit.h"
#include "platform/Prompts.h"
#include "platform/Screen.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

const QByteArray kLog = "\"W9AAA\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                        "04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"
                        "\"K9BBB\",\"59\",\"59\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                        "04\",\"14:05:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n"
                        "\"N9CCC\",\"599\",\"599\",\"\",\"Allen\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                        "04\",\"14:15:00\",\"CW\",\"40\",0,\"\",\"\",\"\"\r\n";

TEST_F(MainFrameTest, OutOfStateWindowLoads)
{
    G.OwnCall.clear();
    G.OwnStateProvince.clear();
    G.OwnCountry = QStringLiteral("Canada");
    G.CurrentMode = QStringLiteral("PH");
    G.ListPreviousFlag = 1;
    G.RoverFlag = 1;   // means nothing outside the contest state
    auto w = loaded<Outfrm>();

    EXPECT_EQ(w->objectName(), QStringLiteral("Outfrm"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quolt's Lorvane Contest Log 2.1"));
    EXPECT_EQ(headers(w->ListView1), QStringList({"Rec#", "Call", "Rec", "County", "Snt", "Date/Time", "Mo", "Bnd"}));
    EXPECT_EQ(headers(w->txtDX),
              QStringList({"Call", "Frequency", "QTH", "Status", "Comments", "Prefix", "Time", "From"}));
    EXPECT_EQ(w->txtDX->headerItem()->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(w->txtDX->header()->sectionSize(3), 0);   // "Status" is hidden
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Select a band and mode. Click Log \"Time On\" below!"));
    EXPECT_EQ(w->lblDialog->toolTip(),
              QStringLiteral("It is not necessary to press Space or Tab to tab unless the Callsign includes a \"/\"."));
    EXPECT_EQ(w->Label2->text(), QStringLiteral("CALL"));   // no own call: the design caption stays
    EXPECT_EQ(w->Label25->text(), QStringLiteral("Canada"));
    EXPECT_EQ(w->txtRSTR->maxLength(), 2);
    EXPECT_EQ(w->txtRSTS->maxLength(), 2);
    EXPECT_TRUE(w->action(QStringLiteral("mnuListPrevious"))->isChecked());
    EXPECT_TRUE(w->action(QStringLiteral("mnuSSB"))->isChecked());
    EXPECT_FALSE(w->action(QStringLiteral("mnu160"))->isChecked());
    EXPECT_EQ(w->action(QStringLiteral("mnuChangeCounty")), nullptr);
    EXPECT_FALSE(w->action(QStringLiteral("mnuColors"))->isVisible());
    EXPECT_FALSE(w->menu(QStringLiteral("mnuSetup"))->menuAction()->isVisible());
    EXPECT_EQ(w->action(QStringLiteral("mnuDigital"))->text(), QStringLiteral("&Digital"));
    EXPECT_TRUE(w->Label3->isHidden());
    EXPECT_TRUE(w->txtCntry->isHidden());
    EXPECT_TRUE(w->Label10.isEmpty());
    EXPECT_EQ(G.StateProvinceCount, 0);
    EXPECT_EQ(G.ShowPartialsFlag, 1);
    EXPECT_TRUE(G.WildCounty.isEmpty());
    // The load's reload fills the county lists.
    EXPECT_EQ(label(w.get(), QStringLiteral("lblStation(5)"))->text(), QStringLiteral("Counties Worked - 0"));
    EXPECT_EQ(label(w.get(), QStringLiteral("lblStation(7)"))->text(), QStringLiteral("Counties To Go - 92"));
    EXPECT_EQ(w->findChild<QListWidget*>(QStringLiteral("List3")), nullptr);
    EXPECT_EQ(G.CountyNames.size(), 92);

    G.OwnCall = QStringLiteral("W1AW");
    G.OwnStateProvince = QStringLiteral("CT");
    auto w2 = loaded<Outfrm>();
    EXPECT_EQ(w2->Label2->text(), QStringLiteral("W1AW"));
    EXPECT_EQ(w2->Label25->text(), QStringLiteral("CT"));
}

TEST_F(MainFrameTest, InStateWindowLoadsForFixedStationsAndRovers)
{
    G.CurrentMode = QStringLiteral("PH");
    G.CurrentCounty = QStringLiteral("Marion");
    for (int rover : {0, 1}) {
        SCOPED_TRACE(rover);
        G.RoverFlag = uint8_t(rover);
        auto w = loaded<Infrm>();
        QStringList want = {"Rec#", "Call", "Rec", "SPC", "County", "Snt", "Date/Time", "Mo", "Bnd"};
        if (rover)
            want << QStringLiteral("County Sent");
        EXPECT_EQ(headers(w->ListView1), want);
        EXPECT_EQ(w->action(QStringLiteral("mnuChangeCounty"))->isEnabled(), rover == 1);
        EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Select a band, mode and Click Log \"Time On\"!"));
        EXPECT_TRUE(w->lblDialog->toolTip().isEmpty());
        EXPECT_EQ(w->Label2->text(), QString());   // the in-state window shows an empty call
        EXPECT_EQ(w->Label25->text(), QStringLiteral("Marion"));
        EXPECT_EQ(G.WildCounty, QStringLiteral("MARION"));
        EXPECT_EQ(w->lblStation[4]->text(), QStringLiteral("IN County"));
        const QString tip = QStringLiteral("Enter IN in the St / Prv / Country field to enable the County field");
        EXPECT_EQ(w->lblStation[4]->toolTip(), tip);
        EXPECT_EQ(w->txtSec->toolTip(), tip);
        EXPECT_EQ(w->txtRSTR->maxLength(), 3);   // design length until a mode is chosen
        EXPECT_EQ(w->action(QStringLiteral("mnuDigital"))->text(), QStringLiteral("&DG"));
        EXPECT_FALSE(w->txtCntry->isHidden());

        // The worked-states grid: 63 labels named after the table, a 64th never shown.
        EXPECT_EQ(G.StateProvinceCount, 63);
        ASSERT_EQ(w->Label10.size(), 65);
        for (int i = 1; i <= 63; ++i) {
            QLabel* l = label(w.get(), QStringLiteral("Label10(%1)").arg(i));
            ASSERT_NE(l, nullptr);
            EXPECT_EQ(l->text(), G.StateProvinceTable[i]);
            EXPECT_EQ(l->toolTip(), G.StateProvinceNames[i]);
            EXPECT_FALSE(l->isHidden());
        }
        EXPECT_EQ(w->Label10[1]->text(), QStringLiteral("CT"));
        EXPECT_EQ(w->Label10[41]->text(), QStringLiteral("IN"));
        EXPECT_EQ(w->Label10[60]->toolTip(), QStringLiteral("Newfoundland/Labrador"));
        EXPECT_EQ(w->Label10[63]->text(), QStringLiteral("NU"));
        EXPECT_TRUE(w->Label10[64]->isHidden());
        EXPECT_EQ(w->lblStation[5]->text(), QStringLiteral("DX All - 0"));
        EXPECT_NE(w->findChild<QListWidget*>(QStringLiteral("List3")), nullptr);
    }
}

TEST_F(MainFrameTest, SavedModeAndBandSetTicksAndLabels)
{
    struct Case {
        const char* mode;
        const char* band;
        const char* modeTicked;
        const char* bandTicked;   // nullptr: none
        const char* bandLabel;
    };
    const Case cases[] = {
        {"ph", "80", "mnuSSB", "mnuBand80Ch", "80"},
        {"DG", "2", "mnuDigital", "mnuBand2Ch", "2"},
        {"", "1.25", "mnu160", nullptr, "160"},
        {"AM", "", "mnu160", nullptr, "160"},
    };
    const QStringList modeItems = {"mnu160", "mnuSSB", "mnuDigital"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        G.CurrentMode = QString::fromLatin1(c.mode);
        G.CurrentBand = QString::fromLatin1(c.band);
        auto w = loaded<Outfrm>();
        EXPECT_EQ(w->Label30->text(), G.CurrentMode);   // the stored text, unchanged
        EXPECT_EQ(w->Label24->text(), QString::fromLatin1(c.bandLabel));
        for (const QString& m : modeItems)
            EXPECT_EQ(w->action(m)->isChecked(), m == QLatin1String(c.modeTicked)) << m.toStdString();
        for (const char* b : {"160", "80", "40", "20", "15", "10", "6", "2"}) {
            const QString item = QStringLiteral("mnuBand%1Ch").arg(b);
            EXPECT_EQ(w->action(item)->isChecked(), c.bandTicked && item == QLatin1String(c.bandTicked))
                << item.toStdString();
        }
    }
}

TEST_F(MainFrameTest, OpenExistingLogQuestion)
{
    // Yes keeps the log, which the reload then reads.
    writeLog(kLog);
    auto w = loaded<Outfrm>();
    const auto questions = prompts.callsOf(QStringLiteral("message"));
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0].title, QStringLiteral("Open existing log?"));
    EXPECT_EQ(questions[0].text, QStringLiteral("Do you want to continue an existing contest? (Yes opens your "
                                                "existing log, No erases any existing log and starts a new log.)"));
    EXPECT_EQ(questions[0].buttons, Platform::Buttons::YesNo);
    EXPECT_TRUE(prompts.callsOf(QStringLiteral("input")).isEmpty());
    EXPECT_EQ(readLog(), kLog);
    EXPECT_EQ(G.QSOCount, 3);
    // 2 + 1 + 2 points, Marion on CW and on phone and Allen on CW: 3 multipliers.
    EXPECT_EQ(w->lblTotCon->text(), QStringLiteral("1"));
    EXPECT_EQ(w->lblsectogo->text(), QStringLiteral("2"));
    EXPECT_EQ(w->lblTotSec->text(), QStringLiteral("3"));
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("15"));
    EXPECT_EQ(w->lblAQSO60->text(), QStringLiteral("3"));   // all within the hour
    EXPECT_EQ(w->lblAQSO20->text(), QStringLiteral("3"));   // one within 20 minutes
    EXPECT_TRUE(w->cmdEdit->isHidden());
    EXPECT_TRUE(w->cmdDelete->isHidden());

    // No, and then anything but YES: the log stays and is read.
    prompts.clear();
    prompts.answer(Platform::Answer::No);
    prompts.answerInput(QStringLiteral("no"));
    w = loaded<Outfrm>(false);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("input")).size(), 1);
    EXPECT_EQ(readLog(), kLog);
    EXPECT_EQ(G.QSOCount, 3);

    // No, then YES: the log is backed up and emptied before anything was read.
    prompts.clear();
    prompts.answer(Platform::Answer::No);
    prompts.answerInput(QStringLiteral("YES"));
    w = loaded<Outfrm>(false);
    EXPECT_TRUE(readLog().isEmpty());
    EXPECT_EQ(G.QSOCount, 0);
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("0"));
    ASSERT_EQ(backups().size(), 1);
    QFile backup(G.DataFolder + QStringLiteral("/BACKUP/") + backups()[0]);
    ASSERT_TRUE(backup.open(QIODevice::ReadOnly));
    EXPECT_EQ(backup.readAll(), kLog);
    EXPECT_EQ(programEnds, 0);
}

TEST_F(MainFrameTest, InStateReloadColoursTheWorkedStates)
{
    writeLog("\"W8OH\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
             "04\",\"14:20:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"
             "\"K9IN\",\"59\",\"59\",\"IN\",\"Allen\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
             "04\",\"14:21:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n");
    auto w = loaded<Infrm>();
    auto colour = [&](int row) { return w->Label10[row]->palette().color(QPalette::WindowText); };
    EXPECT_EQ(colour(38), QColor(Qt::red));     // OH
    EXPECT_EQ(colour(41), QColor(Qt::black));   // the contest state is no multiplier
    EXPECT_EQ(colour(1), QColor(Qt::black));
    // OH on CW and Allen on phone; 2 + 1 points.
    EXPECT_EQ(w->lblTotSec->text(), QStringLiteral("2"));
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("6"));
}

// Each window's captions beside its score and rate labels.
TEST_F(MainFrameTest, ScoreCaptionsFollowTheWindow)
{
    struct Case {
        const char* window;
        QStringList captions;   // beside lblTotCon, lblsectogo, lblTotSec, lblTotScore, lblAQSO60, lblAQSO20
    };
    const Case cases[] = {
        {"Outfrm",
         {"Total PH Contacts ........", "Total CW Contacts ......", "Total Multipliers ...........",
          "Tot Score ....................", "QSOs / Hr (last 60 min)", "QSOs / Hr (last 20 min)"}},
        {"Infrm",
         {"Total PH Contacts .......", "Total CW Contacts .....", "Total Multipliers ..........",
          "Total Score ................", "QSOs / Hr (last 60 min)", "QSOs / Hr (last 20 min)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        std::unique_ptr<MainFrame> w;
        if (QLatin1String(c.window) == QLatin1String("Outfrm"))
            w = loaded<Outfrm>();
        else
            w = loaded<Infrm>();
        const QLabel* values[] = {w->lblTotCon,   w->lblsectogo, w->lblTotSec,
                                  w->lblTotScore, w->lblAQSO60,  w->lblAQSO20};
        QStringList beside;
        for (const QLabel* value : values) {
            // The caption is the label that ends where the value starts, on the same line.
            QString caption;
            for (const QLabel* l : w->findChildren<QLabel*>())
                if (l != value && std::abs(l->geometry().right() + 1 - value->geometry().left()) <= 1 &&
                    l->geometry().top() == value->geometry().top())
                    caption = l->text();
            beside << caption;
        }
        EXPECT_EQ(beside, c.captions);
    }
}

TEST_F(MainFrameTest, MissingCountyFileIsReportedAndTheLoadGoesOn)
{
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("county2.txt"))));
    writeLog(kLog);
    G.RigType = QStringLiteral("Kenwood TS-850");
    auto w = loaded<Outfrm>();
    const QStringList messages = prompts.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("county2.txt"))) << messages[0].toStdString();
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[1].title, QStringLiteral("Open existing log?"));
    EXPECT_TRUE(G.CountyNames.isEmpty());
    EXPECT_EQ(G.QSOCount, 3);   // the log is still read
    EXPECT_EQ(rig.starts, 1);   // and the rig still started
}

TEST_F(MainFrameTest, ACountyFileWithoutACountyOfTheStateIsReportedAsAMissingOne)
{
    QFile f(dir.filePath(QStringLiteral("county2.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.close();
    writeLog(kLog);
    auto w = loaded<Outfrm>();
    const QStringList messages = prompts.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("county2.txt"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QStringLiteral("No county"))) << messages[0].toStdString();
    EXPECT_EQ(G.QSOCount, 3);
}

TEST_F(MainFrameTest, RigStartsOnlyWithARigType)
{
    struct Case {
        const char* type;
        int starts;
    };
    for (const Case& c : {Case{"None", 0}, Case{"none", 0}, Case{"", 0}, Case{"Yaesu FT-1000MP", 1}}) {
        rig.starts = 0;
        G.RigType = QString::fromLatin1(c.type);
        loaded<Infrm>();
        EXPECT_EQ(rig.starts, c.starts) << c.type;
    }
    EXPECT_EQ(G.RigType, QStringLiteral("Yaesu FT-1000MP"));
    // Without a rig window nothing is started and the load ends normally.
    MainServices::setRig(nullptr);
    auto w = loaded<Outfrm>();
    EXPECT_TRUE(w->isLoaded());
}

TEST_F(MainFrameTest, WindowTakesItsShareOfTheScreen)
{
    const Platform::Screen screen = Platform::Screen::ofSize(19200, 14400);
    Platform::setScreenOverride(screen);

    // 80 %: centred, columns at base x (screen width / 9600) x 80 %, fonts at 80 % of the
    // design-screen scaling.
    G.FormSizePercent = 80;
    auto w = loaded<Outfrm>();
    const FormGeometry& g = w->geometryModel();
    EXPECT_DOUBLE_EQ(g.width, 15360);
    EXPECT_DOUBLE_EQ(g.height, 11520);
    EXPECT_DOUBLE_EQ(g.left, 1920);
    EXPECT_DOUBLE_EQ(g.top, 1440);
    EXPECT_DOUBLE_EQ(w->design().control(QStringLiteral("ListView1"))->columnWidths[1], 1200 * 2 * 0.8);
    EXPECT_DOUBLE_EQ(w->design().control(QStringLiteral("txtDX"))->columnWidths[4], 3400 * 2 * 0.8);
    EXPECT_FLOAT_EQ(float(w->design().control(QStringLiteral("txtCall"))->fontSize), 12 * 2 * 0.8f);
    EXPECT_FALSE(w->action(QStringLiteral("mnuTaskbar"))->isChecked());
    const ControlGeometry* list1 = w->design().control(QStringLiteral("List1"));
    EXPECT_DOUBLE_EQ(list1->top + list1->height, w->design().control(QStringLiteral("Line3"))->y1);

    // A first run's 0 sizes as 100: the whole screen.
    G.FormSizePercent = 0;
    w = loaded<Outfrm>();
    EXPECT_EQ(G.FormSizePercent, 100);
    EXPECT_DOUBLE_EQ(w->geometryModel().left, 0);
    EXPECT_DOUBLE_EQ(w->geometryModel().width, 19200);
    EXPECT_DOUBLE_EQ(w->geometryModel().height, 14400);

    // 100 % with the taskbar option: the work area, ticked.
    Platform::Screen withTaskbar = screen;
    withTaskbar.workHeight = 13500;
    Platform::setScreenOverride(withTaskbar);
    G.TaskbarOption = 1;
    auto in = loaded<Infrm>();
    EXPECT_DOUBLE_EQ(in->geometryModel().height, 13500);
    EXPECT_DOUBLE_EQ(in->geometryModel().width, 19200);
    EXPECT_TRUE(in->action(QStringLiteral("mnuTaskbar"))->isChecked());
    for (const char* name : {"List1", "List2", "List3"}) {
        const ControlGeometry* c = in->design().control(QString::fromLatin1(name));
        EXPECT_FLOAT_EQ(float(c->top + c->height), float(in->design().control(QStringLiteral("Line3"))->y1)) << name;
    }
}

TEST_F(MainFrameTest, SizingMenuCommands)
{
    G.FormSizePercent = 90;
    auto w = loaded<Outfrm>();
    const double widthBefore = w->geometryModel().width;

    // The taskbar option needs 100 %.
    prompts.clear();
    w->mnuTaskbar_Click();
    EXPECT_EQ(prompts.messages(),
              QStringList{QStringLiteral("The form size must be set to 100% to use the taskbar display option.")});
    EXPECT_EQ(G.TaskbarOption, 0);
    EXPECT_FALSE(w->action(QStringLiteral("mnuTaskbar"))->isChecked());

    // A new percentage is stored for the next start; the window keeps its size.
    prompts.clear();
    prompts.answerInput(QStringLiteral("120"));
    w->mnuFormSize_Click();
    EXPECT_EQ(prompts.callsOf(QStringLiteral("input"))[0].defaultText, QStringLiteral("90"));
    EXPECT_EQ(G.FormSizePercent, 100);
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral(
                                      "This program must be closed and restarted for this setting to take effect.")});
    EXPECT_DOUBLE_EQ(w->geometryModel().width, widthBefore);
    G.FormSizePercent = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());   // saved at once
    EXPECT_EQ(G.FormSizePercent, 100);

    prompts.clear();
    prompts.answerInput(QStringLiteral("abc"));
    w->mnuFormSize_Click();
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("Please enter only numeric values.")});
    EXPECT_EQ(G.FormSizePercent, 100);

    // Now at 100 %, the taskbar command fits the window at once, both ways.
    Platform::Screen withTaskbar = Platform::Screen::ofSize(9600, 7200);
    withTaskbar.workHeight = 6600;
    Platform::setScreenOverride(withTaskbar);
    prompts.clear();
    w->mnuTaskbar_Click();
    EXPECT_EQ(G.TaskbarOption, 1);
    G.TaskbarOption = 0;
    ASSERT_TRUE(Module2::ReadQSOpref());
    EXPECT_EQ(G.TaskbarOption, 1);
    EXPECT_TRUE(prompts.messages().isEmpty());
    EXPECT_TRUE(w->action(QStringLiteral("mnuTaskbar"))->isChecked());
    EXPECT_DOUBLE_EQ(w->geometryModel().height, 6600);
    EXPECT_DOUBLE_EQ(w->geometryModel().top, 0);
    w->mnuTaskbar_Click();
    EXPECT_EQ(G.TaskbarOption, 0);
    EXPECT_FALSE(w->action(QStringLiteral("mnuTaskbar"))->isChecked());
    EXPECT_DOUBLE_EQ(w->geometryModel().height, 7200);
}

TEST_F(MainFrameTest, MouseOverTheBackgroundClearsPossibleDuplicates)
{
    auto w = loaded<Outfrm>();
    w->show();
    QWidget* client = w->clientArea();
    auto moveTo = [&](QPoint p) {
        QMouseEvent e(QEvent::MouseMove, p, client->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(client, &e);
    };
    w->lblDupe->setText(QStringLiteral("W9ABC W9AAA"));
    moveTo(w->txtCall->geometry().center());   // over a control: kept
    EXPECT_EQ(w->lblDupe->text(), QStringLiteral("W9ABC W9AAA"));
    moveTo(QPoint(client->width() - 2, client->height() - 2));   // the bare background
    EXPECT_TRUE(w->lblDupe->text().isEmpty());
}

TEST_F(MainFrameTest, BandMapCallsReachTheWindowsPanel)
{
    struct FakePanel : MainServices::SpotPanel {
        QStringList* calls;
        explicit FakePanel(QStringList* c) : calls(c) {}
        void PacketResize() override { *calls << QStringLiteral("PacketResize"); }
        void BandMapSpots(QVariant& call, QVariant&, QVariant&) override { *calls << call.toString(); }
        void DisplayBandMapLabels() override { *calls << QStringLiteral("DisplayBandMapLabels"); }
        void SetBandMapRange() override { *calls << QStringLiteral("SetBandMapRange"); }
        void RefreshBandMap() override { *calls << QStringLiteral("RefreshBandMap"); }
    };
    QStringList calls;
    MainServices::setSpotPanelFactory([&calls](MainFrame&) { return std::make_unique<FakePanel>(&calls); });
    G.OutOfStateFlag = 1;
    auto w = loaded<Outfrm>();
    MainServices::setSpotPanelFactory({});

    // Through the facade, as the spot and rig windows call.
    Form1::instance().PacketResize();
    QVariant call(QStringLiteral("DL1ABC")), freq(14025.0), line(QStringLiteral("DX de ..."));
    Form1::instance().BandMapSpots(call, freq, line);
    Form1::instance().DisplayBandMapLabels();
    EXPECT_EQ(calls, QStringList({"PacketResize", "DL1ABC", "DisplayBandMapLabels"}));

    // Activation redraws the band map only while it is shown.
    calls.clear();
    w->Form_Activate();
    EXPECT_TRUE(calls.isEmpty());
    w->lblDX->show();
    w->show();
    calls.clear();
    w->Form_Activate();
    EXPECT_EQ(calls, QStringList{QStringLiteral("RefreshBandMap")});
}

TEST_F(MainFrameTest, OnlyTheEntryFieldsAreTabStops)
{
    auto w = loaded<Infrm>();
    const QStringList fields = {"txtCall", "txtRSTR",        "txtCntry",      "txtSec",
                                "txtRSTS", "txtPostConTime", "txtPostConDate"};
    for (QWidget* c : w->clientArea()->findChildren<QWidget*>()) {
        const bool tabStop = (c->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
        EXPECT_EQ(tabStop, fields.contains(c->objectName())) << c->objectName().toStdString();
    }
    QWidget* next = w->txtCall;
    QStringList order;
    for (int i = 0; i < fields.size(); ++i, next = next->nextInFocusChain())
        order << next->objectName();
    EXPECT_EQ(order, fields);
    EXPECT_EQ(w->txtCall->maxLength(), 12);
    EXPECT_EQ(w->txtSec->maxLength(), 20);
    EXPECT_EQ(w->txtCntry->maxLength(), 30);
    EXPECT_TRUE(w->txtPostConTime->isHidden());
}

TEST_F(MainFrameTest, StationChoiceOpensOneWindow)
{
    G.OutOfStateFlag = 0;
    EXPECT_EQ(MainWindows::chooseMainWindow(), MainWindows::Which::In);
    G.OutOfStateFlag = 2;
    EXPECT_EQ(MainWindows::chooseMainWindow(), MainWindows::Which::Out);

    G.OutOfStateFlag = 1;
    prompts.answer(Platform::Answer::Yes);
    MainWindows::showMainWindow();
    MainFrame* w = MainWindows::current();
    ASSERT_NE(w, nullptr);
    EXPECT_NE(qobject_cast<Outfrm*>(w), nullptr);
    EXPECT_TRUE(w->isLoaded());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Form1::target(), static_cast<MainLogWindow*>(w));
    // A second call shows the same window without loading it again.
    MainWindows::showMainWindow();
    EXPECT_EQ(MainWindows::current(), w);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message")).size(), 1);
    delete w;
    EXPECT_EQ(MainWindows::current(), nullptr);
    EXPECT_EQ(Form1::target(), nullptr);
}

}   // namespace
