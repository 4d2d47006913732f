#include "Charts/types/bar/BarSetStyle.h"

#include <algorithm>

namespace charts {

BarSetStyle BarSetStyle::of(const IBarChartDataSet& set) {
    BarSetStyle style;
    style.colors = ColorCycleStyle{set.colors(), set.color(0)};
    style.shadowColor = set.barShadowColor();
    style.borderWidth = set.barBorderWidth();
    style.borderColor = set.barBorderColor();
    style.highlightColor = set.highlightColor();
    style.highlightAlpha = set.highlightAlpha();
    style.stacked = set.isStacked();
    style.stackSize = style.stacked ? std::max<std::int64_t>(set.stackSize(), 1) : 1;
    style.values = ValueLabelStyle::of(set);
    return style;
}

} // namespace charts
