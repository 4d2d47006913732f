#pragma once
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

enum class TextAlignment;

// Where the axis renderers put their texts, as pure functions of the view
// port's edges and the measured text sizes. Pixels, y down.

// The bounding box of a box of the given size turned by the angle.
Size rotatedSize(Size size, double angleRadians);

// One row of x-axis labels: its y and the anchor of each label's box.
struct LabelRow {
    double pos = 0;
    Point anchor;
};

// The rows of the x axis for its label position: one row, or two for both
// sides (the top row first).
std::vector<LabelRow> xAxisLabelRows(XAxis::LabelPosition position, double contentTop, double contentBottom,
                                     double yOffset, double labelRotatedHeight);

// How far an x label moves so that the first and last labels stay inside
// the chart: the last one (of two or more) left by half its width when it is
// wider than twice the right offset and would run past the chart's width,
// the first one right by half its width.
double avoidClippingShift(std::int64_t index, std::int64_t count, double pixelX, double labelWidth, double offsetRight,
                          double chartWidth);

// The top-left corner of an unrotated label of the given size whose anchor
// (unit coordinates of its box) lies at (x, y).
Point anchoredLabelOrigin(double x, double y, Size size, Point anchor);

// The point a rotated label turns about: (x, y), moved by the rotated box
// so that the anchor lands on (x, y) (no move for a centre anchor).
Point rotatedLabelCenter(double x, double y, Size size, Point anchor, double angleRadians);

// The x of a vertical limit line's label and its top y, for the label
// position; xOffset and yOffset are the renderer's distances from the line
// and from the content's top or bottom.
Point xLimitLineLabelOrigin(ChartLimitLine::LabelPosition position, double lineX, double xOffset, double yOffset,
                            double textWidth, double labelLineHeight, double contentTop, double contentBottom);

// The same for a horizontal limit line at y.
Point yLimitLineLabelOrigin(ChartLimitLine::LabelPosition position, double lineY, double xOffset, double yOffset,
                            double textWidth, double labelLineHeight, double contentLeft, double contentRight);

// The x of the y axis's label column and the labels' alignment there.
struct LabelColumn {
    double x = 0;
    TextAlignment alignment;
};
LabelColumn yAxisLabelColumn(YAxis::AxisDependency dependency, YAxis::LabelPosition position, double offsetLeft,
                             double contentRight, double xOffset);

} // namespace charts
