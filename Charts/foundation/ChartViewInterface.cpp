#include "Charts/foundation/ChartViewInterface.h"

#include "Charts/foundation/XAxis.h"

namespace charts {

std::optional<ChartViewInterface::AxisRanges>
BarLineChartViewInterface::zoomAxisRanges(YAxis::AxisDependency axis) const {
    const std::shared_ptr<YAxis> y = getAxis(axis);
    const std::shared_ptr<XAxis> x = xAxis();
    if (!x || !y) return std::nullopt;
    return AxisRanges{x->axisRange(), y->axisRange()};
}

} // namespace charts
