#pragma once
#include <vector>

#include "Charts/foundation/Legend.h"

namespace charts {

class IChartDataSet;

// A pie set's legend: each slice in its colour under the slice's own label,
// then the set's label on its own.
void appendPieLegendEntries(std::vector<LegendEntryPtr>& entries, const IChartDataSet& dataSet);

} // namespace charts
