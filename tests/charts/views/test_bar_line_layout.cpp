#include <gtest/gtest.h>

#include <thread>

#include <QCoreApplication>

#include "tests/charts/support/chart_view_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using H = Legend::HorizontalAlignment;
using V = Legend::VerticalAlignment;
using O = Legend::Orientation;

TEST(BarLineLayout, TheLegendReservesItsShareOnTheSideItSits) {
    struct Case {
        O orientation;
        H horizontal;
        V vertical;
        bool inside;
        bool enabled;
        double neededWidth;
        double neededHeight;
        // Expected additions, with w = min(needed width, 400 x 0.95) + x
        // offset and h likewise with 300.
        int left, top, right, bottom; // 1: w (sides) or h (top, bottom)
    };
    const Case cases[] = {
        {O::vertical, H::left, V::top, false, true, 50, 40, 1, 0, 0, 0},
        {O::vertical, H::right, V::bottom, false, true, 50, 40, 0, 0, 1, 0},
        {O::vertical, H::center, V::top, false, true, 50, 40, 0, 1, 0, 0},
        {O::vertical, H::center, V::bottom, false, true, 50, 40, 0, 0, 0, 1},
        {O::vertical, H::center, V::center, false, true, 50, 40, 0, 0, 0, 0},
        {O::horizontal, H::left, V::top, false, true, 50, 40, 0, 1, 0, 0},
        {O::horizontal, H::right, V::bottom, false, true, 50, 40, 0, 0, 0, 1},
        {O::horizontal, H::left, V::center, false, true, 50, 40, 0, 0, 0, 0},
        {O::horizontal, H::left, V::bottom, true, true, 50, 40, 0, 0, 0, 0},   // drawn inside
        {O::horizontal, H::left, V::bottom, false, false, 50, 40, 0, 0, 0, 0}, // disabled
        // Wider and taller than 95 % of the chart: only that share.
        {O::vertical, H::left, V::top, false, true, 1000, 40, 1, 0, 0, 0},
        {O::horizontal, H::left, V::bottom, false, true, 50, 1000, 0, 0, 0, 1},
    };
    for (const Case& c : cases) {
        const auto view = makeLineChart(400, 300);
        const auto& legend = view->legend();
        legend->setOrientation(c.orientation);
        legend->setHorizontalAlignment(c.horizontal);
        legend->setVerticalAlignment(c.vertical);
        legend->setDrawInside(c.inside);
        legend->setEnabled(c.enabled);
        legend->setNeededWidth(c.neededWidth);
        legend->setNeededHeight(c.neededHeight);
        ChartOffsets offsets{1, 2, 3, 4};
        view->calculateLegendOffsets(offsets);
        const double w = std::min(c.neededWidth, 400 * legend->maxSizePercent()) + legend->xOffset();
        const double h = std::min(c.neededHeight, 300 * legend->maxSizePercent()) + legend->yOffset();
        const ChartOffsets expected{1 + c.left * w, 2 + c.top * h, 3 + c.right * w, 4 + c.bottom * h};
        EXPECT_EQ(offsets, expected) << static_cast<int>(c.orientation) << " " << static_cast<int>(c.horizontal) << " "
                                     << static_cast<int>(c.vertical) << " " << c.inside << c.enabled;
    }
}

TEST(BarLineLayout, XAxisLabelsReserveTheirHeightWhereTheyAre) {
    struct Case {
        XAxis::LabelPosition position;
        bool top;
        bool bottom;
    };
    const Case cases[] = {
        {XAxis::LabelPosition::top, true, false},           {XAxis::LabelPosition::bottom, false, true},
        {XAxis::LabelPosition::bothSided, true, true},      {XAxis::LabelPosition::topInside, false, false},
        {XAxis::LabelPosition::bottomInside, false, false},
    };
    for (const Case& c : cases) {
        const auto view = makeLineChart(400, 300);
        view->legend()->setEnabled(false);
        view->leftAxis()->setEnabled(false);
        view->rightAxis()->setEnabled(false);
        view->xAxis()->setLabelPosition(c.position);
        view->xAxis()->setLabelRotatedHeight(30);
        view->calculateOffsets();
        const double h = 30 + view->xAxis()->yOffset();
        const auto& handler = view->viewPortHandler();
        EXPECT_EQ(handler->offsetTop(), c.top ? h : 10) << static_cast<int>(c.position);
        EXPECT_EQ(handler->offsetBottom(), c.bottom ? h : 10) << static_cast<int>(c.position);
        EXPECT_EQ(handler->offsetLeft(), 10);
        EXPECT_EQ(handler->offsetRight(), 10);
    }
}

TEST(BarLineLayout, OffsetsAddTheExtrasAndTheAxisWidthsAndKeepTheMinimum) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    view->legend()->setEnabled(false);
    view->xAxis()->setEnabled(false);
    view->rightAxis()->setEnabled(false);
    view->setData(lineData({lineSet(ramp(5))}));
    view->setExtraOffsets(1, 2, 3, 40);
    view->calculateOffsets();
    const auto& handler = view->viewPortHandler();
    EXPECT_DOUBLE_EQ(handler->offsetLeft(), std::max(10.0, view->leftAxis()->requiredSize().width + 1));
    EXPECT_GT(handler->offsetLeft(), 10);
    EXPECT_EQ(handler->offsetTop(), 10);   // 2 is below the minimum
    EXPECT_EQ(handler->offsetRight(), 10); // the right axis is off
    EXPECT_EQ(handler->offsetBottom(), 40);
    view->setMinOffset(50);
    view->calculateOffsets();
    EXPECT_EQ(handler->offsetTop(), 50);
    EXPECT_EQ(handler->offsetBottom(), 50);
}

TEST(BarLineLayout, FixedViewPortOffsetsSurviveDataChangesUntilReset) {
    const auto view = makeLineChart(400, 300);
    view->setViewPortOffsets(31, 32, 33, 34);
    EXPECT_TRUE(view->isCustomViewPortEnabled());
    view->setData(lineData({lineSet(ramp(5))}));
    view->notifyDataSetChanged();
    const auto& handler = view->viewPortHandler();
    EXPECT_EQ(handler->contentRect(), Rect(31, 32, 400 - 31 - 33, 300 - 32 - 34));
    view->resetViewPortOffsets();
    EXPECT_FALSE(view->isCustomViewPortEnabled());
    EXPECT_NE(handler->offsetLeft(), 31);
}

TEST(BarLineLayout, ViewPortOffsetsFromAnotherThreadArriveThroughTheEventLoop) {
    const auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(5))}));
    const Rect before = view->viewPortHandler()->contentRect();
    std::thread worker([&] { view->setViewPortOffsets(20, 21, 22, 23); });
    worker.join();
    // The flag is set at once; the offsets wait for the view's thread.
    EXPECT_TRUE(view->isCustomViewPortEnabled());
    EXPECT_EQ(view->viewPortHandler()->contentRect(), before);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->viewPortHandler()->contentRect(), Rect(20, 21, 400 - 42, 300 - 44));
}

TEST(BarLineLayout, AQueuedOffsetChangeForAViewThatIsGoneIsDropped) {
    auto view = makeLineChart(400, 300);
    std::thread worker([&] { view->setViewPortOffsets(20, 21, 22, 23); });
    worker.join();
    view.reset();
    QCoreApplication::processEvents(); // nothing left to reach
    SUCCEED();
}

TEST(BarLineLayout, WithoutDataEveryAxisSpansMinusOneToOne) {
    const auto view = makeLineChart(400, 300);
    view->notifyDataSetChanged();
    for (const AxisBase* axis :
         {static_cast<AxisBase*>(view->xAxis().get()), static_cast<AxisBase*>(view->leftAxis().get()),
          static_cast<AxisBase*>(view->rightAxis().get())}) {
        EXPECT_EQ(axis->axisMinimum(), -1);
        EXPECT_EQ(axis->axisMaximum(), 1);
    }
    view->autoScale(); // nothing without data
    EXPECT_EQ(view->leftAxis()->axisMaximum(), 1);
}

TEST(BarLineLayout, TheVisibleXRangeStaysInsideTheAxis) {
    const auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet(ramp(11))})); // x 0 to 100
    EXPECT_NEAR(view->lowestVisibleX(), 0, 1e-12);
    EXPECT_NEAR(view->highestVisibleX(), 100, 1e-12);
    view->setDragOffsetX(200);
    view->zoom(2, 1, 0, 0);
    // Pulled past the start by the drag offset.
    view->performPanChange(Point{150, 0});
    EXPECT_DOUBLE_EQ(view->lowestVisibleX(), 0);
    EXPECT_LT(view->highestVisibleX(), 100);
    view->performPanChange(Point{-2000, 0});
    EXPECT_DOUBLE_EQ(view->highestVisibleX(), 100);
    EXPECT_NEAR(view->visibleXRange(), view->highestVisibleX() - view->lowestVisibleX(), 1e-12);
}

TEST(BarLineLayout, SwitchesEnableTheirRecognisers) {
    const auto view = makeLineChart();
    EXPECT_TRUE(view->isPinchGestureEnabled());
    EXPECT_TRUE(view->isDoubleTapGestureEnabled());
    view->setScaleXEnabled(false);
    EXPECT_TRUE(view->isPinchGestureEnabled()); // y still scales
    view->setScaleYEnabled(false);
    EXPECT_FALSE(view->isPinchGestureEnabled());
    view->setPinchZoomEnabled(true);
    EXPECT_TRUE(view->isPinchGestureEnabled());
    view->setPinchZoomEnabled(false);
    view->setScaleEnabled(true);
    EXPECT_TRUE(view->isScaleXEnabled() && view->isScaleYEnabled() && view->isPinchGestureEnabled());
    view->setDoubleTapToZoomEnabled(false);
    EXPECT_FALSE(view->isDoubleTapGestureEnabled());
    // Dragging off clears both flags but keeps the pan recogniser, so a pan
    // can still highlight.
    view->setDragEnabled(false);
    EXPECT_FALSE(view->dragXEnabled() || view->dragYEnabled() || view->isDragEnabled());
    EXPECT_TRUE(view->isPanGestureEnabled());
}

TEST(BarLineLayout, ChartYBoundsSpanBothAxes) {
    const auto view = makeLineChart();
    const auto left = lineSet({{0, 0}, {1, 10}});
    const auto right = lineSet({{0, -50}, {1, 5}});
    right->setAxisDependency(YAxis::AxisDependency::right);
    view->setData(lineData({left, right}));
    EXPECT_EQ(view->chartYMax(), std::max(view->leftAxis()->axisMaximum(), view->rightAxis()->axisMaximum()));
    EXPECT_EQ(view->chartYMin(), view->rightAxis()->axisMinimum());
    EXPECT_LT(view->chartYMin(), -50);
    EXPECT_EQ(view->maxVisibleCount(), 100);
}

TEST(BarLineLayout, AResizeKeepsTheVisibleOriginWhenAskedTo) {
    for (const bool keep : {true, false}) {
        const auto view = makeLineChart(400, 300);
        view->setData(lineData({lineSet(ramp(11))}));
        view->setKeepPositionOnRotation(keep);
        view->zoom(4, 4, 0, 0);
        view->performPanChange(Point{-500, 300});
        const auto& handler = view->viewPortHandler();
        const auto originValue = [&] {
            return view->valueForTouchPoint(Point{handler->contentLeft(), handler->contentTop()},
                                            YAxis::AxisDependency::left);
        };
        const Point before = originValue();
        view->setChartSize(300, 400);
        const Point after = originValue();
        if (keep) {
            EXPECT_NEAR(after.x, before.x, 1e-6);
            EXPECT_NEAR(after.y, before.y, 1e-6);
        } else {
            EXPECT_GT(std::fabs(after.x - before.x) + std::fabs(after.y - before.y), 1e-3);
        }
    }
}

} // namespace
} // namespace charts
