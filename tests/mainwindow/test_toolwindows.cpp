// The tool and device windows as the operator opens them from both main windows' menus: the
// county list's pick into the county field, the colours reaching the state grid and QSOpref.txt,
// and every device menu item opening its window.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "core/Form5.h"
#include "core/Form6.h"
#include "core/Globals.h"
#include "keying/BlindFrm.h"
#include "keying/CWFrm.h"
#include "keying/PhoneFrm.h"
#include "mainwindow/AppHooks.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/MainServices.h"
#include "mainwindow/Outfrm.h"
#include "mainwindow/ReportTools.h"
#include "reports/CountyMap.h"
#include "reports/CountyMapIN.h"
#include "reports/GraphQSO.h"
#include "reports/frmCountyList.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QByteArray kInLog = "\"W8OH\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
                          "04\",\"14:20:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";

using MainServices::DeviceWindow;

}   // namespace

class ToolWindowsTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        LogMenus::setTools(&ReportTools::instance());
    }
    void TearDown() override
    {
        LogMenus::setTools(nullptr);
        installAppHooks();   // the program's own device windows again
        CWFrm::unload();
        PhoneFrm::unload();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }
    // Triggers a menu item and runs `inModal` on the modal window it opens, then closes it.
    template<class W>
    static void withModal(MainFrame& w, const QString& item, std::function<void(W&)> inModal)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* modal = qobject_cast<W*>(QApplication::activeModalWidget());
            ASSERT_NE(modal, nullptr) << item.toStdString();
            seen = true;
            inModal(*modal);
            if (modal->isVisible())
                modal->hide();
        });
        w.action(item)->trigger();
        EXPECT_TRUE(seen) << item.toStdString();
        QApplication::processEvents();
    }
};

TEST_F(ToolWindowsTest, CountyListPickFillsTheCountyFieldOfTheOutOfStateWindow)
{
    G.OutOfStateFlag = 1;
    auto w = shown<Outfrm>();
    w->txtSec->setText(QStringLiteral("Mar"));
    withModal<frmCountyList>(*w, QStringLiteral("mnuCountyList"), [](frmCountyList& list) {
        ASSERT_EQ(list.ListView1->topLevelItemCount(), 92);
        QTreeWidgetItem* allen = list.ListView1->findItems(QStringLiteral("Allen"), Qt::MatchExactly).value(0);
        ASSERT_NE(allen, nullptr);
        list.ListView1->setCurrentItem(allen);
        list.ListView1_Click();
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Allen"));
}

TEST_F(ToolWindowsTest, ColourChangeShowsInTheStateGridAndIsSaved)
{
    writeLog(kInLog);
    G.OutOfStateFlag = 0;
    auto w = shown<Infrm>();
    QLabel* ohio = w->Label10[38];
    QLabel* texas = w->Label10[20];
    ASSERT_EQ(ohio->text(), QStringLiteral("OH"));
    EXPECT_EQ(ohio->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));

    prompts.answerColor(QColor(0, 0, 255));   // "Worked": blue
    prompts.answerColor(std::nullopt);        // "Remaining": cancelled
    withModal<Form6>(*w, QStringLiteral("mnuColors"), [](Form6& f) {
        f.Command3->click();
        f.Command1->click();
        EXPECT_EQ(f.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        f.Command6->click();
    });
    EXPECT_EQ(G.WorkedColor, 0xFF0000);
    EXPECT_EQ(G.UnworkedColor, 0);
    EXPECT_EQ(ohio->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(texas->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    const QList<QByteArray> lines = fileBytes(dir.filePath(QStringLiteral("QSOpref.txt"))).split('\n');
    ASSERT_GT(lines.size(), 17);
    EXPECT_EQ(lines[15].trimmed(), QByteArray("16711680"));   // item 16, WorkedColor
    EXPECT_EQ(lines[16].trimmed(), QByteArray("0"));          // item 17, UnworkedColor
}

TEST_F(ToolWindowsTest, HelpAndGraphOpenModally)
{
    QFile help(dir.filePath(QStringLiteral("ReadSQSO.txt")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("How to log\r\n");
    help.close();
    G.OutOfStateFlag = 1;
    auto w = shown<Outfrm>();
    withModal<Form5>(*w, QStringLiteral("mnuHelp"), [](Form5& f) {
        EXPECT_EQ(f.Text1->toPlainText(), QStringLiteral("How to log\n"));
        f.Command1->click();
    });
    withModal<GraphQSO>(*w, QStringLiteral("mnuGraph"), [](GraphQSO& g) { EXPECT_FALSE(g.graph().enough); });
    EXPECT_EQ(prompts.messages().count(QStringLiteral("The graph will not display with less than 7 contacts.  "
                                                      "The graph becomes more meaningful as several hours of "
                                                      "contest logging are accumulated.")),
              1);
}

TEST_F(ToolWindowsTest, DeviceMenusOpenTheirWindowsInBothWindows)
{
    QStringList opened;
    for (auto [d, name] : {std::pair{DeviceWindow::SpotWindow, "Spots"},
                           {DeviceWindow::SpectrumMap, "SpectrumMap"},
                           {DeviceWindow::BandPlan, "BandPlan"},
                           {DeviceWindow::RigWindow, "Rig"}})
        MainServices::setDeviceWindow(d, {[&opened, this, name = QLatin1String(name)] {
                                              // The spot window's command saves the options first.
                                              opened
                                                  << name + (QFile::exists(dir.filePath(QStringLiteral("QSOpref.txt")))
                                                                 ? QStringLiteral("+pref")
                                                                 : QString());
                                          },
                                          {}});
    for (int flag : {1, 0}) {
        SCOPED_TRACE(flag);
        G.OutOfStateFlag = flag;
        std::unique_ptr<MainFrame> w;
        if (flag)
            w = shown<Outfrm>();
        else
            w = shown<Infrm>();
        opened.clear();
        QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));
        for (const char* item : {"mnuRigInterface", "mnuSpectrumMap", "mnuPrivileges", "mnuDXSpotting"})
            w->action(QLatin1String(item))->trigger();
        EXPECT_EQ(opened, QStringList({"Rig", "SpectrumMap", "BandPlan", "Spots+pref"}));

        // The keyer set-up windows are modal and stay loaded when their Done hides them.
        withModal<CWFrm>(*w, QStringLiteral("mnuCW"), [](CWFrm& f) { EXPECT_TRUE(f.isVisible()); });
        withModal<PhoneFrm>(*w, QStringLiteral("mnuVoice"), [](PhoneFrm& f) { EXPECT_TRUE(f.isVisible()); });
        EXPECT_TRUE(CWFrm::loaded());
        EXPECT_TRUE(PhoneFrm::loaded());

        // Voice navigation is modeless: twice gives the one window, still shown.
        w->action(QStringLiteral("mnuBlind"))->trigger();
        BlindFrm* first = &BlindFrm::instance();
        w->action(QStringLiteral("mnuBlind"))->trigger();
        EXPECT_EQ(&BlindFrm::instance(), first);
        EXPECT_TRUE(first->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        first->hide();
    }
}

TEST_F(ToolWindowsTest, MapPaintsCountiesOfEveryModeAndLeavesTheListsInAllModes)
{
    installDataFiles({"CountyMapIN.bmp", "CountyMapIN.txt"});
    // Allen on phone only, the window on CW.
    writeLog("\"K9BBB\",\"59\",\"59\",\"\",\"Allen\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
             "04\",\"14:05:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n");
    G.OutOfStateFlag = 1;
    auto w = shown<Outfrm>();
    w->Command1->click();
    ASSERT_EQ(w->Command1->text(), QStringLiteral("Crnt Mode"));
    const auto labels = *CountyMap::readLabels(dir.filePath(QStringLiteral("CountyMapIN.txt")));
    withModal<CountyMapIN>(*w, QStringLiteral("mnuMap"), [&](CountyMapIN& map) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return map.picture().pixelColor(labels[11].seed()) != QColor(Qt::white); }, 2000));
        EXPECT_EQ(map.picture().pixelColor(labels[0].seed()), QColor(Qt::white));
    });
    EXPECT_EQ(w->Command1->text(), QStringLiteral("All Modes"));
}
