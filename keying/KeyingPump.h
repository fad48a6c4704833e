#pragma once
// The keyers' one turn of the event loop between two characters: key handlers, timers and other
// windows run there, and may change what is still to be sent. Tests replace it to act at a chosen
// turn.
#include <functional>

namespace KeyingPump {

// Runs the events that are waiting, then returns.
void pump();
// Replaces the pump (an empty function restores the event loop's).
void setPump(std::function<void()> f);

}   // namespace KeyingPump
