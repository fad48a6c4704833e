#pragma once
// Connects the rig interface window to the main window: the start-up Test of the main window's
// load reaches RigControlfrm through MainServices::Rig, and the rig window is unloaded (CAT off
// where the radio needs it, port closed) when the program winds down.
namespace RigHookup {

// Installs the rig window as MainServices::rig() and its unload at the application's end.
// Calling it again installs the service again (tests replace it with their own).
void install();

} // namespace RigHookup
