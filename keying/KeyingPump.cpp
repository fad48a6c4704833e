#include "keying/KeyingPump.h"

#include <QCoreApplication>

namespace KeyingPump {

namespace {
std::function<void()>& replacement()
{
    static std::function<void()> f;
    return f;
}
}   // namespace

void pump()
{
    if (replacement())
        replacement()();
    else
        QCoreApplication::processEvents();
}

void setPump(std::function<void()> f) { replacement() = std::move(f); }

}   // namespace KeyingPump
