#pragma once
// Builders shared by the bar chart tests: entries, sets and data from plain
// numbers, and bar chart views laid out without an event loop.
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/BarChartView.h"
#include "Charts/types/bar/HorizontalBarChartView.h"

namespace bar_test {

using namespace charts;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// One bar: plain when `stack` is absent.
struct Bar {
    double x = 0;
    double y = 0;
    std::optional<std::vector<double>> stack;
};

inline ChartDataEntryPtr barEntry(const Bar& bar) {
    if (bar.stack) return std::make_shared<BarChartDataEntry>(bar.x, *bar.stack);
    return std::make_shared<BarChartDataEntry>(bar.x, bar.y);
}

inline std::shared_ptr<BarChartDataSet> barSet(const std::vector<Bar>& bars, const QString& label = "Bars") {
    BarChartDataSet::Entries entries;
    for (const Bar& bar : bars) entries.push_back(barEntry(bar));
    return std::make_shared<BarChartDataSet>(entries, label);
}

// Plain bars at x 0, 1, 2, ... with the given values.
inline std::shared_ptr<BarChartDataSet> plainBars(const std::vector<double>& values, const QString& label = "Bars") {
    std::vector<Bar> bars;
    for (std::size_t i = 0; i < values.size(); ++i) bars.push_back(Bar{static_cast<double>(i), values[i], {}});
    return barSet(bars, label);
}

// Stacked bars at x 0, 1, 2, ... with the given stacks.
inline std::shared_ptr<BarChartDataSet> stackedBars(const std::vector<std::vector<double>>& stacks,
                                                    const QString& label = "Stacks") {
    std::vector<Bar> bars;
    for (std::size_t i = 0; i < stacks.size(); ++i) bars.push_back(Bar{static_cast<double>(i), 0, stacks[i]});
    return barSet(bars, label);
}

inline std::shared_ptr<BarChartData> barData(const std::vector<std::shared_ptr<BarChartDataSet>>& sets,
                                             double barWidth = 0.85) {
    ChartData::DataSets list(sets.begin(), sets.end());
    auto data = std::make_shared<BarChartData>(list);
    data->setBarWidth(barWidth);
    return data;
}

// A view of its own (no parent), laid out at a size.
template <class View = BarChartView>
std::unique_ptr<View> makeView(double width = 400, double height = 300) {
    std::unique_ptr<View> view(ChartViewBase::create<View>());
    view->setChartSize(width, height);
    return view;
}

// "[from, to]" of each interval, for readable failures.
inline std::string rangesText(const std::optional<std::vector<Range>>& ranges) {
    if (!ranges) return "none";
    std::string text;
    for (const Range& r : *ranges) text += "[" + std::to_string(r.from()) + ", " + std::to_string(r.to()) + "]";
    return text;
}

inline std::string rangesText(const std::vector<std::pair<double, double>>& ranges) {
    std::string text;
    for (const auto& [from, to] : ranges) text += "[" + std::to_string(from) + ", " + std::to_string(to) + "]";
    return text;
}

// Equal, with NaN equal to NaN.
inline bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

} // namespace bar_test
