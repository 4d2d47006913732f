#include "Charts/types/bar/HorizontalBarHighlighter.h"

#include <cmath>

namespace charts {

HighlightPtr HorizontalBarHighlighter::getHighlight(double x, double y) {
    if (!data()) return nullptr;
    // The view handed over (y, x): the touch is at the pixel (y, x), and its
    // values come back as (value, entry x).
    const Point values = getValsForTouch(y, x);
    return highlightAt(values.y, values.x, y, x);
}

double HorizontalBarHighlighter::getDistance(double, double y1, double, double y2) { return std::fabs(y1 - y2); }

} // namespace charts
