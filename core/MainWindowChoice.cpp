#include "core/MainWindowChoice.h"

#include "core/CoreLog.h"
#include "core/Globals.h"

namespace MainWindows {

namespace {
std::function<void()>& opener()
{
    static std::function<void()> f;
    return f;
}
}   // namespace

Which chooseMainWindow() { return G.OutOfStateFlag != 0 ? Which::Out : Which::In; }

void setOpener(std::function<void()> f) { opener() = std::move(f); }

void showMainWindow()
{
    if (opener())
        opener()();
    else
        qCWarning(lcCore) << "no main window to open: the window opener is not installed";
}

}   // namespace MainWindows
