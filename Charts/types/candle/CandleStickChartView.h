#pragma once
#include <memory>

#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleChartViewInterface.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

// The candlestick chart: a bar-line chart view drawing its candle data
// through the candlestick renderer, with half a slot of room before the
// first and after the last candle. Made through
// ChartViewBase::create<CandleStickChartView>().
class CandleStickChartView : public BarLineChartViewBase, public virtual CandleChartViewInterface {
public:
    explicit CandleStickChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // The data when it is candle chart data; none otherwise.
    std::shared_ptr<CandleChartData> candleData() const override;

protected:
    void initialize() override;
};

} // namespace charts
