#pragma once
// Which main window a run uses, and the call that opens it. The station setup's Done chooses and
// opens: Outfrm for a station outside the contest state (OutOfStateFlag 1), Infrm otherwise.
// Exactly one of the two windows is created in a run; the choice holds until the program ends.
// The windows live in mainwindow/, above this folder, so the opener is installed at start
// (installAppHooks, mainwindow/AppHooks.h).
#include <functional>

namespace MainWindows {

enum class Which { Out, In };

// The window G.OutOfStateFlag names: 1 (or any value but 0) Outfrm, 0 Infrm.
Which chooseMainWindow();

// Installs what showMainWindow() runs; an empty function removes it.
void setOpener(std::function<void()> opener);

// Creates the chosen window on first use and shows it (its first show runs its load). Without
// an installed opener nothing opens and a warning is logged.
void showMainWindow();

}   // namespace MainWindows
