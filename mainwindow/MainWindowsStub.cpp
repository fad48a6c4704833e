// Until the main windows exist: the choice between them, and a show that opens nothing.
#include "mainwindow/MainWindows.h"

#include "core/Globals.h"

namespace MainWindows {
Which chooseMainWindow() { return G.OutOfStateFlag != 0 ? Which::Out : Which::In; }
void showMainWindow() {}
}
