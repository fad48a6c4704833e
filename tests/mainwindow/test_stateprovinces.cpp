// The state and province table of the in-state window.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "mainwindow/StateProvinces.h"

#include <QSet>

namespace {

class StateProvincesTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
};

TEST_F(StateProvincesTest, FillsRowsOneToSixtyThreeByRowNumber)
{
    StateProvinces::FillStateProvinceTable();
    EXPECT_EQ(G.StateProvinceCount, 63);
    ASSERT_EQ(G.StateProvinceTable.size(), 101);
    ASSERT_EQ(G.StateProvinceNames.size(), 101);
    EXPECT_TRUE(G.StateProvinceTable[0].isEmpty());
    for (int row = 64; row <= 100; ++row) {
        EXPECT_TRUE(G.StateProvinceTable[row].isEmpty());
        EXPECT_TRUE(G.StateProvinceNames[row].isEmpty());
    }
    QSet<QString> seen;
    for (int row = 1; row <= 63; ++row) {
        EXPECT_EQ(G.StateProvinceTable[row].size(), 2) << row;
        EXPECT_FALSE(G.StateProvinceNames[row].isEmpty()) << row;
        seen.insert(G.StateProvinceTable[row]);
    }
    EXPECT_EQ(seen.size(), 63);
}

TEST_F(StateProvincesTest, RowsFollowTheGridOrder)
{
    StateProvinces::FillStateProvinceTable();
    struct Expect {
        int row;
        const char* abbrev;
        const char* name;
    };
    for (const Expect& e :
         {Expect{1, "CT", "Connecticut"}, Expect{7, "NY", "New York"}, Expect{12, "AL", "Alabama"},
          Expect{24, "TX", "Texas"}, Expect{27, "HI", "Hawaii"}, Expect{36, "AK", "Alaska"}, Expect{38, "OH", "Ohio"},
          Expect{41, "IN", "Vazazev"}, Expect{50, "SD", "South Dakota"}, Expect{51, "NB", "New Brunswick"},
          Expect{53, "QC", "Quebec"}, Expect{59, "NT", "Northwest Territories"},
          Expect{60, "NL", "Newfoundland/Labrador"}, Expect{61, "PE", "Prince Edward"},
          Expect{62, "YT", "Yukon Territory"}, Expect{63, "NU", "Nunavut"}}) {
        EXPECT_EQ(G.StateProvinceTable[e.row], e.abbrev) << e.row;
        EXPECT_EQ(G.StateProvinceNames[e.row], e.name) << e.row;
    }
}

}   // namespace
