// The in-state window's duplicate checks: at logging, on leaving the call field, while typing,
// and the hold after a duplicate. A rover may be worked again from each of its counties, and the
// own station may itself be a rover: every check keeps to the contacts sent from the own county.
#include "InLoggingFixture.h"

#include "entry/InDupeCheck.h"
#include "entry/InLogging.h"

using Entry::Field;
using Logging::Ending;

// W9ABC on 40 m CW, worked in Marion from Adams.
class InDupeCheckTest : public InLoggingTest {
protected:
    void SetUp() override
    {
        InLoggingTest::SetUp();
        G.CurrentBand = QStringLiteral("40");
        loggedIn(QStringLiteral("W9ABC"), QStringLiteral("IN"), QStringLiteral("Marion"), QStringLiteral("Adams"),
                 QStringLiteral("40"));
    }
};

TEST_F(InDupeCheckTest, AtLoggingTheWorkedAndTheOwnCountyDecide)
{
    struct Case {
        const char* name;
        QString county, ownCounty;
        Ending ending;
    };
    const Case cases[] = {
        {"same county from the same own county", "Marion", "Adams", Ending::Duplicate},
        {"a rover worked again in another county", "Allen", "Adams", Ending::Logged},
        {"the own station moved to another county", "Marion", "Allen", Ending::Logged},
        {"county typed in another case", "MARION", "adams", Ending::Duplicate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        G.QSOCount = 1;
        prompts.clear();
        inHost.prompts.clear();
        G.CurrentCounty = c.ownCounty;
        fill(QStringLiteral("W9ABC"), QStringLiteral("599"), QStringLiteral("IN"), c.county, QStringLiteral("599"));
        const auto r = InLogging::Mains(in);
        EXPECT_EQ(r.ending, c.ending);
        if (c.ending == Ending::Duplicate) {
            EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Duplicate W9ABC 05/04 14:00:00  Rec#  1"));
            EXPECT_EQ(in.labels.lblDialogBackColor, Entry::ColorRed);
            EXPECT_EQ(inHost.prompts, QStringList{"Dupe"});
            EXPECT_EQ(prompts.beeps(), 1);
            EXPECT_EQ(G.DupeFlag, 1);
            EXPECT_EQ(G.QSOCount, 1);
            EXPECT_EQ(in.txtCall.text, QString());
            EXPECT_EQ(in.txtSec.text, QString());
            EXPECT_EQ(in.focus, Field::Call);
        } else {
            EXPECT_EQ(G.DupeFlag, 0);
            EXPECT_EQ(G.QSOCount, 2);
        }
    }
}

TEST_F(InDupeCheckTest, EmptyFieldsAreFilledFromTheFirstContactBeforeTheComparison)
{
    fill(QStringLiteral("W9ABC"), QStringLiteral("599"), QString(), QString(), QStringLiteral("599"));
    EXPECT_TRUE(InDupeCheck::LogDupeCheck(in));
    EXPECT_TRUE(in.labels.lblDialog.startsWith(QStringLiteral("Duplicate W9ABC")));
}

TEST_F(InDupeCheckTest, LeavingTheCallWarnsFillsAndStillLetsTheContactBeLogged)
{
    fill(QStringLiteral("W9ABC"), QString(), QString(), QString(), QString());
    InDupeCheck::DupCheck2(in);
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Dupe if not rover!  W9ABC  05/24  14:00:00   Rec#  1"));
    EXPECT_EQ(in.labels.lblDialogBackColor, Entry::ColorRed);
    EXPECT_EQ(prompts.beeps(), 1);
    EXPECT_EQ(G.DupeFlag, 0);
    EXPECT_EQ(in.txtSec.text, QStringLiteral("Marion"));
    EXPECT_EQ(in.txtSec.selLength, 6);
    EXPECT_EQ(in.txtCntry.text, QStringLiteral("IN"));
    EXPECT_EQ(in.txtCntry.selLength, 2);

    in.setText(Field::Sec, QStringLiteral("Allen"));
    in.setText(Field::RSTR, QStringLiteral("599"));
    in.setText(Field::RSTS, QStringLiteral("599"));
    EXPECT_EQ(InLogging::Mains(in).ending, Ending::Logged);
}

TEST_F(InDupeCheckTest, AStationOutsideTheStateIsRefusedOnLeavingTheCall)
{
    loggedIn(QStringLiteral("K4XYZ"), QStringLiteral("OH"), QString(), QStringLiteral("Adams"), QStringLiteral("20"),
             QStringLiteral("PH"));
    G.CurrentBand = QStringLiteral("20");
    G.CurrentMode = QStringLiteral("PH");
    fill(QStringLiteral("K4XYZ"), QStringLiteral("59"), QString(), QString(), QString());
    InDupeCheck::DupCheck2(in);
    EXPECT_EQ(G.DupeFlag, 1);
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Duplicate K4XYZ 05/04 14:00:00  Rec#  2"));
    EXPECT_EQ(in.txtCall.text, QString());
    EXPECT_EQ(in.txtCntry.text, QString());
    EXPECT_EQ(inHost.prompts, QStringList{"Dupe"});
}

TEST_F(InDupeCheckTest, ListPreviousContactsShowsEveryEarlierContactOldestFirst)
{
    loggedIn(QStringLiteral("K9AAA"), QStringLiteral("IN"), QStringLiteral("Lake"), QStringLiteral("Adams"));
    loggedIn(QStringLiteral("W9ABC"), QStringLiteral("IN"), QStringLiteral("Allen"), QStringLiteral("Adams"),
             QStringLiteral("40"));
    loggedIn(QStringLiteral("w9abc"), QStringLiteral("IN"), QStringLiteral("Allen"), QStringLiteral("Adams"),
             QStringLiteral("80"));

    fill(QStringLiteral("W9ABC"), QString(), QString(), QString(), QString());
    InDupeCheck::DupCheck2(in);
    EXPECT_TRUE(inHost.calls.isEmpty());   // not ticked: the list is left alone
    EXPECT_TRUE(in.labels.lblDialog.endsWith(QStringLiteral("Rec#  1")));

    inHost.listPrevious = true;
    prompts.clear();
    fill(QStringLiteral("W9ABC"), QString(), QString(), QString(), QString());
    InDupeCheck::DupCheck2(in);
    EXPECT_EQ(inHost.listed, (QVector<int>{1, 3, 4}));
    EXPECT_TRUE(in.labels.lblDialog.endsWith(QStringLiteral("Rec#  3")));   // the newest on 40 CW
    EXPECT_EQ(prompts.beeps(), 2);
}

// The county of an earlier contact is brought back only for a station of the contest state.
TEST_F(InDupeCheckTest, FillInNeverGivesAStationOutsideTheStateACounty)
{
    fill(QStringLiteral("W9ABC"), QString(), QStringLiteral("OH"), QString(), QString());
    InDupeCheck::DupCheck2(in);
    EXPECT_EQ(in.txtSec.text, QString());
    EXPECT_FALSE(InDupeCheck::LogDupeCheck(in));
    EXPECT_EQ(in.txtSec.text, QString());
}

TEST_F(InDupeCheckTest, PartialListKeepsToTheOwnCounty)
{
    G.CurrentBand = QStringLiteral("20");
    loggedIn(QStringLiteral("K9AA"), QStringLiteral("OH"), QString(), QStringLiteral("Adams"));
    loggedIn(QStringLiteral("K9AB"), QStringLiteral("OH"), QString(), QStringLiteral("Adams"));
    loggedIn(QStringLiteral("K9AC"), QStringLiteral("OH"), QString(), QStringLiteral("Allen"));   // other own county
    loggedIn(QStringLiteral("K9XY"), QStringLiteral("OH"), QString(), QStringLiteral("Adams"));

    in.setText(Field::Call, QStringLiteral("K9"));
    InDupeCheck::PartialDupeCheck(in, 'A');
    EXPECT_EQ(in.labels.lblDupe, QStringLiteral("K9AB K9AA "));
    EXPECT_EQ(in.labels.lblDupeBackColor, Entry::ColorTeal);
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral(" "));   // the third character: never "Possible"

    in.setText(Field::Call, QStringLiteral("K9A"));
    InDupeCheck::PartialDupeCheck(in, 'B');
    EXPECT_EQ(in.labels.lblDupe, QStringLiteral("K9AB "));
    EXPECT_EQ(in.labels.lblDialog, QStringLiteral("Possible Duplicate!"));

    G.ShowPartialsFlag = 0;
    InDupeCheck::PartialDupeCheck(in, 'B');
    EXPECT_EQ(in.labels.lblDupe, QString());
    EXPECT_EQ(in.labels.lblDupeBackColor, Entry::ColorButtonFace);
}

TEST_F(InDupeCheckTest, TheThirdCharacterMustHoldADigitOrSlash)
{
    struct Case {
        const char* typed;
        bool warns;
    };
    for (const Case& c : {Case{"KAA", true}, Case{"K9A", false}, Case{"KA9", false}, Case{"K/A", false}}) {
        SCOPED_TRACE(c.typed);
        prompts.clear();
        const QString typed = QString::fromLatin1(c.typed);
        in.setText(Field::Call, typed.left(2));
        InDupeCheck::PartialDupeCheck(in, typed[2].unicode());
        EXPECT_EQ(in.labels.lblDialog == QStringLiteral("The second or third character is not numeric!"), c.warns);
        EXPECT_EQ(prompts.beeps(), c.warns ? 1 : 0);
    }
}

// The hold lasts until the clock, in whole seconds, is 3 seconds past the duplicate; the window is
// repainted while it lasts, and a clock set back cannot make it longer than 3 seconds.
TEST_F(InDupeCheckTest, HoldAfterADuplicateIsBounded)
{
    inHost.repaintAdvanceMs = 250;
    G.DupeFlag = 1;
    G.DupeTime = QDateTime(QDate(2024, 5, 4), QTime(9, 2, 11), Qt::UTC);   // the PC's local time now
    clock.advanceMs(600);
    InDupeCheck::HoldDupeFlag(inHost);
    EXPECT_EQ(G.DupeFlag, 0);
    EXPECT_EQ(clock.read().local.toString(QStringLiteral("hh:mm:ss")), QStringLiteral("09:02:14"));
    EXPECT_GE(inHost.repaints, 2);

    G.DupeFlag = 1;
    G.DupeTime = clock.read().local.addSecs(3600);
    const qint64 start = clock.monotonicMs();
    InDupeCheck::HoldDupeFlag(inHost);
    EXPECT_EQ(G.DupeFlag, 0);
    EXPECT_LE(clock.monotonicMs() - start, InDupeCheck::HoldMaxMs + 250);
}

// With voice navigation on, the wait for the spoken "Dupe" repaints first and ends when the prompt
// ends; without it the prompt is started and not waited for.
TEST_F(InDupeCheckTest, SpokenDupeIsWaitedForOnlyWithVoiceNavigation)
{
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        G.VoiceNavLevel = uint8_t(level);
        inHost.playingPolls = 3;
        inHost.repaints = 0;
        inHost.prompts.clear();
        fill(QStringLiteral("W9ABC"), QStringLiteral("599"), QStringLiteral("IN"), QStringLiteral("Marion"),
             QStringLiteral("599"));
        EXPECT_TRUE(InDupeCheck::LogDupeCheck(in));
        // The refusal returns to the call field, which names itself when navigation is on.
        EXPECT_EQ(inHost.prompts, level == 0 ? QStringList{"Dupe"} : QStringList({"Dupe", "Call"}));
        EXPECT_EQ(inHost.playingPolls, level == 0 ? 3 : -1);
        EXPECT_EQ(inHost.repaints, level == 0 ? 0 : 1);
    }
}
