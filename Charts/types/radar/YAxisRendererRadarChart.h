#pragma once
#include <memory>

#include "Charts/render/YAxisRenderer.h"

namespace charts {

class RadarChartView;

// The radial axis of a radar chart: its label values (with the radar's own
// rounding, which also fixes the axis's bounds and range to its first and
// last value), its labels along the spoke at the rotation angle, and its
// limit lines as polygons around the web. The chart is held weakly.
class YAxisRendererRadarChart : public YAxisRenderer {
public:
    YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> yAxis,
                            std::weak_ptr<RadarChartView> chart);

    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<RadarChartView> chart) { chart_ = std::move(chart); }

    void computeAxisValues(double min, double max) override;
    void renderAxisLabels(DrawingContext& context) override;
    void renderLimitLines(DrawingContext& context) override;

private:
    std::weak_ptr<RadarChartView> chart_;
};

} // namespace charts
