#pragma once
// The band table: every band the program knows, by name and frequency limits. The main windows
// search it by a rig frequency; the profile reader accepts only its names as a band.
#include <QString>
#include <QStringList>
#include <QVector>

namespace Bands {

// One row of the band table: a frequency strictly between the limits (MHz, single precision)
// lies in the band `name`.
struct BandRow {
    float lower, upper;
    const char* name;
};
// The band table in the order it is searched. The HF and VHF rows are the band edges widened by
// 0.0001 MHz on each side, so an edge frequency belongs to its band. The 10 GHz row is named
// "10G": a microwave report must not be taken for the 10 m band.
const QVector<BandRow>& bandTable();

// The table's band names in its order ("160" ... "440", "902" ... "10G", "30", "17", "12").
const QStringList& names();

// The band name of a frequency in MHz, empty when it lies in no band of the table.
QString bandOf(float mhz);

// Whether a frequency text as a contact keeps it (MHz, "7.012", ".500") lies in `band` (letter
// case ignored), compared in single precision as the rig's reports are. An empty text, one that
// does not read as a number, or a frequency outside every band lies in none.
bool frequencyInBand(const QString& mhzText, const QString& band);

}   // namespace Bands
