#include "keying/modWinKey.h"

namespace modWinKey {

int32_t wk_open(uint8_t& version, uint8_t) { version = 0; return WK_COM_OPEN_FAILED; }
void wk_close() {}
void wk_wpm(uint8_t) {}
void wk_weight(uint8_t) {}
void wk_ptt_leadtail(uint8_t, uint8_t) {}
void wk_ditdah_ratio(uint8_t) {}
void wk_pincfg(uint8_t) {}
void wk_setmode(uint8_t) {}
void wk_char(uint8_t) {}
int32_t wk_getstatus() { return 0; }
void wk_clearbuf() {}
void wk_backspace() {}

} // namespace modWinKey
