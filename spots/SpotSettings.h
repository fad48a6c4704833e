#pragma once
// PackSpot.txt, the DX-spotting settings in ProgramFolder: fourteen list-format items in a fixed
// order (TNC speed, parity, data bits, stop bits, port number, power line, source, a reserved
// flag, handshaking, "List DX Only", list-or-band-map, TNC command character, telnet port, telnet
// host). Written whole on Done through an atomic replace; read once when the window loads.
#include <QByteArray>
#include <QString>

namespace Spots {

struct SpotSettings {
    QString TNCBaudRate, TNCParity, TNCDataBits, TNCStopBits;
    int TNCCommPort = 0;   // 0..255 in the file; 1..10 is a port
    QString TNCPowerLine, SpotSource;
    int reserved = 0;         // item 8: kept and written back
    int TNCHandshaking = 0;   // 0..255 in the file; 1..4 meaningful
    int listDxOnly = 0;       // item 10: written, never applied
    bool optList = false;     // item 11: spots as a list (true) or band map
    QString txtHex, txtTelnetPort, txtTelnetHost;
};

// Reads the items in order into `s`; returns how many were read (14 = the whole file). Reading
// stops at the first item that is missing or does not fit its kind (a port or handshaking number
// outside 0..255, a reserved flag outside 16 bits); the items before it keep their new values.
int readSpotSettings(const QByteArray& data, SpotSettings& s);
// The file's bytes for `s`.
QByteArray writeSpotSettings(const SpotSettings& s);

// The file in `folder` (found without regard to case). load: -1 when missing or unreadable
// (nothing is changed then), else the count as above. save: false with `error` when the file
// cannot be written; a failed save leaves the old file whole.
int loadSpotSettings(const QString& folder, SpotSettings& s);
bool saveSpotSettings(const QString& folder, const SpotSettings& s, QString* error = nullptr);

}   // namespace Spots
