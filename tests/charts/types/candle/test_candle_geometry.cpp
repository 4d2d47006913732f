// The geometry of candles: which way a candle moves, its shadow, body and
// open/close bar in values, and its accessibility frame.
#include <gtest/gtest.h>

#include <limits>

#include "Charts/types/candle/CandleGeometry.h"

namespace {

using namespace charts;

TEST(CandleGeometry, ACandleMovesByItsOpenAndClose) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double open, close;
        CandleMove move;
        const char* word;
    };
    const Case cases[] = {{5, 3, CandleMove::decreasing, "decreasing"},
                          {3, 5, CandleMove::increasing, "increasing"},
                          {4, 4, CandleMove::neutral, "neutral"},
                          {nan, 4, CandleMove::neutral, "neutral"},
                          {4, nan, CandleMove::neutral, "neutral"}};
    for (const Case& c : cases) {
        EXPECT_EQ(candleMove(c.open, c.close), c.move) << c.open << " " << c.close;
        EXPECT_STREQ(candleMoveWord(c.move), c.word);
    }
}

TEST(CandleGeometry, TheShadowRunsFromHighAndLowToTheBody) {
    struct Case {
        CandlePrices candle;
        double phaseY;
        std::array<Point, 4> shadow;
    };
    const Case cases[] = {
        // Falling: high to open, low to close.
        {{5, 10, 2, 8, 4}, 1, {Point{5, 10}, Point{5, 8}, Point{5, 2}, Point{5, 4}}},
        // Rising: high to close, low to open.
        {{5, 10, 2, 4, 8}, 1, {Point{5, 10}, Point{5, 8}, Point{5, 2}, Point{5, 4}}},
        // Unchanged: both to the open.
        {{5, 10, 2, 6, 6}, 1, {Point{5, 10}, Point{5, 6}, Point{5, 2}, Point{5, 6}}},
        // Half way through the y animation, every price at half height.
        {{5, 10, 2, 8, 4}, 0.5, {Point{5, 5}, Point{5, 4}, Point{5, 1}, Point{5, 2}}},
    };
    for (const Case& c : cases) EXPECT_EQ(candleShadow(c.candle, c.phaseY), c.shadow) << c.candle.open;
}

TEST(CandleGeometry, TheBodySpansTheSlotLessTheBarSpace) {
    struct Case {
        CandlePrices candle;
        double barSpace, phaseY;
        Rect body;
    };
    const Case cases[] = {
        {{5, 10, 2, 8, 4}, 0.1, 1, Rect(4.6, 4, 0.8, 4)},
        {{5, 10, 2, 4, 8}, 0.1, 1, Rect(4.6, 8, 0.8, -4)},
        {{5, 10, 2, 8, 4}, 0.45, 1, Rect(4.95, 4, 0.1, 4)},
        {{5, 10, 2, 8, 4}, 0, 0.5, Rect(4.5, 2, 1, 2)},
    };
    for (const Case& c : cases) {
        const Rect body = candleBody(c.candle, c.barSpace, c.phaseY);
        EXPECT_NEAR(body.x(), c.body.x(), 1e-12);
        EXPECT_NEAR(body.y(), c.body.y(), 1e-12);
        EXPECT_NEAR(body.width(), c.body.width(), 1e-12);
        EXPECT_NEAR(body.height(), c.body.height(), 1e-12);
    }
}

TEST(CandleGeometry, AnOpenCloseBarHasItsOpenLeftAndItsCloseRight) {
    const std::array<Point, 6> bar = openCloseBar(CandlePrices{5, 10, 2, 8, 4}, 0.25, 0.5);
    EXPECT_EQ(bar, (std::array<Point, 6>{Point{5, 5}, Point{5, 1}, Point{4.75, 4}, Point{5, 4}, Point{5.25, 2},
                                         Point{5, 2}}));
}

TEST(CandleGeometry, TheAccessibilityFrameSpansTheBodyAcrossAndTheShadowUp) {
    const Rect frame = candleAccessibilityFrame(CandlePrices{5, 2, 10, 8, 4}, 0.1);
    EXPECT_NEAR(frame.x(), 5.4, 1e-12);
    EXPECT_NEAR(frame.width(), -0.8, 1e-12);
    EXPECT_EQ(frame.y(), 10);
    EXPECT_EQ(frame.height(), 8);
}

} // namespace
