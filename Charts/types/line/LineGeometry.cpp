#include "Charts/types/line/LineGeometry.h"

#include <cmath>

namespace charts {

std::int64_t valueLabelOffset(double circleRadius, bool circlesDrawn) {
    const double scaled = circleRadius * 1.75;
    // Within the 32-bit range the conversion is exact; beyond it no label
    // offset makes sense.
    if (!std::isfinite(scaled) || std::fabs(scaled) > 2147483647.0) return 0;
    std::int64_t offset = static_cast<std::int64_t>(scaled);
    if (!circlesDrawn) offset /= 2;
    return offset;
}

} // namespace charts
