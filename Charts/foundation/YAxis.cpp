#include "Charts/foundation/YAxis.h"

#include <algorithm>
#include <cmath>

#include "Charts/drawing/NamedColors.h"
#include "Charts/foundation/ChartEnvironment.h"

namespace charts {

YAxis::YAxis(AxisDependency position) : zeroLineColor_(named::gray()), axisDependency_(position) { setYOffset(0.0); }

Size YAxis::requiredSize() {
    const Size label = textMeasurer().size(getLongestLabel(), labelFont());
    double width = label.width + xOffset() * 2;
    const double height = label.height + yOffset() * 2;
    const double limit = maxWidth_ > 0 ? maxWidth_ : width;
    width = std::min(width, limit);
    // Written out so that an incomparable (NaN) width takes the minimum.
    width = minWidth_ < width ? width : minWidth_;
    return Size{width, height};
}

bool YAxis::needsOffset() const {
    return isEnabled() && isDrawLabelsEnabled() && labelPosition_ == LabelPosition::outsideChart;
}

void YAxis::calculate(double dataMin, double dataMax) {
    double minimum = isAxisMinCustom() ? axisMinimum() : dataMin;
    double maximum = isAxisMaxCustom() ? axisMaximum() : dataMax;
    if (minimum > maximum) {
        if (isAxisMinCustom() && isAxisMaxCustom()) {
            storeRange(axisMinimum(), axisMaximum());
            return;
        }
        if (isAxisMaxCustom()) {
            minimum = maximum < 0 ? maximum * 1.5 : maximum * 0.5;
        } else if (isAxisMinCustom()) {
            maximum = minimum < 0 ? minimum * 0.5 : minimum * 1.5;
        }
    }
    // Taken before the widening, so equal values get one unit each side and
    // no fractional space.
    const double range = std::fabs(maximum - minimum);
    if (maximum - minimum == 0) {
        maximum = maximum + 1;
        minimum = minimum - 1;
    }
    const double newMinimum = isAxisMinCustom() ? axisMinimum() : minimum - range * spaceBottom_;
    const double newMaximum = isAxisMaxCustom() ? axisMaximum() : maximum + range * spaceTop_;
    storeRange(newMinimum, newMaximum);
}

} // namespace charts
