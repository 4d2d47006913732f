#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/PlatformStyle.h"
#include "Charts/types/radar/RadarChartRenderer.h"
#include "Charts/types/radar/RadarHighlighter.h"
#include "Charts/types/radar/XAxisRendererRadarChart.h"
#include "Charts/types/radar/YAxisRendererRadarChart.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/radar/radar_support.h"

namespace charts {
namespace {

using namespace charts::testing;

TEST(RadarView, ItsOwnRenderersAndHighlighterAndTheSkippedSpokes) {
    const auto view = radarView(300, 300);
    EXPECT_EQ(view->yAxis()->labelXOffset(), 10);
    EXPECT_EQ(view->yAxis()->axisDependency(), YAxis::AxisDependency::left);
    EXPECT_TRUE(std::dynamic_pointer_cast<RadarChartRenderer>(view->renderer()));
    EXPECT_TRUE(std::dynamic_pointer_cast<RadarHighlighter>(view->highlighter()));
    EXPECT_EQ(view->xAxisRenderer()->axis(), view->xAxis());
    EXPECT_EQ(view->yAxisRenderer()->axis(), view->yAxis());
    const struct { std::int64_t set, stored; } skips[] = {{-3, 0}, {2, 2}, {0, 0}};
    for (const auto& s : skips) {
        view->setSkipWebLineCount(s.set);
        EXPECT_EQ(view->skipWebLineCount(), s.stored);
    }
}

TEST(RadarView, OffsetsMakeRoomForTheSpokeLabelsAndTheLegend) {
    FixedMetrics metrics;
    const auto view = radarView(300, 300, radarData({radarSet({1, 2, 3, 4}, "Set")}));
    view->xAxis()->setEnabled(false);
    EXPECT_EQ(view->requiredBaseOffset(), 10);
    view->xAxis()->setEnabled(true);
    view->notifyDataSetChanged();
    EXPECT_GT(view->xAxis()->labelRotatedWidth(), 1);
    EXPECT_EQ(view->requiredBaseOffset(), view->xAxis()->labelRotatedWidth());
    // The content keeps the labels' width free on every side.
    EXPECT_EQ(view->viewPortHandler()->offsetLeft(), view->xAxis()->labelRotatedWidth());
    view->legend()->setFont(pixelSizedFont(QFont(), 9));
    EXPECT_EQ(view->requiredLegendOffset(), 36);
}

TEST(RadarView, GeometryFollowsTheContentAndTheRadialAxis) {
    const auto view = radarView(300, 200, radarData({radarSet({0, 10, 20, 30, 40}, "Set")}));
    view->xAxis()->setEnabled(false);
    view->notifyDataSetChanged();
    // The radial axis rounds 0..44 (padded) to 0, 10, ..., 50; without spoke
    // labels and legend the content keeps 10 points free at the bottom.
    ASSERT_EQ(view->yRange(), 50);
    EXPECT_EQ(view->radius(), 95);
    EXPECT_EQ(view->factor(), 95.0 / 50);
    EXPECT_EQ(view->sliceAngle(), 72);
    view->setRotationAngle(0);
    EXPECT_EQ(view->indexForAngle(36), 1);
    EXPECT_EQ(view->indexForAngle(330), 5);
}

// A 300 x 300 radar of four spokes (top, right, bottom, left at the default
// rotation), two sets with 10 and 20 at spoke 1, the y axis from 0.
std::unique_ptr<RadarChartView> twoSetRadar(double min = 0) {
    auto view = radarView(300, 300, radarData({radarSet({5, 10, 5, 5}, "First"), radarSet({5, 20, 5, 5}, "Second")}));
    view->xAxis()->setEnabled(false);
    view->yAxis()->setAxisMinimum(min);
    view->yAxis()->setAxisMaximum(min + 25);
    view->yAxis()->setLabelCount(5, true);
    view->notifyDataSetChanged();
    return view;
}

TEST(RadarHighlighter, AClickRingsTheNearestSetsPointOnTheClickedSpoke) {
    const auto view = twoSetRadar();
    ASSERT_EQ(view->chartYMin(), 0);
    const Point c = view->centerOffsets();
    const double f = view->factor();
    const struct {
        double distance; // in value units from the centre
        double angle;
        int set; // -1: none
        double x;
    } clicks[] = {
        {17.5, 0, 1, 1}, {15, 0, 0, 1}, // equally far: the first set
        {11, 2, 0, 1},   {22, 355, 1, 1}, {6, 90, 0, 2}, {6, 271, 0, 0},
    };
    for (const auto& k : clicks) {
        const Point p = pointOnCircle(c, k.distance * f, k.angle);
        const HighlightPtr h = view->highlighter()->getHighlight(p.x, p.y);
        ASSERT_NE(h, nullptr) << k.distance << " at " << k.angle;
        EXPECT_EQ(h->dataSetIndex(), k.set) << k.distance << " at " << k.angle;
        EXPECT_EQ(h->x(), k.x);
    }
    // On the radius: resolved; beyond it: nothing.
    const Point rim = pointOnCircle(c, view->radius(), 0);
    EXPECT_NE(view->highlighter()->getHighlight(rim.x, rim.y), nullptr);
    const Point beyond = pointOnCircle(c, view->radius() + 1, 0);
    EXPECT_EQ(view->highlighter()->getHighlight(beyond.x, beyond.y), nullptr);

    // The candidates lie on the spoke at their values.
    const std::vector<HighlightPtr> all =
        std::dynamic_pointer_cast<RadarHighlighter>(view->highlighter())->getHighlights(1);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_NEAR(all[1]->xPx(), c.x + 20 * f, 1e-9);
    EXPECT_NEAR(all[1]->yPx(), c.y, 1e-9);
}

TEST(RadarHighlighter, DistancesCountFromTheAxisMinimumAsThePointsAreDrawn) {
    // With the axis from 8, the value 10 stands 2 units out and 20 stands 12:
    // a click 3 units out is nearest to the first set's point.
    const auto view = twoSetRadar(8);
    ASSERT_EQ(view->chartYMin(), 8);
    const Point p = pointOnCircle(view->centerOffsets(), 3 * view->factor(), 0);
    const HighlightPtr h = view->highlighter()->getHighlight(p.x, p.y);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->dataSetIndex(), 0);
    // With the axis from 15, 10 is drawn at the centre and 20 stands 5 out:
    // a click 2 out is nearest 10 as drawn.
    const auto below = twoSetRadar(15);
    const Point q = pointOnCircle(below->centerOffsets(), 2 * below->factor(), 0);
    const HighlightPtr nearest = below->highlighter()->getHighlight(q.x, q.y);
    ASSERT_NE(nearest, nullptr);
    EXPECT_EQ(nearest->dataSetIndex(), 0);
}

TEST(RadarView, AccessibilityReadsEachSetsPointsByValue) {
    const auto set = radarSet({1, 3, 2}, "Sales");
    const auto view = radarView(300, 300, radarData({set}));
    view->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(std::vector<QString>{"A", "B", "C"}));
    RecordingContext context;
    view->draw(context);
    std::vector<std::string> labels;
    for (const auto& element : view->accessibilityChildren()) labels.push_back(element->label().toStdString());
    EXPECT_EQ(labels, (std::vector<std::string>{"Radar Chart. 1 dataset. Sales", "Sales. 3 Items. ", "Sales - B: 3.0 ",
                                                "Sales - C: 2.0 ", "Sales - A: 1.0 "}));
    // Each framed around its own point.
    const auto& children = view->accessibilityChildren();
    const Point b = view->frameGeometry().point(1, 3);
    EXPECT_EQ(children[2]->frame(), Rect(b.x - 22, b.y - 22, 44, 44));

    // The spokes' labels are made again when the number of spokes changes.
    set->addEntry(std::make_shared<RadarChartDataEntry>(4));
    view->xAxis()->setValueFormatter(
        std::make_shared<IndexAxisValueFormatter>(std::vector<QString>{"A", "B", "C", "D"}));
    view->notifyDataSetChanged();
    view->draw(context);
    EXPECT_EQ(view->accessibilityChildren()[2]->label(), "Sales - D: 4.0 ");

    // An opaque fill makes no elements for its set.
    set->setDrawFilledEnabled(true);
    set->setFillAlpha(1);
    view->draw(context);
    EXPECT_EQ(view->accessibilityChildren().size(), 1u);
}

} // namespace
} // namespace charts
