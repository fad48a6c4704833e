#pragma once
// Wires the calls that go up the layers: the station setup (core/) opens the main window and
// loads the keyer windows through hooks that this installs; the log menus get the program's tool
// windows, and the main window reaches the rig window through the rig service it installs. It
// also maps the design's font names to this machine's fonts of the same widths.
// main.cpp calls it once before the start; the tests' main does too, so every test runs with the
// program's wiring.
void installAppHooks();
