#pragma once
// The installed band plan (BandPlan.txt in the program folder, list format): an effective date,
// then records of band, licence class, mode ("CW", "PH" or another text), low and high edge in
// MHz. The rig window keeps the Extra class rows ("E", exactly) to choose the mode a new frequency
// is set in: CW in a CW segment, the usual sideband in a phone segment, nothing on 160 m.
#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace Rig {

struct BandPlanRow {
    QString band, cls, mode;
    float low = 0, high = 0;
};

// At most this many Extra rows are held; the rest of the file is read past.
constexpr int MaxExtraPlanRows = 200;

// The class "E" rows of BandPlan.txt data in file order. The date is dropped; a record whose edges
// are not numbers is skipped; an incomplete last record is dropped. Reads nothing else.
QVector<BandPlanRow> extraPlanRows(const QByteArray& data);
// The bytes of BandPlan.txt in `folder` (name found without regard to case); no value, and a
// warning in vqplog.rig, when it is missing or unreadable.
std::optional<QByteArray> readBandPlanData(const QString& folder);
// Reads BandPlan.txt from `folder` (name found without regard to case); empty when it is missing.
QVector<BandPlanRow> loadExtraPlanRows(const QString& folder);

// The mode for `mhz` by the first row with low < mhz < high: "" on band "160", "USB" for "PH"
// ("LSB" on "80", "60" and "40"), any other mode text unchanged. No value when no row holds it.
std::optional<QString> bandPlanMode(const QVector<BandPlanRow>& rows, float mhz);

}   // namespace Rig
