// Changing the own county: the county box's type-ahead, the county check, the rover's list, and
// the two windows' Done.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/Globals.h"
#include "reports/CountyChange.h"
#include "reports/frmCountyChange.h"
#include "reports/frmCountyChangeRover.h"
#include "tests/core/test_store_fixture.h"

namespace {

class CountyChangeTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        G.CountyNames = {"Adams", "De Kalb", "Henry", "Lake", "La Porte", "Lawrence", "Marion", "Wayne"};
        G.CurrentCounty = QStringLiteral("Adams");
    }
    void TearDown() override
    {
        frmCountyChangeRover::unload();
        StoreTest::TearDown();
    }

    // Types `keys` into a box holding `text` with the caret at `caret` and `selLength` selected.
    static Entry::TextBox typed(const QString& text, int caret, int selLength, const QString& keys)
    {
        Entry::TextBox b;
        b.text = text;
        b.selStart = caret;
        b.selLength = selLength;
        b.maxLength = 20;
        for (QChar c : keys)
            CountyChange::keyPress(b, c.unicode());
        return b;
    }
    static QString shown(const Entry::TextBox& b)
    {
        // The text with the selection in brackets.
        QString s = b.text;
        if (b.selLength > 0)
            s.insert(b.selStart + b.selLength, QLatin1Char(']')).insert(b.selStart, QLatin1Char('['));
        return s;
    }
};

TEST_F(CountyChangeTest, TypeAheadFromTheLastCountyUp)
{
    struct Case {
        const char* name;
        QString text;
        int caret, sel;
        QString keys, want;
    };
    const Case cases[] = {
        {"the whole county selected: a letter starts anew, capitalised", "Adams", 0, 5, "l", "L[awrence]"},
        {"La keeps Lawrence", "", 0, 0, "la", "La[wrence]"},
        {"Lak switches to Lake", "", 0, 0, "lak", "Lak[e]"},
        {"typed characters keep their case", "", 0, 0, "lA", "LA[wrence]"},
        {"a capital after a blank inside the text", "De Kalb", 3, 0, "k", "De K[alb]"},
        {"a blank at the end makes no capital", "De ", 3, 0, "k", "De k[alb]"},
        {"Backspace at the start empties the box", "Marion", 0, 0, "\b", ""},
        {"no county begins so: the key is typed", "", 0, 0, "q", "Q"},
        {"a double quote never gets in", "", 0, 0, "\"m", "M[arion]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(shown(typed(c.text, c.caret, c.sel, c.keys)), c.want);
    }
    Entry::TextBox b;
    EXPECT_EQ(CountyChange::keyPress(b, Entry::KeyEnter), CountyChange::Key::Enter);
}

TEST_F(CountyChangeTest, OnlyACountyOfTheTablePasses)
{
    EXPECT_TRUE(CountyChange::isCounty(QStringLiteral("marion")));
    EXPECT_TRUE(CountyChange::isCounty(QStringLiteral("LA PORTE")));
    EXPECT_FALSE(CountyChange::isCounty(QStringLiteral("Marion ")));
    EXPECT_FALSE(CountyChange::isCounty(QString()));
    EXPECT_FALSE(CountyChange::isCounty(QStringLiteral("Mari")));
}

TEST_F(CountyChangeTest, RoverListKeepsAlphabeticalOrderAndRepeats)
{
    CountyChange::RoverList l;
    l.add(QStringLiteral("Wayne"));
    l.add(QStringLiteral("Henry"));
    l.add(QStringLiteral("henry"));
    l.add(QStringLiteral("Adams"));
    EXPECT_EQ(l.entries(), (QStringList{"Adams", "Henry", "henry", "Wayne"}));
    l.removeAt(0);
    l.removeAt(7);   // out of range: nothing
    EXPECT_EQ(l.entries(), (QStringList{"Henry", "henry", "Wayne"}));
}

// Done accepts only a county of the table; the county becomes the own one and is saved.
TEST_F(CountyChangeTest, DoneRefusesATextThatIsNoCounty)
{
    frmCountyChange w;
    EXPECT_EQ(w.Text1->text(), QStringLiteral("Adams"));
    EXPECT_TRUE(w.Label2->isHidden());
    w.Text1->setText(QStringLiteral("Wayne "));
    w.Command1_Click();
    EXPECT_FALSE(w.Label2->isHidden());
    EXPECT_EQ(w.Label2->text(), QStringLiteral("   Invalid!"));
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("Adams"));
    EXPECT_NE(w.result(), QDialog::Accepted);

    w.Text1->setText(QStringLiteral("wayne"));
    w.Command1_Click();
    EXPECT_TRUE(w.Label2->isHidden());
    EXPECT_EQ(G.CurrentCounty, QStringLiteral("wayne"));   // stored as typed
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("QSOpref.txt"))));
}

TEST_F(CountyChangeTest, RoverWindowListsCountiesAndHandsOverTheFirst)
{
    QLineEdit countyBox;
    countyBox.setText(QStringLiteral("Adams"));
    frmCountyChangeRover& r = frmCountyChangeRover::instance();
    EXPECT_EQ(r.Text1->text(), QStringLiteral("Adams"));

    auto enter = [&](const QString& county) {
        r.Text1->setText(county);
        r.Text1_Enter();
    };
    enter(QString());   // an empty box is refused
    EXPECT_FALSE(r.Label2->isHidden());
    EXPECT_EQ(r.counties(), QStringList());
    enter(QStringLiteral("Wayne"));
    EXPECT_TRUE(r.Label2->isHidden());
    EXPECT_EQ(r.Text1->text(), QString());
    enter(QStringLiteral("Henry"));
    enter(QStringLiteral("Henry"));
    EXPECT_EQ(r.counties(), (QStringList{"Henry", "Henry", "Wayne"}));
    EXPECT_EQ(r.List1->count(), 3);

    r.List1_Click(0);
    EXPECT_EQ(r.counties(), (QStringList{"Henry", "Wayne"}));

    // Done without the window shown from a county box hands nothing over; shown for one, it does.
    QTimer::singleShot(0, [&] { r.Command1_Click(); });
    r.showFor(&countyBox);
    EXPECT_EQ(countyBox.text(), QStringLiteral("Henry"));

    // The list lasts while the window does.
    EXPECT_EQ(frmCountyChangeRover::instance().counties(), (QStringList{"Henry", "Wayne"}));
    frmCountyChangeRover::unload();
    EXPECT_EQ(frmCountyChangeRover::instance().counties(), QStringList());
}

TEST_F(CountyChangeTest, RoverDoneWithAnEmptyListLeavesTheBox)
{
    QLineEdit countyBox;
    countyBox.setText(QStringLiteral("Marion"));
    frmCountyChangeRover& r = frmCountyChangeRover::instance();
    QTimer::singleShot(0, [&] { r.Command1_Click(); });
    r.showFor(&countyBox);
    EXPECT_EQ(countyBox.text(), QStringLiteral("Marion"));
}

}   // namespace
