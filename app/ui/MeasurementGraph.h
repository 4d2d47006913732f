#pragma once
#include <vector>

#include "Charts/types/line/LineChartView.h"

namespace appui {

// The linearization screen's lightness graph: measured lightness as dots, the
// straight line from the first to the last of them, the target in green and
// the smoothed lightness in red, L* 0 to 100 over the input steps. The screen
// fills the three curves and asks for a plot: new values go into the shown
// chart data in place, and a plot of another shape (another count of steps)
// replaces the chart data and sets the axes. Made by charts::ChartViewBase::create<MeasurementGraph>(parent).
class MeasurementGraph : public charts::LineChartView {
public:
    explicit MeasurementGraph(ConstructionKey key, QWidget* parent = nullptr) : LineChartView(key, parent) {}

    std::vector<double> targetValues;
    std::vector<double> measuredValues;
    std::vector<double> smoothedValues;

    virtual void plotMeasurements();
    virtual void configureAxes();
};

} // namespace appui
