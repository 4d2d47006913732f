#pragma once
#include <optional>
#include <vector>

#include <QColor>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/render/DataSetStyles.h"
#include "Charts/types/line/ILineChartDataSet.h"

namespace charts {

// The circles on a line set's points.
struct LineCircleStyle {
    bool enabled = false;
    double radius = 0;
    double holeRadius = 0;
    // A hole is drawn when asked for and smaller than the circle, but not
    // empty; a hole without a colour, or in the clear colour, is see-through.
    bool drawHole = false;
    bool transparentHole = false;
    QColor holeColor;
    // Repeating along the entries; a set without circle colours paints no
    // circles.
    std::vector<QColor> colors;

    std::optional<QColor> colorAt(std::int64_t index) const { return cyclicColor(colors, index); }
};

// A line set's look, read from the set once per set and frame: what the
// line renderer's draw loops read instead of the set's getters.
struct LineSetStyle {
    LineChartMode mode = LineChartMode::linear;
    // The stroke colour of each segment (the Bezier modes take the first).
    ColorCycleStyle colors;
    double lineWidth = 1;
    std::optional<std::vector<double>> dashLengths;
    double dashPhase = 0;
    LineCap cap = LineCap::butt;
    double cubicIntensity = 0.2;
    AreaFillStyle area;
    LineCircleStyle circles;
    ValueLabelStyle values;

    static LineSetStyle of(const ILineChartDataSet& set);
    // Width, dash and cap of the line into the context's state.
    void applyStrokeTo(DrawingContext& context) const;
};

} // namespace charts
