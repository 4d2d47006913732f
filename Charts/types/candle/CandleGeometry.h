#pragma once
#include <array>
#include <cmath>

#include "Charts/drawing/Geometry.h"

namespace charts {

// The geometry of candles as pure functions, in value space (every price
// scaled by the animation's y phase); the renderer maps the results to
// pixels.

// Falling (open above close), rising (close above open) or neither (equal,
// or a price that is not a number).
enum class CandleMove { decreasing, increasing, neutral };

constexpr CandleMove candleMove(double open, double close) {
    if (open > close) return CandleMove::decreasing;
    if (close > open) return CandleMove::increasing;
    return CandleMove::neutral;
}

// "decreasing", "increasing" or "neutral".
const char* candleMoveWord(CandleMove move);

// One candle's x and prices.
struct CandlePrices {
    double x = 0;
    double high = 0;
    double low = 0;
    double open = 0;
    double close = 0;
};

// The two segments of the shadow at the candle's x: from the high down to
// the top of the body, and from the low up to its bottom.
constexpr std::array<Point, 4> candleShadow(const CandlePrices& c, double phaseY) {
    double top = c.open;
    double bottom = c.close;
    switch (candleMove(c.open, c.close)) {
    case CandleMove::decreasing: break;
    case CandleMove::increasing:
        top = c.close;
        bottom = c.open;
        break;
    case CandleMove::neutral: bottom = c.open; break;
    }
    return {Point{c.x, c.high * phaseY}, Point{c.x, top * phaseY}, Point{c.x, c.low * phaseY},
            Point{c.x, bottom * phaseY}};
}

// The body: across the candle's unit-wide slot less the bar space on each
// side, from the close up to the open (a rising candle's height is
// negative; mapping makes the box upright).
constexpr Rect candleBody(const CandlePrices& c, double barSpace, double phaseY) {
    const double left = c.x - 0.5 + barSpace;
    const double right = c.x + 0.5 - barSpace;
    return Rect(left, c.close * phaseY, right - left, (c.open - c.close) * phaseY);
}

// An open/close bar: the range line from the high to the low, the open tick
// to its left and the close tick to its right, as the ends of each in turn.
constexpr std::array<Point, 6> openCloseBar(const CandlePrices& c, double barSpace, double phaseY) {
    return {Point{c.x, c.high * phaseY},
            Point{c.x, c.low * phaseY},
            Point{c.x - 0.5 + barSpace, c.open * phaseY},
            Point{c.x, c.open * phaseY},
            Point{c.x + 0.5 - barSpace, c.close * phaseY},
            Point{c.x, c.close * phaseY}};
}

// The frame of a candle's accessibility element: the body's span across,
// the shadow's (unscaled) from the low up.
inline Rect candleAccessibilityFrame(const CandlePrices& c, double barSpace) {
    return Rect(c.x + 0.5 - barSpace, c.low, 2 * barSpace - 1, std::abs(c.high - c.low));
}

} // namespace charts
