#pragma once
// The widgets need an application; the benchmarks' main makes none, so the first widget
// benchmark makes one on the offscreen platform and keeps it for the run.
#include <QApplication>

inline void ensureApplication()
{
    if (QApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vqplog_bench";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);   // lives until the process ends
}
