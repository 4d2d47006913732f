#include "Charts/types/radar/YAxisRendererRadarChart.h"

#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/StrokeStyling.h"
#include "Charts/types/radar/RadarAxisValues.h"
#include "Charts/types/radar/RadarChartView.h"
#include "Charts/types/radar/RadarGeometry.h"

namespace charts {

YAxisRendererRadarChart::YAxisRendererRadarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                 std::shared_ptr<YAxis> yAxis, std::weak_ptr<RadarChartView> chart)
    : YAxisRenderer(std::move(viewPortHandler), std::move(yAxis), nullptr),
      chart_(std::move(chart)) {}

void YAxisRendererRadarChart::computeAxisValues(double min, double max) {
    const std::shared_ptr<YAxis> axis = yAxisModel();
    if (!axis) return;
    RadarAxisRequest request;
    request.min = min;
    request.max = max;
    request.labelCount = axis->labelCount();
    request.granularityEnabled = axis->isGranularityEnabled();
    request.granularity = axis->granularity();
    request.centering = axis->isCenterAxisLabelsEnabled();
    request.forceLabels = axis->isForceLabelsEnabled();
    RadarAxisValues values = radarAxisValues(request);
    if (!values.computed) {
        axis->entries().clear();
        axis->centeredEntries().clear();
        return;
    }
    axis->setDecimals(values.decimals);
    if (request.centering) axis->setCenteredEntries(std::move(values.centeredEntries));
    axis->setCalculatedBounds(values.entries.front(), values.entries.back());
    axis->setEntries(std::move(values.entries));
}

void YAxisRendererRadarChart::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<YAxis> axis = yAxisModel();
    const std::shared_ptr<RadarChartView> view = chart();
    if (!axis || !view || !axis->isEnabled() || !axis->isDrawLabelsEnabled()) return;
    const RadarFrameGeometry g = view->frameGeometry();
    const double lineHeight = context.textMeasurer().lineHeight(axis->labelFont());
    TextAttributes attributes;
    attributes.font = axis->labelFont();
    attributes.foregroundColor = axis->labelTextColor();

    const std::int64_t count = axis->entryCount();
    const std::int64_t from = axis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const std::int64_t to = axis->isDrawTopYLabelEntryEnabled() ? count : count - 1;
    const std::vector<double>& entries = axis->entries();
    for (std::int64_t j = from; j < to; ++j) {
        const double r = (entries[static_cast<std::size_t>(j)] - axis->axisMinimum()) * g.factor;
        const Point p = pointOnCircle(g.center, r, g.rotationAngle);
        ChartUtils::drawText(context, axis->getFormattedLabel(j), Point{p.x + axis->labelXOffset(), p.y - lineHeight},
                             axis->labelAlignment(), attributes);
    }
}

void YAxisRendererRadarChart::renderLimitLines(DrawingContext& context) {
    const std::shared_ptr<YAxis> axis = yAxisModel();
    const std::shared_ptr<RadarChartView> view = chart();
    if (!axis || !view || !view->data() || axis->limitLines().empty()) return;
    const RadarFrameGeometry g = view->frameGeometry();
    const std::int64_t spokes = view->spokeCount();
    GStateSaver saver(context);
    for (const ChartLimitLinePtr& line : axis->limitLines()) {
        if (!line || !line->isEnabled()) continue;
        setChartLineStyle(context, line->lineColor(), line->lineWidth(), line->lineDashLengths(),
                          line->lineDashPhase());
        const double r = radarHeightAboveMinimum(line->limit(), view->chartYMin()) * g.factor;
        context.beginPath();
        for (std::int64_t j = 0; j < spokes; ++j) {
            const Point p = pointOnCircle(g.center, r, g.sliceAngle * static_cast<double>(j) + g.rotationAngle);
            if (j == 0) {
                context.moveTo(p);
            } else {
                context.lineTo(p);
            }
        }
        context.closePath();
        context.strokePath();
    }
}

} // namespace charts
