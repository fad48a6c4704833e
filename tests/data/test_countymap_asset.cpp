// The installed county map: the picture's format, its white areas (the surroundings and exactly
// one per county, none touching the edge) and the label table that goes with it.
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <deque>

#include "core/ListFormat.h"
#include "reports/CountyMap.h"

namespace {

QString dataPath(const char* name) { return QStringLiteral(VQPLOG_SOURCE_DIR "/data/") + QLatin1String(name); }

// The 4-connected white areas of the picture: an area number per pixel (-1 for black).
struct Areas {
    QVector<int> of;
    QVector<int> size;
    QVector<bool> touchesEdge;
};

Areas whiteAreas(const QImage& img)
{
    const int w = img.width(), h = img.height();
    Areas a;
    a.of.fill(-1, w * h);
    for (int s = 0; s < w * h; ++s) {
        if (a.of[s] >= 0 || img.pixel(s % w, s / w) != qRgb(255, 255, 255))
            continue;
        const int n = int(a.size.size());
        a.size << 0;
        a.touchesEdge << false;
        std::deque<int> q{s};
        a.of[s] = n;
        while (!q.empty()) {
            const int p = q.front();
            q.pop_front();
            const int x = p % w, y = p / w;
            ++a.size[n];
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                a.touchesEdge[n] = true;
            for (auto [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                const int t = ny * w + nx;
                if (a.of[t] < 0 && img.pixel(nx, ny) == qRgb(255, 255, 255)) {
                    a.of[t] = n;
                    q.push_back(t);
                }
            }
        }
    }
    return a;
}

}   // namespace

TEST(CountyMapAsset, PictureIs293By426TwentyFourBitBlackAndWhite)
{
    QFile f(dataPath("CountyMapIN.bmp"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(30);
    ASSERT_EQ(head.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(head[28]) | quint8(head[29]) << 8, 24);   // bits per pixel

    const QImage img = CountyMap::readPicture(dataPath("CountyMapIN.bmp"));
    ASSERT_FALSE(img.isNull());
    int others = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(0, 0, 0) && img.pixel(x, y) != qRgb(255, 255, 255))
                ++others;
    EXPECT_EQ(others, 0);
}

TEST(CountyMapAsset, OneClosedWhiteAreaPerLabelAndTheSurroundings)
{
    const QImage img = CountyMap::readPicture(dataPath("CountyMapIN.bmp"));
    ASSERT_FALSE(img.isNull());
    const auto labels = CountyMap::readLabels(dataPath("CountyMapIN.txt"));
    ASSERT_TRUE(labels.has_value());
    const Areas a = whiteAreas(img);
    ASSERT_EQ(a.size.size(), 93);
    // The surroundings are the one area at the picture's edge.
    const int surroundings = int(a.touchesEdge.indexOf(true));
    EXPECT_EQ(a.touchesEdge.count(true), 1);
    EXPECT_EQ(a.of[0], surroundings);

    QSet<int> seen;
    for (int i = 0; i < labels->size(); ++i) {
        const CountyMap::Label& l = (*labels)[i];
        SCOPED_TRACE(l.county.toStdString());
        const QPoint seed = l.seed();
        ASSERT_TRUE(img.rect().contains(seed));
        const int area = a.of[seed.y() * img.width() + seed.x()];
        ASSERT_GE(area, 0) << "the seed is on a border";
        EXPECT_NE(area, surroundings);
        EXPECT_FALSE(seen.contains(area)) << "two labels in one area";
        seen.insert(area);
        // The derived rectangles lie wholly inside their county.
        if (i != 0 && i != 45 && i != 82 && i != 91) {
            for (int y = l.rect.top(); y <= l.rect.bottom(); ++y) {
                for (int x = l.rect.left(); x <= l.rect.right(); ++x) {
                    ASSERT_EQ(a.of[y * img.width() + x], area) << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(seen.size(), 92);
}

TEST(CountyMapAsset, LabelTableKeepsTheFixedRowsAndNamesTheCountiesOfTheTable)
{
    const auto labels = CountyMap::readLabels(dataPath("CountyMapIN.txt"));
    ASSERT_TRUE(labels.has_value());
    struct Row {
        int index;
        const char* county;
        QRect rect;
        QPoint seed;
    };
    const Row rows[] = {
        {0, "Lake", QRect(56, 16, 17, 41), QPoint(64, 36)},
        {45, "Vermillion", QRect(56, 184, 9, 33), QPoint(60, 200)},
        {82, "Ohio", QRect(256, 288, 17, 17), QPoint(264, 296)},
        {91, "Clark", QRect(192, 336, 25, 17), QPoint(204, 344)},
    };
    for (const Row& r : rows) {
        const CountyMap::Label& l = (*labels)[r.index];
        EXPECT_EQ(l.county, QLatin1String(r.county));
        EXPECT_EQ(l.rect, r.rect) << r.county;
        EXPECT_EQ(l.seed(), r.seed) << r.county;
    }

    // The same 92 names as the county table (its rows carry the state code in front).
    QFile f(dataPath("county2.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    ListFormat::Reader reader(f.readAll());
    QSet<QString> table, map;
    for (;;) {
        QString name, abbrev;
        if (!reader.nextText(name) || !reader.nextText(abbrev))
            break;
        ASSERT_TRUE(name.startsWith(QLatin1String("IN")));
        table.insert(name.mid(2));
    }
    for (const CountyMap::Label& l : *labels)
        map.insert(l.county);
    EXPECT_EQ(table.size(), 92);
    EXPECT_EQ(map, table);
}
