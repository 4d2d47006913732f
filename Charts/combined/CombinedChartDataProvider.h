#pragma once
#include <memory>

#include "Charts/types/bar/BarChartDataProvider.h"
#include "Charts/types/bubble/BubbleChartDataProvider.h"
#include "Charts/types/candle/CandleChartDataProvider.h"
#include "Charts/types/line/LineChartDataProvider.h"
#include "Charts/types/scatter/ScatterChartDataProvider.h"

namespace charts {

class CombinedChartData;

// What the combined chart's highlighter and renderer ask of their chart: the
// combined data, and each kind's sub-data as that kind's renderer asks it.
class CombinedChartDataProvider : public virtual LineChartDataProvider,
                                  public virtual BarChartDataProvider,
                                  public virtual BubbleChartDataProvider,
                                  public virtual CandleChartDataProvider,
                                  public virtual ScatterChartDataProvider {
public:
    // The chart's data when it is combined data; none otherwise.
    virtual std::shared_ptr<CombinedChartData> combinedData() const = 0;
};

} // namespace charts
