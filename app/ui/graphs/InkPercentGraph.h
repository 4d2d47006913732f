#pragma once
#include <memory>

namespace charts {
class LineChartData;
class LineChartView;
} // namespace charts

namespace appui {

// The blending screen's a*/b* graph: x 0 to 100 with 11 forced labels, y -15
// to 15 on both sides whatever the values, labelled -15 to 15 on the right
// only, no zooming, the grid background drawn and the legend shown. Then the data replaces the graph's previous
// data and the description is emptied.
void configureInkPercentGraph(charts::LineChartView& graph);
void showInkPercentData(charts::LineChartView& graph, std::shared_ptr<charts::LineChartData> data);

} // namespace appui
