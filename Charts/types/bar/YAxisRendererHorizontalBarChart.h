#pragma once
#include <memory>
#include <vector>

#include "Charts/render/YAxisRenderer.h"

namespace charts {

// A value axis of a horizontal bar chart, drawn horizontally: the left axis
// along the content's top edge, the right axis along its bottom edge, labels
// centred on their values above or below it, vertical grid lines, the zero
// line and vertical limit lines. The visible range is the horizontal one.
class YAxisRendererHorizontalBarChart : public YAxisRenderer {
public:
    using YAxisRenderer::YAxisRenderer;

    // The content's left and right edges in values once zoomed in
    // horizontally.
    void computeAxis(double min, double max, bool inverted) override;
    void renderAxisLabels(DrawingContext& context) override;
    // One row of labels with their tops at fixedPosition - offset (plus the
    // axis's label x offset), each centred on its position's x; the text
    // alignment is not used.
    void drawYLabels(DrawingContext& context, double fixedPosition, const std::vector<Point>& positions, double offset,
                     TextAlignment textAlign) override;
    // The content widened by half the grid line width left and right.
    Rect gridClippingRect() const override;
    // A vertical line at position.x across the content.
    void drawGridLine(DrawingContext& context, Point position) override;
    // The pixel positions of the points (entry, 0).
    std::vector<Point> transformedPositions() const override;
    void renderLimitLines(DrawingContext& context) override;

protected:
    // Along the content's top edge for the left axis, its bottom edge for the
    // right one.
    std::array<Point, 2> axisLineEnds(const YAxis& yAxis) const override;
    // The zero line runs down the content one point left of value 0.
    std::array<Point, 2> zeroLineEnds(const Transformer& trans) const override;
};

} // namespace charts
