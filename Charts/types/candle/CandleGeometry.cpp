#include "Charts/types/candle/CandleGeometry.h"

namespace charts {

const char* candleMoveWord(CandleMove move) {
    switch (move) {
    case CandleMove::decreasing: return "decreasing";
    case CandleMove::increasing: return "increasing";
    case CandleMove::neutral: break;
    }
    return "neutral";
}

} // namespace charts
