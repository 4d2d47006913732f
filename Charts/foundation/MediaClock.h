#pragma once
#include <functional>

namespace charts {

// Seconds on a monotonic clock; animations, drag deceleration and animated
// view-port moves are timed by it. Steady-clock seconds unless a test put
// another clock in place (main thread, like the ticks that read it).
double mediaTime();

using MediaClock = std::function<double()>;

// A seam for tests: puts a clock in place for its lifetime and restores the
// previous one, so that time moves only when a test moves it. The product
// never replaces the steady clock.
class ScopedMediaClock {
public:
    explicit ScopedMediaClock(MediaClock clock);
    ~ScopedMediaClock();
    ScopedMediaClock(const ScopedMediaClock&) = delete;
    ScopedMediaClock& operator=(const ScopedMediaClock&) = delete;

private:
    MediaClock previous_;
};

} // namespace charts
