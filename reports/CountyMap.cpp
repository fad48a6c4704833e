#include "reports/CountyMap.h"

#include <QFile>

#include <cmath>
#include <deque>

#include <algorithm>

namespace CountyMap {

namespace {
int halfEven(double v) { return int(std::nearbyint(v)); }
}   // namespace

QPoint Label::seed() const
{
    return QPoint(halfEven(rect.left() + rect.width() / 2.0), halfEven(rect.top() + rect.height() / 2.0));
}

std::optional<QVector<Label>> readLabels(const QString& path, QString* error)
{
    auto failed = [&](const QString& why) -> std::optional<QVector<Label>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failed(f.errorString());
    QVector<Label> labels;
    const QList<QByteArray> lines = f.read(1 << 20).split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> parts = line.split(',');
        if (parts.size() != 6)
            return failed(QStringLiteral("bad row: ") + QString::fromLatin1(line));
        bool ok[5] = {};
        const int index = parts[0].toInt(&ok[0]);
        const int vals[4] = {parts[2].toInt(&ok[1]), parts[3].toInt(&ok[2]), parts[4].toInt(&ok[3]),
                             parts[5].toInt(&ok[4])};
        QByteArray name = parts[1].trimmed();
        if (name.size() < 2 || !name.startsWith('"') || !name.endsWith('"'))
            return failed(QStringLiteral("bad name in row ") + QString::fromLatin1(line));
        for (bool b : ok)
            if (!b)
                return failed(QStringLiteral("bad number in row ") + QString::fromLatin1(line));
        if (index != labels.size() || vals[2] <= 0 || vals[3] <= 0)
            return failed(QStringLiteral("row out of order or empty: ") + QString::fromLatin1(line));
        labels.push_back(
            {QString::fromLatin1(name.mid(1, name.size() - 2)), QRect(vals[0], vals[1], vals[2], vals[3])});
    }
    if (labels.size() != Counties)
        return failed(QStringLiteral("%1 rows instead of %2").arg(labels.size()).arg(Counties));
    return labels;
}

QImage readPicture(const QString& path, QString* error)
{
    QImage img(path);
    if (img.isNull() || img.width() != Width || img.height() != Height) {
        if (error)
            *error =
                img.isNull() ? QStringLiteral("not a picture") : QStringLiteral("not %1 x %2").arg(Width).arg(Height);
        return QImage();
    }
    return img.convertToFormat(QImage::Format_RGB888);
}

QVector<int> labelsToPaint(const QStringList& worked, const QVector<Label>& labels)
{
    QVector<int> out;
    for (const QString& county : worked)
        for (int i = 0; i < labels.size(); ++i)
            if (labels[i].county.compare(county, Qt::CaseInsensitive) == 0) {
                out << i;
                break;
            }
    return out;
}

int fill(QImage& picture, QPoint seed, QColor color)
{
    if (!picture.rect().contains(seed))
        return 0;
    const QRgb from = picture.pixel(seed), to = color.rgb();
    if (from == to)
        return 0;
    int changed = 0;
    std::deque<QPoint> queue{seed};
    picture.setPixel(seed, to);
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        ++changed;
        for (const QPoint n : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)})
            if (picture.rect().contains(n) && picture.pixel(n) == from) {
                picture.setPixel(n, to);
                queue.push_back(n);
            }
    }
    return changed;
}

QColor randomColor(const std::function<double()>& next)
{
    auto part = [&] { return std::clamp(int(254 * next()), 0, 253); };
    const int r = part(), g = part(), b = part();
    return QColor(r, g, b);
}

}   // namespace CountyMap
