#pragma once
#include "Charts/render/DataSetStyles.h"
#include "Charts/types/bubble/IBubbleChartDataSet.h"

namespace charts {

// A bubble set's look, read from the set once per set and frame: what the
// bubble renderer's draw loops read instead of the set's getters.
struct BubbleSetStyle {
    ColorCycleStyle colors;
    double maxSize = 0;
    bool normalizeSize = true;
    ValueLabelStyle values;

    static BubbleSetStyle of(const IBubbleChartDataSet& set);
};

} // namespace charts
