#include "platform/Exit.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Platform {

namespace {
std::function<void()>& hook()
{
    static std::function<void()> h;
    return h;
}
void endWith(int status)
{
    if (hook()) {
        hook()();
        return;
    }
    // At once: no window unloads, no destructors that could write files.
    std::fflush(nullptr);
    std::_Exit(status);
}

}   // namespace

void endProgram() { endWith(EXIT_FAILURE); }

void endProgramNormally() { endWith(EXIT_SUCCESS); }

void setEndProgramHook(std::function<void()> h) { hook() = std::move(h); }

}   // namespace Platform
