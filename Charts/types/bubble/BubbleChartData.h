#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartData.h"

namespace charts {

// Chart data of bubble charts.
class BubbleChartData : public BarLineScatterCandleBubbleChartData {
public:
    BubbleChartData() = default;
    explicit BubbleChartData(DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

    // The outline width of every set's highlighted bubbles; nothing changes
    // when a set is not a bubble set.
    virtual void setHighlightCircleWidth(double width);

protected:
    BubbleChartData(DeferBounds, DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
