#pragma once
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/Legend.h"
#include "Charts/views/ChartOffsets.h"

namespace charts {

// What the offsets of a circular chart's legend depend on: the legend's
// settings and computed size, the view's size and the chart's geometry as
// it stands before the new offsets are applied.
struct PieRadarLegendInput {
    bool enabled = true;
    bool drawInside = false;
    Legend::Orientation orientation = Legend::Orientation::horizontal;
    Legend::HorizontalAlignment horizontalAlignment = Legend::HorizontalAlignment::left;
    Legend::VerticalAlignment verticalAlignment = Legend::VerticalAlignment::bottom;
    double neededWidth = 0;
    double neededHeight = 0;
    double textHeightMax = 0;
    double maxSizePercent = 0.95;
    double chartWidth = 0;
    double chartHeight = 0;
    Size bounds;
    // The middle of the view's bounds.
    Point midPoint;
    // The point angles and distances are measured from.
    Point center;
    double radius = 0;
    double requiredLegendOffset = 0;
    double requiredBaseOffset = 0;
};

// The room the legend takes on each side of a circular chart, each side
// with the required base offset added; all four 0 when the legend is
// disabled or drawn inside the chart.
//
// A vertical legend at the left or right takes its width plus 13 when it is
// centred vertically. At the top or bottom it takes only what it needs to
// stay clear of the circle: the room between its inner bottom corner and
// the circle's rim on the line from the centre (its whole width when the
// view is much taller than wide and the corner lies below the middle). A
// vertical legend centred horizontally takes its height at the top or the
// bottom. A horizontal legend takes its height and the required legend
// offset at the top or the bottom, at most the maximum share of the chart's
// height.
ChartOffsets pieRadarLegendOffsets(const PieRadarLegendInput& input);

} // namespace charts
