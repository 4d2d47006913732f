#pragma once
#include <memory>
#include <vector>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/types/line/LineChartData.h"
#include "app/ui/graphs/GraphSeries.h"

namespace appui {

// The chart data of the linearization screen's lightness graph, in this
// order: "Measured Lab L*" (dots at every second step and the last),
// "Linear Lab L*" (the first to the last measured dot, shaded), "Target Lab
// L*" (green) and "Smoothed Lab L*" (red, shaded). x is the step index.
std::shared_ptr<charts::LineChartData> measurementChartData(const std::vector<double>& targetValues,
                                                            const std::vector<double>& measuredValues,
                                                            const std::vector<double>& smoothedValues);
// The same four lines' points and labels, in that order, and the chart data
// styled for them.
std::vector<GraphSeries> measurementSeries(const std::vector<double>& targetValues,
                                           const std::vector<double>& measuredValues,
                                           const std::vector<double>& smoothedValues);
std::shared_ptr<charts::LineChartData> measurementChartData(const std::vector<GraphSeries>& series);

// The x labels of the lightness graph: the input percentages "0" ... "100"
// at the steps 0, 25.5, ..., 255 where the axis puts its labels. (Read by
// index straight from the step, only step 0 would find a text.)
class StepPercentAxisValueFormatter final : public charts::IAxisValueFormatter {
public:
    static constexpr double stepsPerLabel = 25.5;
    StepPercentAxisValueFormatter();
    QString stringForValue(double value, const charts::AxisBase* axis) override;

private:
    charts::IndexAxisValueFormatter percentTexts_;
};

} // namespace appui
