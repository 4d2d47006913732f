#include "Charts/types/scatter/ScatterChartView.h"

#include "Charts/types/scatter/ScatterChartRenderer.h"

namespace charts {

void ScatterChartView::initialize() {
    BarLineChartViewBase::initialize();
    setRenderer(std::make_shared<ScatterChartRenderer>(
        std::weak_ptr<ScatterChartDataProvider>(std::dynamic_pointer_cast<ScatterChartView>(weakView().lock())),
        chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<ScatterChartData> ScatterChartView::scatterData() const {
    return std::dynamic_pointer_cast<ScatterChartData>(data());
}

} // namespace charts
