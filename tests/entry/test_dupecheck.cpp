// The three duplicate checks of the out-of-state window: partial matches while typing, the warning
// on leaving the call field, and the refusal at logging time.
#include "EntryFixture.h"

#include "entry/DupeCheck.h"

using Entry::Field;

TEST_F(EntryTest, EmptyLogFindsNothing)
{
    const auto p = DupeCheck::PartialDupeCheck(QStringLiteral("K9A"), 'B');
    EXPECT_TRUE(p.searched);
    EXPECT_EQ(p.matches, QString());
    const auto d = DupeCheck::DupCheck2(QStringLiteral("K9ABC"), QString(), true);
    EXPECT_EQ(d.warnings, 0);
    EXPECT_TRUE(d.records.isEmpty());
    G.DupeFlag = 1;
    EXPECT_FALSE(DupeCheck::LogDupeCheck(QStringLiteral("K9ABC"), QStringLiteral("Marion")).duplicate());
    EXPECT_EQ(G.DupeFlag, 0);
}

TEST_F(EntryTest, PartialListShowsMatchesNewestFirstAndWarnsFromTheFourthCharacter)
{
    logged(QStringLiteral("W9AAA"), QStringLiteral("Marion"));
    logged(QStringLiteral("W9ABC"), QStringLiteral("Lake"), QStringLiteral("40"));   // other band
    logged(QStringLiteral("W9ABC"), QStringLiteral("Lake"), QStringLiteral("20"), QStringLiteral("PH"));
    logged(QStringLiteral("K9ABC"), QStringLiteral("Lake"));
    logged(QStringLiteral("w9abc"), QStringLiteral("Lake"));   // record 5, stored in small letters

    const QString list = QStringLiteral("w9abc W9AAA ");
    type(Field::Call, QStringLiteral("W"));
    EXPECT_EQ(row.labels.lblDupe, list);
    EXPECT_EQ(row.labels.lblDupeBackColor, Entry::ColorTeal);
    type(Field::Call, QStringLiteral("9"));
    EXPECT_EQ(row.labels.lblDupe, list);
    type(Field::Call, QStringLiteral("a"));   // upper-cased by the call field first
    EXPECT_EQ(row.labels.lblDupe, list);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral(" "));   // not at W9A yet
    type(Field::Call, QStringLiteral("B"));
    EXPECT_EQ(row.labels.lblDupe, QStringLiteral("w9abc "));
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Possible Duplicate!"));
    type(Field::Call, QStringLiteral("X"));
    EXPECT_EQ(row.labels.lblDupe, QString());
    EXPECT_EQ(row.labels.lblDupeBackColor, Entry::ColorButtonFace);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral(" "));
}

TEST_F(EntryTest, PartialCheckOffOrBackspaceSearchesNothing)
{
    logged(QStringLiteral("W9AAA"), QStringLiteral("Marion"));
    setBox(Field::Call, QStringLiteral("W9AA"));
    const auto back = DupeCheck::PartialDupeCheck(QStringLiteral("W9AA"), '\b');
    EXPECT_FALSE(back.searched);

    row.labels.lblDupe = QStringLiteral("W9AAA ");
    row.labels.lblDupeBackColor = Entry::ColorTeal;
    row.keyPress(Field::Call, '\b');
    EXPECT_EQ(row.labels.lblDupe, QString());
    EXPECT_EQ(row.labels.lblDupeBackColor, Entry::ColorButtonFace);
    EXPECT_EQ(row.txtCall.text, QStringLiteral("W9A"));

    G.ShowPartialsFlag = 0;
    EXPECT_FALSE(DupeCheck::PartialDupeCheck(QStringLiteral("W9"), 'A').searched);
}

TEST_F(EntryTest, PartialListStopsOnceItPassesAHundredCharacters)
{
    for (int i = 0; i < 30; ++i)
        logged(QStringLiteral("K9A%1").arg(QChar('A' + i % 26)) + QString(i / 26 + 1, QChar('Z')),
               QStringLiteral("Lake"));
    const auto p = DupeCheck::PartialDupeCheck(QStringLiteral("K9"), 'A');
    // Calls of 5 or 6 characters and a blank: the list stops at the first record that takes it
    // past 100 characters.
    EXPECT_GT(p.matches.size(), 100);
    EXPECT_LE(p.matches.size(), 107);
    EXPECT_TRUE(p.matches.startsWith(G.ContactArrays.ContactCall[17] + QLatin1Char(' ')));
    EXPECT_FALSE(p.matches.contains(G.ContactArrays.ContactCall[18]));
}

struct ThirdCharCase {
    const char* call;
    char key;
    bool complains;
};

void PrintTo(const ThirdCharCase& c, std::ostream* os) { *os << c.call << "+" << c.key; }

class ThirdCharacter : public EntryTest, public ::testing::WithParamInterface<ThirdCharCase> {};

TEST_P(ThirdCharacter, SecondOrThirdMustBeADigitOrSlash)
{
    const ThirdCharCase& c = GetParam();
    const auto p = DupeCheck::PartialDupeCheck(QString::fromLatin1(c.call), c.key);
    EXPECT_EQ(p.beep, c.complains);
    EXPECT_EQ(*p.dialog,
              c.complains ? QStringLiteral("The second or third character is not numeric!") : QStringLiteral(" "));
}

INSTANTIATE_TEST_SUITE_P(Table, ThirdCharacter,
                         ::testing::Values(ThirdCharCase{"WA", 'X', true}, ThirdCharCase{"WA", '9', false},
                                           ThirdCharCase{"WA", '/', false}, ThirdCharCase{"W9", 'X', false},
                                           ThirdCharCase{"W/", 'Q', false}, ThirdCharCase{"KA", 'B', true}));

TEST_F(EntryTest, ThirdCharacterCheckBeepsThroughTheRowAndIgnoresThePartialSwitch)
{
    G.ShowPartialsFlag = 0;
    type(Field::Call, QStringLiteral("wax"));
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("The second or third character is not numeric!"));
}

// --- Leaving the call field -----------------------------------------------------------------------

TEST_F(EntryTest, LeavingAWorkedCallWarnsFillsTheCountyAndListsEarlierContacts)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Hamilton"), QStringLiteral("40"));
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"), QStringLiteral("20"), QStringLiteral("CW"),
           QStringLiteral("14:10:00"));
    logged(QStringLiteral("N9XX"), QStringLiteral("Lake"));
    logged(QStringLiteral("k9abc"), QStringLiteral("Lake"), QStringLiteral("20"), QStringLiteral("CW"),
           QStringLiteral("15:00:00"));

    host.listPrevious = true;
    setBox(Field::Call, QStringLiteral("K9ABC"));
    row.setFocus(Field::RSTR);
    EXPECT_EQ(host.listed, (QVector<int>{1, 2, 4}));
    EXPECT_EQ(row.txtSec.text, QStringLiteral("Hamilton"));   // the oldest contact's county
    EXPECT_EQ(row.txtSec.selLength, 8);
    // Both contacts on 20 m CW warned; the message names the newest.
    EXPECT_EQ(prompts.beeps(), 2);
    EXPECT_EQ(row.labels.lblDialog, QStringLiteral("Duplicate Unless Rover!  k9abc  2024/05/04  15:00:00   Rec#  4"));
    EXPECT_EQ(row.labels.lblDialogBackColor, Entry::ColorRed);
    EXPECT_EQ(G.DupeFlag, 0);   // a warning only
}

TEST_F(EntryTest, WithoutListingTheFirstWarningEndsTheSearch)
{
    logged(QStringLiteral("K9ABC"), QString(), QStringLiteral("20"));
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"), QStringLiteral("20"));
    const auto d = DupeCheck::DupCheck2(QStringLiteral("K9ABC"), QString(), false);
    EXPECT_FALSE(d.listed);
    EXPECT_EQ(d.warnings, 1);
    EXPECT_EQ(d.warning, QStringLiteral("Duplicate Unless Rover!  K9ABC  2024/05/04  14:00:00   Rec#  1"));
    EXPECT_FALSE(d.countyFilled);   // stopped before a record with a county

    setBox(Field::Call, QStringLiteral("K9ABC"));
    row.setFocus(Field::RSTR);
    EXPECT_EQ(host.calls.count(QStringLiteral("listPreviousContacts")), 0);
}

TEST_F(EntryTest, OtherBandOrModeDoesNotWarn)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"));
    G.CurrentBand = QStringLiteral("40");
    EXPECT_EQ(DupeCheck::DupCheck2(QStringLiteral("K9ABC"), QString(), false).warnings, 0);
    G.CurrentBand = QStringLiteral("20");
    G.CurrentMode = QStringLiteral("PH");
    EXPECT_EQ(DupeCheck::DupCheck2(QStringLiteral("K9ABC"), QString(), false).warnings, 0);
    G.CurrentMode = QStringLiteral("cw");
    EXPECT_EQ(DupeCheck::DupCheck2(QStringLiteral("k9abc"), QString(), false).warnings, 1);
}

// --- At logging time ------------------------------------------------------------------------------

TEST_F(EntryTest, SameCallBandModeAndCountyIsADuplicate)
{
    clock.set(QDateTime(QDate(2024, 5, 4), QTime(15, 0, 0), Qt::UTC), -5 * 3600);
    logged(QStringLiteral("N9XX"), QStringLiteral("Lake"));
    const int rec = logged(QStringLiteral("K9ABC"), QStringLiteral("Marion"));

    const auto d = DupeCheck::LogDupeCheck(QStringLiteral("k9abc"), QStringLiteral("MARION"));
    EXPECT_EQ(d.dupeRecord, rec);
    EXPECT_EQ(d.message, QStringLiteral("Duplicate K9ABC  2024/05/04  14:00:00   Rec#  2"));
    EXPECT_EQ(G.DupeFlag, 1);
    EXPECT_EQ(G.DupeTime, QDateTime(QDate(2024, 5, 4), QTime(10, 0, 0), Qt::UTC));   // local time

    EXPECT_FALSE(DupeCheck::LogDupeCheck(QStringLiteral("K9ABC"), QStringLiteral("Hamilton")).duplicate());
    EXPECT_EQ(G.DupeFlag, 0);
    G.CurrentBand = QStringLiteral("40");
    EXPECT_FALSE(DupeCheck::LogDupeCheck(QStringLiteral("K9ABC"), QStringLiteral("Marion")).duplicate());
}

TEST_F(EntryTest, EmptyCountyTakesTheOldestContactsCountyBeforeTheComparison)
{
    logged(QStringLiteral("K9ABC"), QStringLiteral("Hamilton"), QStringLiteral("40"));
    logged(QStringLiteral("K9ABC"), QStringLiteral("Hamilton"), QStringLiteral("20"));
    const auto d = DupeCheck::LogDupeCheck(QStringLiteral("K9ABC"), QString());
    EXPECT_TRUE(d.countyFilled);
    EXPECT_EQ(d.county, QStringLiteral("Hamilton"));
    EXPECT_EQ(d.dupeRecord, 2);

    G.CurrentBand = QStringLiteral("15");
    const auto quiet = DupeCheck::LogDupeCheck(QStringLiteral("K9ABC"), QString());
    EXPECT_EQ(quiet.county, QStringLiteral("Hamilton"));
    EXPECT_FALSE(quiet.duplicate());
}

TEST(DupeButton, TogglesThePartialCheck)
{
    resetGlobals();
    G.ShowPartialsFlag = 1;
    EXPECT_EQ(DupeCheck::cmdDup_Click(), QStringLiteral("Off"));
    EXPECT_EQ(G.ShowPartialsFlag, 0);
    EXPECT_EQ(DupeCheck::cmdDup_Click(), QStringLiteral("On"));
    EXPECT_EQ(G.ShowPartialsFlag, 1);
}

TEST(SameText, FoldsAsciiAndLeavesOtherCharactersToFullCaseFolding)
{
    struct Case {
        const char* name;
        QString a, b;
        bool same;
    };
    const Case cases[] = {
        {"equal", QStringLiteral("W9ABC"), QStringLiteral("W9ABC"), true},
        {"other case", QStringLiteral("w9aBc"), QStringLiteral("W9AbC"), true},
        {"other letter", QStringLiteral("W9ABC"), QStringLiteral("W9ABD"), false},
        {"not letters", QStringLiteral("@[`{"), QStringLiteral("`{@["), false},
        {"longer", QStringLiteral("W9ABC"), QStringLiteral("W9ABCD"), false},
        {"Latin-1 case", QString::fromLatin1("Mari\xE9n"), QString::fromLatin1("MARI\xC9N"), true},
        {"Latin-1 letter", QString::fromLatin1("Mari\xE9n"), QStringLiteral("Marien"), false},
        {"Kelvin sign", QString(QChar(0x212A)) + QStringLiteral("9A"), QStringLiteral("k9a"), true},
        {"both empty", QString(), QStringLiteral(""), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DupeCheck::sameText(c.a, c.b), c.same) << c.name;
        EXPECT_EQ(DupeCheck::sameText(c.b, c.a), c.same) << c.name;
        EXPECT_EQ(DupeCheck::sameText(c.a, c.b), c.a.compare(c.b, Qt::CaseInsensitive) == 0) << c.name;
    }
}

TEST_F(EntryTest, PartialListMatchesWithoutRegardToCaseOutsideAsciiToo)
{
    logged(QStringLiteral("w9abc"), QStringLiteral("Marion"));
    logged(QString::fromLatin1("W9\xE9XY"), QStringLiteral("Marion"));
    EXPECT_EQ(DupeCheck::PartialDupeCheck(QStringLiteral("W9A"), 'B').matches, QStringLiteral("w9abc "));
    EXPECT_EQ(DupeCheck::PartialDupeCheck(QString::fromLatin1("W9\xC9"), 'X').matches,
              QString::fromLatin1("W9\xE9XY "));
}
