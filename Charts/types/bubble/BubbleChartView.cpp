#include "Charts/types/bubble/BubbleChartView.h"

#include "Charts/types/bubble/BubbleChartRenderer.h"

namespace charts {

void BubbleChartView::initialize() {
    BarLineChartViewBase::initialize();
    setRenderer(std::make_shared<BubbleChartRenderer>(
        std::weak_ptr<BubbleChartDataProvider>(std::dynamic_pointer_cast<BubbleChartView>(weakView().lock())),
        chartAnimator(), viewPortHandler()));
}

std::shared_ptr<BubbleChartData> BubbleChartView::bubbleData() const {
    return std::dynamic_pointer_cast<BubbleChartData>(data());
}

} // namespace charts
