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
} // namespace

void endProgram()
{
    if (hook()) {
        hook()();
        return;
    }
    // At once: no window unloads, no destructors that could write files.
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

void setEndProgramHook(std::function<void()> h) { hook() = std::move(h); }

} // namespace Platform
