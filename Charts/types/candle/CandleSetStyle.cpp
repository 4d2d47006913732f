#include "Charts/types/candle/CandleSetStyle.h"

namespace charts {

CandleSetStyle CandleSetStyle::of(const ICandleChartDataSet& set) {
    CandleSetStyle style;
    style.barSpace = set.barSpace();
    style.showCandleBar = set.showCandleBar();
    style.shadowWidth = set.shadowWidth();
    style.shadowColor = set.shadowColor();
    style.shadowColorSameAsCandle = set.isShadowColorSameAsCandle();
    style.neutralColor = set.neutralColor();
    style.increasingColor = set.increasingColor();
    style.decreasingColor = set.decreasingColor();
    style.increasingFilled = set.isIncreasingFilled();
    style.decreasingFilled = set.isDecreasingFilled();
    style.colors = ColorCycleStyle{set.colors(), set.color(0)};
    style.values = ValueLabelStyle::of(set);
    return style;
}

QColor CandleSetStyle::candleColor(CandleMove move, std::int64_t index) const {
    const std::optional<QColor>& own = move == CandleMove::decreasing   ? decreasingColor
                                       : move == CandleMove::increasing ? increasingColor
                                                                        : neutralColor;
    return own.value_or(colors.at(index));
}

QColor CandleSetStyle::shadowColorOf(CandleMove move, std::int64_t index) const {
    if (shadowColorSameAsCandle) return candleColor(move, index);
    return shadowColor.value_or(colors.at(index));
}

bool CandleSetStyle::isFilled(CandleMove move) const {
    switch (move) {
    case CandleMove::decreasing: return decreasingFilled;
    case CandleMove::increasing: return increasingFilled;
    case CandleMove::neutral: break;
    }
    return false;
}

} // namespace charts
