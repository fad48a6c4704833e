#pragma once
// What every fuzz target shares: the stop on a broken promise, and Qt's messages kept quiet (the
// readers warn about every damaged input, which would only slow the run and bury a finding).
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

[[noreturn]] inline void broken(const char* what)
{
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

inline void quietMessages()
{
    static const bool installed = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        return true;
    }();
    (void)installed;
}

}   // namespace Fuzz
