#pragma once
#include <vector>

#include "Charts/foundation/Legend.h"

namespace charts {

class IBarChartDataSet;

// A bar set's legend: a stacked set names each stack position in its colour,
// then itself; a set of plain bars shows the colour run of any set.
void appendBarLegendEntries(std::vector<LegendEntryPtr>& entries, const IBarChartDataSet& dataSet);

} // namespace charts
