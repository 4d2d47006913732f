#include "app/ui/graphs/MeasurementGraph.h"

#include "Charts/drawing/NamedColors.h"
#include "Charts/foundation/Description.h"
#include "app/ui/graphs/MeasurementGraphData.h"

namespace appui {

void MeasurementGraph::plotLightness(LightnessCurves curves) {
    targetValues = std::move(curves.target);
    measuredValues = std::move(curves.measured);
    smoothedValues = std::move(curves.smoothed);
    plotMeasurements();
}

void MeasurementGraph::plotMeasurements() {
    auto series = measurementSeries(targetValues, measuredValues, smoothedValues);
    // A smoothing step changes values only: they go into the shown sets, and
    // the axes, set with the data, stay. The margin covers the dots.
    if (replotInPlace(*this, series, 3)) return;
    auto chartData = measurementChartData(series);
    configureAxes();
    setData(std::move(chartData));
    chartDescription()->setText(QString());
}

void MeasurementGraph::configureAxes() {
    const auto& x = xAxis();
    x->setValueFormatter(std::make_shared<StepPercentAxisValueFormatter>());
    x->setGranularity(StepPercentAxisValueFormatter::stepsPerLabel);
    x->setGranularityEnabled(true);
    x->setLabelCount(11);
    x->setDrawLabelsEnabled(true);
    setScaleXEnabled(false);
    setScaleYEnabled(false);
    for (const auto& axis : {leftAxis(), rightAxis()}) {
        axis->setAxisMaximum(100);
        axis->setAxisMinimum(0);
    }
    for (const auto& axis : {rightAxis(), leftAxis()}) {
        axis->setGranularity(25);
        axis->setGranularityEnabled(true);
        axis->setLabelCount(5);
    }
    setDrawGridBackgroundEnabled(true);
    setGridBackgroundColor(charts::named::white());
}

} // namespace appui
