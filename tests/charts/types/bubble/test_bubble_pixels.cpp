// Bubble charts painted offscreen: diameters on the pixels, and the bubbles'
// elements as assistive technology reads them.
#include <gtest/gtest.h>

#include <cmath>

#include <QAccessible>

#include "Charts/types/bubble/BubbleChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/offscreen_paint.h"
#include "tests/charts/types/bubble/bubble_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::bubbleSet;

const QColor bubbleColour(30, 60, 200);

struct Chart {
    FixedMetrics metrics;
    std::unique_ptr<BubbleChartView> view{ChartViewBase::create<BubbleChartView>()};
    std::shared_ptr<BubbleChartDataSet> set = bubbleSet({{1, 50, 1}, {2, 50, 4}, {3, 50, 16}}, QStringLiteral("Sizes"));
    Chart() {
        set->setColor(bubbleColour);
        set->setDrawValuesEnabled(false);
        view->setChartSize(400, 300);
        fixRanges(*view, 0, 4, 0, 100);
        view->setData(std::make_shared<BubbleChartData>(ChartData::DataSets{set}));
    }
    Point centre(double x) const { return view->pixelForValues(x, 50, YAxis::AxisDependency::left); }
};

// The run of bubble-coloured pixels through the bubble's centre row.
int widthThrough(const QImage& image, Point centre) {
    const int y = int(centre.y);
    int left = int(centre.x), right = int(centre.x);
    while (left > 0 && isNear(image.pixel(left - 1, y), bubbleColour, 100)) --left;
    while (right < image.width() - 1 && isNear(image.pixel(right + 1, y), bubbleColour, 100)) ++right;
    return right - left + 1;
}

TEST(BubblePixels, ABubblesDiameterFollowsTheRootOfItsSize) {
    Chart chart;
    const QImage image = paintedView(*chart.view);
    // The largest size takes one x unit (the content is taller).
    const double unit = chart.centre(1).x - chart.centre(0).x;
    ASSERT_LT(unit, chart.view->viewPortHandler()->contentHeight());
    struct Case {
        double x, share;
    };
    for (const Case c : {Case{1, 0.25}, Case{2, 0.5}, Case{3, 1}})
        EXPECT_NEAR(widthThrough(image, chart.centre(c.x)), unit * c.share, 1.5) << c.x;
}

TEST(BubblePixels, AssistiveTechnologyReadsTheBubbles) {
    Chart chart;
    paintedView(*chart.view);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(chart.view.get());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 4);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QString("Bubble Chart. 1 dataset. Sizes"));
    EXPECT_TRUE(list->child(3)->text(QAccessible::Name).startsWith(QString(" 3.0: 50, bubble size: ")))
        << list->child(3)->text(QAccessible::Name).toStdString();
    const QPoint centre = chart.view->mapToGlobal(QPoint(int(chart.centre(2).x), int(chart.centre(2).y)));
    EXPECT_EQ(list->childAt(centre.x(), centre.y()), list->child(2));
}

} // namespace
} // namespace charts
