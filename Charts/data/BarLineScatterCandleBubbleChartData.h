#pragma once
#include "Charts/data/ChartData.h"

namespace charts {

// Chart data of the bar, line, scatter, candle and bubble charts.
class BarLineScatterCandleBubbleChartData : public ChartData {
public:
    BarLineScatterCandleBubbleChartData() = default;
    explicit BarLineScatterCandleBubbleChartData(DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

protected:
    BarLineScatterCandleBubbleChartData(DeferBounds, DataSets dataSets)
        : ChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
