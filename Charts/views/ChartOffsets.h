#pragma once

namespace charts {

// The four margins of a content rectangle, in view pixels.
struct ChartOffsets {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    friend bool operator==(const ChartOffsets&, const ChartOffsets&) = default;
};

} // namespace charts
