// What the main window's load decides without widgets: first-run options, restored ticks and
// labels, the step runner, and the table of differences between the two windows.
#include <gtest/gtest.h>

#include "core/Globals.h"
#include "mainwindow/MainLoad.h"
#include "mainwindow/MainVariants.h"
#include "platform/Prompts.h"
#include "tests/support/ScriptedPrompts.h"

using MainWindows::Which;

namespace {

class MainLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        Platform::setPrompts(&prompts);
    }
    void TearDown() override { Platform::setPrompts(nullptr); }
    Platform::ScriptedPrompts prompts;
};

TEST_F(MainLoadTest, FirstRunOptionsBecomeUsable)
{
    struct Case {
        int percent;
        QString rig;
        int wantPercent;
        QString wantRig;
    };
    const Case cases[] = {
        {0, QString(), 100, QStringLiteral("None")},   // no QSOpref.txt at all
        {29, QStringLiteral("Yaesu FT-1000"), 100, QStringLiteral("Yaesu FT-1000")},
        {30, QStringLiteral("none"), 30, QStringLiteral("none")},
        {80, QStringLiteral("None"), 80, QStringLiteral("None")},
        {150, QStringLiteral("Kenwood"), 150, QStringLiteral("Kenwood")},   // above 100 is left alone
    };
    for (const Case& c : cases) {
        G.FormSizePercent = uint8_t(c.percent);
        G.RigType = c.rig;
        MainLoad::normaliseOptions();
        EXPECT_EQ(G.FormSizePercent, c.wantPercent) << c.percent;
        EXPECT_EQ(G.RigType, c.wantRig) << c.percent;
        EXPECT_EQ(MainLoad::rigStartWanted(G.RigType),
                  c.wantRig.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0);
    }
}

TEST_F(MainLoadTest, SavedModeAndBandPickTheirItems)
{
    EXPECT_EQ(MainLoad::modeItem(QStringLiteral("ph")), MainLoad::ModeItem::PH);
    EXPECT_EQ(MainLoad::modeItem(QStringLiteral("DG")), MainLoad::ModeItem::DG);
    EXPECT_EQ(MainLoad::modeItem(QString()), MainLoad::ModeItem::CW);
    EXPECT_EQ(MainLoad::modeItem(QStringLiteral("AM")), MainLoad::ModeItem::CW);
    EXPECT_EQ(MainLoad::reportMaxLength(QStringLiteral("ph")), 2);
    EXPECT_EQ(MainLoad::reportMaxLength(QStringLiteral("DG")), 3);
    EXPECT_EQ(MainLoad::reportMaxLength(QString()), 3);

    EXPECT_EQ(MainLoad::bandIndex(QStringLiteral("2")), 7);
    EXPECT_EQ(MainLoad::bandLabel(QStringLiteral("40")), QStringLiteral("40"));
    // A band the menu does not have ticks nothing and leaves the label's design text.
    EXPECT_EQ(MainLoad::bandIndex(QStringLiteral("1.25")), -1);
    EXPECT_EQ(MainLoad::bandLabel(QStringLiteral("1.25")), QStringLiteral("160"));
    EXPECT_EQ(MainLoad::bandLabel(QString()), QStringLiteral("160"));
}

TEST_F(MainLoadTest, OwnStationLabelsFollowTheWindow)
{
    const auto& out = MainVariants::variant(Which::Out);
    const auto& in = MainVariants::variant(Which::In);
    G.CurrentCounty = QStringLiteral("Marion");
    G.OwnStateProvince = QStringLiteral("OH");
    G.OwnCountry = QStringLiteral("USA");
    EXPECT_EQ(MainLoad::label25Text(in), QStringLiteral("Marion"));
    EXPECT_EQ(MainLoad::label25Text(out), QStringLiteral("OH"));
    G.OwnStateProvince.clear();
    EXPECT_EQ(MainLoad::label25Text(out), QStringLiteral("USA"));

    EXPECT_FALSE(MainLoad::ownCallShown(out, QString()));
    EXPECT_TRUE(MainLoad::ownCallShown(in, QString()));
    EXPECT_TRUE(MainLoad::ownCallShown(out, QStringLiteral("W9ABC")));

    EXPECT_EQ(MainLoad::countyCaption(QStringLiteral("IN")), QStringLiteral("IN County"));
    EXPECT_EQ(MainLoad::countyToolTip(QStringLiteral("IN")),
              QStringLiteral("Enter IN in the St / Prv / Country field to enable the County field"));
}

TEST_F(MainLoadTest, AFailedStepIsReportedAndTheLaterStepsStillRun)
{
    QStringList ran;
    auto step = [&](const QString& name, bool ok, const QString& failure) {
        return MainLoad::Step{name,
                              [&ran, name, ok] {
                                  ran << name;
                                  return ok;
                              },
                              [failure] { return failure; }};
    };
    const QStringList failed = MainLoad::runSteps({
        step(QStringLiteral("a"), true, QString()),
        step(QStringLiteral("county list"), false, QStringLiteral("county2.txt is missing")),
        step(QStringLiteral("silent"), false, QString()),
        step(QStringLiteral("reload"), true, QString()),
    });
    EXPECT_EQ(ran, (QStringList{QStringLiteral("a"), QStringLiteral("county list"), QStringLiteral("silent"),
                                QStringLiteral("reload")}));
    EXPECT_EQ(failed, (QStringList{QStringLiteral("county list"), QStringLiteral("silent")}));
    // Only the step with a text shows a message.
    EXPECT_EQ(prompts.messages(), QStringList{QStringLiteral("county2.txt is missing")});
}

TEST_F(MainLoadTest, VariantTableHoldsTheDifferences)
{
    const auto& out = MainVariants::variant(Which::Out);
    const auto& in = MainVariants::variant(Which::In);
    EXPECT_EQ(out.className, QStringLiteral("Outfrm"));
    EXPECT_EQ(in.className, QStringLiteral("Infrm"));

    auto headers = [](const QVector<MainVariants::Column>& cols) {
        QStringList h;
        double total = 0;
        for (const auto& c : cols) {
            h << c.header;
            total += c.twips;
        }
        return std::make_pair(h.join(QLatin1Char('|')), total);
    };
    EXPECT_EQ(headers(out.contactColumns),
              std::make_pair(QStringLiteral("Rec#|Call|Rec|County|Snt|Date/Time|Mo|Bnd"), 5780.0));
    EXPECT_EQ(headers(in.contactColumns),
              std::make_pair(QStringLiteral("Rec#|Call|Rec|SPC|County|Snt|Date/Time|Mo|Bnd"), 5940.0));
    EXPECT_FALSE(out.roverColumn);
    EXPECT_TRUE(in.roverColumn);
    EXPECT_EQ(in.roverCountyColumn.header, QStringLiteral("County Sent"));
    EXPECT_EQ(headers(MainVariants::spotColumns()),
              std::make_pair(QStringLiteral("Call|Frequency|QTH|Status|Comments|Prefix|Time|From"), 8960.0));
    EXPECT_EQ(MainVariants::spotColumns()[1].align, MainVariants::Column::Align::Right);

    EXPECT_EQ(out.startHint, QStringLiteral("Select a band and mode. Click Log \"Time On\" below!"));
    EXPECT_EQ(in.startHint, QStringLiteral("Select a band, mode and Click Log \"Time On\"!"));
    EXPECT_TRUE(in.dialogToolTip.isEmpty());
    EXPECT_FALSE(out.dialogToolTip.isEmpty());
    EXPECT_EQ(out.keyboardCWMessage, QStringLiteral("Keyboard CW mode is ON!  Press F12 to exit."));
    EXPECT_EQ(in.dupeWarning, QStringLiteral("Dupe if not rover!  "));
    EXPECT_TRUE(out.coAuthorGreeting.endsWith(QStringLiteral("helped write this software!  Please say hi!")));
    EXPECT_TRUE(in.coAuthorGreeting.endsWith(QStringLiteral("helped write this software!")));

    // Where each window differs in layout and behaviour.
    EXPECT_EQ(std::make_tuple(out.stateFieldShown, out.stateGrid, out.changeCountyMenu, out.colorsMenuVisible,
                              out.setupMenu, out.reportLengthsAtLoad, out.ownCallOnlyWhenSet),
              std::make_tuple(false, false, false, false, true, true, true));
    EXPECT_EQ(std::make_tuple(in.stateFieldShown, in.stateGrid, in.changeCountyMenu, in.colorsMenuVisible, in.setupMenu,
                              in.reportLengthsAtLoad, in.ownCallOnlyWhenSet),
              std::make_tuple(true, true, true, true, false, false, false));
    EXPECT_EQ(std::make_tuple(out.toGoList, out.workedHeaderIndex, out.toGoHeaderIndex, out.sideListCount),
              std::make_tuple(QStringLiteral("List1"), 5, 7, 2));
    EXPECT_EQ(std::make_tuple(in.toGoList, in.workedHeaderIndex, in.toGoHeaderIndex, in.sideListCount),
              std::make_tuple(QStringLiteral("List3"), 8, 7, 3));
    EXPECT_EQ(out.workedHeaderPrefix, QStringLiteral("Counties Worked - "));
    EXPECT_EQ(in.toGoHeaderPrefix, QStringLiteral("Cnty Rem - "));
    EXPECT_EQ(out.digitalModeCaption, QStringLiteral("&Digital"));
    EXPECT_EQ(in.digitalModeCaption, QStringLiteral("&DG"));
    EXPECT_TRUE(in.modeCommandsRerunStateField && in.roverRepeatLogging && in.releasesRoverWindow);
    EXPECT_FALSE(out.modeCommandsRerunStateField || out.roverRepeatLogging || out.releasesRoverWindow);
}

}   // namespace
