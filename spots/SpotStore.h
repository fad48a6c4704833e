#pragma once
// The last 50 DX spots of the run and the intake of one spot (the main windows' BandMapSpots
// without its widgets). Slots 0..49 hold spots in arrival order, slot 49 the newest; slots 50 and
// 51 exist but are never used. Frequency 0 marks an empty or removed slot, which keeps its call,
// time and prefix until shifted out. Nothing is saved: every run starts empty.
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <array>
#include <functional>
#include <optional>

namespace Spots {

struct Spot {
    QString call;          // SpotCall: as received
    float frequency = 0;   // SpotFrequency: MHz; 0 = empty or removed
    QDateTime time;        // SpotTime: local date and time of receipt
    QString prefix;        // SpotPrefix: the band-map label text, CallPrefix(call)
};

struct SpotStoreT {
    static constexpr int Slots = 50;
    std::array<Spot, 52> slot;
};

// The program's one store; resetSpotStore() empties it (tests).
SpotStoreT& SpotStore();
void resetSpotStore();

// The label text of a call: "" below 3 characters; the call up to its last digit; with a slash,
// the part before it when the slash lies in the first half, else the part after it (cut to the
// last digit's position), a bare number after the slash getting the call's leading letters.
QString CallPrefix(const QString& call);

// The spectrum map's redraw after each spot taken in while it is shown; the spectrum map installs
// it when it opens and removes it (an empty function) when it closes.
void setSpectrumMapRedraw(std::function<void()> redraw);
void redrawSpectrumMap();

// One row of the spot list txtDX, column by column.
struct SpotRow {
    QString call, frequency, qth, status, comments, prefix, time, from;
};
// The row of a spot: the MHz value as its shortest text, the country, and the record's fields.
SpotRow spotRow(const QString& call, double mhz, const QString& country, const QString& record);

// Takes one spot into `store` at `now` (BandMapSpots without the redraws and the list): nothing
// happens and nullopt is returned when `freq` is not a number, is below 0 or is too large for
// single precision. Otherwise `record` is cut before its first CR and `freq` becomes the MHz value
// (both changed in the caller's variables), the store shifts, slot 49 takes the spot, the newest older slot with the same call (ignoring case; slots
// 48 down to 0) gets frequency 0, and the list row is returned with the country looked up.
std::optional<SpotRow> intake(SpotStoreT& store, QVariant& call, QVariant& freq, QVariant& record,
                              const QDateTime& now);

}   // namespace Spots
