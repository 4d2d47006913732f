#pragma once
#include <array>
#include <memory>

#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AxisRendererBase.h"

namespace charts {

struct TextAttributes;

// Draws the horizontal axis of a bar-line chart: axis line, labels, vertical
// grid lines and vertical limit lines, and measures the longest label so
// that the chart can reserve room for it. Works only with an XAxis; with
// another axis, or none, it computes no size and draws nothing.
class XAxisRenderer : public AxisRendererBase {
public:
    XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                  std::shared_ptr<Transformer> transformer);

    // The visible x range: the content's left and right edges in values
    // (swapped when inverted) once zoomed in; the given range otherwise.
    void computeAxis(double min, double max, bool inverted) override;
    // The base's label values, then computeSize().
    void computeAxisValues(double min, double max) override;
    // The longest label's size before and after rotation, into the axis.
    virtual void computeSize();

    void renderAxisLabels(DrawingContext& context) override;
    void renderAxisLine(DrawingContext& context) override;
    void renderGridLines(DrawingContext& context) override;
    void renderLimitLines(DrawingContext& context) override;

    // One row of labels at y = pos; the anchor is in unit coordinates of a
    // label's box ((0.5, 1) puts its bottom centre at the point).
    virtual void drawLabels(DrawingContext& context, double pos, Point anchor);
    virtual void drawLabel(DrawingContext& context, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, Size constrainedToSize, Point anchor, double angleRadians);
    // The content rectangle widened by half the grid line width left and
    // right.
    virtual Rect gridClippingRect() const;
    // A vertical line at x across the content, when x lies within offsetLeft
    // and the chart width; y is not used.
    virtual void drawGridLine(DrawingContext& context, double x, double y);
    virtual void renderLimitLineLine(DrawingContext& context, const ChartLimitLine& limitLine, Point position);
    virtual void renderLimitLineLabel(DrawingContext& context, const ChartLimitLine& limitLine, Point position,
                                      double yOffset);

protected:
    // The axis line beside the labels of one side: the side of label
    // position top (topSide) or of bottom; here along the content's top or
    // bottom edge.
    virtual std::array<Point, 2> axisLineEnds(bool topSide) const;
    // The axis as an XAxis; none when it is absent or of another class.
    std::shared_ptr<XAxis> xAxisModel() const;

    // The axis line's two ends, reused for every segment stroked.
    std::array<Point, 2> axisLineSegmentsBuffer_{};
};

} // namespace charts
