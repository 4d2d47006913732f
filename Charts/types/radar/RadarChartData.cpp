#include "Charts/types/radar/RadarChartData.h"

namespace charts {

ChartDataEntryPtr RadarChartData::entryForHighlight(const Highlight& highlight) const {
    const IChartDataSetPtr set = getDataSetByIndex(highlight.dataSetIndex());
    const std::optional<std::int64_t> index = entryIndexForX(highlight.x());
    if (!set || !index) return nullptr;
    return set->entryForIndex(*index);
}

} // namespace charts
