// The spectrum map: its scales, zoom, label places, colours and stop rule, and the click decision
// (GUI-free), then the window on the offscreen platform with a fixture store, and its opening
// through the main window's device-window call.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "mainwindow/MainServices.h"
#include "platform/Screen.h"
#include "platform/VbControls.h"
#include "spots/HFMapWindow.h"
#include "spots/HFMapModel.h"
#include "tests/spots/SpotWindowFixture.h"

using namespace Spots;

namespace {

const QDateTime Now(QDate(2024, 5, 4), QTime(10, 2, 11));
const QColor PaleYellow(255, 255, 128), White(255, 255, 255), Silver(192, 192, 192);

struct At {
    int slot;
    float mhz;
    qint64 ageSeconds = 0;
    const char* call = "DL1ABC";
};

SpotStoreT storeOf(std::initializer_list<At> spots)
{
    SpotStoreT s;
    for (const At& a : spots) {
        Spot& spot = s.slot[a.slot];
        spot.call = QString::fromLatin1(a.call);
        spot.frequency = a.mhz;
        spot.time = Now.addSecs(-a.ageSeconds);
        spot.prefix = CallPrefix(spot.call);
    }
    return s;
}

// Slots 1..49 all fresh spots on 40 m (so the walk reaches slot 0), 20 m held by two of them.
SpotStoreT fullStoreWith20m(float slot0)
{
    SpotStoreT s = storeOf({{0, slot0}, {1, 14.020f}, {2, 14.030f}});
    for (int i = 3; i < SpotStoreT::Slots; ++i)
        s.slot[i] = {QStringLiteral("JA%1XYZ").arg(i), 7.0f + 0.001f * float(i), Now, QStringLiteral("JA")};
    return s;
}

QStringList ticksOf(const SpectrumMapPicture& p, int band)
{
    QStringList out;
    for (int k = 0; k < SpectrumTicksPerBand; ++k)
        out << p.ticks[band * SpectrumTicksPerBand + k].text;
    return out;
}

constexpr int B160 = 0, B30 = 3, B20 = 4, B2 = 10;

}   // namespace

TEST(SpectrumMapModel, ScalesSpanTheBandOrZoomToItsSpots)
{
    const QStringList edges20{"14.000", "14.088", "14.175", "14.263", "14.350"};   // 14.35 in single precision
    const QStringList zoom20{"14.019", "14.022", "14.025", "14.028", "14.031"};
    const struct {
        const char* name;
        SpotStoreT store;
        int band;
        QStringList ticks;
    } rows[] = {
        {"empty store 160 m", {}, B160, {"1.800", "1.850", "1.900", "1.950", "2.000"}},
        {"empty store 30 m, second and fourth tick from the single-precision edges",
         {},
         B30,
         {"10.100", "10.113", "10.125", "10.137", "10.150"}},
        {"one spot keeps the edges", storeOf({{49, 14.025f}}), B20, edges20},
        {"two spots on one frequency keep the edges", storeOf({{48, 14.025f}, {49, 14.025f}}), B20, edges20},
        {"two spots zoom by 1 kHz either side", storeOf({{48, 14.020f}, {49, 14.030f}}), B20, zoom20},
        {"spots of every age zoom", storeOf({{10, 14.020f, 99999}, {49, 14.030f}}), B20, zoom20},
        {"a spot on an edge is outside the band", storeOf({{47, 14.0f}, {48, 14.35f}, {49, 14.025f}}), B20, edges20},
        {"slot 0 counts in the zoom", storeOf({{0, 14.020f}, {49, 14.030f}}), B20, zoom20},
        {"slot 0 widens the zoom",
         storeOf({{0, 14.300f}, {1, 14.020f}, {49, 14.030f}}),
         B20,
         {"14.019", "14.090", "14.160", "14.231", "14.301"}},
        {"spots outside every band change no scale", storeOf({{47, 5.357f}, {48, 222.1f}, {49, 14.025f}}), B20,
         edges20},
        {"empty store 2 m", {}, B2, {"144.000", "145.000", "146.000", "147.000", "148.000"}},
    };
    for (const auto& row : rows) {
        SpectrumMapPicture p;
        drawBandScales(row.store, p);
        EXPECT_EQ(ticksOf(p, row.band), row.ticks) << row.name;
    }
}

TEST(SpectrumMapModel, LabelsStandOnTheirBandFromTheRoundedTickEnds)
{
    SpectrumMapPicture p =
        spectrumMapPicture(storeOf({{48, 14.020f, 0, "DL1ABC"}, {49, 14.030f, 0, "JA1XYZ"}}), Now, 4);
    EXPECT_EQ(p.labels[48].band, B20);
    EXPECT_NEAR(p.labels[48].along, 1.0 / 12, 1e-4);
    EXPECT_NEAR(p.labels[49].along, 11.0 / 12, 1e-4);
    EXPECT_TRUE(p.labels[48].visible && p.labels[49].visible);
    EXPECT_EQ(p.labels[49].text, QStringLiteral("JA1"));
    EXPECT_EQ(p.labels[49].toolTip, QStringLiteral("JA1XYZ  14.030  14:02:11"));
    // The empty slot before them stops the walk: it is reached but neither coloured nor shown.
    EXPECT_TRUE(p.labels[47].reached && !p.labels[47].visible && !p.labels[47].color.isValid());
    EXPECT_FALSE(p.labels[46].reached);

    // Slot 0, the next spot to go, widens the zoom like any other, so its label stands on the
    // ruler too: at either end when it lies beyond the other spots.
    for (const auto& [mhz, first, along] :
         {std::tuple{14.300f, "14.019", (14.300 - 14.019) / (14.301 - 14.019)}, {14.010f, "14.009", 1.0 / 22}}) {
        p = spectrumMapPicture(fullStoreWith20m(mhz), Now, 0);
        EXPECT_EQ(ticksOf(p, B20).first(), QString::fromLatin1(first)) << mhz;
        EXPECT_TRUE(p.labels[0].visible) << mhz;
        EXPECT_EQ(p.labels[0].band, B20);
        EXPECT_NEAR(p.labels[0].along, along, 1e-4) << mhz;
        EXPECT_GE(p.labels[0].along, 0.0) << mhz;
        EXPECT_LE(p.labels[0].along, 1.0) << mhz;
    }
}

TEST(SpectrumMapModel, BandEdgesOutsideBandsAgesAndTheStopRule)
{
    const struct {
        const char* name;
        SpotStoreT store;
        QVector<int> visible;     // slots shown
        QVector<int> reached;     // the slots the walk got to
        QVector<QColor> colors;   // of the reached slots, newest first (invalid: the stop)
    } rows[] = {
        {"empty store: slot 49 is older than an hour", {}, {}, {49}, {QColor()}},
        {"band edges are in no band",
         storeOf({{45, 1.8f}, {46, 2.0f}, {47, 14.35f}, {48, 28.0f}, {49, 144.0f}}),
         {},
         {49, 48, 47, 46, 45, 44},
         {PaleYellow, PaleYellow, PaleYellow, PaleYellow, PaleYellow, QColor()}},
        {"a fresh spot outside every band is passed over",
         storeOf({{47, 7.01f}, {48, 14.1f}, {49, 5.357f}}),
         {47, 48},
         {49, 48, 47, 46},
         {PaleYellow, PaleYellow, PaleYellow, QColor()}},
        {"an hour-old spot outside every band stops the walk",
         storeOf({{48, 14.1f}, {49, 5.357f, 3600}}),
         {},
         {49},
         {QColor()}},
        {"a removed spot an hour old stops it too", storeOf({{48, 14.1f}, {49, 0, 4000}}), {}, {49}, {QColor()}},
        {"ages 599, 600, 1799, 1800, 3599, then 3600 stops",
         storeOf({{43, 7.05f},
                  {44, 7.04f, 3600},
                  {45, 7.03f, 3599},
                  {46, 7.02f, 1800},
                  {47, 7.01f, 1799},
                  {48, 14.1f, 600},
                  {49, 14.2f, 599}}),
         {45, 46, 47, 48, 49},
         {49, 48, 47, 46, 45, 44},
         {PaleYellow, White, White, Silver, Silver, QColor()}},
        {"the newest spot an hour old: nothing is drawn",
         storeOf({{48, 14.1f}, {49, 14.2f, 7200}}),
         {},
         {49},
         {QColor()}},
    };
    for (const auto& row : rows) {
        const SpectrumMapPicture p = spectrumMapPicture(row.store, Now, 0);
        QVector<int> visible, reached;
        QVector<QColor> colors;
        for (int i = 0; i < SpotStoreT::Slots; ++i)
            if (p.labels[i].visible)
                visible << i;
        for (int i = SpotStoreT::Slots - 1; i >= 0; --i)
            if (p.labels[i].reached) {
                reached << i;
                colors << p.labels[i].color;
            }
        EXPECT_EQ(visible, row.visible) << row.name;
        EXPECT_EQ(reached, row.reached) << row.name;
        EXPECT_EQ(colors, row.colors) << row.name;
    }
}

TEST(SpectrumMapModel, RightPressTunesAndTakesTheCallOtherPressesRemove)
{
    SpotStoreT s = storeOf({{48, 14.020f, 0, "DL1ABC"}, {49, 14.030f, 0, "JA1XYZ"}});
    SpectrumClick c = spectrumMapClick(s, 49, true);
    EXPECT_TRUE(c.tune && c.close && !c.redraw);
    EXPECT_FLOAT_EQ(c.frequency, 14.030f);
    EXPECT_EQ(c.call, QStringLiteral("JA1XYZ"));
    EXPECT_FLOAT_EQ(s.slot[49].frequency, 14.030f);   // the spot stays in the store

    c = spectrumMapClick(s, 48, false);
    EXPECT_TRUE(c.redraw && !c.tune && !c.close);
    EXPECT_EQ(s.slot[48].frequency, 0.0f);
    EXPECT_EQ(s.slot[48].call, QStringLiteral("DL1ABC"));

    c = spectrumMapClick(s, 50, false);
    EXPECT_FALSE(c.redraw || c.tune);
}

class SpectrumMapWindowTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        Spots::resetSpotStore();
        Platform::setScreenOverride(Platform::Screen::ofSize(9600, 7200));
        G.OutOfStateFlag = 1;
        G.UtcOffsetHours = 4;   // the fixture's clock: local 10:02:11, UTC 14:02:11
        main.txtCall = &call;
        Form1::registerMainWindow(&main, true);
        const QDateTime now = Platform::clock().read().local;
        SpotStoreT& s = SpotStore();
        s.slot[47] = {QStringLiteral("VK2ABC"), 7.010f, now.addSecs(-2000), QStringLiteral("VK2")};
        s.slot[48] = {QStringLiteral("DL1ABC"), 14.020f, now.addSecs(-100), QStringLiteral("DL1")};
        s.slot[49] = {QStringLiteral("JA1XYZ"), 14.030f, now.addSecs(-700), QStringLiteral("JA1")};
    }
    void TearDown() override
    {
        Form1::unregisterMainWindow(&main);
        Spots::setSpectrumMapRedraw({});
        Platform::setScreenOverride(std::nullopt);
        StoreTest::TearDown();
    }
    static QColor colorOf(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // The label's centre along the ruler of its band, as a fraction of the ruler.
    static double alongRuler(const QLabel* l, const VbLine* ruler)
    {
        const double centre = l->x() + l->width() / 2.0;
        return (centre - ruler->end1().x()) / double(ruler->end2().x() - ruler->end1().x());
    }
    SpotMainWindow main;
    QLineEdit call;
};

TEST_F(SpectrumMapWindowTest, ShowsTheSpotsOnTheirRulersAndRedrawsForNewSpots)
{
    SpectrumMap map;
    map.show();
    map.BandMapLabelDisplay();
    EXPECT_EQ(map.windowTitle(), QStringLiteral(" HF Spectrum Map"));
    EXPECT_EQ(map.size(), QSize(632, 453));   // the work area less the frame: 9480 x 6795 twips
    ASSERT_EQ(map.lblDXSpot.size(), 50);
    ASSERT_EQ(map.lblFreqSpot.size(), 55);
    EXPECT_EQ(map.findChild<QLabel*>(QStringLiteral("lblHFSpots(10)")), map.lblHFSpots[10]);
    EXPECT_EQ(map.lblFreqSpot[20]->text(), QStringLiteral("14.019"));
    EXPECT_EQ(map.lblFreqSpot[24]->text(), QStringLiteral("14.031"));
    EXPECT_TRUE(map.lblFreqSpot[54]->isVisible());

    const VbLine* ruler20 = map.lineHF[4];
    QLabel* dl = map.lblDXSpot[48];
    QLabel* ja = map.lblDXSpot[49];
    QLabel* vk = map.lblDXSpot[47];
    ASSERT_TRUE(dl->isVisible() && ja->isVisible() && vk->isVisible());
    EXPECT_NEAR(alongRuler(dl, ruler20), 1.0 / 12, 0.01);
    EXPECT_NEAR(alongRuler(ja, ruler20), 11.0 / 12, 0.01);
    EXPECT_EQ(dl->y() + dl->height(), ruler20->end1().y());   // standing on the ruler
    EXPECT_EQ(vk->y() + vk->height(), map.lineHF[2]->end1().y());
    EXPECT_EQ(dl->text(), QStringLiteral("DL1"));
    EXPECT_EQ(dl->toolTip(), QStringLiteral("DL1ABC  14.020  14:00:31"));
    EXPECT_EQ(colorOf(dl), QColor(255, 255, 128));
    EXPECT_EQ(colorOf(ja), QColor(255, 255, 255));
    EXPECT_EQ(colorOf(vk), QColor(192, 192, 192));
    EXPECT_FALSE(map.lblDXSpot[46]->isVisible());

    // A new spot taken in while the map is shown redraws it; the 40 m spot moves down a slot.
    QVariant c(QStringLiteral("W9XYZ")), f(QStringLiteral("21025.0")), r(QStringLiteral("de K9AB: 21025.0 W9XYZ"));
    ASSERT_TRUE(intake(SpotStore(), c, f, r, Platform::clock().read().local));
    redrawSpectrumMap();
    EXPECT_TRUE(map.lblDXSpot[49]->isVisible());
    EXPECT_EQ(map.lblDXSpot[49]->text(), QStringLiteral("W9"));
    EXPECT_NEAR(alongRuler(map.lblDXSpot[49], map.lineHF[6]), 25.0 / 450, 0.01);
    EXPECT_TRUE(map.lblDXSpot[46]->isVisible());

    // Once hidden, the intake no longer redraws it.
    map.hide();
    SpotStore().slot[49].frequency = 0;
    redrawSpectrumMap();
    EXPECT_FALSE(map.lblDXSpot[49]->isHidden());
}

TEST_F(SpectrumMapWindowTest, LeftClickRemovesRightClickTunesTakesTheCallAndCloses)
{
    QVector<float> tuned;
    SpectrumMap map([&tuned](float& mhz) {
        tuned << mhz;
        // A spot arriving while the rig tunes shifts the store; the call taken stays the clicked one.
        QVariant c(QStringLiteral("W9XYZ")), f(QStringLiteral("21025.0")), r(QStringLiteral("de K9AB: 21025.0"));
        intake(SpotStore(), c, f, r, Platform::clock().read().local);
        redrawSpectrumMap();
    });
    map.show();
    map.BandMapLabelDisplay();

    QTest::mouseClick(map.lblDXSpot[48], Qt::LeftButton);
    EXPECT_EQ(SpotStore().slot[48].frequency, 0.0f);
    EXPECT_FALSE(map.lblDXSpot[48]->isVisible());
    EXPECT_TRUE(map.lblDXSpot[49]->isVisible());
    EXPECT_EQ(map.lblFreqSpot[20]->text(), QStringLiteral("14.000"));   // one 20 m spot left: no zoom
    EXPECT_TRUE(tuned.isEmpty());

    QTest::mouseClick(map.lblDXSpot[49], Qt::RightButton);
    EXPECT_EQ(tuned, QVector<float>{14.030f});
    EXPECT_EQ(call.text(), QStringLiteral("JA1XYZ"));
    EXPECT_FALSE(map.isVisible());
    EXPECT_EQ(SpotStore().slot[48].call, QStringLiteral("JA1XYZ"));   // still held, moved by the new spot
    EXPECT_FLOAT_EQ(SpotStore().slot[48].frequency, 14.030f);
}

TEST_F(SpectrumMapWindowTest, MainWindowOpensItModallyAndItGoesWhenClosed)
{
    bool modal = false, drawn = false;
    int looks = 0;
    QTimer look;
    // Looks until the map has drawn itself on becoming active (or gives up), then closes it.
    QObject::connect(&look, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* map = qobject_cast<SpectrumMap*>(w); map && map->isVisible()) {
                modal = map->isModal();
                drawn = map->lblDXSpot[48]->isVisible();
                if (drawn || ++looks > 200)
                    map->close();
            }
    });
    look.start(10);
    MainServices::showDeviceWindow(MainServices::DeviceWindow::SpectrumMap);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(drawn);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<SpectrumMap*>(w), nullptr);
}
