#pragma once
// Program start: takes the lock of the program folder, records the program folder, shows the
// logo, resolves the per-user folders and opens the station setup.
namespace Startup {
// False when another copy of the program runs in this folder: the operator was told, and the
// caller ends the program without opening a window.
bool begin();
}   // namespace Startup
