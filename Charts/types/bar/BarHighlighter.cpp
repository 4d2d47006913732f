#include "Charts/types/bar/BarHighlighter.h"

#include <cmath>

#include "Charts/foundation/Transformer.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartDataProvider.h"
#include "Charts/types/bar/IBarChartDataSet.h"

namespace charts {

std::shared_ptr<ChartDataValues> BarHighlighter::data() {
    const auto provider = std::dynamic_pointer_cast<BarChartDataProvider>(chart());
    return provider ? provider->barData() : nullptr;
}

HighlightPtr BarHighlighter::getHighlight(double x, double y) {
    if (!data()) return nullptr;
    const Point values = getValsForTouch(x, y);
    return highlightAt(values.x, values.y, x, y);
}

HighlightPtr BarHighlighter::highlightAt(double xValue, double yValue, double x, double y) {
    const auto barData = std::dynamic_pointer_cast<ChartData>(data());
    if (!barData) return nullptr;
    HighlightPtr high = getHighlight(xValue, x, y);
    if (!high) return nullptr;
    const IChartDataSetPtr set = barData->getDataSetByIndex(high->dataSetIndex());
    const auto* barSet = dynamic_cast<const IBarChartDataSet*>(set.get());
    if (barSet && barSet->isStacked()) return getStackedHighlight(high, *barSet, xValue, yValue);
    return high;
}

HighlightPtr BarHighlighter::getStackedHighlight(const HighlightPtr& high, const IBarChartDataSet& set, double xValue,
                                                 double yValue) {
    const auto provider = std::dynamic_pointer_cast<BarLineScatterCandleBubbleChartDataProvider>(chart());
    if (!provider || !high) return nullptr;
    const ChartDataEntryPtr found = set.entryForXValue(xValue, yValue);
    const BarChartDataEntry* entry = asBarEntry(found.get());
    if (!entry) return nullptr;
    if (!entry->yValues()) return high;
    const std::optional<std::vector<Range>>& ranges = entry->ranges();
    if (!ranges || ranges->empty()) return nullptr;
    const std::int64_t stackIndex = getClosestStackIndex(ranges, yValue);
    const std::shared_ptr<Transformer> transformer = provider->getTransformer(set.axisDependency());
    if (!transformer) return nullptr;
    const Point pixel = highlightPixel(*transformer, high->x(), (*ranges)[static_cast<std::size_t>(stackIndex)].to());
    return std::make_shared<Highlight>(entry->x(), entry->y(), pixel.x, pixel.y, high->dataSetIndex(),
                                       static_cast<int>(stackIndex), high->axis());
}

std::int64_t BarHighlighter::getClosestStackIndex(const std::optional<std::vector<Range>>& ranges, double value) const {
    if (!ranges || ranges->empty()) return 0;
    for (std::size_t i = 0; i < ranges->size(); ++i)
        if ((*ranges)[i].contains(value)) return static_cast<std::int64_t>(i);
    const std::size_t last = ranges->size() - 1;
    return value > (*ranges)[last].to() ? static_cast<std::int64_t>(last) : 0;
}

double BarHighlighter::getDistance(double x1, double, double x2, double) { return std::fabs(x1 - x2); }

} // namespace charts
