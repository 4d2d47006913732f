#include "Charts/types/line/LineChartView.h"

#include "Charts/types/line/LineChartRenderer.h"

namespace charts {

void LineChartView::initialize() {
    BarLineChartViewBase::initialize();
    const std::weak_ptr<ChartViewBase> self = weakView();
    setRenderer(std::make_shared<LineChartRenderer>(
        std::weak_ptr<LineChartDataProvider>(std::dynamic_pointer_cast<LineChartView>(self.lock())), chartAnimator(),
        viewPortHandler()));
}

std::shared_ptr<LineChartData> LineChartView::lineData() const {
    return std::dynamic_pointer_cast<LineChartData>(data());
}

} // namespace charts
