#pragma once
// The keyer device as the rest of the program calls it: one device per run, on the serial port
// G.WinkeyComPort, spoken to through Platform::KeyerDevice (platform/KeyerDevice.h). The
// functions keep the names and meanings of the keyer library the program was written against;
// bytes are passed by value. Every call returns within a bounded time, also when the device has
// stopped answering.
#include <cstdint>

namespace modWinKey {

// Result codes of wk_open.
enum : int32_t {
    WK_OK = 0,
    WK_NO_ECHO = -1,            // "No Echo Response"
    WK_ECHO_MISMATCH = -2,      // "Echo Mismatch"
    WK_NO_OPEN_RESPONSE = -3,   // "No Open Response"
    WK_COM_OPEN_FAILED = -4,    // "Com Open Failed"
    WK_GET_COM_ST = -5,         // "Get Com ST Failed"
    WK_SET_COM_ST = -6,         // "Set Com ST Failed"
    WK_ALREADY_OPEN = -8,       // "WK Already Open"
    WK_NOT_OPEN = -9,           // "WK Not Open"
};

// Opens the device on serial port `port` (its path by Platform::comPortPath with G.DataFolder).
// version is set to the device's version byte when it answered, else left 0.
int32_t wk_open(uint8_t& version, uint8_t port);
// Closes the device and releases its port (nothing when it is not open).
void wk_close();
void wk_wpm(uint8_t wpm);
void wk_weight(uint8_t weight);
void wk_ptt_leadtail(uint8_t leadIn, uint8_t tail);
void wk_ditdah_ratio(uint8_t ratio);
void wk_pincfg(uint8_t config);
void wk_setmode(uint8_t mode);
// Queues one character for sending. Control codes (below 32, 127) and codes above 127 are never
// passed to the device: there they would be commands.
void wk_char(uint8_t code);
// Above 4: the device cannot take another character yet; above 0: it is still sending or holds
// characters not yet sent; 0: idle (or closed).
int32_t wk_getstatus();
// Drops every character the device has not sent yet.
void wk_clearbuf();
// Takes back the last character queued and not yet sent.
void wk_backspace();

// Whether the device's port is still open (false once a write found the port gone).
bool deviceIsOpen();

}   // namespace modWinKey
