#include "core/Startup.h"

#include <QDir>

#include "core/Globals.h"

namespace Startup {
void begin() { G.ProgramFolder = QDir::currentPath(); }
}
