#pragma once
// The device window commands of both main windows' Options and Band menus: the CW and voice
// keyer set-up (modal; the keyer windows stay loaded, their boxes are the settings in use), the
// voice navigation window (modeless, long-lived), the spectrum map and the band plan (modal,
// built afresh each time by their subsystems through MainServices). The rig interface item is
// wired by the frame and the DX-spotting item (QSOpref.txt saved, then the spot window) by the
// band-map panel, beside the rest of their subsystems' hook-up.
#include <functional>

class QAction;
class QObject;
class QString;
class QWidget;

namespace DeviceMenus {

// Connects the window's menu items (found by objectName; a missing one is passed over) to the
// commands below; `context` owns the connections.
void connectItems(QObject* context, const std::function<QAction*(const QString&)>& findAction);

void mnuCW_Click();
void mnuVoice_Click();
void mnuSpectrumMap_Click();
void mnuBlind_Click();
void mnuPrivileges_Click();

// Shows a top-level window application-modal and returns when it is hidden or closed. A window
// already on the screen (opened modelessly by its hot key) is only brought to the front.
void showModal(QWidget& w);

}   // namespace DeviceMenus
