#pragma once
#include <memory>

#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

class LineChartData;

// Line charts: their data and their y axes.
class LineChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<LineChartData> lineData() const = 0;
    virtual std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const = 0;
};

} // namespace charts
