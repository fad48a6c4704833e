#pragma once
// The spectrum map's decisions, without widgets: eleven band rulers (160 m at the top down to
// 2 m), each with five ticks whose scale spans the band or narrows to the spread of its spots,
// and one label per SpotStore slot, placed on the ruler of its band, coloured by age, with a tool
// tip. The window applies a SpectrumMapPicture to its controls and passes clicks back here.
#include <QColor>
#include <QDateTime>
#include <QString>

#include <array>

#include "spots/SpotStore.h"

namespace Spots {

// One ruler's band; a spot belongs to it when low < frequency < high, compared in single
// precision (a spot exactly on an edge belongs to no band).
struct SpectrumBand {
    const char* name;
    float low, high;
};
constexpr int SpectrumBandCount = 11;
constexpr int SpectrumTicksPerBand = 5;
const std::array<SpectrumBand, SpectrumBandCount>& spectrumBands();
bool inSpectrumBand(const SpectrumBand& band, float mhz);

// Narrows a band's scale to its spots: with at least two different frequencies strictly inside
// `low`..`high` among all 50 slots (slot 0 too, so every spot of the band lands on its ruler;
// every age counts),
// `high` becomes the highest plus 1 kHz and `low` the lowest minus 1 kHz, both kept in single
// precision; otherwise both stay.
void ZoomToSpots(const SpotStoreT& store, float& high, float& low);

struct SpectrumTick {
    QString text;       // the value rounded to three decimals (ties to even), "#.000"
    double value = 0;   // the number the text shows
    double along = 0;   // where the tick is centred: 0, 1/4, 1/2, 3/4 or 1 of its ruler
};

struct SpectrumLabel {
    bool reached = false;   // the redraw got to this slot: text and tool tip below are set
    QString text;           // SpotPrefix
    QString toolTip;        // call, "#.000" MHz, UTC "hh:mm:ss", separated by two blanks
    int band = -1;          // the ruler the label stands on; -1: no band holds the frequency
    double along = 0;       // its centre as a fraction of the ruler from the first tick's number
                            // to the last one's; within 0..1 for every spot of the band
    QColor color;           // by age; invalid when the slot is an hour old or older
    bool visible = false;   // placed on a ruler and under an hour old, with every newer slot
};

// Everything a redraw shows: tick 5 b + k is tick k of band b; label i shows slot i.
struct SpectrumMapPicture {
    std::array<SpectrumTick, SpectrumBandCount * SpectrumTicksPerBand> ticks;
    std::array<SpectrumLabel, SpotStoreT::Slots> labels;
};

// The five ticks of every band after the zoom to its spots.
void drawBandScales(const SpotStoreT& store, SpectrumMapPicture& picture);

// A whole redraw at `now`: the scales, then the slots from 49 (newest) down to 0. Each slot
// reached gets its text and tool tip and, inside a band, its place on that band's ruler. The walk
// stops at the first slot an hour old or older, placed or not (an empty slot counts as older):
// that slot gets no colour and it and all older slots stay hidden.
SpectrumMapPicture spectrumMapPicture(const SpotStoreT& store, const QDateTime& now, float utcOffsetHours);

// What a mouse press on label `slot` asks for. A right press tunes the rig to the spot, puts its
// call into the main window's call field and closes the map; the frequency and call are taken at
// the press, so spots arriving while the rig tunes do not change which call is transferred. Any
// other press removes the spot (its frequency becomes 0 in `store`) and redraws.
struct SpectrumClick {
    bool tune = false;
    float frequency = 0;
    QString call;
    bool close = false;
    bool redraw = false;
};
SpectrumClick spectrumMapClick(SpotStoreT& store, int slot, bool rightButton);

}   // namespace Spots
