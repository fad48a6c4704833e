// The in-state window's entry row through real keys: a DX call names its country, continent,
// bearing and miles while it is typed, Space and carries move through the fields, the contact ends
// in log.txt with its country and in the DX lists, and the lists' clicks fill the entry.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "core/Globals.h"
#include "entry/DXLists.h"
#include "keying/BlindFrm.h"
#include "mainwindow/Infrm.h"
#include "tests/mainwindow/MainFrameFixture.h"

namespace {

class InStateRowWindowTest : public MainFrameTest {
protected:
    void SetUp() override
    {
        MainFrameTest::SetUp();
        loadPositionTables();
        G.CurrentCounty = QStringLiteral("Marion");
        G.OpSecondsSaved = 3725;
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
    static QStringList items(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->item(i)->text();
        return out;
    }
    static void click(QListWidget* list, const QString& entry)
    {
        const auto found = list->findItems(entry, Qt::MatchFixedString);
        ASSERT_EQ(found.size(), 1) << qPrintable(entry);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }
    // The country the installed table gives for a prefix.
    static QString countryOf(const char* prefix)
    {
        for (const CountryRow& r : G.CountryTable)
            if (r.prefix == QLatin1String(prefix))
                return r.country;
        return QString();
    }
    QLabel* heading(int index) const { return w->lblStation[index]; }

    std::unique_ptr<Infrm> w;
};

}   // namespace

TEST_F(InStateRowWindowTest, TypedDXContactShowsItsCountryAndJoinsTheDXLists)
{
    const QString germany = countryOf("DL");
    ASSERT_FALSE(germany.isEmpty());
    open();
    EXPECT_EQ(w->lblttrack->text(), QStringLiteral("01:02:05"));   // the saved operating time
    EXPECT_EQ(heading(5)->text(), QStringLiteral("DX All - 0"));
    ASSERT_EQ(focused(), w->txtCall);

    keys(QStringLiteral("dl1abc"));
    EXPECT_EQ(w->txtCall->text(), QStringLiteral("DL1ABC"));
    EXPECT_EQ(w->txtCntry->text(), germany);
    EXPECT_EQ(w->Label19->text(), QStringLiteral("EU"));
    const int bearing = w->Label22->text().trimmed().toInt();
    const int miles = w->Label23->text().trimmed().remove(QLatin1Char(',')).toInt();
    EXPECT_GT(bearing, 30);
    EXPECT_LT(bearing, 60);
    EXPECT_GT(miles, 4000);
    EXPECT_LT(miles, 5000);
    EXPECT_TRUE(w->Label3->isVisible());     // not worked on 20 m yet
    EXPECT_FALSE(heading(4)->isEnabled());   // no county for a DX station

    // The digit after the call starts the report received; Space goes on to the state field, and
    // Space again past the county (not wanted outside the contest state) to the report sent.
    keys(QStringLiteral("5"));
    EXPECT_EQ(focused(), w->txtRSTR);
    EXPECT_EQ(w->txtRSTS->text(), QStringLiteral("599"));
    keys(QStringLiteral("79 "));
    EXPECT_EQ(focused(), w->txtCntry);
    EXPECT_EQ(w->txtCntry->text(), germany);
    keys(QStringLiteral(" "));
    EXPECT_EQ(focused(), w->txtRSTS);
    EXPECT_TRUE(w->txtSec->text().isEmpty());

    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1);
    const QByteArray line =
        "\"DL1ABC\",\"599\",\"579\",\"" + germany.toLatin1() +
        "\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/04\",\"14:30:00\",\"CW\",\"20\",0,\"\",\"\",\"\"\r\n";
    EXPECT_EQ(readLog(), line);
    EXPECT_EQ(G.BandDXLists[DXLists::bandIndex(QStringLiteral("20"))], QStringList{germany});
    EXPECT_EQ(items(w->List1), QStringList{germany});
    EXPECT_EQ(heading(5)->text(), QStringLiteral("DX All - 1"));
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_FALSE(w->Label3->isVisible());
    EXPECT_EQ(w->lblAQSO60->text(), QStringLiteral("1"));
    EXPECT_EQ(w->lblAQSO20->text(), QStringLiteral("3"));

    // The same country again on 20 m is not new; after a change to 15 m it is.
    keys(QStringLiteral("dk2xy"));
    EXPECT_EQ(w->txtCntry->text(), germany);
    EXPECT_FALSE(w->Label3->isVisible());
    G.CurrentBand = QStringLiteral("15");
    w->rerunStateField();
    EXPECT_TRUE(w->Label3->isVisible());

    // A reload rebuilds the same lists.
    w->ReloadLog();
    EXPECT_EQ(items(w->List1), QStringList{germany});
    EXPECT_EQ(heading(5)->text(), QStringLiteral("DX All - 1"));
}

TEST_F(InStateRowWindowTest, StateFieldAndCarriesThroughRealKeys)
{
    open();
    keys(QStringLiteral("w9abc"));
    EXPECT_TRUE(w->txtCntry->text().isEmpty());   // the operator types a US station's state
    EXPECT_EQ(w->Label19->text(), QStringLiteral("NA"));
    keys(QStringLiteral(" "));
    EXPECT_EQ(focused(), w->txtRSTR);

    // A letter in the report received starts the state field.
    keys(QStringLiteral("o"));
    EXPECT_EQ(focused(), w->txtCntry);
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("O"));
    keys(QStringLiteral("h "));
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("OH"));
    EXPECT_EQ(focused(), w->txtRSTS);
    EXPECT_FALSE(heading(4)->isEnabled());
    EXPECT_FALSE(w->Label22->text().trimmed().isEmpty());   // bearing to Ohio

    // A letter in the report sent goes to the state field with the focus.
    keys(QStringLiteral("i"));
    EXPECT_EQ(focused(), w->txtCntry);
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("I"));
    keys(QStringLiteral("n "));
    EXPECT_EQ(focused(), w->txtSec);
    EXPECT_TRUE(heading(4)->isEnabled());
    keys(QStringLiteral("mar"));
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Martin"));
    EXPECT_EQ(w->txtSec->selectedText(), QStringLiteral("tin"));
    keys(QStringLiteral("i5"));
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    EXPECT_EQ(focused(), w->txtRSTS);
    EXPECT_EQ(w->txtRSTS->text(), QStringLiteral("5"));
}

TEST_F(InStateRowWindowTest, ListClicksFillTheEntry)
{
    open();
    EXPECT_EQ(heading(8)->text(), QStringLiteral("Cnty Wkd - 0"));
    EXPECT_EQ(heading(7)->text(), QStringLiteral("Cnty Rem - 92"));

    click(w->List3, QStringLiteral("Marion"));
    EXPECT_EQ(w->txtSec->text(), QStringLiteral("Marion"));
    EXPECT_EQ(w->txtCntry->text(), QStringLiteral("IN"));
    EXPECT_EQ(focused(), w->txtSec);
    EXPECT_TRUE(heading(4)->isEnabled());

    // The DX list: the country into the state field, with the focus.
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_EQ(focused(), w->txtCall);
    EXPECT_FALSE(heading(4)->isEnabled());
    keys(QStringLiteral("ja1abc"));
    const QString japan = w->txtCntry->text();
    ASSERT_EQ(japan, countryOf("JA"));
    keys(QStringLiteral("5"));
    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_EQ(G.QSOCount, 1);
    ASSERT_EQ(items(w->List1), QStringList{japan});
    click(w->List1, japan);
    EXPECT_EQ(w->txtCntry->text(), japan);
    EXPECT_EQ(focused(), w->txtCntry);
}
