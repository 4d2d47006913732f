// Bubbles, bubble sets with their largest size, bubble data and the bubble
// view.
#include <gtest/gtest.h>

#include "Charts/types/bubble/BubbleChartRenderer.h"
#include "Charts/types/bubble/BubbleChartView.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/pinch_zoom.h"
#include "tests/charts/types/bubble/bubble_support.h"

namespace {

using namespace charts;
using render_test::Bubble;
using render_test::bubbleSet;

TEST(BubbleEntry, ACopyKeepsItsSize) {
    const BubbleChartDataEntry bubble(1, 2, 7, std::any(3));
    const auto copy = std::dynamic_pointer_cast<BubbleChartDataEntry>(bubble.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->x(), 1);
    EXPECT_EQ(copy->y(), 2);
    EXPECT_EQ(copy->size(), 7);
    EXPECT_EQ(std::any_cast<int>(copy->data()), 3);
}

TEST(BubbleSet, TheLargestSizeOnlyEverGrows) {
    struct Case {
        std::vector<Bubble> bubbles;
        double maxSize;
    };
    const Case cases[] = {{{{1, 1, 3}, {2, 1, 10}, {3, 1, 5}}, 10}, {{{1, 1, 0}, {2, 1, -4}}, 0}, {{}, 0}};
    for (const Case& c : cases) EXPECT_EQ(bubbleSet(c.bubbles)->maxSize(), c.maxSize);

    auto set = bubbleSet({{1, 1, 3}, {2, 9, 10}, {3, 1, 5}});
    set->removeEntryAtIndex(1);
    set->calcMinMax();
    EXPECT_EQ(set->maxSize(), 10) << "kept after its bubble went";
    EXPECT_EQ(set->yMax(), 1) << "unlike the bounds";

    // A plain entry counts for nothing.
    set->addEntry(std::make_shared<ChartDataEntry>(50, 50));
    EXPECT_EQ(set->xMax(), 3);
    EXPECT_EQ(set->yMax(), 1);
    set->addEntry(std::make_shared<BubbleChartDataEntry>(4, 2, 12));
    EXPECT_EQ(set->maxSize(), 12);
}

TEST(BubbleSet, ACopyKeepsTheLargestSizeAndTheBubbleStyle) {
    auto set = bubbleSet({{1, 2, 8}}, QString("B"));
    set->setNormalizeSizeEnabled(false);
    set->setHighlightCircleWidth(4);
    set->setColor(QColor(1, 2, 3));
    const auto copy = std::dynamic_pointer_cast<BubbleChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->maxSize(), 8);
    EXPECT_FALSE(copy->isNormalizeSizeEnabled());
    EXPECT_EQ(copy->highlightCircleWidth(), 4);
    EXPECT_EQ(copy->color(0), QColor(1, 2, 3));
    EXPECT_EQ(copy->yMax(), 2);
}

TEST(BubbleData, TheHighlightOutlineWidthGoesToEverySetOrToNone) {
    auto first = bubbleSet({{1, 1, 1}});
    auto second = bubbleSet({{1, 1, 1}});
    BubbleChartData({first, second}).setHighlightCircleWidth(6);
    EXPECT_EQ(first->highlightCircleWidth(), 6);
    EXPECT_EQ(second->highlightCircleWidth(), 6);
    BubbleChartData({first, std::make_shared<LineChartDataSet>()}).setHighlightCircleWidth(1);
    EXPECT_EQ(first->highlightCircleWidth(), 6);
    BubbleChartData().setHighlightCircleWidth(1);
}

TEST(BubbleView, DrawsBubbleDataOnlyThroughItsRenderer) {
    std::unique_ptr<BubbleChartView> view(ChartViewBase::create<BubbleChartView>());
    auto* renderer = dynamic_cast<BubbleChartRenderer*>(view->renderer().get());
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->dataProvider().get(), static_cast<BubbleChartDataProvider*>(view.get()));
    EXPECT_EQ(view->xAxis()->spaceMin(), 0) << "the axes keep the base's settings";
    EXPECT_EQ(view->bubbleData(), nullptr);
    view->setData(std::make_shared<ChartData>(ChartData::DataSets{bubbleSet({{1, 1, 1}})}));
    EXPECT_EQ(view->bubbleData(), nullptr) << "data of another class";
    auto data = std::make_shared<BubbleChartData>(ChartData::DataSets{bubbleSet({{1, 1, 1}})});
    view->setData(data);
    EXPECT_EQ(view->bubbleData(), data);
}

TEST(BubbleView, APinchZoomsAboutTheFingers) {
    const auto view = charts::testing::makeChart<BubbleChartView>(400, 300);
    view->setData(std::make_shared<BubbleChartData>(ChartData::DataSets{bubbleSet({{1, 1, 1}, {2, 5, 2}, {3, 3, 1}})}));
    charts::testing::expectPinchZoomsAboutTheValue(*view, Point{2, 5});
}

} // namespace
