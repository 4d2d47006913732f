#pragma once
#include "Charts/render/AccessibleChart.h"
#include "Charts/types/scatter/ScatterChartDataProvider.h"

namespace charts {

// The scatter chart view as the scatter renderer knows it: only for a chart
// of this kind does it head the accessibility elements; a chart that draws
// scatter data among other kinds (a combined chart) makes its own.
class ScatterChartViewInterface : public virtual ScatterChartDataProvider, public virtual AccessibleChart {};

} // namespace charts
