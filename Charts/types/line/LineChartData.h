#pragma once
#include "Charts/data/ChartData.h"

namespace charts {

// Chart data of line charts; the line chart view tests for this class.
class LineChartData : public ChartData {
public:
    LineChartData() = default;
    explicit LineChartData(DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) { notifyDataChanged(); }

protected:
    LineChartData(DeferBounds, DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) {}
};

} // namespace charts
