#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartData.h"

namespace charts {

// Chart data of candlestick charts.
class CandleChartData : public BarLineScatterCandleBubbleChartData {
public:
    CandleChartData() = default;
    explicit CandleChartData(DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

protected:
    CandleChartData(DeferBounds, DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
