// Which counties the map paints for a worked list, checked on the installed picture, and the
// window's spots, hint and one-shot colouring.
#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "core/Form1.h"
#include "core/Globals.h"
#include "platform/Clock.h"
#include "reports/CountyMap.h"
#include "reports/CountyMapIN.h"
#include "tests/entry/LogBuilder.h"
#include "tests/reports/FakeMainWindow.h"
#include "tests/support/FakeClock.h"

namespace {

QString dataPath(const char* name) { return QStringLiteral(VQPLOG_SOURCE_DIR "/data/") + QLatin1String(name); }

// The pixels that differ between two pictures of one size.
int differing(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

}   // namespace

class CountyMapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture = CountyMap::readPicture(dataPath("CountyMapIN.bmp"));
        ASSERT_FALSE(picture.isNull());
        auto l = CountyMap::readLabels(dataPath("CountyMapIN.txt"));
        ASSERT_TRUE(l.has_value());
        labels = *l;
    }
    // The size of the white area of a label's county in the unpainted picture.
    int areaOf(int label)
    {
        QImage copy = picture;
        return CountyMap::fill(copy, labels[label].seed(), Qt::black);
    }

    QImage picture;
    QVector<CountyMap::Label> labels;
};

TEST_F(CountyMapTest, WorkedNamesSelectLabelsIgnoringCase)
{
    struct Case {
        QStringList worked;
        QVector<int> painted;
        const char* why;
    };
    const Case cases[] = {
        {{"lake"}, {0}, "lower case paints Lake"},
        {{"LaPorte", "Allen"}, {11}, "a name spelt otherwise paints nothing; the next still paints"},
        {{"Clark", "ST. JOSEPH", "Nowhere", "Ohio"}, {91, 3, 82}, "list order"},
        {{}, {}, "an empty list"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CountyMap::labelsToPaint(c.worked, labels), c.painted) << c.why;
}

TEST_F(CountyMapTest, FillPaintsExactlyTheCountyOfTheSeed)
{
    QImage painted = picture;
    int total = 0;
    for (int i : CountyMap::labelsToPaint({"lake", "LaPorte", "Vermillion"}, labels)) {
        const int expected = areaOf(i);
        EXPECT_GT(expected, 50);
        EXPECT_EQ(CountyMap::fill(painted, labels[i].seed(), QColor(10, 20, 30 + i)), expected) << i;
        total += expected;
    }
    // Nothing outside the painted counties changed: no leak through a border.
    EXPECT_EQ(differing(picture, painted), total);
    EXPECT_EQ(painted.pixelColor(labels[0].seed()), QColor(10, 20, 30));
    EXPECT_EQ(painted.pixelColor(labels[2].seed()), QColor(255, 255, 255));   // La Porte untouched
    // A seed outside the picture or on its own colour changes nothing.
    EXPECT_EQ(CountyMap::fill(painted, QPoint(-1, 5), Qt::red), 0);
    EXPECT_EQ(CountyMap::fill(painted, labels[0].seed(), QColor(10, 20, 30)), 0);
}

TEST(CountyMapColours, NeverWhiteWhateverTheGenerator)
{
    for (double v : {0.0, 0.5, 0.999999999})
        EXPECT_EQ(CountyMap::randomColor([v] { return v; }), QColor(int(254 * v), int(254 * v), int(254 * v)));
    EXPECT_EQ(CountyMap::randomColor([] { return 0.9999999999999; }), QColor(253, 253, 253));
}

TEST(CountyMapLabels, DamagedTablesAreRefused)
{
    QTemporaryDir dir;
    const char* bad[] = {"", "0,\"Lake\",1,2,3\r\n", "1,\"Lake\",1,2,3,4\r\n", "0,Lake,1,2,3,4\r\n",
                         "0,\"Lake\",1,2,0,4\r\n"};
    for (const char* text : bad) {
        QFile f(dir.filePath(QStringLiteral("t.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
        f.close();
        QString error;
        EXPECT_FALSE(CountyMap::readLabels(f.fileName(), &error).has_value()) << text;
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(CountyMap::readLabels(dir.filePath(QStringLiteral("missing.txt"))).has_value());
}

class CountyMapWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetGlobals();
        G.ProgramFolder = QStringLiteral(VQPLOG_SOURCE_DIR "/data");
        window.List2 = &list;
        Form1::registerMainWindow(&window, true);
        G.OutOfStateFlag = 1;
        clock.set(QDateTime(QDate(2024, 5, 4), QTime(14, 0, 0), Qt::UTC), 0);
        Platform::setClock(&clock);
    }
    void TearDown() override
    {
        Platform::setClock(nullptr);
        Form1::unregisterMainWindow(&window);
        resetGlobals();
    }
    FakeMainWindow window;
    QListWidget list;
    Platform::FakeClock clock;
};

TEST_F(CountyMapWindowTest, PaintsTheWorkedListOnceAfterItIsShown)
{
    TestLog::add({.county = QStringLiteral("Lake")});
    // The county table's length plays no part: the names are looked up among the map's labels.
    G.CountyNames = {QStringLiteral("Lake")};
    list.addItems(
        {QStringLiteral("lake"), QStringLiteral("LaPorte"), QStringLiteral("Marion"), QStringLiteral("Clark")});
    CountyMapIN w;
    w.Form_Load();
    ASSERT_EQ(w.lblCounty.size(), 92);
    EXPECT_EQ(w.lblCounty[45]->toolTip(), QStringLiteral("Vermillion"));
    EXPECT_TRUE(w.lblCounty[45]->text().isEmpty());
    EXPECT_FALSE(w.Label1->isVisibleTo(&w));
    const QImage before = w.picture();
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.picture() != before; }, 2000));

    const auto labels = *CountyMap::readLabels(dataPath("CountyMapIN.txt"));
    QSet<QRgb> colours;
    for (int i : {0, 48, 91}) {   // Lake, Marion, Clark
        const QColor c = w.picture().pixelColor(labels[i].seed());
        EXPECT_NE(c, QColor(Qt::white)) << i;
        EXPECT_LE(std::max({c.red(), c.green(), c.blue()}), 253) << i;
        colours.insert(c.rgb());
    }
    EXPECT_EQ(colours.size(), 3);   // one generator per opening: each county a colour of its own
    EXPECT_EQ(w.picture().pixelColor(labels[2].seed()), QColor(Qt::white));   // La Porte

    // Once per opening: the timer is spent.
    EXPECT_FALSE(w.Timer1->isActive());
}

TEST_F(CountyMapWindowTest, EmptyLogShowsTheHintAndPaintsNothing)
{
    CountyMapIN w;
    w.Form_Load();
    EXPECT_TRUE(w.Label1->isVisibleTo(&w));
    EXPECT_EQ(w.Label1->text(), QStringLiteral("Counties will change color when worked."));
    const QImage before = w.picture();
    w.Timer1_Timer();
    EXPECT_EQ(differing(before, w.picture()), 0);
    EXPECT_EQ(w.windowTitle(), QStringLiteral(" Vazazev County Map"));
}
