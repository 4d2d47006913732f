#pragma once
#include <array>
#include <memory>
#include <vector>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/YAxis.h"
#include "Charts/render/AxisRendererBase.h"

namespace charts {

enum class TextAlignment;

// Draws one vertical value axis of a bar-line chart: labels left or right of
// the content, axis line, horizontal grid lines, zero line and horizontal
// limit lines. Works only with a YAxis; with another axis, or none, it draws
// nothing.
class YAxisRenderer : public AxisRendererBase {
public:
    YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> yAxis,
                  std::shared_ptr<Transformer> transformer);

    void renderAxisLabels(DrawingContext& context) override;
    void renderAxisLine(DrawingContext& context) override;
    void renderGridLines(DrawingContext& context) override;
    void renderLimitLines(DrawingContext& context) override;

    // The labels of the axis entries in a column at x = fixedPosition, each
    // at its position's y plus offset, aligned left, right or centred at the
    // column. `positions` holds a point for every drawn entry.
    virtual void drawYLabels(DrawingContext& context, double fixedPosition, const std::vector<Point>& positions,
                             double offset, TextAlignment textAlign);
    // The content rectangle heightened by half the grid line width above and
    // below.
    virtual Rect gridClippingRect() const;
    // A horizontal line at position.y across the content.
    virtual void drawGridLine(DrawingContext& context, Point position);
    // The pixel positions of the points (0, entry) of the axis entries; empty
    // without an axis or a transformer.
    virtual std::vector<Point> transformedPositions() const;
    virtual void drawZeroLine(DrawingContext& context);

protected:
    // The axis line: down the content's left edge for a left axis, its
    // right edge for a right one.
    virtual std::array<Point, 2> axisLineEnds(const YAxis& yAxis) const;
    // The zero line: across the content at the pixel of value 0.
    virtual std::array<Point, 2> zeroLineEnds(const Transformer& trans) const;
    // The axis as a YAxis; none when it is absent or of another class.
    std::shared_ptr<YAxis> yAxisModel() const;
};

} // namespace charts
