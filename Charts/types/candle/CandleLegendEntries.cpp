#include "Charts/types/candle/CandleLegendEntries.h"

#include "Charts/data/LegendEntries.h"
#include "Charts/types/candle/ICandleChartDataSet.h"

namespace charts {

void appendCandleLegendEntries(std::vector<LegendEntryPtr>& entries, const ICandleChartDataSet& dataSet) {
    if (!dataSet.decreasingColor()) {
        appendColorRunLegendEntries(entries, dataSet);
        return;
    }
    entries.push_back(legendEntryOf(dataSet, std::nullopt, dataSet.decreasingColor()));
    entries.push_back(legendEntryOf(dataSet, dataSet.label(), dataSet.increasingColor()));
}

} // namespace charts
