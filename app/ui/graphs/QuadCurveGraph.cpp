#include "app/ui/graphs/QuadCurveGraph.h"

#include <string>

#include "Charts/foundation/Description.h"
#include "Charts/foundation/Legend.h"
#include "app/curves/core/PrintedLines.h"
#include "app/ui/graphs/QuadCurveGraphData.h"
#include "platform/Log.h"

namespace appui {

bool QuadCurveGraph::plotsInPlace(const std::vector<GraphSeries>& series) {
    // New values of the same lines, with the legend and grid as set: into
    // the shown sets, the axes left as they are.
    return legend()->isEnabled() == drawLegend && gridBackgroundColor() == gridColor && replotInPlace(*this, series, 1);
}

void QuadCurveGraph::plotQuadCurves() {
    if (quadCurve.empty()) return;
    const std::vector<double>* total = showTotalInkLoad ? &totalInkLoad : nullptr;
    auto series = quadCurveSeries(quadCurve, inkList, total);
    if (series.empty()) {
        // Curves without ink names (nothing loaded) draw no line: the graph
        // shows that it has no data rather than axes around nothing.
        clear();
        return;
    }
    if (plotsInPlace(series)) return;
    auto chartData = quadCurveChartData(series, total != nullptr);
    configureAxes();
    setData(std::move(chartData));
    legend()->setEnabled(drawLegend);
    chartDescription()->setText(QString());
}

void QuadCurveGraph::configureAxes() {
    xAxis()->setAxisMinimum(0);
    xAxis()->setAxisMaximum(100);
    xAxis()->setLabelCount(11, true);
    setScaleXEnabled(false);
    setScaleYEnabled(false);
    leftAxis()->setAxisMaximum(100);
    rightAxis()->setAxisMaximum(100);
    leftAxis()->setAxisMinimum(0);
    rightAxis()->setAxisMinimum(0);
    rightAxis()->setLabelCount(11, true);
    leftAxis()->setLabelCount(11, true);
    setDrawGridBackgroundEnabled(true);
    setGridBackgroundColor(gridColor);
}

void ACQuadCurveGraph::plotQuadCurves() {
    // The caption ends in a blank and a blank separates it from the count:
    // two blanks before each number.
    platform::printToStandardOutput(std::string(curves::printed::curveCount) + std::to_string(quadCurve.size()));
    platform::printToStandardOutput(std::string(curves::printed::inkListCount) + std::to_string(inkList.size()));
    if (quadCurve.empty()) return;
    auto series = allQuadCurvesSeries(quadCurve, inkList);
    if (plotsInPlace(series)) return;
    auto chartData = quadCurveChartData(series, false);
    configureAxes();
    setData(std::move(chartData));
    chartDescription()->setText(QString());
}

} // namespace appui
