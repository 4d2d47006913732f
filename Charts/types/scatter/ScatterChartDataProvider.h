#pragma once
#include <memory>

#include "Charts/foundation/ChartDataProvider.h"

namespace charts {

class ScatterChartData;

// What the scatter renderer reads of its chart: the scatter data. The scatter
// view and the combined view provide it.
class ScatterChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    virtual std::shared_ptr<ScatterChartData> scatterData() const = 0;
};

} // namespace charts
