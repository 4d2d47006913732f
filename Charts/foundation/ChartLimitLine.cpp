#include "Charts/foundation/ChartLimitLine.h"

#include <algorithm>

#include "Charts/foundation/PlatformStyle.h"

namespace charts {

ChartLimitLine::ChartLimitLine()
    : lineColor_(QColor::fromRgbF(237 / 255.0, 91 / 255.0, 91 / 255.0, 1.0)),
      valueTextColor_(labelColor()),
      valueFont_(systemFont(13)) {}

ChartLimitLine::ChartLimitLine(double limit) : ChartLimitLine() { limit_ = limit; }

ChartLimitLine::ChartLimitLine(double limit, QString label) : ChartLimitLine() {
    limit_ = limit;
    label_ = std::move(label);
}

void ChartLimitLine::setLineWidth(double width) {
    // Written as two tests so that a NaN width also ends inside the range.
    if (width > maximumLineWidth) {
        lineWidth_ = maximumLineWidth;
    } else if (!(width >= minimumLineWidth)) {
        lineWidth_ = minimumLineWidth;
    } else {
        lineWidth_ = width;
    }
}

} // namespace charts
