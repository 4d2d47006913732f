#include "Charts/views/PieRadarHighlighter.h"

#include "Charts/views/PieRadarChartViewBase.h"
#include "platform/FatalError.h"

namespace charts {

std::shared_ptr<PieRadarChartViewBase> PieRadarHighlighter::pieRadarChart() const {
    return std::dynamic_pointer_cast<PieRadarChartViewBase>(chart());
}

HighlightPtr PieRadarHighlighter::getHighlight(double x, double y) {
    const std::shared_ptr<PieRadarChartViewBase> view = pieRadarChart();
    if (!view) return nullptr;
    // Written so that a distance that is not a number (no radius yet) finds
    // nothing either.
    if (!(view->distanceToCenter(x, y) <= view->radius())) return nullptr;
    const double angle = view->highlightAngle(view->angleForPoint(x, y));
    const std::int64_t index = view->indexForAngle(angle);
    const std::shared_ptr<ChartData> chartData = view->data();
    const IChartDataSetPtr largest = chartData ? chartData->maxEntryCountSet() : nullptr;
    if (!largest || index < 0 || index >= largest->entryCount()) return nullptr;
    return closestHighlight(index, x, y);
}

HighlightPtr PieRadarHighlighter::closestHighlight(std::int64_t, double, double) {
    platform::fatalError("closestHighlight(index, x, y) cannot be called on PieRadarChartHighlighter");
}

} // namespace charts
