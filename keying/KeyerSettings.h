#pragma once
// Reading the keyer windows' settings files at start: CW.txt (18 values) for the CW keyer and
// wave2.txt (13 values) for the voice keyer, both one value per line in the list format in the
// program folder. The windows put the values into their boxes; what a value means and when a
// file counts as broken is decided here.
#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace KeyerSettings {

// CW.txt, values in file order. Reading stops at the first value that cannot be taken; the
// values before it are still given to the window (valuesRead), the keying option is chosen only
// when the whole file was taken (complete).
struct CWSettings {
    static constexpr int ValueCount = 18;

    std::array<QString, 9> messages;   // 1-9: F1..F9 (Text1..Text9); an empty F9 is "VVV DE "
    QString port;                      // 10: Text10
    QString speed;                     // 11: Text11
    QString f10Message, f11Message;    // 12, 13: Text12, Text13
    QString wordSpace;                 // 14: txtSpace
    uint8_t keyMethod = 0;             // 15: CWKeyMethod
    QString parallelAddress;           // 16: Text14
    int echo = 0;                      // 17: Check1 (0, 1 or 2)
    QString repeatSeconds;             // 18: txtCWLoop
    int repeatIntervalMs = 0;          // tmrRepeat's interval, value 18 x 1000 ms

    int valuesRead = 0;      // values that reached their box (0..18)
    bool complete = false;   // all 18 taken, the repeat interval included
};

// wave2.txt. The voice keyer takes the file whole or not at all.
struct PhoneSettings {
    static constexpr int ValueCount = 13;

    std::array<QString, 9> wavePaths;   // 1-9: Text1..Text9
    QString port;                       // 10: Text10
    int pttLine = -1;                   // 11: 0 RTS (Option1), 1 DTR (Option2), 2 Parallel (Option3); -1 none
    QString repeatSeconds;              // 12: txtPHLoop
    int repeatIntervalMs = 0;           // tmrRepeat's interval, value 12 x 1000 ms
    QString parallelAddress;            // 13: Text11
};

// The F9 message an empty ninth value stands for.
inline const QString EmptyF9Message = QStringLiteral("VVV DE ");

CWSettings parseCW(const QByteArray& data);
// Reads CW.txt from the folder (the name is found without regard to case). A missing file gives
// valuesRead 0.
CWSettings readCW(const QString& folder);

// CW.txt as the CW window's Done writes it: the 18 values one per line, texts quoted, the keying
// method and the echo switch bare. valuesRead, complete and repeatIntervalMs are not written.
QByteArray formatCW(const CWSettings& s);

// WK.txt, the keyer device's settings in the data folder, eight values one per line.
struct WinkeySettings {
    uint8_t comPort = 0;                        // 1: bare
    QString wpm, weight, leadIn, tail, ratio;   // 2-6: quoted texts
    uint8_t pinConfig = 6;                      // 7: bare; may be missing (6)
    uint8_t mode = 0;                           // 8: bare; may be missing (0)
};
// What a read took: the values up to the first that failed, and whether it failed (a file that
// ends after line 6 has not failed).
struct WinkeyRead {
    WinkeySettings settings;
    int valuesRead = 0;    // 0..8
    bool failed = false;   // a value could not be taken (short file, a byte that is not one)
};
WinkeyRead parseWinkey(const QByteArray& data);
QByteArray formatWinkey(const WinkeySettings& s);

// Empty when the data is short or a value cannot be taken.
std::optional<PhoneSettings> parsePhone(const QByteArray& data);
std::optional<PhoneSettings> readPhone(const QString& folder);
// wave2.txt as the voice keyer's Done writes it: the nine paths trimmed, the port, the repeat
// pause and the parallel address as quoted texts, the push-to-talk line bare (0, 1 or 2).
// repeatIntervalMs is not written.
QByteArray formatPhone(const PhoneSettings& s);

// A repeat pause in seconds as a timer interval: seconds x 1000 rounded to whole ms (halves to
// even). An empty value is 0; a text that is not a number, or a negative one, gives no value.
std::optional<int> repeatInterval(const QString& seconds);

}   // namespace KeyerSettings
