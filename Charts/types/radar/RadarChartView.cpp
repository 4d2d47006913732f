#include "Charts/types/radar/RadarChartView.h"

#include <algorithm>

#include "Charts/types/radar/RadarChartRenderer.h"
#include "Charts/types/radar/RadarHighlighter.h"
#include "Charts/types/radar/XAxisRendererRadarChart.h"
#include "Charts/types/radar/YAxisRendererRadarChart.h"

namespace charts {

RadarChartView::RadarChartView(ConstructionKey key, QWidget* parent) : PieRadarChartViewBase(key, parent) {}

RadarChartView::~RadarChartView() = default;

void RadarChartView::initialize() {
    PieRadarChartViewBase::initialize();
    yAxis_ = std::make_shared<YAxis>(YAxis::AxisDependency::left);
    yAxis_->setLabelXOffset(10);
    const std::shared_ptr<RadarChartView> self = std::dynamic_pointer_cast<RadarChartView>(weakView().lock());
    setRenderer(std::make_shared<RadarChartRenderer>(self, chartAnimator(), viewPortHandler()));
    yAxisRenderer_ = std::make_shared<YAxisRendererRadarChart>(viewPortHandler(), yAxis_, self);
    xAxisRenderer_ = std::make_shared<XAxisRendererRadarChart>(viewPortHandler(), xAxis(), self);
    setHighlighter(std::make_shared<RadarHighlighter>(std::weak_ptr<ChartDataProvider>(self)));
}

std::shared_ptr<RadarChartData> RadarChartView::radarData() const {
    return std::dynamic_pointer_cast<RadarChartData>(data());
}

// Geometry

double RadarChartView::factor() const { return radarFactor(contentRect(), yAxis_->axisRange()); }

std::int64_t RadarChartView::spokeCount() const {
    const std::shared_ptr<ChartData> chartData = data();
    const IChartDataSetPtr largest = chartData ? chartData->maxEntryCountSet() : nullptr;
    return largest ? largest->entryCount() : 0;
}

double RadarChartView::sliceAngle() const { return radarSliceAngle(spokeCount()); }

RadarFrameGeometry RadarChartView::frameGeometry() const {
    RadarFrameGeometry geometry;
    geometry.center = centerOffsets();
    geometry.rotationAngle = rotationAngle();
    geometry.sliceAngle = sliceAngle();
    geometry.factor = factor();
    geometry.yMin = chartYMin();
    geometry.phaseX = chartAnimator()->phaseX();
    geometry.phaseY = chartAnimator()->phaseY();
    return geometry;
}

double RadarChartView::radius() const { return radarRadius(contentRect()); }

std::int64_t RadarChartView::indexForAngle(double angle) const {
    const std::int64_t n = spokeCount();
    return radarIndexForAngle(angle, rotationAngle(), n, radarSliceAngle(n));
}

bool RadarChartView::xLabelsShown() const {
    const std::shared_ptr<XAxis> axis = xAxis();
    return axis && axis->isEnabled() && axis->isDrawLabelsEnabled();
}

double RadarChartView::requiredLegendOffset() const { return fontPixelSize(legend()->font()) * 4.0; }

double RadarChartView::requiredBaseOffset() const { return xLabelsShown() ? xAxis()->labelRotatedWidth() : 10.0; }

double RadarChartView::leastContentOffset() const {
    const double least = PieRadarChartViewBase::leastContentOffset();
    return xLabelsShown() ? std::max(least, xAxis()->labelRotatedWidth()) : least;
}

// Data

void RadarChartView::calcMinMax() {
    const std::shared_ptr<ChartData> chartData = data();
    if (!chartData) return;
    yAxis_->calculate(chartData->getYMin(YAxis::AxisDependency::left), chartData->getYMax(YAxis::AxisDependency::left));
    xAxis()->calculate(0, static_cast<double>(spokeCount()));
}

void RadarChartView::notifyDataSetChanged() {
    calcMinMax();
    yAxisRenderer_->computeAxis(yAxis_->axisMinimum(), yAxis_->axisMaximum(), yAxis_->isInverted());
    xAxisRenderer_->computeAxis(xAxis()->axisMinimum(), xAxis()->axisMaximum(), false);
    if (const std::shared_ptr<ChartData> chartData = data(); chartData && legend() && !legend()->isLegendCustom())
        legendRenderer()->computeLegend(*chartData);
    calculateOffsets();
    setNeedsDisplay(bounds());
}

// A frame

void RadarChartView::draw(DrawingContext& context) {
    PieRadarChartViewBase::draw(context);
    const std::shared_ptr<DataRenderer>& dataRenderer = renderer();
    if (!data() || !dataRenderer) return;
    const std::shared_ptr<XAxis> x = xAxis();
    if (x->isEnabled()) xAxisRenderer_->computeAxis(x->axisMinimum(), x->axisMaximum(), false);
    xAxisRenderer_->renderAxisLabels(context);
    if (drawWeb_) dataRenderer->drawExtras(context);
    const bool limitLinesBehind = yAxis_->isEnabled() && yAxis_->isDrawLimitLinesBehindDataEnabled();
    if (limitLinesBehind) yAxisRenderer_->renderLimitLines(context);
    dataRenderer->drawData(context);
    if (valuesToHighlight()) dataRenderer->drawHighlighted(context, indicesToHighlight());
    if (yAxis_->isEnabled() && !yAxis_->isDrawLimitLinesBehindDataEnabled()) yAxisRenderer_->renderLimitLines(context);
    yAxisRenderer_->renderAxisLabels(context);
    dataRenderer->drawValues(context);
    legendRenderer()->renderLegend(context);
    drawDescription(context);
    drawMarkers(context);
}

} // namespace charts
