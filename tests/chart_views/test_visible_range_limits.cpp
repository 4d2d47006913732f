#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "chart_view_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using Axis = YAxis::AxisDependency;

// x 0 to 100; y padded by the axis to a range of 120 (-10 to 110).
std::unique_ptr<LineChartView> rampChart() {
    auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(11))}));
    return view;
}

struct Limits {
    double minX, maxX, minY, maxY;
    bool operator==(const Limits&) const = default;
};

Limits limitsOf(const LineChartView& view) {
    const auto& h = *view.viewPortHandler();
    return Limits{h.minScaleX(), h.maxScaleX(), h.minScaleY(), h.maxScaleY()};
}

void PrintTo(const Limits& l, std::ostream* os) {
    *os << "x " << l.minX << ".." << l.maxX << ", y " << l.minY << ".." << l.maxY;
}

using Setter = std::function<void(LineChartView&, double)>;

struct NamedSetter {
    const char* name;
    Setter set;
};

// Every visible-range setter, the two-bound ones with the value in both bounds.
const NamedSetter setters[] = {
    {"x maximum", [](LineChartView& v, double r) { v.setVisibleXRangeMaximum(r); }},
    {"x minimum", [](LineChartView& v, double r) { v.setVisibleXRangeMinimum(r); }},
    {"x both", [](LineChartView& v, double r) { v.setVisibleXRange(r, r); }},
    {"y maximum", [](LineChartView& v, double r) { v.setVisibleYRangeMaximum(r, Axis::left); }},
    {"y minimum", [](LineChartView& v, double r) { v.setVisibleYRangeMinimum(r, Axis::right); }},
    {"y both", [](LineChartView& v, double r) { v.setVisibleYRange(r, r, Axis::left); }},
};

TEST(VisibleRangeLimits, ARangeThatIsNotPositiveAndFiniteLeavesTheLimitsAndTheZoom) {
    const double inf = std::numeric_limits<double>::infinity();
    // The smallest subnormal is positive and finite, but the scale it would
    // give is infinite.
    const double unusable[] = {0.0, -0.0, -10.0, std::nan(""), inf, -inf, std::numeric_limits<double>::denorm_min()};
    for (const NamedSetter& setter : setters) {
        for (const double range : unusable) {
            SCOPED_TRACE(::testing::Message() << setter.name << " " << range);
            const auto view = rampChart();
            view->setVisibleXRange(5, 50);
            view->setVisibleYRange(12, 60, Axis::left);
            view->zoom(3, 3, 0, 0);
            const Limits before = limitsOf(*view);
            ASSERT_EQ(before, (Limits{2, 20, 2, 10}));
            const double scaleX = view->scaleX();
            const double scaleY = view->scaleY();

            setter.set(*view, range);
            EXPECT_EQ(limitsOf(*view), before);
            EXPECT_EQ(view->scaleX(), scaleX);
            EXPECT_EQ(view->scaleY(), scaleY);
            for (int i = 0; i < 10; ++i) view->zoomIn();
            EXPECT_EQ(view->scaleX(), 20);
            EXPECT_EQ(view->scaleY(), 10);
        }
    }
}

TEST(VisibleRangeLimits, TheTwoBoundSettersStillSetTheUsableBound) {
    struct Case {
        const char* name;
        std::function<void(LineChartView&)> set;
        Limits expected;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {"x, minimum unusable", [](LineChartView& v) { v.setVisibleXRange(0, 25); }, {4, 20, 2, 10}},
        {"x, maximum unusable", [=](LineChartView& v) { v.setVisibleXRange(10, nan); }, {2, 10, 2, 10}},
        {"y, minimum unusable", [](LineChartView& v) { v.setVisibleYRange(-1, 40, Axis::left); }, {2, 20, 3, 10}},
        {"y, maximum unusable", [](LineChartView& v) { v.setVisibleYRange(6, 0, Axis::left); }, {2, 20, 2, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = rampChart();
        view->setVisibleXRange(5, 50);
        view->setVisibleYRange(12, 60, Axis::left);
        c.set(*view);
        EXPECT_EQ(limitsOf(*view), c.expected);
    }
}

} // namespace
} // namespace charts
