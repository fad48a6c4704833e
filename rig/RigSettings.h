#pragma once
// RigCntrl.txt, the rig window's settings file in the program folder: fourteen values, one a line
// in the list format: baud (text of 5 characters, space-padded), parity, data bits, stop bits,
// mode query, frequency query, line settings ("4800,N,8,2"), port number, power line ("N", "R",
// "D"), poll rate ("F", "M", "S", "R"), rig type, then three numbers: "Convert to Hex" (0/1),
// "Use Frequency" (0/1) and the mode source (1 Rig, 2 Frequency, 3 Don't Use).
#include <QByteArray>
#include <QString>

namespace Rig {

struct RigSettings {
    static constexpr int ItemCount = 14;

    QString RigBaud, RigParity, RigDataBits, RigStopBits, RigModeQuery, RigFreqQuery, RigCommSettings;
    int RigCommPort = 0;
    QString RigPowerLine, RigPollRate, RigType;
    int convToHex = 0, useFrequency = 0, modeSource = 0;

    // Items taken, in file order; reading stops at the first item that cannot be taken (a missing
    // value, a number that is not one or does not fit its kind).
    int itemsRead = 0;
    bool complete() const { return itemsRead == ItemCount; }
};

// The baud text as the settings keep it: exactly 5 characters, blanks on the right.
QString padBaud(const QString& baud);

RigSettings parseRigSettings(const QByteArray& data);
// Reads RigCntrl.txt from `folder` (name found without regard to case); itemsRead 0 when missing.
RigSettings readRigSettings(const QString& folder);
QByteArray formatRigSettings(const RigSettings& s);
// Replaces RigCntrl.txt in `folder`; false (logged) when it cannot be written.
bool writeRigSettings(const QString& folder, const RigSettings& s);

}   // namespace Rig
