#pragma once
#include <memory>

#include "Charts/render/AccessibleChart.h"
#include "Charts/types/bubble/BubbleChartDataProvider.h"

namespace charts {

class XAxis;

// The bubble view as the bubble renderer knows it. The renderer makes
// accessibility elements only for a chart of this kind: a chart that draws
// bubbles among other kinds (a combined chart) makes its own.
class BubbleChartViewInterface : public virtual BubbleChartDataProvider, public virtual AccessibleChart {
public:
    // The x axis whose formatter names each bubble's x.
    virtual std::shared_ptr<XAxis> xAxis() const = 0;
};

} // namespace charts
