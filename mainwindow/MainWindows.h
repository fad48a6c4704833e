#pragma once
// Which main window a run uses, and opening it. The station setup's Done calls showMainWindow():
// Outfrm for a station outside the contest state (OutOfStateFlag 1), Infrm otherwise. Exactly one
// of the two windows is created in a run; the choice holds until the program ends.
namespace MainWindows {

enum class Which { Out, In };

// The window G.OutOfStateFlag names: 1 (or any value but 0) Outfrm, 0 Infrm.
Which chooseMainWindow();

// Creates the chosen window on first use and shows it (its first show runs its load).
void showMainWindow();

} // namespace MainWindows

class MainFrame;
namespace MainWindows {
// The main window of this run, or nullptr before showMainWindow().
MainFrame* current();
} // namespace MainWindows
