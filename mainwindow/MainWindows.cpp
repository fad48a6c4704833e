#include "mainwindow/MainWindows.h"

#include <QPointer>

#include "mainwindow/Infrm.h"
#include "mainwindow/Outfrm.h"

namespace MainWindows {

namespace {
// The window of this run; cleared when the window is destroyed.
QPointer<MainFrame> g_window;
}   // namespace

void openMainWindow()
{
    if (!g_window) {
        if (chooseMainWindow() == Which::Out)
            g_window = new Outfrm;
        else
            g_window = new Infrm;
    }
    g_window->Show();
}

MainFrame* current() { return g_window; }

}   // namespace MainWindows
