#pragma once
// Showing a top-level window application-modal from code that waits for it to be done: the
// caller's event loop is suspended in a local one until the window is hidden (a Done button, an
// accepted close) or destroyed.
class QWidget;

namespace ModalWindow {

// Restores a minimised window, shows it, raises it and gives it the focus.
void bringToFront(QWidget& w);

// Shows `w` application-modal and returns when it is hidden or goes away; its modality is then
// what it was before. A window already on the screen (opened modelessly) is only brought to the
// front.
void show(QWidget& w);

}   // namespace ModalWindow
