#pragma once
// Connects the rig interface window to the main window: the start-up Test of the main window's
// load reaches RigControlfrm through MainServices::Rig; Ctrl+R and "&Rig Interface" show it
// modeless, and the main window's unload unloads it (CAT off where the radio needs it, port
// closed), both through the rig window's MainServices::DeviceWindow calls.
// Ctrl+F and "&Privileges" open the frequency-privileges window (rig/frmBandPlan.h) modally;
// Ctrl+G opens the tuning panel (rig/frmRigTune.h) modally.
namespace RigHookup {

// Installs the rig window's calls in MainServices. Calling it again installs them again (tests
// replace them with their own).
void install();

}   // namespace RigHookup
