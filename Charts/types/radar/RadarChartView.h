#pragma once
#include <cstdint>
#include <memory>

#include <QColor>

#include "Charts/foundation/YAxis.h"
#include "Charts/types/radar/RadarChartData.h"
#include "Charts/types/radar/RadarGeometry.h"
#include "Charts/views/PieRadarChartViewBase.h"

namespace charts {

class XAxisRendererRadarChart;
class YAxisRendererRadarChart;

// The radar (web) chart: every set a closed polygon about the centre, entry
// i of each on spoke i at a distance that grows with its value, over a web
// of spokes and rings. The x axis names the spokes; a y axis of its own
// measures the distance from the centre and rounds its range so that the
// outermost ring is a label. It turns, decelerates and spins like every
// circular chart, and a click highlights the value of the set nearest to it
// on the clicked spoke. Made through ChartViewBase::create<RadarChartView>.
class RadarChartView : public PieRadarChartViewBase {
public:
    explicit RadarChartView(ConstructionKey key, QWidget* parent = nullptr);
    ~RadarChartView() override;

    // The data when it is radar chart data; none otherwise.
    std::shared_ptr<RadarChartData> radarData() const;

    // The web; a change shows at the next frame.
    double webLineWidth() const { return webLineWidth_; }
    void setWebLineWidth(double width) { webLineWidth_ = width; }
    double innerWebLineWidth() const { return innerWebLineWidth_; }
    void setInnerWebLineWidth(double width) { innerWebLineWidth_ = width; }
    const QColor& webColor() const { return webColor_; }
    void setWebColor(const QColor& color) { webColor_ = color; }
    const QColor& innerWebColor() const { return innerWebColor_; }
    void setInnerWebColor(const QColor& color) { innerWebColor_ = color; }
    double webAlpha() const { return webAlpha_; }
    void setWebAlpha(double alpha) { webAlpha_ = alpha; }
    bool drawWeb() const { return drawWeb_; }
    void setDrawWeb(bool draw) { drawWeb_ = draw; }
    // Spokes left out between two drawn ones; never below 0.
    std::int64_t skipWebLineCount() const { return skipWebLineCount_; }
    void setSkipWebLineCount(std::int64_t count) { skipWebLineCount_ = std::max<std::int64_t>(count, 0); }

    // The radial axis and its renderers.
    const std::shared_ptr<YAxis>& yAxis() const { return yAxis_; }
    const std::shared_ptr<YAxisRendererRadarChart>& yAxisRenderer() const { return yAxisRenderer_; }
    const std::shared_ptr<XAxisRendererRadarChart>& xAxisRenderer() const { return xAxisRenderer_; }

    // Points per value unit; degrees between spokes; the radial range.
    double factor() const;
    double sliceAngle() const;
    double yRange() const { return yAxis_->axisRange(); }
    // The largest set's entry count: the number of spokes.
    std::int64_t spokeCount() const;
    // Where values stand now, with the animator's phases: read once per
    // frame by the renderers and per click by the highlighter.
    RadarFrameGeometry frameGeometry() const;

    // PieRadarChartViewBase.
    std::int64_t indexForAngle(double angle) const override;
    double radius() const override;
    double requiredLegendOffset() const override;
    double requiredBaseOffset() const override;
    void calcMinMax() override;
    void notifyDataSetChanged() override;
    double chartYMax() const override { return yAxis_->axisMaximum(); }
    double chartYMin() const override { return yAxis_->axisMinimum(); }

    void draw(DrawingContext& context) override;

protected:
    void initialize() override;
    // Room for the spoke labels on every side.
    double leastContentOffset() const override;

private:
    bool xLabelsShown() const;

    double webLineWidth_ = 1.5;
    double innerWebLineWidth_ = 0.75;
    QColor webColor_ = QColor(122, 122, 122);
    QColor innerWebColor_ = QColor(122, 122, 122);
    double webAlpha_ = 150.0 / 255.0;
    bool drawWeb_ = true;
    std::int64_t skipWebLineCount_ = 0;
    std::shared_ptr<YAxis> yAxis_;
    std::shared_ptr<YAxisRendererRadarChart> yAxisRenderer_;
    std::shared_ptr<XAxisRendererRadarChart> xAxisRenderer_;
};

} // namespace charts
