#include "app/ui/graphs/MeasurementGraphData.h"

#include <cmath>

#include "Charts/drawing/NamedColors.h"
#include "Charts/foundation/Fill.h"
#include "Charts/types/line/LineChartDataSet.h"

namespace appui {

namespace {

using Points = std::vector<GraphSeries::Point>;

Points indexedPoints(const std::vector<double>& values) {
    Points points;
    points.reserve(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) points.push_back({static_cast<double>(i), values[i]});
    return points;
}

// Every second measured value below the even count, then the last one at its
// own step: a wedge of 256 ends at x = 255, one of 21 at x = 20. (Placed at
// the step before the even count, an odd wedge's last dot would sit one step
// short of the curves drawn beside it, and a single value at x = -1.)
Points measuredPoints(const std::vector<double>& measured) {
    const std::size_t even = measured.size() / 2 * 2;
    Points points;
    for (std::size_t i = 0; i < even; i += 2) points.push_back({static_cast<double>(i), measured[i]});
    if (!measured.empty()) points.push_back({static_cast<double>(measured.size() - 1), measured.back()});
    return points;
}

std::shared_ptr<charts::Fill> shadeToward(const QColor& to, std::vector<double> locations) {
    return charts::Fill::withLinearGradient(charts::Gradient{{charts::named::clear(), to}, std::move(locations)}, 270);
}

std::shared_ptr<charts::LineChartDataSet> dataSet(const GraphSeries& series) {
    auto set = std::make_shared<charts::LineChartDataSet>(entriesOf(series), series.label);
    set->setDrawValuesEnabled(false);
    return set;
}

} // namespace

std::vector<GraphSeries> measurementSeries(const std::vector<double>& targetValues,
                                           const std::vector<double>& measuredValues,
                                           const std::vector<double>& smoothedValues) {
    Points measured = measuredPoints(measuredValues);
    // The straight line from the first to the last measured dot.
    Points linear = measured.empty() ? Points{{0, 100}, {255, 0}} : Points{measured.front(), measured.back()};
    return {{QStringLiteral("Measured Lab L*"), std::move(measured)},
            {QStringLiteral("Linear Lab L*"), std::move(linear)},
            {QStringLiteral("Target Lab L*"), indexedPoints(targetValues)},
            {QStringLiteral("Smoothed Lab L*"), indexedPoints(smoothedValues)}};
}

std::shared_ptr<charts::LineChartData> measurementChartData(const std::vector<double>& targetValues,
                                                            const std::vector<double>& measuredValues,
                                                            const std::vector<double>& smoothedValues) {
    return measurementChartData(measurementSeries(targetValues, measuredValues, smoothedValues));
}

std::shared_ptr<charts::LineChartData> measurementChartData(const std::vector<GraphSeries>& series) {
    auto measured = dataSet(series.at(0));
    measured->setLineWidth(0);
    measured->setDrawCirclesEnabled(true);
    measured->setCircleRadius(1.25);
    measured->setCircleColors({charts::named::darkGray()});

    auto linear = dataSet(series.at(1));
    linear->setColors({charts::named::black()});
    linear->setDrawCirclesEnabled(false);
    linear->setFill(shadeToward(charts::named::black(), {0.05, 0.95}));
    linear->setDrawFilledEnabled(true);

    auto target = dataSet(series.at(2));
    target->setColors({charts::named::green()});
    target->setLineWidth(2);
    target->setDrawCirclesEnabled(false);
    target->setFill(shadeToward(charts::named::darkGray(), {0, 1}));
    target->setDrawFilledEnabled(false);

    auto smoothed = dataSet(series.at(3));
    smoothed->setColors({charts::named::red()});
    smoothed->setLineWidth(2);
    smoothed->setDrawCirclesEnabled(false);
    smoothed->setCircleColors({charts::named::red()});
    smoothed->setFill(shadeToward(charts::named::black(), {0.05, 0.95}));
    smoothed->setDrawFilledEnabled(true);

    auto data = std::make_shared<charts::LineChartData>();
    for (const auto& set : {measured, linear, target, smoothed}) data->addDataSet(set);
    return data;
}

StepPercentAxisValueFormatter::StepPercentAxisValueFormatter()
    : percentTexts_({QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                     QStringLiteral("40"), QStringLiteral("50"), QStringLiteral("60"), QStringLiteral("70"),
                     QStringLiteral("80"), QStringLiteral("90"), QStringLiteral("100")}) {}

QString StepPercentAxisValueFormatter::stringForValue(double value, const charts::AxisBase* axis) {
    // Label positions are sums of the step, so they may miss a multiple by an
    // ulp or two; a label further off than that is not one of ours.
    const double index = value / stepsPerLabel;
    const double nearest = std::round(index);
    if (!(std::fabs(index - nearest) < 1e-9)) return QString();
    return percentTexts_.stringForValue(nearest, axis);
}

} // namespace appui
