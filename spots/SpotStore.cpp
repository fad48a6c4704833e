#include "spots/SpotStore.h"

#include <cmath>

#include "core/ListFormat.h"
#include "spots/CountryyLookupForDXSpots.h"
#include "spots/SpotLine.h"

namespace Spots {

SpotStoreT& SpotStore()
{
    static SpotStoreT store;
    return store;
}

void resetSpotStore() { SpotStore() = SpotStoreT{}; }

namespace {
std::function<void()>& spectrumRedraw()
{
    static std::function<void()> f;
    return f;
}
}   // namespace

void setSpectrumMapRedraw(std::function<void()> redraw) { spectrumRedraw() = std::move(redraw); }

void redrawSpectrumMap()
{
    if (spectrumRedraw())
        spectrumRedraw()();
}

QString CallPrefix(const QString& call)
{
    const qsizetype n = call.size();
    if (n < 3)
        return QString();
    qsizetype s = 0, lastDigit = 0;   // 1-based positions, 0 = none
    for (qsizetype i = 0; i < n; ++i) {
        if (call[i] == QLatin1Char('/'))
            s = i + 1;
        if (call[i] >= QLatin1Char('0') && call[i] <= QLatin1Char('9'))
            lastDigit = i + 1;
    }
    const qsizetype e = lastDigit ? lastDigit : n;
    if (s == 0)
        return call.left(e);
    if (s < n / 2.0 + 1)
        return call.left(s - 1);
    QString result = call.mid(s, e);
    double number = 0;
    if (!result.isEmpty() && ListFormat::parseNumber(result, number)) {
        qsizetype lead = 0;
        while (lead < n && !(call[lead] >= QLatin1Char('0') && call[lead] <= QLatin1Char('9')))
            ++lead;
        result = call.left(lead) + result;
    }
    return result;
}

SpotRow spotRow(const QString& call, double mhz, const QString& country, const QString& record)
{
    SpotRow row;
    row.call = call;
    row.frequency = ListFormat::formatDouble(mhz);
    row.qth = country;
    row.comments = trimBlanks(record.mid(0, 11)) + QStringLiteral("  ") + trimBlanks(record.mid(34, 25));
    row.prefix = trimBlanks(record.mid(61, 5));
    row.time = record.mid(67, 4);
    row.from = trimBlanks(record.mid(72, 4));
    return row;
}

std::optional<SpotRow> intake(SpotStoreT& store, QVariant& call, QVariant& freq, QVariant& record, const QDateTime& now)
{
    double khz = 0;
    if (freq.typeId() == QMetaType::Double || freq.typeId() == QMetaType::Float || freq.typeId() == QMetaType::Int) {
        khz = freq.toDouble();
    } else if (!ListFormat::parseNumber(freq.toString(), khz)) {
        return std::nullopt;
    }
    // No radio is below 0 or beyond what the store's single precision holds.
    if (!(khz >= 0) || !std::isfinite(float(khz / 1000.0)))
        return std::nullopt;
    QString rec = record.toString();
    const qsizetype cr = rec.indexOf(QLatin1Char('\r'));
    if (cr >= 0) {
        rec = rec.left(cr);
        record = rec;
    }
    const double mhz = khz / 1000.0;
    freq = mhz;

    for (int i = 1; i < SpotStoreT::Slots; ++i)
        store.slot[i - 1] = store.slot[i];
    const QString c = call.toString();
    Spot& newest = store.slot[SpotStoreT::Slots - 1];
    newest.call = c;
    newest.frequency = float(mhz);
    newest.time = now;
    newest.prefix = CallPrefix(c);

    // The newest older copy of the call is removed; slot 0 counts too, so a copy that has just
    // been shifted there is not left drawn beside the new spot.
    for (int i = SpotStoreT::Slots - 2; i >= 0; --i) {
        if (store.slot[i].call.compare(c, Qt::CaseInsensitive) == 0) {
            store.slot[i].frequency = 0;
            break;
        }
    }
    return spotRow(c, mhz, CountryyLookupForDXSpots::SpotCountryLookup(c).toString(), rec);
}

}   // namespace Spots
