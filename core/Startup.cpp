#include "core/Startup.h"

#include "core/frmSplash.h"

namespace Startup {

void begin()
{
    // The start form runs the whole start-up in its load and unloads itself; it is never shown.
    auto* splash = new frmSplash();
    splash->Form_Load();
}

} // namespace Startup
