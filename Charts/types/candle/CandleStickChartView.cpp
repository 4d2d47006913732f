#include "Charts/types/candle/CandleStickChartView.h"

#include "Charts/types/candle/CandleStickChartRenderer.h"

namespace charts {

void CandleStickChartView::initialize() {
    BarLineChartViewBase::initialize();
    setRenderer(std::make_shared<CandleStickChartRenderer>(
        std::weak_ptr<CandleChartDataProvider>(std::dynamic_pointer_cast<CandleStickChartView>(weakView().lock())),
        chartAnimator(), viewPortHandler()));
    xAxis()->setSpaceMin(0.5);
    xAxis()->setSpaceMax(0.5);
}

std::shared_ptr<CandleChartData> CandleStickChartView::candleData() const {
    return std::dynamic_pointer_cast<CandleChartData>(data());
}

} // namespace charts
