#pragma once
#include <cstdint>

#include <QColor>

#include "Charts/render/DataSetStyles.h"
#include "Charts/types/bar/IBarChartDataSet.h"

namespace charts {

// A bar set's look, read from the set once per set and frame: what the bar
// renderers' draw loops read instead of the set's getters.
struct BarSetStyle {
    // The fill of rectangle j (the colours cycle by rectangle, so a stacked
    // set colours by stack position).
    ColorCycleStyle colors;
    QColor shadowColor;
    double borderWidth = 0;
    QColor borderColor;
    QColor highlightColor;
    double highlightAlpha = 1;
    bool stacked = false;
    // Rectangles per entry: the set's stack size when stacked, else 1.
    std::int64_t stackSize = 1;
    ValueLabelStyle values;

    static BarSetStyle of(const IBarChartDataSet& set);
};

} // namespace charts
