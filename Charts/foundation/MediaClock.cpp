#include "Charts/foundation/MediaClock.h"

#include <chrono>

#include "Charts/foundation/ChartEnvironment.h"

namespace charts {

double mediaTime() {
    if (const MediaClock& clock = chartEnvironment().mediaClock) return clock();
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace charts
