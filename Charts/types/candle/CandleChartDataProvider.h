#pragma once
#include <memory>

#include "Charts/foundation/ChartDataProvider.h"

namespace charts {

class CandleChartData;

// What the candlestick renderer reads of its chart: the candle data. The
// candlestick view and the combined view provide it.
class CandleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<CandleChartData> candleData() const = 0;
};

} // namespace charts
