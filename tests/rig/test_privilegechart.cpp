// The frequency-privileges chart: BandPlan.txt read whole and one class drawn as rectangles.
#include <gtest/gtest.h>

#include <QFile>

#include "rig/PrivilegeChart.h"

using namespace Rig;

namespace {

// A window of 1000 by 600 whose divider line stands at 100: pitch = 0.8 * 500 / bars.
constexpr double W = 1000, H = 600, Line = 100;

const QByteArray Plan = "\"July 1, 2023\"\r\n"
                        "\"160\",\"O\",\"PH\",1.8,2\r\n"
                        "\"160\",\"E\",\"CW\",1.8,1.843\r\n"
                        "\"80\",\"O\",\"PH\",3.5,4\r\n"
                        "\"80\",\"E\",\"CW\",3.5,3.6\r\n"
                        "\"80\",\"E\",\"PH\",3.6,4\r\n"
                        "\"80\",\"N\",\"CW\",3.525,3.6\r\n"
                        "\"40\",\"O\",\"PH\",7,7.3\r\n"
                        "\"40\",\"E\",\"DG\",7,7.125\r\n"
                        "\"1.25\",\"O\",\"PH\",222,1240\r\n"
                        "\"1.25\",\"E\",\"PH\",1240,1240\r\n"
                        "\"80\",\"N\",\"CW\",3.7,3.75\r\n"     // apart from its band
                        "\"40\",\"N\",\"CW\",7.025,7.1\r\n";   // band 40 has no N row of its own

QVector<ChartItem> ofKind(const QVector<ChartItem>& items, ChartItem::Kind kind)
{
    QVector<ChartItem> out;
    for (const ChartItem& i : items)
        if (i.kind == kind)
            out.append(i);
    return out;
}

}   // namespace

TEST(PrivilegeChart, ReadsEveryClassAndStopsAtDamageOrTheRowLimit)
{
    const BandPlanFile ok = readBandPlanFile(Plan);
    EXPECT_TRUE(ok.complete);
    EXPECT_EQ(ok.date, QStringLiteral("July 1, 2023"));
    ASSERT_EQ(ok.rows.size(), 12);
    EXPECT_EQ(ok.rows[5].cls, QStringLiteral("N"));
    EXPECT_FLOAT_EQ(ok.rows[5].low, 3.525f);

    struct Case {
        const char* name;
        QByteArray data;
        int rows;
    };
    QByteArray many = "\"2023\"\r\n";
    for (int i = 0; i < MaxPlanRows + 5; ++i)
        many += "\"20\",\"E\",\"CW\",14,14.15\r\n";
    const Case cases[] = {
        {"damaged edge",
         "\"d\"\r\n\"20\",\"O\",\"PH\",14,14.35\r\n\"20\",\"E\",\"CW\",x,14.1\r\n"
         "\"20\",\"E\",\"PH\",14.15,14.35\r\n",
         1},
        {"cut short", "\"d\"\r\n\"20\",\"O\",\"PH\",14,14.35\r\n\"20\",\"E\"", 1},
        {"more rows than kept", many, MaxPlanRows},
    };
    for (const Case& c : cases) {
        const BandPlanFile f = readBandPlanFile(c.data);
        EXPECT_FALSE(f.complete) << c.name;
        EXPECT_EQ(f.rows.size(), c.rows) << c.name;
    }
    EXPECT_FALSE(readBandPlanFile("").dateRead);
}

TEST(PrivilegeChart, FrequencyText)
{
    EXPECT_EQ(privilegeFrequencyText(1.8), QStringLiteral("1.800"));
    EXPECT_EQ(privilegeFrequencyText(1240), QStringLiteral("1,240.000"));
    EXPECT_EQ(privilegeFrequencyText(3.525f), QStringLiteral("3.525"));
}

TEST(PrivilegeChart, ExtraBarsTagsAndSegmentsPlacedByFrequency)
{
    const BandPlanFile f = readBandPlanFile(Plan);
    // The 1.25 m row from 1240 to 1240 is a zero-width segment at the bar's right end.
    const QVector<ChartItem> items = privilegeChart(f.rows, QStringLiteral("E"), W, H, Line);
    const QVector<ChartItem> bars = ofKind(items, ChartItem::Bar);
    ASSERT_EQ(bars.size(), 4);
    const double pitch = 0.8 * (H - Line) / 4;
    const char* bands[] = {"160", "80", "40", "1.25"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bars[i].name, QStringLiteral("blbl%1").arg(i + 1));
        EXPECT_EQ(bars[i].caption, QString::fromLatin1(bands[i]));
        EXPECT_DOUBLE_EQ(bars[i].rect.left(), 100);
        EXPECT_DOUBLE_EQ(bars[i].rect.width(), 850);
        EXPECT_DOUBLE_EQ(bars[i].rect.height(), 24);
        EXPECT_DOUBLE_EQ(bars[i].rect.top(), Line + (i + 1) * pitch);
    }
    EXPECT_DOUBLE_EQ(bars[3].rect.top(), Line + 0.8 * (H - Line));   // the last at 80 %
    EXPECT_EQ(bars[0].toolTip, QStringLiteral("160  1.800 - 2.000"));
    EXPECT_EQ(bars[3].toolTip, QStringLiteral("1.25  222.000 - 1,240.000"));

    const QVector<ChartItem> tags = ofKind(items, ChartItem::NameTag);
    ASSERT_EQ(tags.size(), 4);
    EXPECT_EQ(tags[1].name, QStringLiteral("bnlb2"));
    EXPECT_EQ(tags[1].caption, QStringLiteral("80"));
    EXPECT_EQ(tags[1].toolTip, bars[1].toolTip);
    EXPECT_DOUBLE_EQ(tags[1].rect.left(), 40);
    EXPECT_DOUBLE_EQ(tags[1].rect.width(), 50);
    EXPECT_DOUBLE_EQ(tags[1].rect.top(), bars[1].rect.top());

    const QVector<ChartItem> segs = ofKind(items, ChartItem::Segment);
    ASSERT_EQ(segs.size(), 5);
    struct Seg {
        const char* caption;
        const char* tip;
        bool cw;
        int bar;
        double from, share;
    };
    const Seg want[] = {
        {"1.800 - 1.843", "CW  1.800 - 1.843", true, 0, 0.0, 0.043 / 0.2},
        {"3.500 - 3.600", "CW  3.500 - 3.600", true, 1, 0.0, 0.2},
        {"3.600 - 4.000", "PH  3.600 - 4.000", false, 1, 0.2, 0.8},
        {"7.000 - 7.125", "PH  7.000 - 7.125", false, 2, 0.0, 0.125 / 0.3},   // "DG" is not CW
        {"1,240.000 - 1,240.000", "PH  1,240.000 - 1,240.000", false, 3, 1.0, 0.0},
    };
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(want[i].caption);
        const QRectF& bar = bars[want[i].bar].rect;
        EXPECT_EQ(segs[i].name, QStringLiteral("priv%1").arg(i + 1));
        EXPECT_EQ(segs[i].caption, QString::fromLatin1(want[i].caption));
        EXPECT_EQ(segs[i].toolTip, QString::fromLatin1(want[i].tip));
        EXPECT_EQ(segs[i].cw, want[i].cw);
        EXPECT_EQ(segs[i].rect.top(), bar.top());
        EXPECT_EQ(segs[i].rect.height(), bar.height());
        EXPECT_NEAR(segs[i].rect.left(), bar.left() + want[i].from * bar.width(), 0.01);
        EXPECT_NEAR(segs[i].rect.width(), want[i].share * bar.width(), 0.01);
    }
}

TEST(PrivilegeChart, LowerClassHasFewerBarsAndStrayRowsJoinOnlyQualifiedBands)
{
    const BandPlanFile f = readBandPlanFile(Plan);
    const QVector<ChartItem> items = privilegeChart(f.rows, QStringLiteral("N"), W, H, Line);
    const QVector<ChartItem> bars = ofKind(items, ChartItem::Bar);
    ASSERT_EQ(bars.size(), 1);   // only 80 m has an N row right after its band row
    EXPECT_EQ(bars[0].caption, QStringLiteral("80"));
    EXPECT_DOUBLE_EQ(bars[0].rect.top(), Line + 0.8 * (H - Line));
    const QVector<ChartItem> segs = ofKind(items, ChartItem::Segment);
    ASSERT_EQ(segs.size(), 2);   // 3.525 - 3.6 and the stray 3.7 - 3.75; the stray 40 m row is not drawn
    // 3.525 to 3.6 on 3.5 to 4.0: 5 % into the bar, 15 % of its width.
    EXPECT_NEAR(segs[0].rect.left(), 100 + 0.05 * 850, 0.01);
    EXPECT_NEAR(segs[0].rect.width(), 0.15 * 850, 0.01);
    EXPECT_EQ(segs[0].toolTip, QStringLiteral("CW  3.525 - 3.600"));
    EXPECT_EQ(segs[1].caption, QStringLiteral("3.700 - 3.750"));

    EXPECT_TRUE(privilegeChart(f.rows, QStringLiteral("e"), W, H, Line).isEmpty());   // case matters
    EXPECT_TRUE(privilegeChart({}, QStringLiteral("E"), W, H, Line).isEmpty());
}

TEST(PrivilegeChart, DegenerateBandsAndTooManyBandsStopSafely)
{
    QVector<BandPlanRow> rows = {{"20", "O", "PH", 14, 14}, {"20", "E", "CW", 14, 14}};
    QVector<ChartItem> items = privilegeChart(rows, QStringLiteral("E"), W, H, Line);
    EXPECT_EQ(ofKind(items, ChartItem::Bar).size(), 1);
    EXPECT_EQ(ofKind(items, ChartItem::NameTag).size(), 1);
    EXPECT_TRUE(ofKind(items, ChartItem::Segment).isEmpty());

    rows.clear();
    for (int b = 0; b < MaxChartBands + 1; ++b) {
        rows.append({QString::number(b), "O", "PH", 1, 2});
        rows.append({QString::number(b), "E", "CW", 1, 2});
    }
    items = privilegeChart(rows, QStringLiteral("E"), W, H, Line);
    ASSERT_EQ(items.size(), MaxChartBands + 1);   // bars only
    EXPECT_DOUBLE_EQ(items.last().rect.top(), (MaxChartBands + 1) * 0.05 * H);
}

TEST(PrivilegeChart, InstalledPlanDrawsEveryClass)
{
    QFile file(QStringLiteral(VQPLOG_SOURCE_DIR "/data/BandPlan.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const BandPlanFile f = readBandPlanFile(file.readAll());
    EXPECT_TRUE(f.complete);
    for (const char* cls : {"E", "A", "G", "T", "N"}) {
        const QVector<ChartItem> items = privilegeChart(f.rows, QString::fromLatin1(cls), W, H, Line);
        EXPECT_GT(ofKind(items, ChartItem::Bar).size(), 0) << cls;
        EXPECT_GT(ofKind(items, ChartItem::Segment).size(), 0) << cls;
    }
}
