#include "Charts/types/radar/RadarHighlighter.h"

#include <cmath>
#include <limits>

#include "Charts/types/radar/RadarChartView.h"
#include "Charts/types/radar/RadarGeometry.h"

namespace charts {

std::vector<HighlightPtr> RadarHighlighter::getHighlights(std::int64_t index) {
    const auto view = std::dynamic_pointer_cast<RadarChartView>(chart());
    const std::shared_ptr<ChartData> data = view ? view->data() : nullptr;
    if (!data) return {};
    const RadarFrameGeometry geometry = view->frameGeometry();

    std::vector<HighlightPtr> highlights;
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const IChartDataSetPtr set = data->getDataSetByIndex(i);
        const ChartDataEntryPtr entry = set ? set->entryForIndex(index) : nullptr;
        if (!entry) continue;
        const Point p = geometry.point(static_cast<double>(index), entry->y());
        highlights.push_back(
            std::make_shared<Highlight>(static_cast<double>(index), entry->y(), p.x, p.y, i, set->axisDependency()));
    }
    return highlights;
}

HighlightPtr RadarHighlighter::closestHighlight(std::int64_t index, double x, double y) {
    const auto view = std::dynamic_pointer_cast<RadarChartView>(chart());
    if (!view) return nullptr;
    // The click's distance in value units above the axis minimum, as the
    // points are drawn.
    const double clicked = view->distanceToCenter(x, y) / view->factor();
    const double yMin = view->chartYMin();
    HighlightPtr closest;
    double distance = std::numeric_limits<double>::max();
    for (const HighlightPtr& h : getHighlights(index)) {
        const double d = std::fabs(radarHeightAboveMinimum(h->y(), yMin) - clicked);
        if (d < distance) {
            closest = h;
            distance = d;
        }
    }
    return closest;
}

} // namespace charts
