#pragma once
// Ending the program at once, for errors after which going on could overwrite the user's data
// (an unreadable log), and for the Exit command. No window unloads and nothing is saved.
// Tests install a hook that records the call instead; the caller then goes on and must leave
// memory in a state that overwrites nothing.
#include <functional>

namespace Platform {

// Ends the process at once (exit status 1), or calls the installed hook and returns.
void endProgram();
// The same for the operator's own way out (File > Exit): exit status 0.
void endProgramNormally();

// Installs a hook that endProgram calls instead of ending the process; an empty function
// restores the production behaviour.
void setEndProgramHook(std::function<void()> hook);

}   // namespace Platform
