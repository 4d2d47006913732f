#pragma once
#include "Charts/data/BarLineScatterCandleBubbleChartData.h"

namespace charts {

// Chart data of scatter charts.
class ScatterChartData : public BarLineScatterCandleBubbleChartData {
public:
    ScatterChartData() = default;
    explicit ScatterChartData(DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

    // The largest shape size of the sets (the first wins a tie); 0 without
    // sets or when a set is not a scatter set.
    virtual double getGreatestShapeSize() const;

protected:
    ScatterChartData(DeferBounds, DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
