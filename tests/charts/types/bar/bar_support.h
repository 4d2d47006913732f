#pragma once
// Builders shared by the bar chart tests: entries, sets and data from plain
// numbers, and bar chart views laid out without an event loop.
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/BarChartView.h"
#include "Charts/types/bar/HorizontalBarChartView.h"
#include "tests/charts/support/chart_view_support.h"

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

// An upright or a horizontal bar chart view, as a bar chart view.
inline std::unique_ptr<BarChartView> makeEitherView(bool sideways, double width = 400, double height = 300) {
    if (sideways) return makeView<HorizontalBarChartView>(width, height);
    return makeView<BarChartView>(width, height);
}

// Names entry x as "x<value>".
inline std::shared_ptr<IAxisValueFormatter> xNamed() {
    return DefaultAxisValueFormatter::with([](double x, const AxisBase*) { return QStringLiteral("x%1").arg(x); });
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

namespace bar_test {

// A bar chart as a chart of another kind would hand itself to a bar
// renderer (a combined chart): every answer is the view's, but it is no bar
// chart view, so the renderer neither cuts bars to the axis nor makes
// accessibility elements for it.
class PlainBarProvider : public BarChartDataProvider {
public:
    explicit PlainBarProvider(BarChartView& view) : view_(view) {}
    double chartXMin() const override { return view_.chartXMin(); }
    double chartXMax() const override { return view_.chartXMax(); }
    double chartYMin() const override { return view_.chartYMin(); }
    double chartYMax() const override { return view_.chartYMax(); }
    double maxHighlightDistance() const override { return view_.maxHighlightDistance(); }
    double xRange() const override { return view_.xRange(); }
    Point centerOffsets() const override { return view_.centerOffsets(); }
    std::shared_ptr<ChartData> data() const override { return view_.data(); }
    std::shared_ptr<ChartDataValues> dataValues() const override { return view_.dataValues(); }
    int maxVisibleCount() const override { return view_.maxVisibleCount(); }
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency axis) const override {
        return view_.getTransformer(axis);
    }
    bool isInverted(YAxis::AxisDependency axis) const override { return view_.isInverted(axis); }
    double lowestVisibleX() const override { return view_.lowestVisibleX(); }
    double highestVisibleX() const override { return view_.highestVisibleX(); }
    std::shared_ptr<BarChartData> barData() const override { return view_.barData(); }
    bool isDrawBarShadowEnabled() const override { return view_.isDrawBarShadowEnabled(); }
    bool isDrawValueAboveBarEnabled() const override { return view_.isDrawValueAboveBarEnabled(); }
    bool isHighlightFullBarEnabled() const override { return view_.isHighlightFullBarEnabled(); }

private:
    BarChartView& view_;
};

// The recorded calls of one kind, in order.
inline std::vector<RecordedOperation> ofKind(const RecordingContext& context, DrawingOperation kind) {
    std::vector<RecordedOperation> found;
    for (const RecordedOperation& op : context.operations())
        if (op.kind == kind) found.push_back(op);
    return found;
}

// The pixel rectangle of a value rectangle on the view's left axis.
inline Rect pixelsOf(const BarChartView& view, Rect values) {
    view.getTransformer(YAxis::AxisDependency::left)->rectValueToPixel(values);
    return values;
}

// A chart of fixed metrics without legend, whose frames are recorded; data
// given here is set at once, else by the caller once it is set up.
template <class View = BarChartView>
struct RecordedChart {
    charts::testing::FixedMetrics metrics;
    std::unique_ptr<View> view = makeView<View>();
    RecordingContext context;

    explicit RecordedChart(std::shared_ptr<BarChartData> data = nullptr) {
        view->legend()->setEnabled(false);
        if (data) view->setData(std::move(data));
    }
    void draw() {
        context.clearOperations();
        view->draw(context);
    }
    std::vector<RecordedOperation> fills() const { return ofKind(context, DrawingOperation::fillRect); }
    std::vector<RecordedOperation> texts() const { return ofKind(context, DrawingOperation::drawText); }
    // The pixel rectangle of a value rectangle on the left axis.
    Rect pixels(double left, double top, double width, double height) const {
        return pixelsOf(*view, Rect(left, top, width, height));
    }
};

inline ::testing::AssertionResult rectNear(const Rect& got, const Rect& want, double tolerance = 1e-9) {
    if (std::fabs(got.origin.x - want.origin.x) <= tolerance && std::fabs(got.origin.y - want.origin.y) <= tolerance &&
        std::fabs(got.size.width - want.size.width) <= tolerance &&
        std::fabs(got.size.height - want.size.height) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << got.origin.x << ", " << got.origin.y << ", " << got.size.width
                                         << ", " << got.size.height << ") want (" << want.origin.x << ", "
                                         << want.origin.y << ", " << want.size.width << ", " << want.size.height << ")";
}

} // namespace bar_test
