// Makes the county map of the contest state from the Census county boundaries of the npm
// package us-atlas (counties-10m.json, TopoJSON):
//   data/CountyMapIN.bmp  293 x 426, 24-bit, white counties and surroundings, black borders one
//                         pixel wide, every county one closed white area;
//   data/CountyMapIN.txt  one line per county label: index, name, left, top, width, height (pixels).
// The map is placed so that four label rectangles fixed by the window (Lake, Vermillion, Ohio,
// Clark) fall inside their counties; every other label is the largest square around the point of
// its county farthest from the county's edge.
//
//   npm install --prefix /tmp/usatlas us-atlas@3
//   gen_county_map /tmp/usatlas/node_modules/us-atlas/counties-10m.json data
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <deque>
#include <map>
#include <vector>

namespace {

constexpr int W = 293, H = 426;
// The contest state, by its FIPS code.
const QString kStateFips = QStringLiteral("18");

// The map's labels in window order (index 0..91), spelt as the county table spells them.
const char* const kLabels[92] = {
    "Lake",      "Porter",      "La Porte", "St. Joseph", "Elkhart",     "Lagrange",   "Steuben",    "De Kalb",
    "Noble",     "Kosciusko",   "Marshall", "Allen",      "Whitley",     "Fulton",     "Pulaski",    "Starke",
    "Newton",    "Jasper",      "White",    "Cass",       "Miami",       "Wabash",     "Huntington", "Wells",
    "Adams",     "Benton",      "Warren",   "Tippecanoe", "Carroll",     "Howard",     "Grant",      "Jay",
    "Blackford", "Randolph",    "Delaware", "Madison",    "Tipton",      "Clinton",    "Fountain",   "Montgomery",
    "Boone",     "Hamilton",    "Henry",    "Wayne",      "Parke",       "Vermillion", "Putnam",     "Hendricks",
    "Marion",    "Hancock",     "Union",    "Fayette",    "Rush",        "Shelby",     "Johnson",    "Morgan",
    "Owen",      "Clay",        "Vigo",     "Sullivan",   "Greene",      "Monroe",     "Brown",      "Bartholomew",
    "Decatur",   "Franklin",    "Knox",     "Daviess",    "Martin",      "Lawrence",   "Jackson",    "Jennings",
    "Ripley",    "Dearborn",    "Gibson",   "Pike",       "Dubois",      "Orange",     "Washington", "Scott",
    "Jefferson", "Switzerland", "Ohio",     "Posey",      "Vanderburgh", "Warrick",    "Spencer",    "Perry",
    "Crawford",  "Harrison",    "Floyd",    "Clark"};

struct Fixed {
    int index, left, top, width, height;
};
const Fixed kFixed[] = {{0, 56, 16, 17, 41}, {45, 56, 184, 9, 33}, {82, 256, 288, 17, 17}, {91, 192, 336, 25, 17}};

QString key(const QString& name)
{
    QString k;
    for (QChar c : name.toLower())
        if (c.isLetter())
            k += c;
    return k;
}

[[noreturn]] void fail(const QString& why)
{
    std::fprintf(stderr, "gen_county_map: %s\n", qPrintable(why));
    std::exit(1);
}

using Ring = QVector<QPointF>;   // longitude, latitude

}   // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        fail(QStringLiteral("usage: gen_county_map counties-10m.json outdir"));
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + in.fileName());
    const QJsonObject topo = QJsonDocument::fromJson(in.readAll()).object();
    const QJsonArray scale = topo[QStringLiteral("transform")][QStringLiteral("scale")].toArray();
    const QJsonArray translate = topo[QStringLiteral("transform")][QStringLiteral("translate")].toArray();

    // Arcs: delta-encoded quantized positions.
    QVector<Ring> arcs;
    for (const QJsonValue& a : topo[QStringLiteral("arcs")].toArray()) {
        Ring r;
        double x = 0, y = 0;
        for (const QJsonValue& p : a.toArray()) {
            x += p.toArray()[0].toDouble();
            y += p.toArray()[1].toDouble();
            r << QPointF(x * scale[0].toDouble() + translate[0].toDouble(),
                         y * scale[1].toDouble() + translate[1].toDouble());
        }
        arcs << r;
    }
    auto ring = [&](const QJsonArray& refs) {
        Ring r;
        for (const QJsonValue& v : refs) {
            const int i = v.toInt();
            Ring a = arcs.value(i >= 0 ? i : ~i);
            if (i < 0)
                std::reverse(a.begin(), a.end());
            if (!r.isEmpty())
                a.removeFirst();
            r += a;
        }
        return r;
    };

    // The counties of the contest state: polygons of rings (first ring outer).
    std::map<QString, QVector<QVector<Ring>>> counties;   // by key(name)
    std::map<QString, QString> names;
    for (const QJsonValue& g :
         topo[QStringLiteral("objects")][QStringLiteral("counties")][QStringLiteral("geometries")].toArray()) {
        const QJsonObject o = g.toObject();
        if (!o[QStringLiteral("id")].toString().startsWith(kStateFips))
            continue;
        const QString name = o[QStringLiteral("properties")][QStringLiteral("name")].toString();
        QVector<QVector<Ring>> polys;
        const QJsonArray coords = o[QStringLiteral("arcs")].toArray();
        if (o[QStringLiteral("type")].toString() == QLatin1String("Polygon")) {
            QVector<Ring> p;
            for (const QJsonValue& r : coords)
                p << ring(r.toArray());
            polys << p;
        } else {
            for (const QJsonValue& poly : coords) {
                QVector<Ring> p;
                for (const QJsonValue& r : poly.toArray())
                    p << ring(r.toArray());
                polys << p;
            }
        }
        counties[key(name)] = polys;
        names[key(name)] = name;
    }
    if (counties.size() != 92)
        fail(QStringLiteral("expected 92 counties, found %1").arg(counties.size()));
    for (const char* l : kLabels)
        if (!counties.count(key(QLatin1String(l))))
            fail(QStringLiteral("no county for the label ") + QLatin1String(l));

    // Plane coordinates: longitude shortened by the cosine of the state's middle latitude.
    const double k = std::cos(39.8 * M_PI / 180);
    auto plane = [&](QPointF p) { return QPointF(p.x() * k, p.y()); };

    // The extent of the state in plane coordinates.
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const auto& [name, polys] : counties)
        for (const QVector<Ring>& poly : polys)
            for (const QPointF& q : poly.first()) {
                const QPointF p = plane(q);
                minX = std::min(minX, p.x());
                maxX = std::max(maxX, p.x());
                minY = std::min(minY, p.y());
                maxY = std::max(maxY, p.y());
            }
    // The fixed labels' centres must lie well inside their counties: search the scales (at most
    // what fits the picture with a margin) and the positions for the placement that holds them
    // and keeps the widest margin.
    constexpr double Margin = 2;
    const double fitX = (W - 2 * Margin) / (maxX - minX), fitY = (H - 2 * Margin) / (maxY - minY);
    std::vector<QPainterPath> anchorPaths;
    for (const Fixed& f : kFixed) {
        QPainterPath path;
        for (const QVector<Ring>& poly : counties[key(QLatin1String(kLabels[f.index]))])
            for (const Ring& r : poly) {
                QPolygonF pg;
                for (const QPointF& q : r)
                    pg << plane(q);
                path.addPolygon(pg);
                path.closeSubpath();
            }
        anchorPaths.push_back(path);
    }
    double ax = 0, ay = 0, bx = 0, by = 0, bestMargin = -1;
    for (double fx = 1.0; fx >= 0.85; fx -= 0.005)
        for (double fy = 1.0; fy >= 0.85; fy -= 0.005) {
            const double cx = fitX * fx, cy = -fitY * fy;
            for (double ox = Margin - cx * minX; ox <= W - Margin - cx * maxX; ox += 0.5)
                for (double oy = Margin - cy * maxY; oy <= H - Margin - cy * minY; oy += 0.5) {
                    bool ok = true;
                    for (size_t i = 0; ok && i < anchorPaths.size(); ++i) {
                        const Fixed& f = kFixed[i];
                        const double u = f.left + f.width / 2, v = f.top + f.height / 2;
                        for (auto [du, dv] : {std::pair{0, 0}, {2, 0}, {-2, 0}, {0, 2}, {0, -2}})
                            if (!anchorPaths[i].contains(QPointF((u + du - ox) / cx, (v + dv - oy) / cy)))
                                ok = false;
                    }
                    if (!ok)
                        continue;
                    const double margin =
                        std::min({cx * minX + ox, W - (cx * maxX + ox), cy * maxY + oy, H - (cy * minY + oy)});
                    if (margin > bestMargin) {
                        bestMargin = margin;
                        ax = cx, ay = cy, bx = ox, by = oy;
                    }
                }
        }
    if (bestMargin < 0)
        fail(QStringLiteral("no placement holds the fixed labels inside their counties"));
    auto toPixel = [&](QPointF lonlat) {
        const QPointF p = plane(lonlat);
        return QPointF(ax * p.x() + bx, ay * p.y() + by);
    };

    // Paint every county with its own id (index + 1) into an id picture; 0 is outside.
    QImage ids(W, H, QImage::Format_RGB32);
    ids.fill(0);
    {
        QPainter p(&ids);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 92; ++i) {
            QPainterPath path;
            path.setFillRule(Qt::OddEvenFill);
            for (const QVector<Ring>& poly : counties[key(QLatin1String(kLabels[i]))])
                for (const Ring& r : poly) {
                    QPolygonF pg;
                    for (const QPointF& q : r)
                        pg << toPixel(q);
                    path.addPolygon(pg);
                    path.closeSubpath();
                }
            p.fillPath(path, QColor(QRgb(i + 1)));
        }
    }
    QVector<int> id(W * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            id[y * W + x] = int(ids.pixel(x, y) & 0xFFFFFF);

    auto components = [&](const QVector<bool>& in, QVector<int>& comp) {
        comp.fill(-1, W * H);
        int count = 0;
        for (int s = 0; s < W * H; ++s) {
            if (!in[s] || comp[s] >= 0)
                continue;
            std::deque<int> q{s};
            comp[s] = count;
            while (!q.empty()) {
                const int c = q.front();
                q.pop_front();
                const int x = c % W, y = c / W;
                const int nb[4][2] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
                for (auto& d : nb) {
                    if (d[0] < 0 || d[1] < 0 || d[0] >= W || d[1] >= H)
                        continue;
                    const int t = d[1] * W + d[0];
                    if (in[t] && comp[t] < 0 && id[t] == id[s]) {
                        comp[t] = count;
                        q.push_back(t);
                    }
                }
            }
            ++count;
        }
        return count;
    };

    // Slivers between neighbouring counties (outside pixels not reached from the picture's edge)
    // go to a neighbouring county.
    for (bool changed = true; changed;) {
        changed = false;
        QVector<bool> outside(W * H);
        for (int i = 0; i < W * H; ++i)
            outside[i] = id[i] == 0;
        QVector<int> comp;
        components(outside, comp);
        const int edge = comp[0];
        for (int i = 0; i < W * H; ++i) {
            if (id[i] != 0 || comp[i] == edge)
                continue;
            const int x = i % W, y = i / W;
            for (int t : {i - 1, i + 1, i - W, i + W})
                if (t >= 0 && t < W * H && std::abs(t % W - x) <= 1 && std::abs(t / W - y) <= 1 && id[t] != 0) {
                    id[i] = id[t];
                    changed = true;
                    break;
                }
        }
    }

    // Borders: a pixel whose right or lower neighbour belongs elsewhere is black, so no two
    // pixels side by side of different areas stay white.
    QVector<bool> black(W * H, false);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int i = y * W + x;
            if ((x + 1 < W && id[i + 1] != id[i]) || (y + 1 < H && id[i + W] != id[i]))
                black[i] = true;
        }

    // Each county keeps its largest white area; smaller pieces (cut off by a border) turn black,
    // as do pockets of the surroundings.
    QVector<bool> white(W * H);
    for (int i = 0; i < W * H; ++i)
        white[i] = !black[i];
    QVector<int> comp;
    const int count = components(white, comp);
    QVector<int> size(count, 0), owner(count, 0);
    for (int i = 0; i < W * H; ++i)
        if (comp[i] >= 0) {
            ++size[comp[i]];
            owner[comp[i]] = id[i];
        }
    QVector<int> keep(93, -1);
    for (int c = 0; c < count; ++c)
        if (keep[owner[c]] < 0 || size[c] > size[keep[owner[c]]])
            keep[owner[c]] = c;
    keep[0] = comp[0];
    for (int i = 0; i < W * H; ++i)
        if (comp[i] >= 0 && keep[id[i]] != comp[i])
            black[i] = true;
    for (int c = 1; c <= 92; ++c)
        if (keep[c] < 0)
            fail(QStringLiteral("the county %1 has no white area").arg(QLatin1String(kLabels[c - 1])));

    QImage out(W, H, QImage::Format_RGB888);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            out.setPixelColor(x, y, black[y * W + x] ? Qt::black : Qt::white);

    // Labels: the fixed four, the others a square around the point farthest from the edge.
    QStringList lines;
    for (int i = 0; i < 92; ++i) {
        int left = 0, top = 0, width = 0, height = 0;
        bool fixed = false;
        for (const Fixed& f : kFixed)
            if (f.index == i) {
                left = f.left, top = f.top, width = f.width, height = f.height;
                fixed = true;
            }
        const int own = keep[i + 1];
        if (fixed) {
            const int cx = left + width / 2, cy = top + height / 2;
            if (comp[cy * W + cx] != own || black[cy * W + cx])
                fail(QStringLiteral("the fixed label of %1 is not inside its county").arg(QLatin1String(kLabels[i])));
        } else {
            // Chessboard distance of each pixel of the area to the nearest pixel outside it.
            QVector<int> dist(W * H, -1);
            std::deque<int> q;
            for (int p = 0; p < W * H; ++p)
                if (comp[p] != own || black[p]) {
                    dist[p] = 0;
                    q.push_back(p);
                }
            while (!q.empty()) {
                const int c = q.front();
                q.pop_front();
                const int x = c % W, y = c / W;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= W || ny >= H)
                            continue;
                        const int t = ny * W + nx;
                        if (dist[t] < 0) {
                            dist[t] = dist[c] + 1;
                            q.push_back(t);
                        }
                    }
            }
            int best = -1;
            for (int p = 0; p < W * H; ++p)
                if (best < 0 || dist[p] > dist[best])
                    best = p;
            const int r = dist[best] - 1;   // the square of half-side r lies inside the area
            left = best % W - r;
            top = best / W - r;
            width = height = 2 * r + 1;
        }
        lines << QStringLiteral("%1,\"%2\",%3,%4,%5,%6")
                     .arg(i)
                     .arg(QLatin1String(kLabels[i]))
                     .arg(left)
                     .arg(top)
                     .arg(width)
                     .arg(height);
    }

    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (!out.save(dir + QStringLiteral("/CountyMapIN.bmp"), "BMP"))
        fail(QStringLiteral("cannot write the picture"));
    QFile table(dir + QStringLiteral("/CountyMapIN.txt"));
    if (!table.open(QIODevice::WriteOnly))
        fail(QStringLiteral("cannot write the label table"));
    table.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    std::printf("92 counties written\n");
    return 0;
}
