#pragma once
// The rig poll cycle: one tick of the rig window's poll timer either sends the model's queries or
// reads and decodes what the radio answered, then hands frequency and mode to the main window.
// A query and its reply take two ticks. Plain C++ over a serial line; the window owns one and
// calls tick() from its timer.
//
// Every tick is bounded: the send step writes a few bytes, the read step takes at most
// MaxReadPerTick bytes (a radio that floods the line is read in slices, one per read step, and
// the window keeps running). A radio that stays silent gives empty read steps: nothing is decoded,
// shown or handed over.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace Platform {
class SerialLine;
}

namespace Rig {

// "Mode by:" of the rig window.
enum class ModeSource { Rig = 1, Frequency = 2, DontUse = 3 };

struct PollSettings {
    QString rigType;   // G.RigType
    QString freqQuery, modeQuery;
    bool convToHex = false;     // "Convert to Hex" (used by "Other")
    bool useFrequency = true;   // "Use Frequency"
    ModeSource modeSource = ModeSource::Rig;
    bool hexDisplay = false;   // "Convert from Hex": the reply is shown as spaced hex
    bool windowVisible = false;
};

// What a read step shows in the rig window's labels (only while the window is visible).
struct Shown {
    std::optional<QString> lblFreq, lblMode, lblUnProcess;
};

class RigPoll {
public:
    static constexpr qint64 MaxReadPerTick = 4096;

    // Poll state, as the window's members of the same names.
    uint8_t RigPollPhase = 0;     // 0: the next tick sends; else it reads
    uint8_t RigQueryToggle = 0;   // families asked in turn: 0 = frequency query next
    QByteArray RigReply;
    float RigFreq = 0;   // MHz; 0 until the first decode
    QString RigMode;     // "CW", "PH" (757: also "AM", "FM"); empty until decoded
    int RigVFO = 10;     // reported VFO (1 = B); 10 = not reported

    // Where decoded values go (Form1.BandFreqConversion / ModeSelection in the program).
    std::function<void(float&)> bandFreqConversion;
    std::function<void(QString&)> modeSelection;
    // PEGASUS.OUT's content, or no value when it cannot be read.
    std::function<std::optional<QByteArray>()> readPegasusStatus;

    // One tick. `line` is the rig's serial line (unused for the Pegasus). Returns what to show.
    Shown tick(const PollSettings& s, Platform::SerialLine* line);

    // The lblFreq text of a frequency: five decimals, no leading zero below 1 MHz (".47500").
    static QString frequencyLabel(float mhz);

private:
    bool sendStep(const PollSettings& s, Platform::SerialLine* line);
    Shown readStep(const PollSettings& s, Platform::SerialLine* line);
};

// The poll timer's interval for a poll-rate letter ("F" 50, "M" 250, "S" 1000, "R" 5000 ms); no
// value for any other letter.
std::optional<int> pollInterval(const QString& letter);

}   // namespace Rig
