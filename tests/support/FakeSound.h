#pragma once
#include <QString>
#include <QStringList>

#include "platform/Sound.h"

namespace Platform {

// Test double: while it lives, every new player is a recording fake. Its players read the real
// file's header (a missing or broken file fails to open) and time their playing on
// Platform::clock(), exactly as production does.
class FakeSound {
public:
    FakeSound();
    ~FakeSound();
    FakeSound(const FakeSound&) = delete;
    FakeSound& operator=(const FakeSound&) = delete;

    // Set false to pretend that no sound output exists.
    bool deviceAvailable = true;
    // Set true for a device that stalls: a started playing never ends by itself (only stop or
    // close end it).
    bool stalled = false;
    // What the players did, in order: "open <path>", "play <path>", "stop <path>", "close <path>".
    QStringList events;
    // The files whose playing started, in order.
    QStringList played;
    // Players made so far.
    int playersMade = 0;
};

}   // namespace Platform
