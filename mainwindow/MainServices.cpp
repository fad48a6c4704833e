#include "mainwindow/MainServices.h"

namespace MainServices {

namespace {
Rig* g_rig = nullptr;
SpotPanelFactory& factory()
{
    static SpotPanelFactory f;
    return f;
}
} // namespace

Rig* rig() { return g_rig; }
void setRig(Rig* r) { g_rig = r; }

void setSpotPanelFactory(SpotPanelFactory f) { factory() = std::move(f); }

std::unique_ptr<SpotPanel> makeSpotPanel(MainFrame& window)
{
    return factory() ? factory()(window) : nullptr;
}

} // namespace MainServices
