// The bar chart views: the x range with and without fitted bars, bar
// bounds, grouping through the view; the horizontal view's turned offsets,
// visible x range, positions, visible-range limits and its pan on an
// inverted axis; both views' double-click zoom about the pointer, inverted
// axes included.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QNativeGestureEvent>

#include "platform/testing/LogCapture.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;
using S = GestureState;

TEST(BarChartViewTest, FittedBarsWidenTheXRangeByHalfABar) {
    struct Case {
        bool fit;
        double barWidth;
        double min;
        double max;
    };
    const Case cases[] = {{false, 0.85, 0, 4}, {true, 0.85, -0.425, 4.425}, {true, 0.5, -0.25, 4.25}};
    for (const Case& c : cases) {
        auto view = makeView<BarChartView>();
        view->xAxis()->setSpaceMin(0);
        view->xAxis()->setSpaceMax(0);
        view->setFitBars(c.fit);
        view->setData(barData({plainBars({1, 2, 3, 4, 5})}, c.barWidth));
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMinimum(), c.min) << c.fit << c.barWidth;
        EXPECT_DOUBLE_EQ(view->xAxis()->axisMaximum(), c.max) << c.fit << c.barWidth;
        EXPECT_DOUBLE_EQ(view->leftAxis()->axisMaximum(), 5 + 0.1 * 4);
    }
    // Data of another kind leaves the ranges as they were.
    auto view = makeView<BarChartView>();
    view->setData(barData({plainBars({1, 2, 3})}));
    const double max = view->xAxis()->axisMaximum();
    view->setData(std::make_shared<ChartData>(ChartData::DataSets{plainBars({1, 2, 3, 4, 5, 6, 7})}));
    EXPECT_EQ(view->xAxis()->axisMaximum(), max);
}

TEST(BarChartViewTest, BarBoundsSpanFromZeroToTheValue) {
    for (const bool sideways : {false, true}) {
        const auto view = makeEitherView(sideways);
        auto set = barSet({{0, -3, {}}, {1, 4, {}}, {2, 0, {{2, -6}}}, {3, 0, {}}});
        view->setData(barData({set}, 0.5));
        const auto entry = [&](std::int64_t i) {
            return std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(i));
        };
        // The corners in values: (x ± 0.25) and (0, y), as the chart maps them.
        const auto expected = [&](double x, double y) {
            const Point a = sideways ? view->pixelForValues(0, x - 0.25, YAxis::AxisDependency::left)
                                     : view->pixelForValues(x - 0.25, 0, YAxis::AxisDependency::left);
            const Point b = sideways ? view->pixelForValues(y, x + 0.25, YAxis::AxisDependency::left)
                                     : view->pixelForValues(x + 0.25, y, YAxis::AxisDependency::left);
            return Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::fabs(a.x - b.x), std::fabs(a.y - b.y));
        };
        // A stack is measured as a whole bar to its sum.
        const std::pair<std::int64_t, Point> cases[] = {{0, {0, -3}}, {1, {1, 4}}, {2, {2, -4}}, {3, {3, 0}}};
        for (const auto& [i, xy] : cases) {
            EXPECT_TRUE(rectNear(view->getBarBounds(entry(i)), expected(xy.x, xy.y))) << sideways << i;
        }
        EXPECT_TRUE(isNull(view->getBarBounds(std::make_shared<BarChartDataEntry>(9, 9))));
        EXPECT_TRUE(isNull(view->getBarBounds(nullptr)));
    }
}

TEST(BarChartViewTest, GroupingNeedsDataAndLaysTheChartOutAgain) {
    auto view = makeView<BarChartView>();
    {
        platform::LogCapture log;
        view->groupBars(0, 0.08, 0.03);
        EXPECT_EQ(log.standardOutputLines(),
                  std::vector<std::string>{"You need to set data for the chart before grouping bars."});
    }
    view->setData(barData({plainBars({1, 2, 3}), plainBars({3, 2, 1})}, 0.43));
    view->groupBars(0, 0.08, 0.03);
    // The x axis now reaches the last group's second bar, and half a bar more.
    EXPECT_DOUBLE_EQ(view->xAxis()->axisMaximum(), 2.73 + 0.5);
    EXPECT_DOUBLE_EQ(view->xAxis()->axisMinimum(), 0.27 - 0.5);
}

// The horizontal chart, laid out with fixed metrics.
struct SidewaysChart : RecordedChart<HorizontalBarChartView> {
    SidewaysChart() : RecordedChart(barData({plainBars({5, -2, 8, 3})})) {}
    ChartOffsets offsets() const {
        const auto& port = *view->viewPortHandler();
        return ChartOffsets{port.offsetLeft(), port.offsetTop(), port.offsetRight(), port.offsetBottom()};
    }
};

TEST(HorizontalBarChartViewTest, XLabelsReserveTheirRotatedWidthOnTheirSides) {
    SidewaysChart chart;
    chart.view->setMinOffset(0);
    chart.view->leftAxis()->setEnabled(false);
    chart.view->rightAxis()->setEnabled(false);
    const auto offsetsAt = [&](XAxis::LabelPosition position) {
        chart.view->xAxis()->setLabelPosition(position);
        chart.view->notifyDataSetChanged();
        return chart.offsets();
    };
    const ChartOffsets none = offsetsAt(XAxis::LabelPosition::topInside);
    EXPECT_EQ(none, offsetsAt(XAxis::LabelPosition::bottomInside));
    const double w = chart.view->xAxis()->labelRotatedWidth();
    ASSERT_GT(w, 0);
    const ChartOffsets left = offsetsAt(XAxis::LabelPosition::bottom);
    EXPECT_EQ(left, (ChartOffsets{none.left + w, none.top, none.right, none.bottom}));
    const ChartOffsets right = offsetsAt(XAxis::LabelPosition::top);
    EXPECT_EQ(right, (ChartOffsets{none.left, none.top, none.right + w, none.bottom}));
    const ChartOffsets both = offsetsAt(XAxis::LabelPosition::bothSided);
    EXPECT_EQ(both, (ChartOffsets{none.left + w, none.top, none.right + w, none.bottom}));
    // The label width leaves 3.5 x offsets of room.
    const Size longest = textMeasurer().size(chart.view->xAxis()->getLongestLabel(), chart.view->xAxis()->labelFont());
    EXPECT_EQ(w, std::round(longest.width + 3.5 * chart.view->xAxis()->xOffset()));
    EXPECT_EQ(chart.view->xAxis()->labelWidth(), std::floor(longest.width + 3.5 * chart.view->xAxis()->xOffset()));
}

TEST(HorizontalBarChartViewTest, ValueAxesAndLegendsTakeRoomAboveAndBelow) {
    SidewaysChart chart;
    chart.view->setMinOffset(0);
    chart.view->xAxis()->setEnabled(false);
    chart.view->rightAxis()->setEnabled(false);
    chart.view->notifyDataSetChanged();
    const ChartOffsets leftOnly = chart.offsets();
    const double leftHeight = chart.view->leftAxis()->getRequiredHeightSpace();
    ASSERT_GT(leftHeight, 0);
    EXPECT_EQ(leftOnly, (ChartOffsets{0, leftHeight, 0, 0}));

    // A horizontal legend at the bottom: its height and the right axis's
    // labels; at the top, its height and the left axis's.
    chart.view->leftAxis()->setEnabled(false);
    chart.view->rightAxis()->setEnabled(true);
    const auto& legend = chart.view->legend();
    legend->setEnabled(true);
    legend->setOrientation(Legend::Orientation::horizontal);
    struct Case {
        Legend::VerticalAlignment alignment;
        bool bottom;
    };
    for (const Case c : {Case{Legend::VerticalAlignment::bottom, true}, Case{Legend::VerticalAlignment::top, false}}) {
        legend->setVerticalAlignment(c.alignment);
        ChartOffsets offsets;
        chart.view->calculateLegendOffsets(offsets);
        const double legendHeight =
            std::min(legend->neededHeight(), 300 * legend->maxSizePercent()) + legend->yOffset();
        const double axisHeight = c.bottom ? chart.view->rightAxis()->getRequiredHeightSpace() : 0.0;
        EXPECT_DOUBLE_EQ(c.bottom ? offsets.bottom : offsets.top, legendHeight + axisHeight);
    }
}

TEST(HorizontalBarChartViewTest, TheXRangeRunsUpTheContent) {
    SidewaysChart chart;
    const auto& port = *chart.view->viewPortHandler();
    // Entry x at the content's bottom and top edges; the value across.
    const Point bottomLeft = chart.view->pixelForValues(
        chart.view->leftAxis()->axisMinimum(), chart.view->xAxis()->axisMinimum(), YAxis::AxisDependency::left);
    EXPECT_NEAR(bottomLeft.x, port.contentLeft(), 1e-9);
    EXPECT_NEAR(bottomLeft.y, port.contentBottom(), 1e-9);
    EXPECT_DOUBLE_EQ(chart.view->lowestVisibleX(), chart.view->xAxis()->axisMinimum());
    EXPECT_DOUBLE_EQ(chart.view->highestVisibleX(), chart.view->xAxis()->axisMaximum());
    // Zoomed out past the data the range stays within the axis; zoomed in
    // it is what the content shows.
    chart.view->viewPortHandler()->setMinimumScaleY(0.5);
    chart.view->zoom(0.5, 0.5, 0, 0);
    EXPECT_DOUBLE_EQ(chart.view->lowestVisibleX(), chart.view->xAxis()->axisMinimum());
    EXPECT_DOUBLE_EQ(chart.view->highestVisibleX(), chart.view->xAxis()->axisMaximum());
    chart.view->fitScreen();
    chart.view->zoom(1, 2, 0, 0);
    EXPECT_LT(chart.view->highestVisibleX(), chart.view->xAxis()->axisMaximum());
    EXPECT_DOUBLE_EQ(chart.view->lowestVisibleX(), chart.view->xAxis()->axisMinimum());

    // Positions and markers: (y, x) to the transformer, (drawY, drawX) back.
    const auto entry = chart.view->data()->getDataSetByIndex(0)->entryForIndex(2);
    const Point position = chart.view->getPosition(*entry, YAxis::AxisDependency::left);
    const Point expected = chart.view->pixelForValues(8, 2, YAxis::AxisDependency::left);
    EXPECT_NEAR(position.x, expected.x, 1e-9);
    EXPECT_NEAR(position.y, expected.y, 1e-9);
}

// The scale limits a visible range gives: a visible x range limits the
// vertical zoom, a visible y range the horizontal one; the two-bound forms
// pair the largest range with the smallest scale, never the other way.
TEST(HorizontalBarChartViewTest, VisibleRangesLimitTheTurnedZoom) {
    SidewaysChart chart;
    const double xRange = chart.view->xAxis()->axisRange();
    const double yRange = chart.view->getAxisRange(YAxis::AxisDependency::left);
    auto& port = *chart.view->viewPortHandler();
    chart.view->setVisibleXRangeMaximum(xRange / 2);
    EXPECT_DOUBLE_EQ(port.minScaleY(), 2);
    chart.view->setVisibleXRangeMinimum(xRange / 8);
    EXPECT_DOUBLE_EQ(port.maxScaleY(), 8);
    chart.view->setVisibleYRangeMaximum(yRange / 3, YAxis::AxisDependency::left);
    EXPECT_DOUBLE_EQ(port.minScaleX(), 3);
    chart.view->setVisibleYRangeMinimum(yRange / 6, YAxis::AxisDependency::left);
    EXPECT_DOUBLE_EQ(port.maxScaleX(), 6);

    chart.view->setVisibleXRange(xRange / 10, xRange / 4);
    EXPECT_DOUBLE_EQ(port.minScaleY(), 4);
    EXPECT_DOUBLE_EQ(port.maxScaleY(), 10);
    chart.view->setVisibleYRange(yRange / 5, yRange / 2, YAxis::AxisDependency::left);
    EXPECT_DOUBLE_EQ(port.minScaleX(), 2);
    EXPECT_DOUBLE_EQ(port.maxScaleX(), 5);
    // A bound that is no range leaves its limit.
    chart.view->setVisibleXRange(0, xRange / 3);
    EXPECT_DOUBLE_EQ(port.minScaleY(), 3);
    EXPECT_DOUBLE_EQ(port.maxScaleY(), 10);
}

TEST(HorizontalBarChartViewTest, ADragMovesTheBarsWithThePointerAlsoOnAnInvertedAxis) {
    // A drag of (+10, -10): the content follows the pointer whether the
    // value axis runs left to right or mirrored.
    for (const bool inverted : {false, true}) {
        SidewaysChart chart;
        chart.view->leftAxis()->setInverted(inverted);
        chart.view->rightAxis()->setInverted(inverted);
        chart.view->notifyDataSetChanged();
        chart.view->zoom(3, 3, 0, 0);
        chart.view->performPanChange(Point{-100, -100});
        chart.view->performPanChange(Point{inverted ? 100.0 : -100.0, 100});
        const auto entry = chart.view->data()->getDataSetByIndex(0)->entryForIndex(1);
        const Point before = chart.view->getPosition(*entry, YAxis::AxisDependency::left);
        chart.view->panGestureRecognized(charts::testing::step(S::began, before, Point{10, -10}));
        const Point after = chart.view->getPosition(*entry, YAxis::AxisDependency::left);
        EXPECT_NEAR(after.x - before.x, 10, 1e-9) << inverted;
        EXPECT_NEAR(after.y - before.y, -10, 1e-9) << inverted;
    }
}

// A double click zooms both charts by 1.4 about the pointer, also when the
// value axes are inverted (on the horizontal chart they then run from the
// right edge): the values under the pointer stay under it, whether a drag
// came before (which picks the touched set) or not.
TEST(BarChartViewTest, ADoubleClickZoomsAboutThePointerAlsoOnAnInvertedAxis) {
    for (const bool sideways : {false, true}) {
        for (const bool inverted : {false, true}) {
            for (const bool draggedFirst : {false, true}) {
                const auto view = makeEitherView(sideways);
                view->leftAxis()->setInverted(inverted);
                view->rightAxis()->setInverted(inverted);
                view->setData(barData({plainBars({3, 5, 2, 6, 4, 7, 1})}));
                const QPointF at(170, 110);
                const auto send = [&](QEvent::Type type, std::uint64_t time, QPointF where) {
                    QMouseEvent event(type, where, view->mapToGlobal(where),
                                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                                      Qt::NoModifier);
                    event.setTimestamp(time);
                    QCoreApplication::sendEvent(view.get(), &event);
                };
                if (draggedFirst) {
                    view->zoom(1.5, 1.5, 0, 0);
                    send(QEvent::MouseButtonPress, 100, at);
                    send(QEvent::MouseMove, 110, at + QPointF(20, 20));
                    send(QEvent::MouseMove, 120, at);
                    send(QEvent::MouseButtonRelease, 130, at);
                    view->stopDeceleration();
                }
                const double scaleX = view->scaleX();
                const Point before = view->valueForTouchPoint(fromQt(at), YAxis::AxisDependency::left);
                send(QEvent::MouseButtonPress, 1000, at);
                send(QEvent::MouseButtonRelease, 1040, at);
                send(QEvent::MouseButtonDblClick, 1120, at);
                send(QEvent::MouseButtonRelease, 1160, at);
                const std::string name = std::string(sideways ? "horizontal" : "vertical") +
                                         (inverted ? ", inverted" : "") + (draggedFirst ? ", dragged first" : "");
                EXPECT_DOUBLE_EQ(view->scaleX(), scaleX * 1.4) << name;
                const Point after = view->valueForTouchPoint(fromQt(at), YAxis::AxisDependency::left);
                EXPECT_NEAR(after.x, before.x, 1e-9) << name;
                EXPECT_NEAR(after.y, before.y, 1e-9) << name;
            }
        }
    }
}

// A touchpad pinch (a native zoom gesture) zooms both charts about the
// pointer: the bar under it stays under it.
TEST(BarChartViewTest, APinchZoomsAboutThePointer) {
    for (const bool sideways : {false, true}) {
        const auto view = makeEitherView(sideways);
        view->setPinchZoomEnabled(true);
        auto set = plainBars({3, 5, 2, 6, 4, 7, 1});
        view->setData(barData({set}));
        const auto bar = std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(4));
        const Rect before = view->getBarBounds(bar);
        // The pointer on the bar, halfway along it.
        const QPointF at(before.origin.x + before.size.width / 2, before.origin.y + before.size.height / 2);
        const auto send = [&](Qt::NativeGestureType type, double value) {
            QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, at, at,
                                      view->mapToGlobal(at.toPoint()), value, QPointF());
            QCoreApplication::sendEvent(view.get(), &event);
        };
        send(Qt::BeginNativeGesture, 0);
        send(Qt::ZoomNativeGesture, 0.5);
        send(Qt::EndNativeGesture, 0);
        EXPECT_DOUBLE_EQ(view->scaleX(), 1.5) << sideways;
        EXPECT_DOUBLE_EQ(view->scaleY(), 1.5) << sideways;
        const Rect after = view->getBarBounds(bar);
        // Along the bar axis its middle stays at the pointer.
        if (sideways) {
            EXPECT_NEAR(after.origin.y + after.size.height / 2, at.y(), 1e-6);
            EXPECT_NEAR(after.size.height, before.size.height * 1.5, 1e-6);
        } else {
            EXPECT_NEAR(after.origin.x + after.size.width / 2, at.x(), 1e-6);
            EXPECT_NEAR(after.size.width, before.size.width * 1.5, 1e-6);
        }
    }
}

} // namespace
