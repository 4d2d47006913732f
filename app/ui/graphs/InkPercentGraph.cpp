#include "app/ui/graphs/InkPercentGraph.h"

#include "Charts/foundation/PlatformStyle.h"
#include "Charts/types/line/LineChartView.h"

namespace appui {

void configureInkPercentGraph(charts::LineChartView& graph) {
    const auto& x = graph.xAxis();
    const auto& left = graph.leftAxis();
    const auto& right = graph.rightAxis();
    x->setAxisMaximum(100);
    x->setLabelCount(11, true);
    graph.setScaleXEnabled(false);
    graph.setScaleYEnabled(false);
    left->setAxisMaximum(15);
    right->setAxisMaximum(15);
    left->setAxisMinimum(-15);
    right->setAxisMinimum(-15);
    left->setLabelCount(0, true);
    right->setLabelCount(11, true);
    graph.setDrawGridBackgroundEnabled(true);
    const QColor label = charts::labelColor();
    x->setLabelTextColor(label);
    left->setLabelTextColor(label);
    right->setLabelTextColor(label);
    // The left axis only draws the grid: its two forced entries (a count of
    // 0 is kept at the axis's minimum) go unlabelled. The right axis leaves
    // out its top label, which would stand beside the x axis's last label
    // along the top.
    left->setDrawTopYLabelEntryEnabled(false);
    right->setDrawTopYLabelEntryEnabled(false);
    left->setDrawBottomYLabelEntryEnabled(false);
    graph.legend()->setEnabled(true);
}

void showInkPercentData(charts::LineChartView& graph, std::shared_ptr<charts::LineChartData> data) {
    graph.setData(std::move(data));
    if (const auto& description = graph.chartDescription()) description->setText(QString());
}

} // namespace appui
