#pragma once
// Band and mode decisions of the main windows, without widgets: which band a rig frequency lies
// in, what a rig report asks the window to change, how the band and mode labels step, and the
// text a frequency is kept in. BandModePanel applies them to the window.
#include <QString>
#include <QVector>

#include "core/BandTable.h"

namespace BandMode {

// The band table (core/BandTable.h), searched by a rig frequency (Bands::bandOf).
using Bands::BandRow;
using Bands::bandTable;

// The bands a rig report may switch the window to ("160", "80", "40", "20", "15", "10").
bool isContestBand(const QString& band);

// The band command a rig frequency asks for: a contest band other than `currentBand` (letter
// case ignored), else empty (the report then only changes the frequency text).
QString bandCommandFor(float mhz, const QString& currentBand);

// The frequency as it is stored with a contact: no leading zero, three decimals ("7.000",
// ".500", "14025.000").
QString frequencyText(float mhz);

// The mode command a rig mode text asks for: "CW" or "PH" (letter case ignored) when it differs
// from `currentMode`, else empty ("DG", "AM" and an empty text change nothing).
QString modeCommandFor(const QString& rigMode, const QString& currentMode);

// The band label steps through the contest bands: 160, 80, 40, 20, 15, 10 and back to 160.
// Empty for any other current band (6 m, 2 m or an odd saved value): no change.
QString nextBand(const QString& currentBand);

// The mode label toggles CW and PH; any mode but CW (PH, DG, an odd saved value) leads to CW.
QString nextMode(const QString& currentMode);

}   // namespace BandMode
