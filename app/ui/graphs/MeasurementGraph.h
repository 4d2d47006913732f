#pragma once
#include <vector>

#include "Charts/types/line/LineChartView.h"

namespace appui {

// The three lightness curves of one linearization, L* per step.
struct LightnessCurves {
    std::vector<double> target;
    std::vector<double> measured;
    std::vector<double> smoothed;
};

// The linearization screen's lightness graph: measured lightness as dots, the
// straight line from the first to the last of them, the target in green and
// the smoothed lightness in red, L* 0 to 100 over the input steps. A plot
// takes the three curves (or plots the fields as they stand): new values go
// into the shown chart data in place, and a plot of another shape (another
// count of steps) replaces the chart data and sets the axes. Made by
// charts::ChartViewBase::create<MeasurementGraph>(parent).
class MeasurementGraph : public charts::LineChartView {
public:
    explicit MeasurementGraph(ConstructionKey key, QWidget* parent = nullptr) : LineChartView(key, parent) {}

    std::vector<double> targetValues;
    std::vector<double> measuredValues;
    std::vector<double> smoothedValues;

    // Keeps the curves in the three fields and plots them.
    void plotLightness(LightnessCurves curves);
    virtual void plotMeasurements();
    virtual void configureAxes();
};

} // namespace appui
