#include "keying/modWinKey.h"

#include "core/Globals.h"
#include "platform/ComPorts.h"
#include "platform/KeyerDevice.h"

namespace modWinKey {

namespace {
Platform::KeyerDevice& device()
{
    static std::unique_ptr<Platform::KeyerDevice> d = Platform::createKeyerDevice();
    return *d;
}
}   // namespace

int32_t wk_open(uint8_t& version, uint8_t port)
{
    if (device().isOpen())
        return WK_ALREADY_OPEN;
    const QString path = Platform::comPortPath(port, G.DataFolder);
    if (path.isEmpty())
        return WK_COM_OPEN_FAILED;
    return device().open(path, version);
}

void wk_close() { device().close(); }
void wk_wpm(uint8_t wpm) { device().setSpeed(wpm); }
void wk_weight(uint8_t weight) { device().setWeight(weight); }
void wk_ptt_leadtail(uint8_t leadIn, uint8_t tail) { device().setPttLeadTail(leadIn, tail); }
void wk_ditdah_ratio(uint8_t ratio) { device().setRatio(ratio); }
void wk_pincfg(uint8_t config) { device().setPinConfig(config); }
void wk_setmode(uint8_t mode) { device().setMode(mode); }
void wk_char(uint8_t code) { device().sendChar(code); }
int32_t wk_getstatus() { return device().status(); }
void wk_clearbuf() { device().clearBuffer(); }
void wk_backspace() { device().backspace(); }
bool deviceIsOpen() { return device().isOpen(); }

}   // namespace modWinKey
