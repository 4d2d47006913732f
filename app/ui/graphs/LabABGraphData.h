#pragma once
#include <array>
#include <memory>
#include <vector>

#include "Charts/types/line/LineChartData.h"
#include "app/curves/core/CIELab.h"
#include "app/ui/graphs/GraphSeries.h"

namespace appui {

// The a* values (series 0) and the b* values (series 1) of a blended ramp, in
// sample order.
std::array<std::vector<double>, 2> collectBlendABValues(const std::vector<curves::CIELab>& ramp);

// The blending screen's a*/b* chart data: per series one point per value at
// x = 5 x index, as the line "Lab_A" in red and then "Lab_B" in blue (the a*
// and b* graph colours), two points wide, without circles or value labels.
std::shared_ptr<charts::LineChartData> labABChartData(const std::array<std::vector<double>, 2>& series);
// The points and labels of those two lines, and the chart data styled for them.
std::vector<GraphSeries> labABSeries(const std::array<std::vector<double>, 2>& series);
std::shared_ptr<charts::LineChartData> labABChartData(const std::vector<GraphSeries>& series);

} // namespace appui
