#include "Charts/foundation/MediaClock.h"

#include <chrono>

namespace charts {

namespace {

double steadySeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

MediaClock& installedClock() {
    static MediaClock clock = steadySeconds;
    return clock;
}

} // namespace

double mediaTime() { return installedClock()(); }

ScopedMediaClock::ScopedMediaClock(MediaClock clock) : previous_(installedClock()) {
    if (clock) installedClock() = std::move(clock);
}

ScopedMediaClock::~ScopedMediaClock() { installedClock() = std::move(previous_); }

} // namespace charts
