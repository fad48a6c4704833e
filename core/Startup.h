#pragma once
// Program start: records the program folder, shows the logo, resolves the per-user folders and
// opens the station setup.
namespace Startup {
void begin();
}
