#include "Charts/types/bubble/BubbleSetStyle.h"

namespace charts {

BubbleSetStyle BubbleSetStyle::of(const IBubbleChartDataSet& set) {
    return BubbleSetStyle{ColorCycleStyle{set.colors(), set.color(0)}, set.maxSize(), set.isNormalizeSizeEnabled(),
                          ValueLabelStyle::of(set)};
}

} // namespace charts
