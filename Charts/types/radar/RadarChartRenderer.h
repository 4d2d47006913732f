#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/render/LineRadarRenderer.h"

namespace charts {

class IRadarChartDataSet;
class RadarChartView;
struct RadarFrameGeometry;

// Draws a radar chart but its axis labels: the web (spokes and one ring per
// radial label), each visible set as a closed polygon, filled and outlined,
// values and icons at the points, and highlighted values with their
// cross-hair lines and an optional ring. Builds the accessibility elements:
// a header for the chart, then per outlined set a header and one element
// per point, read out by value, largest first.
//
// The chart is held weakly; every operation draws nothing once it is gone
// or has no data. The spokes are gathered in one buffer and stroked in one
// call; each ring segment is stroked on its own.
class RadarChartRenderer : public LineRadarRenderer {
public:
    RadarChartRenderer(std::weak_ptr<RadarChartView> chart, std::shared_ptr<Animator> animator,
                       std::shared_ptr<ViewPortHandler> viewPortHandler);

    std::shared_ptr<RadarChartView> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<RadarChartView> chart) { chart_ = std::move(chart); }

    // The spokes' x labels for the accessibility texts, made again whenever
    // the number of spokes changed.
    const std::vector<QString>& accessibilityXLabels();

    void drawData(DrawingContext& context) override;
    void drawValues(DrawingContext& context) override;
    // The web.
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    virtual void drawDataSet(DrawingContext& context, const IRadarChartDataSet& dataSet, std::int64_t mostEntries);
    virtual void drawWeb(DrawingContext& context);

private:
    void drawDataSet(DrawingContext& context, const IRadarChartDataSet& dataSet, std::int64_t mostEntries,
                     const RadarChartView& view, const RadarFrameGeometry& geometry);

    std::weak_ptr<RadarChartView> chart_;
    std::vector<QString> accessibilityXLabels_;
    // The spoke count the x labels were made for; -1 before the first.
    std::int64_t accessibilityXLabelSpokes_ = -1;
    // Segment ends of the spokes awaiting one stroke, kept to reuse its
    // storage.
    std::vector<Point> webSegments_;
    // The two ends of the ring segment being stroked.
    std::array<Point, 2> ringSegment_{};
};

} // namespace charts
