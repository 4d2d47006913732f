#pragma once
#include <memory>

#include "Charts/render/XAxisRenderer.h"

namespace charts {

class RadarChartView;

// The spoke labels of a radar chart: one label per spoke just beyond its
// end, turned by the axis's label rotation. No axis line, grid or limit
// lines. The chart is held weakly.
class XAxisRendererRadarChart : public XAxisRenderer {
public:
    XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                            std::weak_ptr<RadarChartView> chart);

    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<RadarChartView> chart) { chart_ = std::move(chart); }

    void renderAxisLabels(DrawingContext& context) override;
    // A radar chart has no x limit lines.
    void renderLimitLines(DrawingContext&) override {}

    using XAxisRenderer::drawLabel;
    // The text placed by the anchor (unit coordinates of its box) at the
    // point and turned by the angle about it.
    virtual void drawLabel(DrawingContext& context, const QString& formattedLabel, double x, double y,
                           const TextAttributes& attributes, Point anchor, double angleRadians);

private:
    std::weak_ptr<RadarChartView> chart_;
};

} // namespace charts
