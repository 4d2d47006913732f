#include "Charts/data/LegendEntries.h"

#include <algorithm>
#include <limits>

#include "Charts/data/IChartDataSet.h"

namespace charts {

namespace {
constexpr double notSet = std::numeric_limits<double>::quiet_NaN();
} // namespace

LegendEntryPtr legendEntryOf(const IChartDataSet& dataSet, std::optional<QString> label, std::optional<QColor> color) {
    return std::make_shared<LegendEntry>(std::move(label), dataSet.form(), dataSet.formSize(), dataSet.formLineWidth(),
                                         dataSet.formLineDashPhase(), dataSet.formLineDashLengths(), std::move(color));
}

LegendEntryPtr legendTitleOf(const IChartDataSet& dataSet) {
    return std::make_shared<LegendEntry>(dataSet.label(), Legend::Form::none, notSet, notSet, 0.0, std::nullopt,
                                         std::nullopt);
}

std::size_t legendColorCount(std::size_t colorCount, std::int64_t itemCount) {
    return std::min<std::size_t>(colorCount, static_cast<std::size_t>(std::max<std::int64_t>(itemCount, 0)));
}

void appendColorRunLegendEntries(std::vector<LegendEntryPtr>& entries, const IChartDataSet& dataSet) {
    const std::vector<QColor>& colors = dataSet.colors();
    const std::int64_t entryCount = dataSet.entryCount();
    const std::size_t count = legendColorCount(colors.size(), entryCount);
    for (std::size_t j = 0; j < count; ++j) {
        const bool last = j + 1 >= colors.size() || static_cast<std::int64_t>(j) + 1 >= entryCount;
        entries.push_back(legendEntryOf(dataSet, last ? dataSet.label() : std::nullopt, colors[j]));
    }
}

} // namespace charts
