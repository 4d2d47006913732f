#pragma once
#include <functional>

namespace charts {

// Seconds on a monotonic clock; animations, drag deceleration and animated
// view-port moves are timed by it. Steady-clock seconds unless a test put
// another clock in place (main thread, like the ticks that read it).
double mediaTime();

using MediaClock = std::function<double()>;

// Puts a clock in place for its lifetime and restores the previous one.
class ScopedMediaClock {
public:
    explicit ScopedMediaClock(MediaClock clock);
    ~ScopedMediaClock();
    ScopedMediaClock(const ScopedMediaClock&) = delete;
    ScopedMediaClock& operator=(const ScopedMediaClock&) = delete;

private:
    MediaClock previous_;
};

// A clock that moves only when told to, installed for its lifetime: for
// tests that fire display-link ticks by hand.
class ManualMediaClock {
public:
    explicit ManualMediaClock(double start = 0);

    double now() const { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
    ScopedMediaClock installed_;
};

} // namespace charts
