#pragma once
#include <cmath>
#include <optional>

namespace charts {

// The scale limit that shows `visibleRange` of an axis spanning `axisRange`;
// none for a visible range that is not positive and finite, or so small that
// the scale would be infinite. Handed on, a zero range would make a minimum
// scale infinite (the chart zooms in without end) or a maximum scale no
// limit at all, and a negative or NaN one has no meaning.
inline std::optional<double> scaleForVisibleRange(double axisRange, double visibleRange) {
    if (!(visibleRange > 0) || !std::isfinite(visibleRange)) return std::nullopt;
    const double scale = axisRange / visibleRange;
    if (!std::isfinite(scale)) return std::nullopt;
    return scale;
}

} // namespace charts
