#include "Charts/types/pie/PieHighlighter.h"

#include "Charts/data/ChartData.h"
#include "Charts/views/PieRadarChartViewBase.h"

namespace charts {

HighlightPtr PieHighlighter::closestHighlight(std::int64_t index, double x, double y) {
    const std::shared_ptr<PieRadarChartViewBase> view = pieRadarChart();
    const std::shared_ptr<ChartData> chartData = view ? view->data() : nullptr;
    const IChartDataSetPtr set = chartData ? chartData->getDataSetByIndex(0) : nullptr;
    const ChartDataEntryPtr entry = set ? set->entryForIndex(index) : nullptr;
    if (!entry) return nullptr;
    return std::make_shared<Highlight>(static_cast<double>(index), entry->y(), x, y, 0, set->axisDependency());
}

} // namespace charts
