#pragma once
// What the tuning panel (rig/frmRigTune.h) decides, without widgets: the band presets, the step
// and scan arithmetic on the texts of its boxes, its key filter, and which frequency (if any) it
// hands to the rig window's ChangeFrequency.
//
// The panel keeps its state in its boxes: every function here takes the boxes' texts and gives
// the text to write back or the value to send. A text is numeric when it reads completely as a
// decimal number (Format::isNumeric; an empty text is not).
#include <QString>

#include <array>
#include <optional>

namespace RigTune {

// The sixteen band buttons cmdBand(0..15): caption (metres, the last three centimetres) and the
// preset in MHz.
struct BandPreset {
    const char* caption;
    double mhz;
};
extern const std::array<BandPreset, 16> BandPresets;

// The ten step buttons cmdTune(0..9): even indices step up, odd ones down.
struct TuneStep {
    const char* caption;
    double mhz;   // signed change of the frequency
};
extern const std::array<TuneStep, 10> TuneSteps;

// The scan steps, Option1 to Option5 (objectName, caption, MHz).
struct ScanStep {
    const char* name;
    const char* caption;
    double mhz;
};
extern const std::array<ScanStep, 5> ScanSteps;
constexpr int DefaultScanStep = 3;   // Option4, "10 Hz"

// The six mode buttons (objectName, caption with its access key, the mode text passed on).
struct ModeButton {
    const char* name;
    const char* caption;
    const char* mode;
};
extern const std::array<ModeButton, 6> ModeButtons;

// Reads nothing; true when `text` is a whole decimal number.
bool isNumeric(const QString& text);

// The text a band button writes into the frequency box ("1.9", "52"); empty for a bad index.
QString presetText(int index);

// A step press: the box read as a number plus `deltaMhz`, as text of at most 15 significant
// digits without trailing zeros (14.175 + 0.001 gives "14.176"). No value when the box is not
// numeric. The result is not limited to any band and may be 0 or negative.
std::optional<QString> steppedText(const QString& freqText, double deltaMhz);

// A scan frequency as the box shows it: at most five decimals, no trailing zeros, the point kept
// (14 shows as "14.", 0.5 as ".5").
QString scanText(float mhz);

// One scan tick: frequency + step (single precision); a result above the upper limit wraps to
// the lower limit itself. No value (the tick does nothing) unless the box and both limits are
// numeric and within single precision. The returned text goes into the box and is then sent.
std::optional<QString> scanTick(const QString& freqText, const QString& fromText, const QString& toText,
                                double stepMhz);

// The key filter of the three boxes: Backspace and the codes 46-57 (point, slash, digits) pass,
// every other key becomes 0 (discarded).
int filterKey(int keyAscii);
// Pasted text keeps only the characters the key filter lets through.
QString filterPasted(const QString& text);

// What Go hands to ChangeFrequency for the box's text, given the selected model (`rigType`,
// compared exactly), its frequency query and the VFO the radio last reported. No value (nothing
// is sent) when the text is not numeric, the model is "None" (or empty, as before the first
// set-up), or the value is not a frequency the model's set-frequency command can carry: 0 or
// below, beyond single precision, rounding to no whole hertz, or more digits than the command
// holds. A model without a command of its own ("Other") gets any frequency above 0, which the
// rig window then leaves unsent.
std::optional<float> frequencyToSend(const QString& freqText, const QString& rigType, const QString& freqQuery,
                                     int vfo);

}   // namespace RigTune
