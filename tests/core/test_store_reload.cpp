// Loading over a log already in memory: every slot ends up holding exactly what the file says,
// whether the slot held the same text, a text differing only in case, or nothing; values that
// records share stay independent of each other.
#include "test_store_fixture.h"

TEST_F(StoreTest, ReloadTakesEveryChangeOverTheTextsTheSlotsHeld)
{
    QByteArray first = linesFor({QStringLiteral("k9abc"), QStringLiteral("W9DEF")});
    writeLog(first);
    ASSERT_TRUE(Module2::LoadLog());
    ASSERT_EQ(G.ContactArrays.ContactCall[1], "k9abc");

    // Same lengths, other case or other characters, an emptied field and a Latin-1 letter.
    QByteArray second = linesFor({QStringLiteral("K9ABC"), QStringLiteral("W9DEG")});
    second.replace("\"Marion\"", "\"Mari\xE9n\"");
    second.replace("\"14.025\"", "");
    writeLog(second);
    ASSERT_TRUE(Module2::LoadLog());
    const auto& a = G.ContactArrays;
    EXPECT_EQ(a.ContactCall[1], "K9ABC");
    EXPECT_EQ(a.ContactCall[2], "W9DEG");
    EXPECT_EQ(a.ContactSentCounty[1], QString::fromLatin1("Mari\xE9n"));
    EXPECT_EQ(a.ContactFrequency[2], QString());
    // Written back byte for byte, apart from the emptied value now written as a text.
    ASSERT_TRUE(Module2::RewriteLog());
    QByteArray expected = second;
    expected.replace(",\r\n", ",\"\"\r\n");
    EXPECT_EQ(readLog(), expected);
}

TEST_F(StoreTest, QuotedEmptyTextAndBareEmptyValueStayApartOnReload)
{
    QByteArray l = kInStateLine;
    l.replace("\"14.025\"", "");   // bare empty: no text at all
    writeLog(l + kInStateLine);
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_TRUE(G.ContactArrays.ContactFrequency[1].isNull());
    EXPECT_FALSE(G.ContactArrays.ContactField8[1].isNull());   // "" is an empty text
    EXPECT_TRUE(G.ContactArrays.ContactField8[1].isEmpty());
    // The other way round over the same slots.
    QByteArray swapped = kInStateLine;
    swapped.replace("\"14.025\"", "\"\"");
    writeLog(swapped + l);
    ASSERT_TRUE(Module2::LoadLog());
    EXPECT_FALSE(G.ContactArrays.ContactFrequency[1].isNull());
    EXPECT_TRUE(G.ContactArrays.ContactFrequency[2].isNull());
}

TEST_F(StoreTest, EditingOneRecordLeavesTheSameTextOfOthersAlone)
{
    loadCalls({QStringLiteral("K9ABC"), QStringLiteral("W9DEF")});
    auto& a = G.ContactArrays;
    ASSERT_EQ(a.ContactBand[1], a.ContactBand[2]);
    a.ContactBand[1][0] = QLatin1Char('4');
    a.ContactMode[2].append(QLatin1Char('X'));
    EXPECT_EQ(a.ContactBand[1], "40");
    EXPECT_EQ(a.ContactBand[2], "20");
    EXPECT_EQ(a.ContactMode[1], "CW");
    EXPECT_EQ(a.ContactMode[2], "CWX");
}

TEST_F(StoreTest, TheSpareNumberFieldReadsEveryFormItHad)
{
    struct Case {
        const char* name;
        const char* value;
        double expected;
    };
    const Case cases[] = {
        {"zero", "0", 0},       {"number", " 2.5 ", 2.5}, {"quoted number", "\"7\"", 7},
        {"true", "#true#", -1}, {"false", "#FALSE#", 0},  {"not a number", "x1", 0},
        {"empty", "", 0},       {"exponent", "1E2", 100},
    };
    for (const Case& c : cases) {
        QByteArray l = kInStateLine;
        l.replace(",0,", QByteArray(",") + c.value + ",");
        writeLog(l);
        ASSERT_TRUE(Module2::LoadLog()) << c.name;
        EXPECT_EQ(G.ContactArrays.ContactField16[1], c.expected) << c.name;
    }
}
