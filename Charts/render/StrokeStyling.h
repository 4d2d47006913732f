#pragma once
#include <optional>
#include <vector>

#include <QColor>
#include <Qt>

#include "Charts/drawing/DrawingContext.h"

namespace charts {

// Sets the dash of a chart line: the lengths with their phase when there
// are any, otherwise a solid line (phase 0, no lengths).
inline void setChartLineDash(DrawingContext& context, const std::optional<std::vector<double>>& lengths, double phase) {
    if (lengths)
        context.setLineDash(phase, *lengths);
    else
        context.setLineDash(0, {});
}

// Colour, width and dash of a chart line.
inline void setChartLineStyle(DrawingContext& context, const QColor& color, double width,
                              const std::optional<std::vector<double>>& dashLengths, double dashPhase) {
    context.setStrokeColor(color);
    context.setLineWidth(width);
    setChartLineDash(context, dashLengths, dashPhase);
}

// The data model and the axes keep line caps as Qt's pen caps.
constexpr LineCap lineCapOf(Qt::PenCapStyle cap) {
    switch (cap) {
    case Qt::RoundCap: return LineCap::round;
    case Qt::SquareCap: return LineCap::square;
    default: return LineCap::butt;
    }
}

} // namespace charts
