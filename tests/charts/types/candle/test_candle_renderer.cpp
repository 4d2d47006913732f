// The candlestick renderer beyond what its golden frames hold: the colour
// fallbacks, the animation, the candles' elements in any chart and the
// header on its own view only, highlights that name no candle, and a chart
// that is gone.
#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/types/candle/CandleStickChartRenderer.h"
#include "tests/charts/support/render_support.h"
#include "tests/charts/types/candle/candle_support.h"

namespace {

using namespace charts;
using namespace render_test;

class CandleRendererTest : public KindRendererTest<FakeCandleChart, CandleStickChartRenderer> {
protected:
    auto show(std::vector<Candle> items, std::optional<QString> label = QString("C")) {
        return showSet(candleSet(items, std::move(label)));
    }
};

const QColor c0(10, 0, 0), c1(11, 0, 0), shadow(0, 0, 9), rising(0, 200, 0), falling(200, 0, 0), flat(90, 90, 90);

struct ColourCase {
    const char* name;
    double open, close;
    bool shadowColour, sameAsCandle, candleColours, increasingFilled, decreasingFilled;
    QColor shadowDrawn, bodyDrawn;
    bool filled;
};

// One candle at index 1 of a set coloured c0, c1: every absent colour falls
// back to c1.
const ColourCase colourCases[] = {
    {"falling, no colours", 60, 40, false, false, false, false, true, c1, c1, true},
    {"rising, no colours", 40, 60, false, false, false, false, true, c1, c1, false},
    {"unchanged, no colours", 50, 50, false, false, false, true, true, c1, c1, false},
    {"falling, shadow colour", 60, 40, true, false, true, false, true, shadow, falling, true},
    {"rising, own colours", 40, 60, true, false, true, false, true, shadow, rising, false},
    {"rising filled", 40, 60, false, false, true, true, true, c1, rising, true},
    {"falling hollow", 60, 40, false, false, true, false, false, c1, falling, false},
    {"unchanged, never filled", 50, 50, false, false, true, true, true, c1, flat, false},
    {"shadow as the candle", 40, 60, true, true, true, false, true, rising, rising, false},
    {"shadow as the candle, no colours", 60, 40, true, true, false, false, true, c1, c1, true},
};

TEST_F(CandleRendererTest, ColoursFallBackToTheSetsColourForTheCandle) {
    for (const ColourCase& c : colourCases) {
        sets.clear();
        context.clearOperations();
        auto set = show({{4, 80, 20, 50, 50}, {5, 80, 20, c.open, c.close}});
        set->setColors({c0, c1});
        if (c.shadowColour) set->setShadowColor(shadow);
        set->setShadowColorSameAsCandle(c.sameAsCandle);
        if (c.candleColours) {
            set->setIncreasingColor(rising);
            set->setDecreasingColor(falling);
            set->setNeutralColor(flat);
        }
        set->setIncreasingFilled(c.increasingFilled);
        set->setDecreasingFilled(c.decreasingFilled);
        renderer.drawData(context);

        const auto shadows = ofKind(context, DrawingOperation::strokeLineSegments);
        ASSERT_EQ(shadows.size(), 2u) << c.name;
        EXPECT_EQ(shadows[1].state.strokeColor, c.shadowDrawn) << c.name;
        const auto fills = ofKind(context, DrawingOperation::fillRect);
        const auto outlines = ofKind(context, DrawingOperation::strokeRect);
        const std::vector<RecordedOperation>& body = c.filled ? fills : outlines;
        ASSERT_FALSE(body.empty()) << c.name;
        EXPECT_EQ(c.filled ? body.back().state.fillColor : body.back().state.strokeColor, c.bodyDrawn) << c.name;
        EXPECT_EQ(fills.size() + outlines.size(), 2u) << c.name;
    }
}

TEST_F(CandleRendererTest, TheAnimationDrawsHalfTheRangeAtHalfHeight) {
    std::vector<Candle> candles;
    for (int i = 0; i < 10; ++i) candles.push_back(Candle{double(i), 80, 20, 60, 40});
    show(candles);
    chart->animator->setPhaseX(0.5);
    chart->animator->setPhaseY(0.5);
    renderer.drawData(context);
    const auto shadows = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(shadows.size(), 5u);
    expectPointsNear(shadows[4].points, {pixel(4, 40), pixel(4, 30), pixel(4, 10), pixel(4, 20)});
}

TEST_F(CandleRendererTest, EveryDrawnCandleHasItsElementAndOnlyTheViewAHeader) {
    show({{5, 80, 20, 60, 40}, {6, 30.5, 10, 10, 30.5}});
    renderer.drawData(context);
    const auto& elements = renderer.accessibleChartElements();
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[0]->label(), QString("CandleStick Chart. 1 dataset. C"));
    EXPECT_TRUE(elements[0]->isHeader());
    // One set: the labels begin with the space.
    EXPECT_EQ(elements[1]->label(), QString(" 5.0 - decreasing. low: 20.0, high: 80.0, opening: 60.0, closing: 40.0"));
    EXPECT_EQ(elements[2]->label(), QString(" 6.0 - increasing. low: 10.0, high: 30.5, opening: 10.0, closing: 30.5"));
    const Rect frame = elements[1]->frame();
    EXPECT_NEAR(frame.x(), pixel(4.6, 0).x, 1e-9);
    EXPECT_NEAR(frame.width(), 33 * 0.8, 1e-9);
    EXPECT_NEAR(frame.y(), pixel(0, 80).y, 1e-9);
    EXPECT_NEAR(frame.height(), 2.4 * 60, 1e-9);

    // In a chart of another kind the candles keep their elements, without a
    // header.
    auto plain = std::make_shared<PlainCandleProvider>(chart);
    CandleStickChartRenderer inCombined(plain, chart->animator, chart->viewPort);
    inCombined.drawData(context);
    ASSERT_EQ(inCombined.accessibleChartElements().size(), 2u);
    EXPECT_FALSE(inCombined.accessibleChartElements()[0]->isHeader());
}

TEST_F(CandleRendererTest, HighlightsThatNameNoCandleDrawNothing) {
    auto set = show({{5, 80, 20, 60, 40}});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    renderer.drawHighlighted(context,
                             {std::make_shared<Highlight>(nan, 50, 0),
                              std::make_shared<Highlight>(std::numeric_limits<double>::infinity(), 50, 0),
                              std::make_shared<Highlight>(1e300, 50, 0), std::make_shared<Highlight>(5, 50, 1)});
    set->setHighlightEnabled(false);
    renderer.drawHighlighted(context, {std::make_shared<Highlight>(5, 50, 0)});
    EXPECT_EQ(context.count(DrawingOperation::drawPath), 0u);
}

TEST_F(CandleRendererTest, ARendererWhoseChartIsGoneDrawsNothing) {
    show({{5, 80, 20, 60, 40}});
    expectAnOrphanDrawsNothing(std::make_shared<Highlight>(5, 50, 0));
}

} // namespace
