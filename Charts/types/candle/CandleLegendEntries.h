#pragma once
#include <vector>

#include "Charts/foundation/Legend.h"

namespace charts {

class ICandleChartDataSet;

// A candle set's legend: with a falling colour, the falling then the rising
// colour, labelled at the second; otherwise the colour run of any set.
void appendCandleLegendEntries(std::vector<LegendEntryPtr>& entries, const ICandleChartDataSet& dataSet);

} // namespace charts
