// Candles, candle sets with their bounds, style and legend, candle data and
// the candlestick view.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "Charts/types/candle/CandleStickChartRenderer.h"
#include "Charts/types/candle/CandleStickChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/pinch_zoom.h"
#include "tests/charts/types/candle/candle_support.h"

namespace {

using namespace charts;
using render_test::candleSet;

TEST(CandleEntry, ItsYIsTheMiddleOfItsShadowAsLastSet) {
    CandleChartDataEntry candle(3, 10, 2, 4, 8);
    EXPECT_EQ(candle.y(), 6);
    candle.setY(100);
    EXPECT_EQ(candle.y(), 6) << "the value given is not used";
    candle.setHigh(20);
    EXPECT_EQ(candle.y(), 6) << "moving the high leaves y";
    candle.setY(-1);
    EXPECT_EQ(candle.y(), 11);
}

TEST(CandleEntry, ItsRangesAreNeverNegative) {
    struct Case {
        double high, low, open, close, shadow, body;
    };
    const Case cases[] = {{10, 2, 5, 3, 8, 2}, {2, 10, 3, 5, 8, 2}, {4, 4, 7, 7, 0, 0}, {-1, -5, -4, -2, 4, 2}};
    for (const Case& c : cases) {
        const CandleChartDataEntry candle(0, c.high, c.low, c.open, c.close);
        EXPECT_EQ(candle.shadowRange(), c.shadow) << c.high << " " << c.low;
        EXPECT_EQ(candle.bodyRange(), c.body) << c.open << " " << c.close;
    }
}

TEST(CandleEntry, ACopyKeepsThePricesAndTheYOfItsSource) {
    QImage icon(2, 2, QImage::Format_ARGB32);
    CandleChartDataEntry candle(3, 10, 2, 4, 8, icon, std::any(7));
    candle.setHigh(20); // y stays 6
    const auto copy = std::dynamic_pointer_cast<CandleChartDataEntry>(candle.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->x(), 3);
    EXPECT_EQ(copy->y(), 6);
    EXPECT_EQ(copy->high(), 20);
    EXPECT_EQ(copy->low(), 2);
    EXPECT_EQ(copy->open(), 4);
    EXPECT_EQ(copy->close(), 8);
    EXPECT_EQ(std::any_cast<int>(copy->data()), 7);
    EXPECT_FALSE(copy->icon()) << "icons are not copied";
}

TEST(CandleSet, BarSpaceStaysWithinNoneAndNearlyHalfASlot) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double given, stored;
    };
    const Case cases[] = {{0.6, 0.45}, {-1, 0}, {0.3, 0.3}, {0.45, 0.45}, {0, 0}};
    CandleChartDataSet set;
    for (const Case& c : cases) {
        set.setBarSpace(c.given);
        EXPECT_EQ(set.barSpace(), c.stored) << c.given;
    }
    set.setBarSpace(nan);
    EXPECT_TRUE(std::isnan(set.barSpace()));
}

TEST(CandleSet, ItsYBoundsRunFromTheLowestLowToTheHighestHigh) {
    // Open, close and y play no part.
    auto set = candleSet({{1, 7, 1, 100, -100}, {2, 9, 4, 5, 5}, {3, 3, 2, -50, 50}});
    EXPECT_EQ(set->yMin(), 1);
    EXPECT_EQ(set->yMax(), 9);
    EXPECT_EQ(set->xMin(), 1);
    EXPECT_EQ(set->xMax(), 3);

    // A plain entry counts for nothing, not even its x.
    set->addEntry(std::make_shared<ChartDataEntry>(10, 50));
    EXPECT_EQ(set->yMax(), 9);
    EXPECT_EQ(set->xMax(), 3);

    // The y bounds of an x window: the highs and lows inside it.
    set->calcMinMaxY(2, 3);
    EXPECT_EQ(set->yMin(), 2);
    EXPECT_EQ(set->yMax(), 9);
}

TEST(CandleSet, ACopyKeepsItsCandleFields) {
    auto set = candleSet({{1, 3, 1, 2, 2}}, QString("Prices"));
    set->setBarSpace(0.3);
    set->setShowCandleBar(false);
    set->setShadowWidth(4);
    set->setShadowColor(QColor(1, 1, 1));
    set->setShadowColorSameAsCandle(true);
    set->setNeutralColor(QColor(2, 2, 2));
    set->setIncreasingColor(QColor(3, 3, 3));
    set->setDecreasingColor(QColor(4, 4, 4));
    set->setIncreasingFilled(true);
    set->setDecreasingFilled(false);
    set->setHighlightLineWidth(3);

    const auto copy = std::dynamic_pointer_cast<CandleChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->label(), QString("Prices"));
    EXPECT_EQ(copy->highlightLineWidth(), 3);
    EXPECT_EQ(copy->barSpace(), 0.3);
    EXPECT_FALSE(copy->showCandleBar());
    EXPECT_EQ(copy->shadowWidth(), 4);
    EXPECT_EQ(copy->shadowColor(), QColor(1, 1, 1));
    EXPECT_TRUE(copy->isShadowColorSameAsCandle());
    EXPECT_EQ(copy->neutralColor(), QColor(2, 2, 2));
    EXPECT_EQ(copy->increasingColor(), QColor(3, 3, 3));
    EXPECT_EQ(copy->decreasingColor(), QColor(4, 4, 4));
    EXPECT_TRUE(copy->isIncreasingFilled());
    EXPECT_FALSE(copy->isDecreasingFilled());
    EXPECT_EQ(copy->yMax(), 3);
}

TEST(CandleView, KeepsHalfASlotBesideTheCandlesAndDrawsCandleDataOnly) {
    std::unique_ptr<CandleStickChartView> view(ChartViewBase::create<CandleStickChartView>());
    EXPECT_EQ(view->xAxis()->spaceMin(), 0.5);
    EXPECT_EQ(view->xAxis()->spaceMax(), 0.5);
    auto* renderer = dynamic_cast<CandleStickChartRenderer*>(view->renderer().get());
    ASSERT_NE(renderer, nullptr);
    EXPECT_EQ(renderer->dataProvider().get(), static_cast<CandleChartDataProvider*>(view.get()));
    EXPECT_EQ(view->candleData(), nullptr);
    view->setData(std::make_shared<ChartData>(ChartData::DataSets{candleSet({{1, 3, 1, 2, 2}})}));
    EXPECT_EQ(view->candleData(), nullptr) << "data of another class";
    auto data = std::make_shared<CandleChartData>(ChartData::DataSets{candleSet({{1, 3, 1, 2, 2}})});
    view->setData(data);
    EXPECT_EQ(view->candleData(), data);
}

TEST(CandleView, APinchZoomsAboutTheFingers) {
    const auto view = charts::testing::makeChart<CandleStickChartView>(400, 300);
    view->setData(std::make_shared<CandleChartData>(
        ChartData::DataSets{candleSet({{1, 3, 1, 2, 2}, {2, 5, 2, 3, 4}, {3, 4, 1, 2, 2}})}));
    charts::testing::expectPinchZoomsAboutTheValue(*view, Point{2, 3.5});
}

} // namespace
