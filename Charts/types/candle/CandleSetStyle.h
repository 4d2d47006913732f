#pragma once
#include <cstdint>
#include <optional>

#include <QColor>

#include "Charts/render/DataSetStyles.h"
#include "Charts/types/candle/CandleGeometry.h"
#include "Charts/types/candle/ICandleChartDataSet.h"

namespace charts {

// A candle set's look, read from the set once per set and frame: what the
// candle renderer's draw loops read instead of the set's getters.
struct CandleSetStyle {
    double barSpace = 0.1;
    bool showCandleBar = true;
    // The width of every line and outline of the set.
    double shadowWidth = 1.5;
    std::optional<QColor> shadowColor;
    bool shadowColorSameAsCandle = false;
    std::optional<QColor> neutralColor;
    std::optional<QColor> increasingColor;
    std::optional<QColor> decreasingColor;
    bool increasingFilled = false;
    bool decreasingFilled = true;
    // What every absent colour falls back to, by entry index.
    ColorCycleStyle colors;
    ValueLabelStyle values;

    static CandleSetStyle of(const ICandleChartDataSet& set);

    // The colour of a candle (its body, or its bar) by its move.
    QColor candleColor(CandleMove move, std::int64_t index) const;
    // The shadow's: the candle's own colour when asked for, else the shadow
    // colour.
    QColor shadowColorOf(CandleMove move, std::int64_t index) const;
    // Rising and falling bodies filled as set; unchanged ones never.
    bool isFilled(CandleMove move) const;
};

} // namespace charts
