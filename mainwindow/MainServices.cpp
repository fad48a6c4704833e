#include "mainwindow/MainServices.h"

#include <map>

namespace MainServices {

namespace {
Rig* g_rig = nullptr;
SpotPanelFactory& factory()
{
    static SpotPanelFactory f;
    return f;
}
std::map<DeviceWindow, DeviceWindowCalls>& windows()
{
    static std::map<DeviceWindow, DeviceWindowCalls> w;
    return w;
}
}   // namespace

void setDeviceWindow(DeviceWindow w, DeviceWindowCalls calls) { windows()[w] = std::move(calls); }

void showDeviceWindow(DeviceWindow w)
{
    const auto it = windows().find(w);
    if (it != windows().end() && it->second.show)
        it->second.show();
}

void unloadDeviceWindow(DeviceWindow w)
{
    const auto it = windows().find(w);
    if (it != windows().end() && it->second.unload)
        it->second.unload();
}

Rig* rig() { return g_rig; }
void setRig(Rig* r) { g_rig = r; }

void setSpotPanelFactory(SpotPanelFactory f) { factory() = std::move(f); }

std::unique_ptr<SpotPanel> makeSpotPanel(MainFrame& window) { return factory() ? factory()(window) : nullptr; }

}   // namespace MainServices
