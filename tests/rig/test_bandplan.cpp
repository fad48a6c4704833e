// The band plan's Extra rows and the mode they give a frequency; RigCntrl.txt read back.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "rig/BandPlan.h"
#include "rig/RigSettings.h"

using namespace Rig;

namespace {

QVector<BandPlanRow> installed()
{
    QFile f(QStringLiteral(VQPLOG_SOURCE_DIR "/data/BandPlan.txt"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return extraPlanRows(f.readAll());
}

TEST(BandPlan, InstalledPlanGivesCwSidebandOrNothing)
{
    const QVector<BandPlanRow> rows = installed();
    ASSERT_FALSE(rows.isEmpty());
    for (const BandPlanRow& r : rows)
        EXPECT_EQ(r.cls, QStringLiteral("E"));
    struct Case {
        float mhz;
        std::optional<QString> mode;
    };
    const Case cases[] = {
        {1.83f, QString()},   // 160 m: no mode is set
        {1.95f, QString()},
        {3.55f, QStringLiteral("CW")},
        {3.8f, QStringLiteral("LSB")},
        {5.3585f, QStringLiteral("USB")},   // 60 m phone is upper sideband
        {7.03f, QStringLiteral("CW")},
        {7.2f, QStringLiteral("LSB")},
        {10.12f, QStringLiteral("CW")},
        {14.025f, QStringLiteral("CW")},
        {14.2f, QStringLiteral("USB")},
        {21.3f, QStringLiteral("USB")},
        {28.4f, QStringLiteral("USB")},
        {50.125f, QStringLiteral("USB")},
        {14.0f, std::nullopt},   // an edge belongs to no segment
        {14.4f, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bandPlanMode(rows, c.mhz), c.mode) << c.mhz;
}

TEST(BandPlan, OnlyExactExtraRowsInFileOrder)
{
    const QByteArray data = "\"2024\"\r\n"
                            "\"20\",\"G\",\"PH\",14.0,14.35\r\n"
                            "\"20\",\"e\",\"CW\",14.0,14.35\r\n"
                            "\"20\",\"E\",\"RTTY\",14.06,14.1\r\n"
                            "\"20\",\"E\",\"CW\",14.0,14.15\r\n"
                            "\"60\",\"E\",\"PH\",5.3,5.4\r\n"
                            "\"40\",\"E\",\"CW\",x,7.1\r\n"
                            "\"40\",\"E\",\"PH\",7.1,7.3\r\n"
                            "\"80\",\"E\"";
    const QVector<BandPlanRow> rows = extraPlanRows(data);
    ASSERT_EQ(rows.size(), 4);   // "G", "e", the row without numbers and the cut-off record are out
    EXPECT_EQ(bandPlanMode(rows, 14.07f), QStringLiteral("RTTY"));   // the earlier row decides
    EXPECT_EQ(bandPlanMode(rows, 14.2f), std::nullopt);              // only a "G" row holds it
    EXPECT_EQ(bandPlanMode(rows, 5.35f), QStringLiteral("LSB"));
    EXPECT_EQ(bandPlanMode(rows, 7.2f), QStringLiteral("LSB"));
}

TEST(BandPlan, AtMostTwoHundredRowsAndAMissingFileIsEmpty)
{
    QByteArray data = "\"date\"\r\n";
    for (int i = 0; i < 250; ++i)
        data += "\"20\",\"E\",\"CW\"," + QByteArray::number(1 + i) + "," + QByteArray::number(1.5 + i) + "\r\n";
    EXPECT_EQ(extraPlanRows(data).size(), MaxExtraPlanRows);
    QTemporaryDir empty;
    EXPECT_TRUE(loadExtraPlanRows(empty.path()).isEmpty());
    EXPECT_TRUE(extraPlanRows(QByteArray()).isEmpty());
}

TEST(RigSettingsFile, ReadingStopsAtTheFirstBadItem)
{
    const QByteArray good =
        "\"4800 \"\r\n\"N\"\r\n\"8\"\r\n\"2\"\r\n\"MD;\"\r\n\"FA;\"\r\n\"4800,N,8,2\"\r\n1\r\n\"N\"\r\n"
        "\"M\"\r\n\"Kenwood\"\r\n0\r\n1\r\n1\r\n";
    RigSettings s = parseRigSettings(good);
    EXPECT_TRUE(s.complete());
    EXPECT_EQ(formatRigSettings(s), good);
    EXPECT_EQ(s.RigBaud, QStringLiteral("4800 "));

    s = parseRigSettings(good.left(good.indexOf("\"Kenwood\"")));
    EXPECT_EQ(s.itemsRead, 10);
    EXPECT_FALSE(s.complete());

    QByteArray badPort = good;
    badPort.replace("\r\n1\r\n\"N\"", "\r\n300\r\n\"N\"");
    EXPECT_EQ(parseRigSettings(badPort).itemsRead, 7);
    EXPECT_EQ(padBaud(QStringLiteral("1200")), QStringLiteral("1200 "));
}

}   // namespace
