#pragma once
#include <memory>

#include "Charts/foundation/ChartDataProvider.h"

namespace charts {

class BarChartData;

// What bar renderers and bar highlighters ask of their chart: the bar data
// and the three bar switches. The bar chart view and the combined chart
// implement it.
class BarChartDataProvider : public virtual BarLineScatterCandleBubbleChartDataProvider {
public:
    // The chart's data when it is bar data; none otherwise.
    virtual std::shared_ptr<BarChartData> barData() const = 0;
    virtual bool isDrawBarShadowEnabled() const = 0;
    virtual bool isDrawValueAboveBarEnabled() const = 0;
    virtual bool isHighlightFullBarEnabled() const = 0;
};

} // namespace charts
