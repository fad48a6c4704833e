#pragma once
// Opening the main window of the run (the choice itself is core/MainWindowChoice.h).
// installAppHooks makes openMainWindow what MainWindows::showMainWindow() runs.
#include "core/MainWindowChoice.h"

class MainFrame;

namespace MainWindows {

// Creates the window chooseMainWindow() names on first use and shows it.
void openMainWindow();

// The main window of this run, or nullptr before it was opened.
MainFrame* current();

}   // namespace MainWindows
