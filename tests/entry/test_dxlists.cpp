// The DX countries worked: List1 with its header, the per-band lists, the "New" marker they decide,
// and the same lists whether they grew contact by contact or were rebuilt by a reload.
#include <gtest/gtest.h>

#include "LogBuilder.h"
#include "core/Globals.h"
#include "entry/DXLists.h"

namespace {

class DXListsTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }

    // Logs a contact the way the window does: the record, then the DX lists for it.
    void logged(const char* spc, const char* band)
    {
        TestLog::Contact c;
        c.spc = QString::fromLatin1(spc);
        c.band = QString::fromLatin1(band);
        c.mode = QStringLiteral("CW");
        model.AddBandDX(TestLog::add(c));
    }
    static QStringList band(const char* b) { return G.BandDXLists[DXLists::bandIndex(QString::fromLatin1(b))]; }

    DXLists::Model model;
};

}   // namespace

TEST_F(DXListsTest, EmptyLog)
{
    EXPECT_EQ(model.header, QStringLiteral("DX"));   // before the first fill
    DXLists::RebuildBandDXLists();
    model.FillDXList();
    EXPECT_TRUE(model.entries.isEmpty());
    EXPECT_EQ(model.header, QStringLiteral("DX All - 0"));
    for (int b = 0; b < 7; ++b)
        EXPECT_EQ(G.BandDXCounts[b], 0);
}

TEST_F(DXListsTest, CountryTwiceOn20AndOnceOn40)
{
    logged("Japan", "20");
    logged("OH", "20");      // a state is no DX country
    logged("japan", "20");   // the same country in other letters
    logged("Japan", "40");
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "logged one by one" : "after a reload");
        EXPECT_EQ(model.entries, QStringList{QStringLiteral("Japan")});
        EXPECT_EQ(model.header, QStringLiteral("DX All - 1"));
        EXPECT_EQ(band("20"), QStringList{QStringLiteral("Japan")});
        EXPECT_EQ(band("40"), QStringList{QStringLiteral("Japan")});
        EXPECT_EQ(G.BandDXCounts[DXLists::bandIndex(QStringLiteral("20"))], 1);
        EXPECT_TRUE(band("15").isEmpty());
        DXLists::RebuildBandDXLists();
        model.FillDXList();
    }
}

TEST_F(DXListsTest, NewMarkerFollowsTheBand)
{
    logged("Fed. Rep. of Germany", "20");
    struct Case {
        const char* text;
        const char* band;
        bool isNew;
    } cases[] = {
        {"Fed. Rep. of Germany", "20", false},
        {"FED. REP. OF GERMANY", "20", false},
        {"Fed. Rep. of Germany", "15", true},
        {"Fed. Rep. of Germany", "2", true},   // no list on 2 m
        {"Japan", "20", true},
        {"OH", "15", false},   // states never
        {"Not Found", "15", false},
        {"Hawaii", "15", false},
        {"alaska", "15", false},
        {"Canada", "15", false},
        {"USA", "15", false},
        {"", "15", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DXLists::isNewOnBand(QString::fromLatin1(c.text), QString::fromLatin1(c.band)), c.isNew)
            << c.text << " on " << c.band;
}

TEST_F(DXListsTest, LoggingAndReloadAgree)
{
    // Repeats, other letter cases, a band without a list and entries that are not countries.
    const std::pair<const char*, const char*> contacts[] = {
        {"Japan", "20"}, {"Japan", "20"},  {"Not Found", "20"}, {"Brazil", "2"},  {"brazil", "15"},
        {"Japan", "6"},  {"Hawaii", "40"}, {"OH", "40"},        {"Fiji", "1.25"}, {"Japan", "160"},
    };
    for (const auto& [spc, b] : contacts)
        logged(spc, b);
    const QStringList shown = model.entries;
    const QString header = model.header;
    const auto bands = G.BandDXLists;

    DXLists::RebuildBandDXLists();
    model.FillDXList();
    EXPECT_EQ(model.entries, shown);
    EXPECT_EQ(model.header, header);
    EXPECT_EQ(G.BandDXLists, bands);
    EXPECT_EQ(shown, QStringList({"Brazil", "Fiji", "Hawaii", "Japan", "Not Found"}));
    EXPECT_EQ(band("20"), QStringList({"Japan", "Not Found"}));
    EXPECT_EQ(band("15"), QStringList({"brazil"}));
}

TEST_F(DXListsTest, FullBandListStoresNoMore)
{
    for (int k = 0; k < DXLists::BandListCapacity + 2; ++k) {
        TestLog::Contact c;
        c.spc = QStringLiteral("Land %1").arg(k);
        TestLog::add(c);
    }
    DXLists::RebuildBandDXLists();
    EXPECT_EQ(band("20").size(), DXLists::BandListCapacity);
    EXPECT_TRUE(DXLists::isNewOnBand(QStringLiteral("Land 1001"), QStringLiteral("20")));
    model.FillDXList();
    EXPECT_EQ(model.entries.size(), DXLists::BandListCapacity + 2);
}
