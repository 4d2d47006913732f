#pragma once
// A media clock that moves only when a test moves it, for tests that fire
// display-link ticks by hand (animations, drag deceleration, animated
// view-port moves).
#include "Charts/foundation/MediaClock.h"

namespace charts::testing {

// Installed as the media clock for its lifetime; the previous clock comes back
// when it goes.
class ManualMediaClock {
public:
    explicit ManualMediaClock(double start = 0) : now_(start), installed_([this] { return now_; }) {}
    ManualMediaClock(const ManualMediaClock&) = delete;
    ManualMediaClock& operator=(const ManualMediaClock&) = delete;

    double now() const { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
    ScopedMediaClock installed_;
};

} // namespace charts::testing
