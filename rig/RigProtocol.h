#pragma once
// Rig control: what the program says to a transceiver and what it makes of the answers.
//
// Responsibilities
//   - The table of supported models (the rig window's list) with the serial-line defaults and the
//     poll queries each model brings.
//   - One interface per protocol family: the replies it decodes into a frequency (MHz), a mode
//     ("CW", "PH", from the 757 also "AM"/"FM") and, for the IF answer, the VFO; the bytes of its
//     set-frequency and set-mode commands. Every function here is pure: bytes in, values out.
//   - The hexadecimal texts of queries and of the reply display; the mode by sub-band.
//   The poll cycle that uses these lives in rig/RigPoll.h, the window in rig/RigControlfrm.h,
//   the band plan in rig/BandPlan.h and the serial line in platform/SerialPort.h.
//
// Thread: everything of the rig layer runs on the GUI thread, driven by the rig window's poll
//   timer; nothing blocks longer than a bounded wait (rig/RigPoll.h).
// Lifetime: the rig window is made on first use (the main window's start-up Test, Ctrl+R, the
//   menu, a tuning request), stays loaded, hidden or shown, and is unloaded at shut-down, which
//   sends the CAT-off bytes where a model needs them and closes the port.
// After a failure: a reply that does not decode changes nothing (the last good values stay); a
//   reply is decoded only when every byte of a field is there, so a cut-off or garbled answer never
//   gives a wrong value. A port that does not open is reported by the window ("Invalid Comm
//   Settings."); a failing poll step ends quietly and is tried again on the next tick. A port that
//   fails under the poll (an adapter pulled out) is closed at once and said as "Comm Port Lost"
//   in the window; polling then waits for the operator's Test.
//
// Rig traffic is bytes (QByteArray), never text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>
#include <optional>

namespace Rig {

// ---------------------------------------------------------------------------------------------
// Models

// How a model is asked and answered.
enum class Family : uint8_t {
    None,          // no rig interface
    Kenwood,       // "FA;" and "MD;" text answers (Kenwood, Elecraft)
    KenwoodIF,     // the "IF;" status answer (Kenwood 2)
    FTdx9000,      // "FA;" / "MD0;" text, asked in turn
    Orion,         // "?AF" / "?RMM" text ending in CR
    TenTecPanel,   // front-panel binary protocol ("?A" / "?M"), asked in turn
    Pegasus,       // status files of the radio's own control program; no serial port
    Yaesu,         // 5-byte commands, 5-byte frequency-and-mode answer
    Yaesu757,      // 5-byte commands, status block (757 GX II)
    Yaesu890,      // 5-byte commands, status block with binary frequency
    Yaesu920,
    Yaesu990,   // 990 and 1000 D
    Yaesu1000,
    Icom,    // CI-V frames (Icom, Ten Tec Omni VI, Icom 735), asked in turn
    Other,   // the operator's own queries; the reply is only shown
};

// One row of the model list. Line settings that a model leaves as the operator chose are empty
// (baud) or '\0' (parity, data bits, stop bits).
struct Model {
    QString name;   // exactly as listed and stored in RigCntrl.txt / QSOpref.txt
    Family family;
    QString baud;        // "4800", "1200", "56000"; empty: unchanged
    char dataBits;       // '7', '8' or 0
    char stopBits;       // '1', '2' or 0
    char parity;         // 'N', 'O', 'E' or 0
    QString freqQuery;   // txtFreq default
    QString modeQuery;   // txtMode default
    bool hexQueries;     // "Convert to Hex" ticked by the choice
    bool icomNote;       // the CI-V address note is shown
};

// The 19 models in list order ("None" first, "Other" last).
const QVector<Model>& models();
// The row of `name` (compared exactly, case included); nullptr for any other text.
const Model* findModel(const QString& name);
// The family of a rig type; Family::None for "None" and any unknown text.
Family familyOf(const QString& rigType);
// True for the models whose names begin with "Yaesu" except the FTdx9000: they get the CAT-on
// bytes when the port opens and the CAT-off bytes when the window unloads while polling.
bool usesYaesuCatOnOff(const QString& rigType);
QByteArray yaesuCatOn();    // 00 00 00 00 00
QByteArray yaesuCatOff();   // 00 00 00 00 80
QByteArray orionStart();    // "X" CR

// ---------------------------------------------------------------------------------------------
// Hexadecimal texts

// 0..15 as one upper-case digit; empty for anything else.
QString NibbleToHex(int v);
// The value of one hexadecimal digit (either case); -1 for any other character.
int hexValue(QChar c);
// "FE 03 " : every byte as two upper-case digits and one blank.
QString BytesToHexText(const QByteArray& bytes);
// "FE03" : the same without blanks.
QString BytesToHexPairs(const QByteArray& bytes);
// Pairs separated by one character ("FE FE 04 E0 03 FD"): the two characters at positions
// 1, 4, 7, ... (one at the very end) give one byte each. A piece that is not hexadecimal empties
// the whole result.
QByteArray HexTextToBytes(const QString& text);
// Unspaced pairs ("FEFE64E005"): positions 1, 3, 5, ...; a bad piece empties the result.
QByteArray HexPairsToBytes(const QString& text);
// The poll's fixed-position form: `count` bytes from positions 1, 4, 7, ... of a spaced query.
// No value when a piece is not hexadecimal or the text is too short.
std::optional<QByteArray> spacedQueryBytes(const QString& text, int count);

// ---------------------------------------------------------------------------------------------
// Replies

// What one decoder found; a field without a value was not (completely) in the reply.
struct Reading {
    std::optional<float> freq;      // MHz
    std::optional<QString> mode;    // "CW", "PH", "AM", "FM"
    std::optional<int> vfo;         // 0..9 (1 = VFO B)
    void merge(const Reading& r);   // r's values replace ours where r has them
};

// Hertz (or any whole count of `unitsPerMHz`) as MHz rounded to five decimals, single precision.
float mhzFromUnits(qint64 units, qint64 unitsPerMHz);

namespace Kenwood {
// The frequency answer that starts with the first two characters of `freqQuery` ("FA"): eleven
// digits of hertz after the marker and one more character after them.
Reading parseFreq(const QByteArray& reply, const QString& freqQuery);
// "MD" and its mode character: 3 and 7 (CW reversed) give CW, any other phone.
Reading parseMode(const QByteArray& reply);
// The "IF" status answer: frequency (11 digits after "IF"), mode at 29 characters after the
// marker (3 or 7: CW, else phone), VFO at 30 (a digit). Each field only when all of it is there.
Reading parseIF(const QByteArray& reply);
// "FA" + 11-digit hertz + ";"  (the marker from the query, "FB" for VFO B with the IF model).
QByteArray setFrequency(const QString& marker, float mhz);
// "MD3;" ... ; empty for a mode text the family has no command for.
QByteArray setMode(const QString& mode);
}   // namespace Kenwood

namespace FTdx9000 {
// Frequency: the marker (first two characters of `freqQuery`) and 8 digits of hertz.
// Mode: the marker (first three characters of `modeQuery`, "MD0") and one character:
// 3 or 7 (CW reversed) give CW, any other phone. Decoded independently.
Reading parse(const QByteArray& reply, const QString& freqQuery, const QString& modeQuery);
QByteArray setFrequency(const QString& freqQuery, float mhz);        // "FA" + 8 digits + ";"
QByteArray setMode(const QString& modeQuery, const QString& mode);   // "MD0" + digit + ";"
}   // namespace FTdx9000

namespace Orion {
// "@AF" + hertz + CR, the hertz blank-padded on the left below 10 MHz ("@AF 7030000");
// "@RMM" + mode digit (2, 3: CW; other digits phone).
Reading parseFreq(const QByteArray& reply);
Reading parseMode(const QByteArray& reply);
QByteArray setFrequency(float mhz);   // "*AF" + whole hertz + CR
}   // namespace Orion

namespace TenTecPanel {
// "A" + 4 bytes of hertz (most significant first); "M" + mode byte, low nibble 3 CW, 0-2 and 4
// phone.
Reading parseFreq(const QByteArray& reply);
Reading parseMode(const QByteArray& reply);
QByteArray setFrequency(float mhz);   // 2A 41, 4 bytes of hertz, 0D
}   // namespace TenTecPanel

namespace Yaesu {
// Generic 5-byte answer: 4 BCD bytes in 10 Hz units, most significant first, and a mode byte.
Reading parseStatus(const QByteArray& reply);
Reading parse757(const QByteArray& reply);
Reading parse890(const QByteArray& reply);
Reading parse920(const QByteArray& reply);
Reading parse990(const QByteArray& reply);
Reading parse1000(const QByteArray& reply);
// The generic command: 8 BCD digits of 10 Hz units, most significant first, then 01.
QByteArray setFrequencyGeneric(float mhz);
// The status-block models: the same digits least significant pair first, then 0A.
QByteArray setFrequencyReversed(float mhz);
QByteArray setModeGeneric(const QString& mode);    // P1 = mode, then 00 00 00 07
QByteArray setModeReversed(const QString& mode);   // 00 00 00, mode, 0C
}   // namespace Yaesu

namespace Icom {
// CI-V frames FE FE to from cmd data FD. The frequency answer (command 03) carries 5 BCD bytes
// least significant first (4 for the IC-735); the mode answer (04) its mode code first
// (03 and 07 CW, any other phone). A frame counts only when it is whole (ends in FD) and its
// data has the expected length; the echo of a query, which has no data, changes nothing.
Reading parseFreq(const QByteArray& reply, bool fourByteFrequency);
Reading parseMode(const QByteArray& reply);
// FE FE addr E0 05 <hertz, pairs least significant first> FD; the address is characters 7-8 of
// the frequency query. Empty when the address is not hexadecimal.
QByteArray setFrequency(const QString& freqQuery, float mhz, bool fourByteFrequency);
QByteArray setMode(const QString& freqQuery, const QString& mode);   // FE FE addr E0 06 code FD
}   // namespace Icom

namespace Pegasus {
// PEGASUS.OUT: a frequency in MHz and a mode text ("CW" is CW, any other non-empty text phone).
// A frequency below 0 or beyond what the serial answers can hold (eleven digits of hertz) gives
// nothing at all, as a first value that is not a number.
Reading parseStatus(const QByteArray& fileData);
// PEGASUS.IN: the MHz text and the mode, each line ended by CR LF.
QByteArray command(float mhz, const QString& mode);
// The folder of the exchange files: VQPLOG_PEGASUS_DIR, else the C: drive of the Windows
// compatibility layer's default prefix ($WINEPREFIX or ~/.wine, then drive_c/Pegasus).
QString folder();
}   // namespace Pegasus

// The decoders the poll's read step runs for `rigType` on one reply (Pegasus excluded: its status
// comes from a file). `toggle` is RigQueryToggle: 1 after a frequency query of the families that
// ask in turn.
Reading decodeReply(const QString& rigType, const QByteArray& reply, int toggle, const QString& freqQuery,
                    const QString& modeQuery);

// The mode of fixed sub-bands (the "Mode by: Frequency" option); no value outside them.
std::optional<QString> modeFromFrequency(float mhz);

// ---------------------------------------------------------------------------------------------
// Commands

// Frequency forms of the commands: the MHz value's shortest text of at most 7 significant digits
// (what the operator or the spot gave), scaled to units of 10^-exp10 MHz (exp10 = 6: hertz;
// 5: ten-hertz units) and rounded half to even. No value for 0, a negative or a non-finite number.
std::optional<qint64> frequencyUnits(float mhz, int exp10);
// `value` as `digits` decimal digits, zero-padded; empty when it needs more digits.
QString fixedDigits(qint64 value, int digits);
// Even-length digits cut into pairs, the pairs in reverse order ("01402500" -> "00254001").
QString pairsReversed(const QString& digits);
// The MHz text of a frequency: at most 7 significant digits, a point, no blanks ("14.025", "7").
QString mhzText(float mhz);

// The set-frequency command of `rigType` for `mhz`; empty when the model has none, when the
// frequency is 0 or below or too large for the command's digits, or when a query the command
// borrows from is malformed. `vfo` is RigVFO (1 = VFO B) for the IF model. Pegasus writes a file
// instead (Pegasus::command).
QByteArray frequencyCommand(const QString& rigType, float mhz, const QString& freqQuery, int vfo);
// The set-mode command of `rigType` for a mode text ("CW", "CW-R", "LSB", "USB", "AM", "FM",
// "RTTY", "RTTY-R", "FSK", "DIG", "PKT", compared exactly); empty when there is none.
QByteArray modeCommand(const QString& rigType, const QString& mode, const QString& freqQuery, const QString& modeQuery);
// Milliseconds to pause before the frequency command (and the extra pause of the Omni VI and the
// Elecraft); 0 for a model without a command.
int frequencyCommandPauseMs(const QString& rigType);
int frequencyCommandExtraPauseMs(const QString& rigType);

}   // namespace Rig
