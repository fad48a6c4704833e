// The counties worked and to go of both main windows, their headers, the mode filter and clicks.
#include "EntryFixture.h"

#include "entry/CountyLists.h"

using CountyLists::Model;
using Entry::Window;

TEST_F(EntryTest, EmptyLogLeavesEveryCountyToGo)
{
    Model out(Window::Out), in(Window::In);
    EXPECT_EQ(out.toGoHeader, QStringLiteral("Counties To Go"));   // design captions before a fill
    EXPECT_EQ(in.workedHeader, QStringLiteral("Cnty Wkd - 0"));
    out.FillCountyLists();
    in.FillCountyLists();
    EXPECT_EQ(out.toGo.size(), 92);
    EXPECT_TRUE(out.worked.isEmpty());
    EXPECT_EQ(out.toGoHeader, QStringLiteral("Counties To Go - 92"));
    EXPECT_EQ(out.workedHeader, QStringLiteral("Counties Worked - 0"));
    EXPECT_EQ(in.toGoHeader, QStringLiteral("Cnty Rem - 92"));
    EXPECT_EQ(in.workedHeader, QStringLiteral("Cnty Wkd - 0"));
    EXPECT_STREQ(in.toGoListName(), "List3");
    EXPECT_EQ(out.workedHeaderIndex(), 5);
}

TEST_F(EntryTest, CountyWorkedInTwoModesShowsOnceAndTheFilterFollowsTheMode)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"), QStringLiteral("20"), QStringLiteral("CW"));
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"), QStringLiteral("20"), QStringLiteral("PH"));
    logged(QStringLiteral("N9XX"), QStringLiteral("allen"), QStringLiteral("20"), QStringLiteral("PH"));
    Model out(Window::Out);
    out.FillCountyLists();
    EXPECT_EQ(out.worked, (QStringList{"allen", "Marion"}));   // sorted, ignoring case
    EXPECT_EQ(out.toGo.size(), 90);
    EXPECT_FALSE(out.toGo.contains(QStringLiteral("Allen")));

    G.CurrentMode = QStringLiteral("DG");
    EXPECT_FALSE(out.Command1_Click());
    EXPECT_EQ(out.filterCaption, QStringLiteral("Crnt Mode"));
    EXPECT_TRUE(out.worked.isEmpty());
    EXPECT_EQ(out.toGo.size(), 92);

    G.CurrentMode = QStringLiteral("cw");
    out.FillCountyLists();
    EXPECT_EQ(out.worked, QStringList{QStringLiteral("Marion")});

    out.Command1_Click();
    EXPECT_EQ(out.filterCaption, QStringLiteral("All Modes"));
    EXPECT_EQ(out.worked.size(), 2);

    Model in(Window::In);
    EXPECT_TRUE(in.Command1_Click());   // the in-state window reloads the log instead
    EXPECT_EQ(in.filterCaption, QStringLiteral("Crnt Mode"));
}

TEST_F(EntryTest, CountiesShowAsLoggedAndUnknownOnesRemoveNothing)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("MARION"));
    logged(QStringLiteral("K9ABD"), QStringLiteral("Marrion"));
    Model out(Window::Out);
    out.FillCountyLists();
    EXPECT_EQ(out.worked, (QStringList{"MARION", "Marrion"}));
    EXPECT_FALSE(out.toGo.contains(QStringLiteral("Marion")));
    EXPECT_EQ(out.toGo.size(), 91);
    EXPECT_EQ(out.workedHeader, QStringLiteral("Counties Worked - 2"));
}

TEST_F(EntryTest, LoggedContactUpdatesTheListsWhateverTheFilter)
{
    Model out(Window::Out);
    out.FillCountyLists();
    out.Command1_Click();   // current mode only
    logged(QStringLiteral("K9ABC"), QStringLiteral("Vigo"), QStringLiteral("20"), QStringLiteral("PH"));
    out.UpdateCountyLists();
    logged(QStringLiteral("K9ABD"), QStringLiteral("Adams"));
    out.UpdateCountyLists();
    logged(QStringLiteral("K9ABE"), QStringLiteral("adams"));
    out.UpdateCountyLists();
    EXPECT_EQ(out.worked, (QStringList{"Adams", "Vigo"}));
    EXPECT_EQ(out.toGoHeader, QStringLiteral("Counties To Go - 90"));
    EXPECT_EQ(out.toGo.first(), QStringLiteral("Allen"));
    // The to-go list stays in alphabetical order, St. Joseph before Starke.
    EXPECT_LT(out.toGo.indexOf(QStringLiteral("St. Joseph")), out.toGo.indexOf(QStringLiteral("Starke")));
}

TEST_F(EntryTest, ClickOnACountyEntersIt)
{
    const auto out = CountyLists::countyClicked(Window::Out, QStringLiteral("Marion"));
    EXPECT_EQ(out.county, QStringLiteral("Marion"));
    EXPECT_EQ(out.state, QString());
    EXPECT_EQ(out.focus, Entry::Field::Call);
    const auto in = CountyLists::countyClicked(Window::In, QStringLiteral("Marion"));
    EXPECT_EQ(in.state, QStringLiteral("IN"));
    EXPECT_EQ(in.focus, Entry::Field::Sec);
}

TEST_F(EntryTest, EveryContactOfACountyTakesOneOfItsRepeatedTableEntries)
{
    // A table that names a county twice: each contact in it removes one entry from the to-go
    // list, however often its spelling recurs in the log.
    G.CountyNames = {"Lake", "LAKE", "Allen"};
    logged(QStringLiteral("K9ABC"), QStringLiteral("lake"));
    Model out(Window::Out);
    out.FillCountyLists();
    EXPECT_EQ(out.worked, QStringList{"lake"});
    EXPECT_EQ(out.toGo.size(), 2);
    logged(QStringLiteral("K9ABD"), QStringLiteral("lake"));
    logged(QStringLiteral("K9ABE"), QStringLiteral("lake"));
    out.FillCountyLists();
    EXPECT_EQ(out.worked, QStringList{"lake"});
    EXPECT_EQ(out.toGo, QStringList{"Allen"});
}
