#include "Charts/types/bar/BarLegendEntries.h"

#include "Charts/data/LegendEntries.h"
#include "Charts/types/bar/IBarChartDataSet.h"

namespace charts {

void appendBarLegendEntries(std::vector<LegendEntryPtr>& entries, const IBarChartDataSet& dataSet) {
    if (!dataSet.isStacked()) {
        appendColorRunLegendEntries(entries, dataSet);
        return;
    }
    const std::vector<QColor>& colors = dataSet.colors();
    const std::vector<QString> stackLabels = dataSet.stackLabels();
    const std::size_t count = legendColorCount(colors.size(), dataSet.stackSize());
    for (std::size_t j = 0; j < count; ++j) {
        std::optional<QString> label;
        if (!stackLabels.empty() && j % count < stackLabels.size()) label = stackLabels[j % count];
        entries.push_back(legendEntryOf(dataSet, label, colors[j]));
    }
    if (dataSet.label()) entries.push_back(legendTitleOf(dataSet));
}

} // namespace charts
