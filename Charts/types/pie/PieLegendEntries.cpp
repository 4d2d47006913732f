#include "Charts/types/pie/PieLegendEntries.h"

#include "Charts/data/IChartDataSet.h"
#include "Charts/data/LegendEntries.h"
#include "Charts/types/pie/PieChartDataEntry.h"

namespace charts {

void appendPieLegendEntries(std::vector<LegendEntryPtr>& entries, const IChartDataSet& dataSet) {
    const std::vector<QColor>& colors = dataSet.colors();
    const std::size_t count = legendColorCount(colors.size(), dataSet.entryCount());
    for (std::size_t j = 0; j < count; ++j) {
        const auto slice =
            std::dynamic_pointer_cast<PieChartDataEntry>(dataSet.entryForIndex(static_cast<std::int64_t>(j)));
        entries.push_back(legendEntryOf(dataSet, slice ? slice->label() : std::nullopt, colors[j]));
    }
    if (dataSet.label()) entries.push_back(legendTitleOf(dataSet));
}

} // namespace charts
