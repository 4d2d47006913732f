#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

#include "Charts/foundation/DisplayLink.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/support/chart_environment.h"

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

Point valueAt(const LineChartView& view, Point pixel) { return view.valueForTouchPoint(pixel, Axis::left); }

TEST(BarLineZoom, ZoomInAndOutWorkAboutTheContentCentreUpToTheLimits) {
    const auto view = rampChart();
    view->viewPortHandler()->setMaximumScaleX(3);
    view->viewPortHandler()->setMaximumScaleY(3);
    const Point centre = view->viewPortHandler()->contentCenter();
    const Point before = valueAt(*view, centre);
    view->zoomIn();
    EXPECT_DOUBLE_EQ(view->scaleX(), 1.4);
    EXPECT_NEAR(valueAt(*view, centre).x, before.x, 1e-9);
    EXPECT_NEAR(valueAt(*view, centre).y, before.y, 1e-9);
    view->zoomOut();
    view->zoomToCenter(1.5, 1.5);
    EXPECT_NEAR(valueAt(*view, centre).x, before.x, 1e-9);
    EXPECT_NEAR(valueAt(*view, centre).y, before.y, 1e-9);
    view->fitScreen();
    for (int i = 0; i < 10; ++i) view->zoomIn();
    EXPECT_DOUBLE_EQ(view->scaleX(), 3);
    const AffineTransform atLimit = view->viewPortHandler()->touchMatrix();
    view->zoomIn();
    EXPECT_EQ(view->viewPortHandler()->touchMatrix(), atLimit);
    for (int i = 0; i < 10; ++i) view->zoomOut();
    EXPECT_DOUBLE_EQ(view->scaleX(), 1);
    EXPECT_TRUE(view->isFullyZoomedOut());
    view->setScaleMinima(2, 3);
    EXPECT_DOUBLE_EQ(view->scaleX(), 2);
    EXPECT_DOUBLE_EQ(view->scaleY(), 3);
    view->fitScreen();
    EXPECT_DOUBLE_EQ(view->scaleX(), 1);
    view->zoomToCenter(2, 1);
    EXPECT_DOUBLE_EQ(view->scaleX(), 2);
}

// Every zoom about a point keeps the value under that point where it is, from
// whatever zoom and pan the chart had before, not only from the first zoom of
// an untouched chart.
TEST(BarLineZoom, TheValueUnderTheZoomPointStaysPutFromAnyZoomAndPan) {
    using Step = std::function<void(LineChartView&)>;
    const auto doubleClick = [](Point at) {
        return [at](LineChartView& view) { view.doubleTapGestureRecognized(step(GestureState::ended, at)); };
    };
    const auto pan = [](Point by) { return [by](LineChartView& view) { view.performPanChange(by); }; };
    const auto pinch = [](Point at, double magnification) {
        return [at, magnification](LineChartView& view) {
            view.setPinchZoomEnabled(true);
            GestureStep began = step(GestureState::began, at);
            view.pinchGestureRecognized(began);
            GestureStep changed = step(GestureState::changed, at, {}, {}, magnification);
            view.pinchGestureRecognized(changed);
            GestureStep ended = step(GestureState::ended, at);
            view.pinchGestureRecognized(ended);
        };
    };
    // zoom(x, y) takes x from the content's left edge and y up from its
    // bottom edge.
    const auto zoomAbout = [](Point at, double scale) {
        return [at, scale](LineChartView& view) {
            const auto& handler = view.viewPortHandler();
            view.zoom(scale, scale, at.x - handler->contentLeft(), handler->contentBottom() - at.y);
        };
    };
    const Point a{120, 90};
    const Point b{260, 180};
    struct Case {
        const char* name;
        std::vector<Step> before;
        Step zoom;
        std::optional<Point> at; // none: the content's centre
    };
    const std::vector<Case> cases = {
        {"second double click elsewhere", {doubleClick(a)}, doubleClick(b), b},
        {"double click after a pan at full zoom-out",
         {[](LineChartView& v) {
              v.setDragOffsetX(60);
              v.setDragOffsetY(60);
          },
          pan({-30, 20})},
         doubleClick(b),
         b},
        {"double click after zoom and pan", {doubleClick(a), pan({40, -30})}, doubleClick(b), b},
        {"third double click", {doubleClick(a), doubleClick(b)}, doubleClick(a), a},
        {"zoom in after a pinch elsewhere", {pinch(a, 1.0)}, [](LineChartView& v) { v.zoomIn(); }, std::nullopt},
        {"zoom in after zoom and pan",
         {doubleClick(b), pan({-25, 15})},
         [](LineChartView& v) { v.zoomIn(); },
         std::nullopt},
        {"zoom out after zoom and pan",
         {zoomAbout(a, 4), pan({30, -20})},
         [](LineChartView& v) { v.zoomOut(); },
         std::nullopt},
        {"zoom to centre after zoom and pan",
         {doubleClick(a), pan({35, 25})},
         [](LineChartView& v) { v.zoomToCenter(1.5, 1.2); },
         std::nullopt},
        {"zoom about a point after zoom and pan", {doubleClick(b), pan({-20, -20})}, zoomAbout(a, 1.7), a},
        {"pinch after zoom and pan", {doubleClick(a), pan({30, 10})}, pinch(b, 0.5), b},
    };
    for (const Case& c : cases) {
        const auto view = rampChart();
        for (const Step& s : c.before) s(*view);
        ASSERT_FALSE(view->viewPortHandler()->touchMatrix().isIdentity()) << c.name;
        const double scaleX = view->scaleX();
        const Point at = c.at.value_or(view->viewPortHandler()->contentCenter());
        ASSERT_TRUE(view->viewPortHandler()->isInBounds(at)) << c.name;
        const Point before = valueAt(*view, at);
        c.zoom(*view);
        EXPECT_GT(std::fabs(std::log(view->scaleX() / scaleX)), 0.1) << c.name;
        const Point after = valueAt(*view, at);
        EXPECT_NEAR(after.x, before.x, 1e-9) << c.name;
        EXPECT_NEAR(after.y, before.y, 1e-9) << c.name;
    }
}

TEST(BarLineZoom, VisibleRangesBecomeScaleLimits) {
    const auto view = rampChart();
    const double yRange = view->getAxisRange(Axis::left);
    view->setVisibleXRangeMaximum(10);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->minScaleX(), 10);
    view->setVisibleXRangeMinimum(5);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->maxScaleX(), 20);
    view->setVisibleXRange(20, 50);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->minScaleX(), 2);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->maxScaleX(), 5);
    view->setVisibleYRange(5, 50, Axis::left);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->minScaleY(), yRange / 50);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->maxScaleY(), yRange / 5);
    view->setVisibleYRangeMaximum(yRange / 4, Axis::left);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->minScaleY(), 4);
    view->setVisibleYRangeMinimum(yRange / 8, Axis::left);
    EXPECT_DOUBLE_EQ(view->viewPortHandler()->maxScaleY(), 8);
}

TEST(BarLineZoom, MovesPutTheValueAtTheEdgeOrTheCentre) {
    const auto view = rampChart();
    view->zoom(4, 4, 0, 0);
    const auto& handler = view->viewPortHandler();
    view->moveViewTo(40, 60, Axis::left);
    const Point leftMiddle = valueAt(*view, Point{handler->contentLeft(), handler->contentCenter().y});
    EXPECT_NEAR(leftMiddle.x, 40, 1e-9);
    EXPECT_NEAR(leftMiddle.y, 60, 1e-9);
    view->centerViewTo(50, 30, Axis::left);
    const Point centre = valueAt(*view, handler->contentCenter());
    EXPECT_NEAR(centre.x, 50, 1e-9);
    EXPECT_NEAR(centre.y, 30, 1e-9);
    view->moveViewToX(20);
    EXPECT_NEAR(valueAt(*view, Point{handler->contentLeft(), 0}).x, 20, 1e-9);
    view->moveViewToY(70, Axis::left);
    EXPECT_NEAR(valueAt(*view, Point{0, handler->contentCenter().y}).y, 70, 1e-9);
}

TEST(BarLineZoom, AZoomAboutAValueIsAJobThatWaitsForTheSize) {
    const auto view = makeLineChart(0, 0);
    view->setData(lineData({lineSet(ramp(11))}));
    view->zoom(2, 2, 50, 50, Axis::left);
    EXPECT_EQ(view->pendingViewportJobCount(), 1u);
    EXPECT_EQ(view->scaleX(), 1);
    view->setChartSize(400, 300);
    EXPECT_EQ(view->pendingViewportJobCount(), 0u);
    EXPECT_DOUBLE_EQ(view->scaleX(), 2);
    EXPECT_NEAR(valueAt(*view, view->viewPortHandler()->contentCenter()).x, 50, 1e-9);
}

TEST(BarLineZoom, AnimatedMovesRunOnTicksAndTheViewKeepsThemUntilTheyStop) {
    ManualMediaClock clock(10);
    const auto view = rampChart();
    view->zoom(4, 4, 0, 0);
    view->centerViewToAnimated(60, 40, Axis::left, 1.0, ChartEasingOption::linear);
    EXPECT_EQ(view->runningAnimatedJobCount(), 1u);
    clock.advance(0.5);
    clock.tick();
    EXPECT_EQ(view->runningAnimatedJobCount(), 1u);
    clock.advance(0.6);
    clock.tick();
    EXPECT_EQ(view->runningAnimatedJobCount(), 0u);
    const Point centre = valueAt(*view, view->viewPortHandler()->contentCenter());
    EXPECT_NEAR(centre.x, 60, 1e-9);
    EXPECT_NEAR(centre.y, 40, 1e-9);

    view->zoomAndCenterViewAnimated(2, 2, 30, 30, Axis::left, 0.25);
    view->moveViewToAnimated(10, 10, Axis::left, 0.25, ChartEasingOption::easeOutQuad);
    EXPECT_EQ(view->runningAnimatedJobCount(), 2u);
    for (int i = 0; i < 30; ++i) {
        clock.advance(0.016);
        clock.tick();
    }
    EXPECT_EQ(view->runningAnimatedJobCount(), 0u);
    EXPECT_DOUBLE_EQ(view->scaleX(), 2);
}

TEST(BarLineZoom, TouchPointsEntriesAndDataSets) {
    const auto view = rampChart();
    const auto set = std::dynamic_pointer_cast<IChartDataSet>(view->data()->getDataSetByIndex(0));
    const auto entry = set->entryForIndex(3);
    const Point pixel = view->getPosition(*entry, Axis::left);
    EXPECT_EQ(pixel, view->pixelForValues(30, 30, Axis::left));
    EXPECT_EQ(view->getEntryByTouchPoint(pixel), entry);
    EXPECT_NE(view->getDataSetByTouchPoint(pixel), nullptr);
    view->setMaxHighlightDistance(1);
    EXPECT_EQ(view->getDataSetByTouchPoint(Point{pixel.x, pixel.y + 100}), nullptr);
    EXPECT_EQ(view->getEntryByTouchPoint(Point{pixel.x, pixel.y + 100}), nullptr);
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

TEST(BarLineZoom, ARangeThatIsNotPositiveAndFiniteLeavesTheLimitsAndTheZoom) {
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

TEST(BarLineZoom, TheTwoBoundSettersStillSetTheUsableBound) {
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
