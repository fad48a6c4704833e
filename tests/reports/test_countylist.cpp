// The county list window: its rows and columns, and a pick into the running main window's
// county field.
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "core/Form1.h"
#include "core/Globals.h"
#include "platform/Screen.h"
#include "reports/frmCountyList.h"
#include "tests/reports/FakeMainWindow.h"

class CountyListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        G.CountyNames = {QStringLiteral("Adams"), QStringLiteral("Allen"), QStringLiteral("Bartholomew")};
        G.CountyAbbreviations = {QStringLiteral("ADA"), QStringLiteral("ALL"), QStringLiteral("BAR")};
        out.txtSec = &outSec;
        in.txtSec = &inSec;
        Form1::registerMainWindow(&out, true);
        Form1::registerMainWindow(&in, false);
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
    }
    void TearDown() override
    {
        Platform::setScreenOverride(std::nullopt);
        Form1::unregisterMainWindow(&out);
        Form1::unregisterMainWindow(&in);
        resetGlobals();
    }
    static void pick(frmCountyList& w, int row)
    {
        QTreeWidgetItem* item = w.ListView1->topLevelItem(row);
        w.ListView1->setCurrentItem(item);
        w.ListView1_Click();
    }

    FakeMainWindow out, in;
    QLineEdit outSec, inSec;
};

TEST_F(CountyListTest, RowsInTableOrderUnderTwoHeaders)
{
    frmCountyList w;
    w.Form_Load();
    ASSERT_EQ(w.ListView1->columnCount(), 2);
    EXPECT_EQ(w.ListView1->headerItem()->text(0), QStringLiteral("County"));
    EXPECT_EQ(w.ListView1->headerItem()->text(1), QStringLiteral("Abbreviation"));
    ASSERT_EQ(w.ListView1->topLevelItemCount(), 3);
    EXPECT_EQ(w.ListView1->topLevelItem(2)->text(0), QStringLiteral("Bartholomew"));
    EXPECT_EQ(w.ListView1->topLevelItem(2)->text(1), QStringLiteral("BAR"));

    G.CountyNames.clear();
    G.CountyAbbreviations.clear();
    frmCountyList empty;
    empty.Form_Load();
    EXPECT_EQ(empty.ListView1->columnCount(), 2);
    EXPECT_EQ(empty.ListView1->topLevelItemCount(), 0);
}

TEST_F(CountyListTest, ColumnsFollowTheScreenWidth)
{
    // 1300 twips each on the design screen (15 twips a pixel), twice that on a screen twice as wide.
    for (auto [width, pixels] : {std::pair{9600.0, 87}, {19200.0, 173}}) {
        Platform::setScreenOverride(Platform::Screen::ofSize(width, 7200));
        frmCountyList w;
        w.Form_Load();
        EXPECT_NEAR(w.ListView1->header()->sectionSize(0), pixels, 1) << width;
        EXPECT_NEAR(w.ListView1->header()->sectionSize(1), pixels, 1) << width;
    }
}

TEST_F(CountyListTest, PickWritesTheNameIntoTheRunningWindowsField)
{
    for (int flag : {1, 0}) {
        SCOPED_TRACE(flag);
        G.OutOfStateFlag = flag;
        QLineEdit& target = flag ? outSec : inSec;
        QLineEdit& other = flag ? inSec : outSec;
        target.setText(QStringLiteral("Alle"));
        other.setText(QString());
        frmCountyList w;
        w.Form_Load();
        w.show();
        pick(w, 1);
        EXPECT_EQ(target.text(), QStringLiteral("Allen"));   // the name replaces the text, never the abbreviation
        EXPECT_TRUE(other.text().isEmpty());
        EXPECT_FALSE(w.isVisible());
    }
}

TEST_F(CountyListTest, ClickWithoutASelectedRowChangesNothing)
{
    G.OutOfStateFlag = 1;
    outSec.setText(QStringLiteral("Adams"));
    frmCountyList w;
    w.Form_Load();
    w.show();
    w.ListView1_Click();
    EXPECT_EQ(outSec.text(), QStringLiteral("Adams"));
    EXPECT_TRUE(w.isVisible());
}
