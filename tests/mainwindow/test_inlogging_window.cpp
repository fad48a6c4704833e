// The in-state window as an operator uses it: real keys typed into its entry fields log contacts
// into log.txt with the own county sent, the score labels and the worked-states grid follow, a
// duplicate is refused in red, the grid answers the mouse, a rover logs a contact once per county,
// and the county change windows set the own county.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include "core/Colors.h"
#include "core/Globals.h"
#include "entry/EntryKeys.h"
#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "mainwindow/ReportTools.h"
#include "reports/frmCountyChange.h"
#include "reports/frmCountyChangeRover.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

// K9XYZ in Ohio, 579 received, 599 sent, from Adams, at the test clock's 14:30:00 UTC on 20 m CW.
const QByteArray kOhioFromAdams = "\"K9XYZ\",\"599\",\"579\",\"OH\",\"\",\"\",\"Adams\",\"\",\"\",\"\",\"\","
                                  "\"2024/05/04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";

class InLoggingWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        G.CurrentCounty = QStringLiteral("Adams");
        G.OwnCall = QStringLiteral("W9IN");
    }
    void TearDown() override
    {
        w.reset();
        BlindFrm::unload();
        MainFrameTest::TearDown();
    }

    void open()
    {
        w = shown<Infrm>();
        prompts.clear();
    }

    static QWidget* focused() { return QApplication::focusWidget(); }
    static void keys(QWidget* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        for (QChar c : text)
            QTest::keyClick(field, c.toLatin1());
    }
    // The five fields typed in turn, Enter in the report sent.
    void typeContact(const QString& call, const QString& rstr, const QString& state, const QString& county,
                     const QString& rsts)
    {
        keys(w->txtCall, call);
        keys(w->txtRSTR, rstr);
        keys(w->txtCntry, state);
        keys(w->txtSec, county);
        keys(w->txtRSTS, rsts);
        QTest::keyClick(w->txtRSTS, Qt::Key_Return);
    }
    static long long backColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::Window)); }
    static long long textColor(const QLabel* l) { return Colors::toNumber(l->palette().color(QPalette::WindowText)); }
    QStringList score() const
    {
        return {w->lblTotCon->text(), w->lblsectogo->text(), w->lblTotSec->text(), w->lblTotScore->text()};
    }

    std::unique_ptr<Infrm> w;
};

TEST_F(InLoggingWindowTest, TypedContactIsLoggedWithTheOwnCountyAndCounted)
{
    open();
    QLabel* ohio = w->Label10[38];
    ASSERT_EQ(ohio->text(), QStringLiteral("OH"));
    EXPECT_EQ(textColor(ohio), G.UnworkedColor);

    typeContact(QStringLiteral("K9XYZ"), QStringLiteral("579"), QStringLiteral("OH"), QStringLiteral("Marion"),
                QStringLiteral("599"));

    EXPECT_EQ(readLog(), kOhioFromAdams);   // the county typed for Ohio is dropped
    EXPECT_EQ(score(), (QStringList{"0", "1", "1", "2"}));
    EXPECT_EQ(textColor(ohio), G.WorkedColor);
    for (QLineEdit* e : {w->txtCall, w->txtRSTR, w->txtCntry, w->txtSec, w->txtRSTS})
        EXPECT_EQ(e->text(), QString());
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_EQ(G.LoggedOnFlag, 1);   // the first contact started the operating time

    // The same call again is a duplicate as soon as the call field is left (the earlier contact
    // fills in Ohio, a station outside the contest state): refused in red, the entry emptied,
    // nothing stored.
    keys(w->txtCall, QStringLiteral("K9XYZ"));
    w->txtRSTR->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Duplicate K9XYZ 05/04 14:30:00  Rec#  1"));
    EXPECT_EQ(backColor(w->lblDialog), Entry::ColorRed);
    EXPECT_EQ(w->txtCall->text(), QString());
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_EQ(readLog(), kOhioFromAdams);
    EXPECT_EQ(G.QSOCount, 1);
    clock.advanceMs(3000);   // past the hold that follows a duplicate

    // A refused entry stays for correction: the county of the contest state is asked for.
    typeContact(QStringLiteral("K9ABC"), QStringLiteral("599"), QStringLiteral("IN"), QString(), QStringLiteral("599"));
    EXPECT_EQ(w->lblDialog->text(), QStringLiteral("Need County!"));
    EXPECT_EQ(focused(), w->txtSec);
    keys(w->txtSec, QStringLiteral("Marion"));
    QTest::keyClick(w->txtSec, Qt::Key_Return);
    EXPECT_EQ(G.QSOCount, 2);
    EXPECT_EQ(score(), (QStringList{"0", "2", "2", "8"}));
    EXPECT_EQ(textColor(w->Label10[41]), G.UnworkedColor);   // the contest state is no multiplier
}

TEST_F(InLoggingWindowTest, GridAnswersHoverAndClickAndTheViewLeavesTheScore)
{
    writeLog(kOhioFromAdams + QByteArray(kOhioFromAdams).replace("K9XYZ", "K8AAA").replace("\"CW\"", "\"PH\""));
    open();
    EXPECT_EQ(score(), (QStringList{"1", "1", "2", "6"}));

    QTest::mouseMove(w->Label10[38]);
    EXPECT_EQ(w->lblDupe->text(), QStringLiteral("  Ohio    Total = 2"));
    QTest::mouseMove(w->Label10[1]);
    EXPECT_EQ(w->lblDupe->text(), QStringLiteral("  ") + G.StateProvinceNames[1] + QStringLiteral("    Total = 0"));

    w->txtCall->setFocus();
    QTest::mouseClick(w->Label10[38], Qt::LeftButton);
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("OH"));
    EXPECT_EQ(focused(), w->txtCall);   // the focus stays
    QTest::mouseClick(w->Label10[1], Qt::LeftButton);
    EXPECT_EQ(w->txtCntry->text(), G.StateProvinceTable[1]);

    // Only the current mode: Ohio, worked on CW and phone, stays worked on CW; the score stays.
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    EXPECT_EQ(w->Command1->text(), QStringLiteral("Crnt Mode"));
    EXPECT_EQ(textColor(w->Label10[38]), G.WorkedColor);
    EXPECT_EQ(score(), (QStringList{"1", "1", "2", "6"}));
}

TEST_F(InLoggingWindowTest, RoverLogsOneContactOncePerCounty)
{
    G.RoverFlag = 1;
    open();
    frmCountyChangeRover& rover = frmCountyChangeRover::instance();
    for (const char* county : {"marion", "adams"}) {
        rover.Text1->clear();
        keys(rover.Text1, QString::fromLatin1(county));
        QTest::keyClick(rover.Text1, Qt::Key_Return);
    }
    EXPECT_EQ(rover.counties(), (QStringList{"Adams", "Marion"}));

    typeContact(QStringLiteral("K9XYZ"), QStringLiteral("579"), QStringLiteral("OH"), QString(), QStringLiteral("599"));
    EXPECT_EQ(readLog(), kOhioFromAdams + QByteArray(kOhioFromAdams).replace("\"Adams\"", "\"Marion\""));
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
    EXPECT_EQ(w->Label25->text(), QStringLiteral("Adams"));
    EXPECT_EQ(score(), (QStringList{"0", "2", "1", "4"}));
}

// The county change window: typing completes the county, a text that is no county is refused,
// and Done makes the county the own one, saved and shown.
TEST_F(InLoggingWindowTest, CountyChangeSetsTheOwnCounty)
{
    G.RoverFlag = 1;   // the menu item is enabled for rovers
    LogMenus::setTools(&ReportTools::instance());
    open();
    bool sawInvalid = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmCountyChange*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->Text1->text(), QStringLiteral("Adams"));
        dialog->Text1->setFocus(Qt::OtherFocusReason);
        dialog->Text1->setCursorPosition(0);
        QTest::keyClicks(dialog->Text1, QStringLiteral("xq"));
        QTest::keyClick(dialog->Text1, Qt::Key_Return);
        sawInvalid = dialog->isVisible() && dialog->Label2->isVisible();
        dialog->Text1->setCursorPosition(0);
        QTest::keyClicks(dialog->Text1, QStringLiteral("mari\"o"));
        EXPECT_EQ(dialog->Text1->text(), QStringLiteral("Marion"));
        QTest::keyClick(dialog->Text1, Qt::Key_Return);
    });
    w->action(QStringLiteral("mnuChangeCounty"))->trigger();
    EXPECT_TRUE(sawInvalid);
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Marion"));
    EXPECT_EQ(w->Label25->text(), QStringLiteral("Marion"));
    EXPECT_EQ(G.WildCounty, QStringLiteral("MARION"));
    QFile prefs(dir.filePath(QStringLiteral("QSOpref.txt")));
    ASSERT_TRUE(prefs.open(QIODevice::ReadOnly));
    EXPECT_TRUE(prefs.readAll().contains("\"Marion\""));
}

TEST_F(InLoggingWindowTest, RoverCountyWindowOpensWithTheCountySelected)
{
    G.RoverFlag = 1;
    G.CurrentCounty = QStringLiteral("Marion");
    LogMenus::setTools(&ReportTools::instance());
    open();
    QString fixedSelected, roverSelected, roverTyped;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<frmCountyChange*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
        fixedSelected = dialog->Text1->selectedText();
        QTimer::singleShot(0, [&] {
            auto* rover = qobject_cast<frmCountyChangeRover*>(QApplication::activeModalWidget());
            ASSERT_NE(rover, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowActive(rover));
            roverSelected = rover->Text1->selectedText();
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("wayne"));
            roverTyped = rover->Text1->text();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::mouseClick(rover->Command1, Qt::LeftButton);
        });
        QTest::mouseClick(dialog->cmdMultipleCounties, Qt::LeftButton);
    });
    QAction* change = w->action(QStringLiteral("mnuChangeCounty"));
    QTest::mouseClick(w->menuBar, Qt::LeftButton, {}, w->menuBar->actionGeometry(change).center());
    EXPECT_EQ(fixedSelected, QStringLiteral("Marion"));
    EXPECT_EQ(roverSelected, QStringLiteral("Marion"));
    EXPECT_EQ(roverTyped, QStringLiteral("Wayne"));
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Wayne"));
}

}   // namespace
