// The bar highlighters as a click meets them: the stacked value under the
// pointer at every interval edge and beyond both ends, the whole bar with
// full-bar highlighting, distances by position alone (x for upright bars, y
// for bars on their side), and the horizontal chart's swapped touch.
#include <gtest/gtest.h>

#include "Charts/types/bar/BarHighlighter.h"
#include "Charts/types/bar/HorizontalBarHighlighter.h"
#include "platform/testing/LogCapture.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

TEST(BarHighlighterTest, ClosestStackIndexAtEveryEdgeAndBeyond) {
    // The intervals of the stack 2, -1, 3, -4.
    const std::optional<std::vector<Range>> ranges = std::vector<Range>{{0, 2}, {-5, -4}, {2, 5}, {-4, 0}};
    const std::pair<double, std::int64_t> cases[] = {
        {1, 0},
        {-4.5, 1},
        {3, 2},
        {-1, 3},
        // Upper ends belong to their interval, lower ends do not.
        {2, 0},
        {5, 2},
        {0, 3},
        {-4, 1},
        {-5, 0},
        // Above the last interval's upper end (0) the last; otherwise the first.
        {7, 3},
        {5.5, 3},
        {-6, 0},
        {NaN, 0}};
    const BarHighlighter highlighter(std::weak_ptr<ChartDataProvider>{});
    for (const auto& [value, index] : cases) EXPECT_EQ(highlighter.getClosestStackIndex(ranges, value), index) << value;
    EXPECT_EQ(highlighter.getClosestStackIndex(std::nullopt, 3), 0);
    EXPECT_EQ(highlighter.getClosestStackIndex(std::vector<Range>{}, 3), 0);
}

TEST(BarHighlighterTest, DistancesCountOneDirectionOnly) {
    BarHighlighter upright(std::weak_ptr<ChartDataProvider>{});
    HorizontalBarHighlighter sideways(std::weak_ptr<ChartDataProvider>{});
    EXPECT_EQ(upright.getDistance(10, 0, 13, 400), 3);
    EXPECT_EQ(upright.getDistance(10, 50, 10, -50), 0);
    EXPECT_EQ(sideways.getDistance(0, 10, 400, 13), 3);
    EXPECT_EQ(sideways.getDistance(50, 10, -50, 10), 0);
}

// A view of the stack 2, -1, 3, -4 at x 0, plain bars elsewhere.
struct StackedView {
    std::unique_ptr<BarChartView> view = makeView<BarChartView>();
    StackedView() {
        view->setData(
            barData({barSet({{0, 0, {{2, -1, 3, -4}}}, {1, 0, {{1, 1, 1, 1}}}, {2, 0, {{-1, -1, -1, -1}}}})}));
    }
    Point pixel(double x, double y) const { return view->pixelForValues(x, y, YAxis::AxisDependency::left); }
};

TEST(BarHighlighterTest, AClickOnAStackPicksTheValueUnderIt) {
    StackedView chart;
    struct Case {
        double y;
        int stackIndex;
        double highlightY; // the pixel's value: the interval's upper end
    };
    const Case cases[] = {{1, 0, 2}, {-4.5, 1, -4}, {3.5, 2, 5}, {-2, 3, 0}, {5.5, 3, 0}, {-5.5, 0, 2}};
    for (const Case& c : cases) {
        const HighlightPtr h = chart.view->getHighlightByTouchPoint(chart.pixel(0.1, c.y));
        ASSERT_NE(h, nullptr) << c.y;
        EXPECT_EQ(h->stackIndex(), c.stackIndex) << c.y;
        EXPECT_EQ(h->x(), 0) << c.y;
        EXPECT_EQ(h->y(), 0) << c.y;
        EXPECT_EQ(h->dataIndex(), 0) << c.y;
        EXPECT_NEAR(h->yPx(), chart.pixel(0, c.highlightY).y, 1e-9) << c.y;
        EXPECT_NEAR(h->xPx(), chart.pixel(0, c.highlightY).x, 1e-9) << c.y;
    }
    // Full-bar highlighting keeps the value and drops the stack position.
    chart.view->setHighlightFullBarEnabled(true);
    const HighlightPtr whole = chart.view->getHighlightByTouchPoint(chart.pixel(0.1, 3.5));
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->stackIndex(), -1);
    EXPECT_EQ(whole->x(), 0);
    EXPECT_EQ(whole->dataIndex(), 0);
}

TEST(BarHighlighterTest, BetweenGroupsTheNearestBarByPositionAloneWins) {
    // Two sets grouped: set 0 at x 0.27, 1.27; set 1 at 0.73, 1.73; the
    // bars of set 0 are tall, those of set 1 short.
    auto view = makeView<BarChartView>();
    view->setData(barData({plainBars({100, 100}, "Tall"), plainBars({1, 1}, "Short")}, 0.43));
    view->groupBars(0, 0.08, 0.03);
    struct Case {
        double x;
        double y;
        int set;
        double barX;
    };
    // Far above the short bars and far below the tall ones: height plays no
    // part.
    const Case cases[] = {{0.7, 90, 1, 0.73}, {0.3, 2, 0, 0.27}, {0.95, 50, 1, 0.73}, {1.2, 50, 0, 1.27}};
    for (const Case& c : cases) {
        const HighlightPtr h =
            view->getHighlightByTouchPoint(view->pixelForValues(c.x, c.y, YAxis::AxisDependency::left));
        ASSERT_NE(h, nullptr) << c.x;
        EXPECT_EQ(h->dataSetIndex(), c.set) << c.x;
        EXPECT_NEAR(h->x(), c.barX, 1e-9) << c.x;
        EXPECT_EQ(h->stackIndex(), -1) << c.x;
    }
}

TEST(BarHighlighterTest, TheHorizontalChartTurnsTheTouchBack) {
    auto view = makeView<HorizontalBarChartView>();
    view->setData(barData({plainBars({5, -5, 10}), stackedBars({{2, -1, 3, -4}, {1, 1}, {1, 1}}, "Stacked")}, 0.4));
    view->groupBars(0, 0.1, 0.05);
    // Set 0 at x 0.275, 1.275, 2.275; set 1 at 0.725, 1.725, 2.725. Entry x
    // runs upward, the value across.
    const auto pixel = [&](double x, double value) {
        return view->pixelForValues(value, x, YAxis::AxisDependency::left);
    };
    struct Case {
        double x;
        double value;
        int set;
        double barX;
        int stackIndex;
        double highlighted; // the highlight's pixel is the bar's (value across, x up) at this value
    };
    const Case cases[] = {
        // Anywhere across the bar's height finds it, however far right.
        {0.3, 0, 0, 0.275, -1, 5},
        {0.3, 9.5, 0, 0.275, -1, 5},
        {1.2, -9, 0, 1.275, -1, -5},
        {2.3, 0, 0, 2.275, -1, 10},
        // The stacked set's values under the touch, at their interval's upper end.
        {0.7, 1, 1, 0.725, 0, 2},
        {0.7, -4.5, 1, 0.725, 1, -4},
        {0.75, 3.5, 1, 0.725, 2, 5},
        {0.7, -2, 1, 0.725, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " " << c.value);
        const HighlightPtr h = view->getHighlightByTouchPoint(pixel(c.x, c.value));
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(h->dataSetIndex(), c.set);
        EXPECT_NEAR(h->x(), c.barX, 1e-9);
        EXPECT_EQ(h->stackIndex(), c.stackIndex);
        EXPECT_NEAR(h->xPx(), pixel(c.barX, c.highlighted).x, 1e-9);
        EXPECT_NEAR(h->yPx(), pixel(c.barX, c.highlighted).y, 1e-9);
    }
    // On its side full-bar highlighting keeps the touched value, which the renderer widens to the stack.
    view->setHighlightFullBarEnabled(true);
    const HighlightPtr whole = view->getHighlightByTouchPoint(pixel(0.7, 3.5));
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(whole->stackIndex(), 2);
}

TEST(BarHighlighterTest, NoDataNoBarDataOrNoChartFindNothing) {
    for (const bool sideways : {false, true}) {
        const auto view = makeEitherView(sideways);
        platform::LogCapture log;
        EXPECT_EQ(view->getHighlightByTouchPoint(Point{100, 100}), nullptr);
        EXPECT_EQ(log.standardOutputLines(), std::vector<std::string>{"Can't select by touch. No data set."});
        // Data of another kind: the bar highlighter sees no bar data.
        view->setData(std::make_shared<ChartData>(ChartData::DataSets{plainBars({1, 2})}));
        EXPECT_EQ(view->barData(), nullptr);
        EXPECT_EQ(view->highlighter()->getHighlight(100, 100), nullptr);
    }
    BarHighlighter orphan(std::weak_ptr<ChartDataProvider>{});
    EXPECT_EQ(orphan.getHighlight(1, 1), nullptr);
    EXPECT_EQ(orphan.data(), nullptr);
}

TEST(BarHighlighterTest, AStackWithoutIntervalsGivesNoHighlight) {
    auto view = makeView<BarChartView>();
    auto set = stackedBars({{1, 2}, {3, 4}});
    view->setData(barData({set}));
    std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(0))->setYValues(std::vector<double>{});
    EXPECT_EQ(view->getHighlightByTouchPoint(view->pixelForValues(0, 1, YAxis::AxisDependency::left)), nullptr);
    // A plain bar in a stacked set is highlighted as it is.
    std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(0))->setYValues(std::nullopt);
    const HighlightPtr plain = view->getHighlightByTouchPoint(view->pixelForValues(0, 1, YAxis::AxisDependency::left));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->stackIndex(), -1);
}

} // namespace
