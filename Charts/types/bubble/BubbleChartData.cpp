#include "Charts/types/bubble/BubbleChartData.h"

#include <algorithm>

#include "Charts/types/bubble/IBubbleChartDataSet.h"

namespace charts {

void BubbleChartData::setHighlightCircleWidth(double width) {
    const DataSets& sets = dataSets();
    const auto isBubbleSet = [](const IChartDataSetPtr& set) {
        return dynamic_cast<IBubbleChartDataSet*>(set.get()) != nullptr;
    };
    if (!std::all_of(sets.begin(), sets.end(), isBubbleSet)) return;
    for (const IChartDataSetPtr& set : sets) dynamic_cast<IBubbleChartDataSet&>(*set).setHighlightCircleWidth(width);
}

} // namespace charts
