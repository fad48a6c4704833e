// The log, export and tool menus of both main windows, through their menu items: the path to a
// written Cabrillo file, restore and New with the window's refresh, and the tool commands.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/LogMenusPanel.h"
#include "mainwindow/Outfrm.h"
#include "platform/SettingsStore.h"
#include "reports/DECabrilloIn.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray crlf(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

// Records which tool windows the menus opened, and applies what a tool would change.
struct RecordingTools : LogMenus::Tools {
    QStringList shown;
    void showRateGraph() override { shown << QStringLiteral("graph"); }
    void showCountyMap() override { shown << QStringLiteral("map"); }
    void showCountyList() override { shown << QStringLiteral("list"); }
    void showCountyChange() override
    {
        shown << QStringLiteral("county");
        G.CurrentCounty = QStringLiteral("Posey");
    }
    void showColors() override
    {
        shown << QStringLiteral("colors");
        G.WorkedColor = 0x00FF00;
    }
    void showHelp() override { shown << QStringLiteral("help"); }
};

const QByteArray kOutLog = "\"W9AAA\",\"599\",\"599\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                           "04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"
                           "\"K9BBB\",\"59\",\"59\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                           "04\",\"14:05:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n"
                           "\"N9CCC\",\"599\",\"599\",\"\",\"Allen\",\"\",\"\",\"\",\"\",\"\",\"\",\"2024/05/"
                           "04\",\"14:15:00\",\"CW\",\"40\",0,\"\",\"\",\"\"\r\n";
const QByteArray kInLog = "\"W8OH\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
                          "04\",\"14:20:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n"
                          "\"K9IN\",\"59\",\"59\",\"IN\",\"Allen\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/"
                          "04\",\"14:21:00\",\"PH\",\"20\",0,\"\",\"\",\"\"\r\n";

}   // namespace

class LogMenusTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        Platform::setSettingsFile(dir.filePath(QStringLiteral("settings.ini")));
        G.SharedFolder = dir.filePath(QStringLiteral("Shared"));
        ASSERT_TRUE(QDir().mkpath(G.SharedFolder));
        LogMenus::setTools(&tools);
    }
    void TearDown() override
    {
        LogMenus::setTools(nullptr);
        Platform::setSettingsFile(QString());
        MainFrameTest::TearDown();
    }
    // Runs `inDialog` on the modal window the next menu command opens, then triggers the item.
    static void triggerWithModal(MainFrame& w, const QString& item, std::function<void(QWidget*)> inDialog)
    {
        QTimer::singleShot(0, [inDialog] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            inDialog(modal);
        });
        w.action(item)->trigger();
    }

    RecordingTools tools;
};

TEST_F(LogMenusTest, WriteSubmissionFileFromBothWindows)
{
    struct Case {
        const char* window;
        QByteArray log;
        const char *call, *section, *state;
        QStringList qsoLines;
        const char* score;
    };
    const Case cases[] = {
        {"Outfrm",
         kOutLog,
         "W8TEST",
         "OH",
         "OH",
         {"QSO: 14000 CW 2024-05-04 1402 W8TEST    599 OH       W9AAA     599 Marion",
          "QSO: 14000 PH 2024-05-04 1405 W8TEST    59  OH       K9BBB     59  Marion",
          "QSO:  7000 CW 2024-05-04 1415 W8TEST    599 OH       N9CCC     599 Allen"},
         // 2 + 1 + 2 points, Marion on CW and phone, Allen on CW.
         "CLAIMED-SCORE:  15 "},
        {"Infrm",
         kInLog,
         "K9TEST",
         "IN",
         "IN",
         {"QSO: 14000 CW 2024-05-04 1420 K9TEST    599 Marion   W8OH      599 OH",
          "QSO: 14000 PH 2024-05-04 1421 K9TEST    59  Marion   K9IN      59  Allen"},
         // 2 + 1 points, OH on CW and Allen on phone.
         "CLAIMED-SCORE:  6 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        prompts.clear();
        writeLog(c.log);
        G.OwnCall = QLatin1String(c.call);
        G.OwnSection = QLatin1String(c.section);
        G.OwnStateProvince = QLatin1String(c.state);
        const bool out = QLatin1String(c.window) == QLatin1String("Outfrm");
        G.OutOfStateFlag = out ? 1 : 0;
        std::unique_ptr<MainFrame> w;
        if (out)
            w = shown<Outfrm>();
        else
            w = shown<Infrm>();
        w->lblTotScore->setText(QStringLiteral("1.234.567,00"));   // whatever the label says
        QAction* item = w->action(QStringLiteral("mnuWriteSumm"));
        ASSERT_TRUE(w->menu(QStringLiteral("mnuFile"))->actions().contains(item));
        ASSERT_TRUE(item->isVisible() && item->isEnabled());

        const QString target = G.DataFolder + QStringLiteral("/") + c.call + QStringLiteral(".log");
        prompts.answerFile(target);
        bool sawForm = false;
        triggerWithModal(*w, QStringLiteral("mnuWriteSumm"), [&](QWidget* modal) {
            auto* form = qobject_cast<DECabrilloIn*>(modal);
            ASSERT_NE(form, nullptr);
            sawForm = true;
            EXPECT_EQ(form->windowTitle(), QStringLiteral("Summary Sheet Information"));
            // The name typed in the first window's form is offered again in the second.
            if (out)
                QTest::keyClicks(form->Text5, QStringLiteral("Pat Doe"));
            else
                EXPECT_EQ(form->Text5->text(), QStringLiteral("Pat Doe"));
            QTest::mouseClick(form->Command4, Qt::LeftButton);
            EXPECT_EQ(form->focusWidget(), form->Command3);
            QTest::mouseClick(form->Command3, Qt::LeftButton);
        });
        EXPECT_TRUE(sawForm);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(prompts.callsOf(QStringLiteral("save"))[0].defaultText,
                  QLatin1String(c.call) + QStringLiteral(".log"));

        QStringList expected = {"START-OF-LOG: 2.0",
                                "CREATED-BY: Quolt's Lorvane Program 2.1",
                                QStringLiteral("CALLSIGN: ") + c.call,
                                QStringLiteral("ARRL-SECTION: ") + c.section,
                                "CONTEST: State QSO Party - IN",
                                "CATEGORY: SINGLE-OP LOW",
                                c.score,
                                QStringLiteral("OPERATORS: ") + c.call,
                                "NAME: Pat Doe",
                                "ADDRESS: ",
                                "ADDRESS: ",
                                "ADDRESS: (e-mail) ",
                                "SOAPBOX: "};
        expected << c.qsoLines << "END-OF-LOG:";
        EXPECT_EQ(fileBytes(target).toStdString(), crlf(expected).toStdString());
        EXPECT_EQ(Platform::getSetting(QStringLiteral("Settings"), QStringLiteral("UserAddressName")),
                  QStringLiteral("Pat Doe"));
    }
}

TEST_F(LogMenusTest, RestoreAndNewRefreshTheWindow)
{
    writeLog(kOutLog);
    auto w = loaded<Outfrm>();
    ASSERT_EQ(G.QSOCount, 3);
    const QString archive = G.DataFolder + QStringLiteral("/BACKUP/one.log");
    {
        QFile f(archive);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(kOutStateLine);
    }
    prompts.answer(Platform::Answer::Yes);
    prompts.answerFile(archive);
    w->action(QStringLiteral("mnuRestore"))->trigger();
    EXPECT_EQ(readLog(), kOutStateLine);
    EXPECT_EQ(G.QSOCount, 1);
    EXPECT_EQ(w->lblTotScore->text(), QStringLiteral("2"));
    EXPECT_EQ(w->ListView1->model()->rowCount(), 1);

    // New answered with anything but YES keeps the log, yet reloads and saves the options.
    QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));
    G.OpSecondsSaved = 3725;
    prompts.answerInput(QStringLiteral("yes please"));
    w->action(QStringLiteral("mnuNew"))->trigger();
    EXPECT_EQ(readLog(), kOutStateLine);
    EXPECT_EQ(G.QSOCount, 1);
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("01:02:05"));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("QSOpref.txt"))));

    // YES empties it.
    prompts.answerInput(QStringLiteral("yes"));
    w->action(QStringLiteral("mnuNew"))->trigger();
    EXPECT_TRUE(readLog().isEmpty());
    EXPECT_EQ(w->ListView1->model()->rowCount(), 0);
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("00:00:00"));
}

TEST_F(LogMenusTest, ToolCommandsOpenTheirToolsAndApplyWhatChanged)
{
    writeLog(kInLog);
    G.RoverFlag = 1;
    G.CurrentCounty = QStringLiteral("Marion");
    auto w = loaded<Infrm>();

    // The map shows every mode's counties: a "Crnt Mode" filter is switched first.
    w->Command1->click();
    ASSERT_EQ(w->Command1->text(), QStringLiteral("Crnt Mode"));
    w->action(QStringLiteral("mnuMap"))->trigger();
    EXPECT_EQ(w->Command1->text(), QStringLiteral("All Modes"));
    w->action(QStringLiteral("mnuMap"))->trigger();
    EXPECT_EQ(w->Command1->text(), QStringLiteral("All Modes"));

    for (const char* item : {"mnuGraph", "mnuCountyList", "mnuHelp"})
        w->action(QLatin1String(item))->trigger();

    QFile::remove(dir.filePath(QStringLiteral("QSOpref.txt")));
    w->action(QStringLiteral("mnuChangeCounty"))->trigger();
    EXPECT_EQ(w->Label25->text(), QStringLiteral("Posey"));
    EXPECT_EQ(G.WildCounty, QStringLiteral("POSEY"));
    EXPECT_TRUE(fileBytes(dir.filePath(QStringLiteral("QSOpref.txt"))).contains("\"Posey\""));

    w->action(QStringLiteral("mnuColors"))->trigger();
    EXPECT_EQ(w->Label10[38]->palette().color(QPalette::WindowText), QColor(Qt::green));   // OH, recoloured

    EXPECT_EQ(tools.shown, QStringList({"map", "map", "graph", "list", "help", "county", "colors"}));
}

TEST_F(LogMenusTest, FailedDovrelExportSaysUnableToWriteFile)
{
    writeLog(kOutLog);
    auto w = loaded<Outfrm>();
    prompts.clear();
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("LogExp.txt/in-the-way"))));
    w->action(QStringLiteral("mnuDovrelImport"))->trigger();
    ASSERT_EQ(prompts.messages().size(), 1);
    EXPECT_EQ(prompts.callsOf(QStringLiteral("message"))[0].title, QStringLiteral("Unable to write file."));
    EXPECT_FALSE(prompts.messages()[0].isEmpty());
    EXPECT_EQ(prompts.beeps(), 1);
}
