#pragma once
#include <memory>

#include "Charts/render/AccessibleChart.h"
#include "Charts/types/line/LineChartDataProvider.h"

namespace charts {

class XAxis;

// The line chart view as the line renderer knows it. The renderer collects
// accessibility elements only for a chart of this kind: a chart that draws
// line data among other kinds (a combined chart) makes its own elements.
class LineChartViewInterface : public virtual LineChartDataProvider, public virtual AccessibleChart {
public:
    // The x axis whose formatter names each point's x.
    virtual std::shared_ptr<XAxis> xAxis() const = 0;
};

} // namespace charts
