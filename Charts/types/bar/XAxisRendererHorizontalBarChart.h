#pragma once
#include <array>
#include <memory>

#include "Charts/render/XAxisRenderer.h"

namespace charts {

class BarChartView;

// The x axis of a horizontal bar chart, drawn vertically: its line along the
// content's left and/or right edge, its labels beside it (label position
// top puts them on the right, bottom on the left), horizontal grid lines and
// horizontal limit lines. The visible range is the vertical one.
class XAxisRendererHorizontalBarChart : public XAxisRenderer {
public:
    // The chart is held weakly; labels are drawn only while it has data.
    XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                                    std::shared_ptr<Transformer> transformer, std::weak_ptr<BarChartView> chart);
    XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                                    std::shared_ptr<Transformer> transformer) = delete;

    // The content's bottom and top edges in values once zoomed in vertically.
    void computeAxis(double min, double max, bool inverted) override;
    // The longest label's size; the widths leave 3.5 x offsets of room.
    void computeSize() override;
    void renderAxisLabels(DrawingContext& context) override;
    // One column of labels at x = pos.
    void drawLabels(DrawingContext& context, double pos, Point anchor) override;
    using XAxisRenderer::drawLabel;
    virtual void drawLabel(DrawingContext& context, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, Point anchor, double angleRadians);
    // The content heightened by half the grid line width above and below.
    Rect gridClippingRect() const override;
    // A horizontal line at y across the content, when y lies in it.
    void drawGridLine(DrawingContext& context, double x, double y) override;
    void renderLimitLines(DrawingContext& context) override;

    std::shared_ptr<BarChartView> chart() const { return chart_.lock(); }

protected:
    // The axis line of label position top runs down the content's right
    // edge, that of bottom down its left edge.
    std::array<Point, 2> axisLineEnds(bool topSide) const override;

private:
    std::weak_ptr<BarChartView> chart_;
    // The ends of a grid line, reused for every line.
    std::array<Point, 2> gridLineSegmentsBuffer_{};
};

} // namespace charts
