#pragma once
// What the main window asks of the rig window and of its own band-map panel. The rig interface
// and the spot subsystem install their implementations here; until then (and in a run with
// RigType "None" and no spot source) nothing of them runs.
#include <QVariant>

#include <functional>
#include <memory>

class MainFrame;

namespace MainServices {

// The rig interface window, as far as the main window's load uses it.
class Rig {
public:
    virtual ~Rig() = default;
    // The rig window's "Test": loads the hidden rig window with its saved settings, opens the
    // rig's serial port and starts polling; a bad port is reported by the rig window itself.
    virtual void Command1_Click() = 0;
    // Tunes the radio to `qChangeFreq` MHz (the band map's right click, a spot list row); acts
    // only while the rig is polled. The caller's value is not changed. Nothing without a rig.
    virtual void ChangeFrequency(float& qChangeFreq) {}
};

// The band-map panel of one main window (spot list txtDX, band map lblDX with LineDX, the spot
// labels lblDXSpot and the tick labels lblFreqSpot).
class SpotPanel {
public:
    virtual ~SpotPanel() = default;
    // Switches the lower panel between spot list and band map, sets Form1's BandMapShown and
    // calls the window's SizeCountyLists when it makes room.
    virtual void PacketResize() = 0;
    // Stores one spot (call, frequency in kHz, spot line) and shows it.
    virtual void BandMapSpots(QVariant& qDXSpotCall, QVariant& qDXSpotFreq, QVariant& qDXSpotRecord) = 0;
    // Redraws the band map's spot labels for the current band.
    virtual void DisplayBandMapLabels() = 0;
    // Sets the band map's edges and scale labels for the current band.
    virtual void SetBandMapRange() = 0;
    // On activation: redraws the spot labels while the band map is shown.
    virtual void RefreshBandMap() = 0;
};

// The windows of other subsystems that the main window opens (hot keys, menus) and releases at
// shut-down. Each subsystem installs the calls of its window; a window with nothing installed
// was never made: showing it and unloading it do nothing.
enum class DeviceWindow {
    SpotWindow,    // PacketSpotfrm: modeless, normal window state
    SpectrumMap,   // modal, unloaded when it closes
    BandPlan,      // frmBandPlan: modal, unloaded when it closes
    RigTune,       // frmRigTune: modal, unloaded when it closes
    RigWindow,     // RigControlfrm: modeless
    RoverCounty,   // frmCountyChangeRover
    KeyerDevice,   // frmWinKey
};
struct DeviceWindowCalls {
    std::function<void()> show;     // shows the window as its opener expects (and, when
                                    // modal, unloads it after it closes)
    std::function<void()> unload;   // runs the window's unload when it is loaded
};
void setDeviceWindow(DeviceWindow w, DeviceWindowCalls calls);
void showDeviceWindow(DeviceWindow w);
void unloadDeviceWindow(DeviceWindow w);

// The rig window in use; nullptr when none is installed.
Rig* rig();
void setRig(Rig* r);   // the caller keeps ownership

// Makes the band-map panel of a main window when the window is created; none when unset.
using SpotPanelFactory = std::function<std::unique_ptr<SpotPanel>(MainFrame& window)>;
void setSpotPanelFactory(SpotPanelFactory f);
std::unique_ptr<SpotPanel> makeSpotPanel(MainFrame& window);

}   // namespace MainServices
