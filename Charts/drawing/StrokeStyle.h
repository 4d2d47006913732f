#pragma once
#include <optional>
#include <vector>

#include <QColor>

#include "Charts/drawing/Geometry.h"

namespace charts {

// Raw values as the charts store them (a grid line cap is kept as 0 to 2).
enum class LineCap { butt = 0, round = 1, square = 2 };
enum class LineJoin { miter = 0, round = 1, bevel = 2 };

constexpr std::optional<LineCap> lineCapFromRawValue(int raw) {
    if (raw < 0 || raw > 2) return std::nullopt;
    return static_cast<LineCap>(raw);
}

enum class FillRule { winding, evenOdd };

// How lines are stroked: width and dashes in the user space of the drawing,
// dash lengths absolute (not relative to the width). An empty list is solid.
struct StrokeStyle {
    double lineWidth = 1;
    LineCap cap = LineCap::butt;
    LineJoin join = LineJoin::miter;
    double miterLimit = 10;
    double dashPhase = 0;
    std::vector<double> dashLengths;

    friend bool operator==(const StrokeStyle&, const StrokeStyle&) = default;
};

// Colours at positions 0 to 1 along a gradient. Without locations the colours
// are spread evenly, the first at 0 and the last at 1. Components are
// interpolated one by one, alpha like the others.
struct Gradient {
    std::vector<QColor> colors;
    std::vector<double> locations;

    friend bool operator==(const Gradient&, const Gradient&) = default;
};

// The position of each colour of a gradient: its own location when the
// gradient has one per colour, else evenly spread.
std::vector<double> gradientStops(const Gradient& gradient);

} // namespace charts
