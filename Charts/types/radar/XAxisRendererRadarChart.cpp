#include "Charts/types/radar/XAxisRendererRadarChart.h"

#include <cmath>

#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/types/radar/RadarChartView.h"

namespace charts {

XAxisRendererRadarChart::XAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<XAxis> xAxis, std::weak_ptr<RadarChartView> chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(xAxis), nullptr),
      chart_(std::move(chart)) {}

void XAxisRendererRadarChart::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<XAxis> axis = xAxisModel();
    const std::shared_ptr<RadarChartView> view = chart();
    if (!axis || !view || !axis->isEnabled() || !axis->isDrawLabelsEnabled() || !view->data()) return;
    const std::int64_t spokes = view->spokeCount();
    if (spokes <= 0) return;

    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.foregroundColor = axis->labelTextColor();
    const double rotation = degreesToRadians(axis->labelRotationAngle());
    const Point anchor{0.5, 0.25};
    const RadarFrameGeometry g = view->frameGeometry();
    // Beyond the web's rim by half the widest label.
    const double distance = view->yRange() * g.factor + axis->labelRotatedWidth() / 2;
    const std::shared_ptr<IAxisValueFormatter> formatter = axis->valueFormatter();
    for (std::int64_t i = 0; i < spokes; ++i) {
        const QString text = formatter ? formatter->stringForValue(static_cast<double>(i), axis.get()) : QString();
        const double angle = std::fmod(g.sliceAngle * static_cast<double>(i) + g.rotationAngle, 360.0);
        const Point p = pointOnCircle(g.center, distance, angle);
        drawLabel(context, text, p.x, p.y - axis->labelRotatedHeight() / 2, attributes, anchor, rotation);
    }
}

void XAxisRendererRadarChart::drawLabel(DrawingContext& context, const QString& formattedLabel, double x, double y,
                                        const TextAttributes& attributes, Point anchor, double angleRadians) {
    ChartUtils::drawText(context, formattedLabel, Point{x, y}, attributes, anchor, angleRadians);
}

} // namespace charts
