#pragma once
#include <memory>

#include "Charts/foundation/ChartDataProvider.h"

namespace charts {

class BubbleChartData;

// What the bubble renderer reads of its chart: the bubble data. The bubble
// view and the combined view provide it.
class BubbleChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<BubbleChartData> bubbleData() const = 0;
};

} // namespace charts
