#include "rig/RigTune.h"

#include <cfloat>
#include <cmath>

#include "core/Format.h"
#include "rig/RigProtocol.h"

namespace RigTune {

const std::array<BandPreset, 16> BandPresets = {{
    {"160", 1.9},
    {"80", 3.75},
    {"60", 5.368},
    {"40", 7.15},
    {"30", 10.13},
    {"20", 14.175},
    {"17", 18.118},
    {"15", 21.225},
    {"12", 24.94},
    {"10", 28.5},
    {"6", 52},
    {"2", 146},
    {"1.25", 223.5},
    {"70", 435},
    {"33", 915},
    {"23", 1270},
}};

const std::array<TuneStep, 10> TuneSteps = {{
    {"10 Hz", 0.00001},
    {"10 Hz", -0.00001},
    {"1 MHz", 1},
    {"1 MHz", -1},
    {"5 KHz", 0.005},
    {"5 KHz", -0.005},
    {"1 KHz", 0.001},
    {"1 KHz", -0.001},
    {"100 Hz", 0.0001},
    {"100 Hz", -0.0001},
}};

const std::array<ScanStep, 5> ScanSteps = {{
    {"Option1", "500 Hz", 0.0005},
    {"Option2", "100 Hz", 0.0001},
    {"Option3", "30 Hz", 0.00003},
    {"Option4", "10 Hz", 0.00001},
    {"Option5", "2.5 KHz", 0.0025},
}};

const std::array<ModeButton, 6> ModeButtons = {{
    {"cmdCW", "&CW", "CW"},
    {"cmdUSB", "&USB", "USB"},
    {"cmdLSB", "&LSB", "LSB"},
    {"cmdAM", "&AM", "AM"},
    {"cmdFM", "&FM", "FM"},
    {"cmdRTTY", "&RTTY", "RTTY"},
}};

namespace {

// The number a numeric text holds when single precision can hold it.
std::optional<float> asSingle(const QString& text)
{
    if (!isNumeric(text))
        return std::nullopt;
    const double v = Format::toNumber(text);
    if (!(std::fabs(v) <= double(FLT_MAX)))
        return std::nullopt;
    return float(v);
}

bool passesKeyFilter(int keyAscii) { return keyAscii == 8 || (keyAscii >= 46 && keyAscii <= 57); }

}   // namespace

bool isNumeric(const QString& text) { return Format::isNumeric(text); }

QString presetText(int index)
{
    if (index < 0 || index >= int(BandPresets.size()))
        return {};
    return Format::number(BandPresets[size_t(index)].mhz);
}

std::optional<QString> steppedText(const QString& freqText, double deltaMhz)
{
    if (!isNumeric(freqText))
        return std::nullopt;
    return Format::number(Format::toNumber(freqText) + deltaMhz);
}

QString scanText(float mhz)
{
    QString s = QString::number(double(mhz), 'f', 5);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    // The whole part has no digit of its own when it is zero (".5").
    const qsizetype digitsFrom = s.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (s.mid(digitsFrom).startsWith(QLatin1String("0.")))
        s.remove(digitsFrom, 1);
    return s;
}

std::optional<QString> scanTick(const QString& freqText, const QString& fromText, const QString& toText, double stepMhz)
{
    const std::optional<float> freq = asSingle(freqText), from = asSingle(fromText), to = asSingle(toText);
    if (!freq || !from || !to)
        return std::nullopt;
    float next = float(double(*freq) + stepMhz);
    if (!(next <= *to))
        next = *from;
    return scanText(next);
}

int filterKey(int keyAscii) { return passesKeyFilter(keyAscii) ? keyAscii : 0; }

QString filterPasted(const QString& text)
{
    QString out;
    for (QChar c : text)
        if (passesKeyFilter(c.unicode()) && c.unicode() != 8)
            out += c;
    return out;
}

std::optional<float> frequencyToSend(const QString& freqText, const QString& rigType, const QString& freqQuery, int vfo)
{
    if (rigType == QLatin1String("None") || rigType.isEmpty())
        return std::nullopt;
    const std::optional<float> mhz = asSingle(freqText);
    if (!mhz || !Rig::frequencyUnits(*mhz, 6))
        return std::nullopt;
    switch (Rig::familyOf(rigType)) {
    case Rig::Family::None:
    case Rig::Family::Other: return mhz;
    case Rig::Family::Pegasus: return Rig::Pegasus::command(*mhz, QString()).isEmpty() ? std::nullopt : mhz;
    default: return Rig::frequencyCommand(rigType, *mhz, freqQuery, vfo).isEmpty() ? std::nullopt : mhz;
    }
}

}   // namespace RigTune
