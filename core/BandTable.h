#pragma once
// The band table: every band the program knows, by name and frequency limits. The main windows
// search it by a rig frequency; the profile reader accepts only its names as a band; the Cabrillo
// and ADIF writers take each band's name in their format from it.
#include <QString>
#include <QStringList>
#include <QVector>

namespace Bands {

// One row of the band table: a frequency strictly between the limits (MHz, single precision)
// lies in the band `name`. `cabrillo` is the band's frequency field of a Cabrillo QSO line (the
// lower band edge in kHz below 30 MHz, the format's band name from 50 MHz up) and `adif` its
// ADIF band name: a metre band as its name and "M" ("20M", "1.25M", read by ADIF without regard to
// case), the bands from 420 MHz up by the format's centimetre names ("70cm").
struct BandRow {
    float lower, upper;
    const char* name;
    const char* cabrillo;
    const char* adif;
};
// The band table in the order it is searched. The HF and VHF rows are the band edges widened by
// 0.0001 MHz on each side, so an edge frequency belongs to its band. The 10 GHz row is named
// "10G": a microwave report must not be taken for the 10 m band.
const QVector<BandRow>& bandTable();

// The table's band names in its order ("160" ... "440", "902" ... "10G", "30", "17", "12").
const QStringList& names();

// The row of the band named `name` (compared without regard to case); null for a name the table
// does not hold.
const BandRow* find(const QString& name);

// The band name of a frequency in MHz, empty when it lies in no band of the table.
QString bandOf(float mhz);

// Whether a frequency text as a contact keeps it (MHz, "7.012", ".500") lies in `band` (letter
// case ignored), compared in single precision as the rig's reports are. An empty text, one that
// does not read as a number, or a frequency outside every band lies in none.
bool frequencyInBand(const QString& mhzText, const QString& band);

}   // namespace Bands
