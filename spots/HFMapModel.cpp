#include "spots/HFMapModel.h"

#include <cmath>
#include <limits>

#include "spots/BandMap.h"

namespace Spots {

const std::array<SpectrumBand, SpectrumBandCount>& spectrumBands()
{
    static const std::array<SpectrumBand, SpectrumBandCount> bands = {{
        {"160", 1.8f, 2.0f},
        {"80", 3.5f, 4.0f},
        {"40", 7.0f, 7.3f},
        {"30", 10.1f, 10.15f},
        {"20", 14.0f, 14.35f},
        {"17", 18.068f, 18.168f},
        {"15", 21.0f, 21.45f},
        {"12", 24.89f, 24.99f},
        {"10", 28.0f, 29.7f},
        {"6", 50.0f, 54.0f},
        {"2", 144.0f, 148.0f},
    }};
    return bands;
}

bool inSpectrumBand(const SpectrumBand& band, float mhz) { return band.low < mhz && mhz < band.high; }

void ZoomToSpots(const SpotStoreT& store, float& high, float& low)
{
    float max = low, min = high;
    for (int i = 0; i < SpotStoreT::Slots; ++i) {
        const float f = store.slot[i].frequency;
        if (low < f && f < high) {
            if (f < min)
                min = f;
            if (f > max)
                max = f;
        }
    }
    if (max > min) {
        high = float(double(max) + 0.001);
        low = float(double(min) - 0.001);
    }
}

void drawBandScales(const SpotStoreT& store, SpectrumMapPicture& picture)
{
    for (int b = 0; b < SpectrumBandCount; ++b) {
        float high = spectrumBands()[b].high, low = spectrumBands()[b].low;
        ZoomToSpots(store, high, low);
        for (int k = 0; k < SpectrumTicksPerBand; ++k) {
            const double v = double(high - low) * 0.25 * k + double(low);
            SpectrumTick& t = picture.ticks[b * SpectrumTicksPerBand + k];
            t.text = format3(v);
            t.value = std::nearbyint(v * 1000.0) / 1000.0;
            t.along = 0.25 * k;
        }
    }
}

SpectrumMapPicture spectrumMapPicture(const SpotStoreT& store, const QDateTime& now, float utcOffsetHours)
{
    SpectrumMapPicture picture;
    drawBandScales(store, picture);
    for (int i = SpotStoreT::Slots - 1; i >= 0; --i) {
        const Spot& s = store.slot[i];
        SpectrumLabel& l = picture.labels[i];
        l.reached = true;
        l.toolTip = spotToolTip(s, utcOffsetHours);
        l.text = s.prefix;
        for (int b = 0; b < SpectrumBandCount; ++b) {
            if (!inSpectrumBand(spectrumBands()[b], s.frequency))
                continue;
            const double lo = picture.ticks[b * SpectrumTicksPerBand].value;
            const double hi = picture.ticks[b * SpectrumTicksPerBand + SpectrumTicksPerBand - 1].value;
            if (!(hi > lo))
                continue;
            l.band = b;
            l.along = (double(s.frequency) - lo) / (hi - lo);
        }
        // A slot never filled has no time: older than an hour.
        const qint64 age = s.time.isValid() ? s.time.secsTo(now) : std::numeric_limits<qint64>::max();
        if (age >= 3600)
            break;
        l.color = spotAgeColor(age);
        l.visible = l.band >= 0;
    }
    return picture;
}

SpectrumClick spectrumMapClick(SpotStoreT& store, int slot, bool rightButton)
{
    SpectrumClick click;
    if (slot < 0 || slot >= SpotStoreT::Slots)
        return click;
    Spot& s = store.slot[slot];
    if (rightButton) {
        click.tune = true;
        click.frequency = s.frequency;
        click.call = s.call;
        click.close = true;
        return click;
    }
    s.frequency = 0;
    click.redraw = true;
    return click;
}

}   // namespace Spots
