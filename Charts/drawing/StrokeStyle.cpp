#include "Charts/drawing/StrokeStyle.h"

namespace charts {

std::vector<double> gradientStops(const Gradient& gradient) {
    const std::size_t count = gradient.colors.size();
    if (gradient.locations.size() == count) return gradient.locations;
    std::vector<double> stops(count, 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        stops[i] = count == 1 ? 0.0 : static_cast<double>(i) / static_cast<double>(count - 1);
    }
    return stops;
}

} // namespace charts
