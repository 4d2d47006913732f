#pragma once
#include <functional>

namespace charts {

// Seconds on a monotonic clock; animations, drag deceleration and animated
// view-port moves are timed by it. Steady-clock seconds unless the chart
// environment holds another clock (main thread, like the ticks that read it).
double mediaTime();

using MediaClock = std::function<double()>;

} // namespace charts
