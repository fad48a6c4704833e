#pragma once
// Serial port numbers as the operator knows them (COM1 .. COM10 in every settings file) and the
// device paths they stand for on this machine. One rule for every serial user (rig, TNC, CW and
// push-to-talk lines, keyer device):
//   1. the environment variable VQPLOG_COMn, when set and not empty;
//   2. else a line "COMn=/dev/..." in comports.txt in the data folder (names without regard to
//      case; blanks around the parts ignored; the last line for n wins);
//   3. else /dev/ttyS(n-1).
#include <QString>

namespace Platform {

// The device path of serial port `n` (n >= 1); reads the environment and, when the variable is
// unset, comports.txt in `dataFolder` (which may be empty: no file is read then). Changes nothing.
// An n below 1 gives an empty text.
QString comPortPath(int n, const QString& dataFolder);

}   // namespace Platform
