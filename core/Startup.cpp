#include "core/Startup.h"

#include <QDir>

#include "core/ProgramLock.h"
#include "core/frmSplash.h"
#include "platform/Prompts.h"

namespace Startup {

bool begin()
{
    // The program folder is the working directory at start; nothing is read from it before it
    // is known to be this copy's alone.
    const QString folder = QDir::currentPath();
    if (ProgramLock::acquire(folder) == ProgramLock::Result::InUse) {
        Platform::prompts().messageBox(ProgramLock::inUseText(folder), ProgramLock::InUseTitle, Platform::Buttons::Ok);
        return false;
    }
    // The start form runs the whole start-up in its load and unloads itself; it is never shown.
    auto* splash = new frmSplash();
    splash->Form_Load();
    return true;
}

}   // namespace Startup
