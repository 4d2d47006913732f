#pragma once
#include "Charts/render/AccessibleChart.h"
#include "Charts/types/candle/CandleChartDataProvider.h"

namespace charts {

// The candlestick view as the candle renderer knows it: only a chart of this
// kind gets the accessibility header (the candles' own elements are made for
// any chart that draws candles).
class CandleChartViewInterface : public virtual CandleChartDataProvider, public virtual AccessibleChart {};

} // namespace charts
