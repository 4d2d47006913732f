#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPointF>

#include "Charts/data/ColorCycle.h"
#include "Charts/drawing/DrawingContext.h"

namespace charts {

class Fill;
class IBarLineScatterCandleBubbleChartDataSet;
class IChartDataSet;
class ILineRadarChartDataSet;
class IValueFormatter;

// The parts of a data set's style that several chart kinds draw with, each
// read from the set once per set and frame into a value, so that a draw loop
// reads fields instead of asking the set for every point. A kind's own style
// struct (in its folder) holds these beside its own fields.

// A list of colours repeating along the entries, as the sets give them:
// positions below 0 count as 0, and an empty list gives the fallback.
struct ColorCycleStyle {
    std::vector<QColor> colors;
    QColor fallback;

    QColor at(std::int64_t index) const { return cyclicColor(colors, index).value_or(fallback); }
    // One colour for every position.
    bool isSingle() const { return colors.size() <= 1; }
};

// Value labels and icons above the points.
struct ValueLabelStyle {
    bool drawValues = false;
    bool drawIcons = false;
    QFont font;
    std::shared_ptr<IValueFormatter> formatter;
    ColorCycleStyle textColors;
    QPointF iconsOffset;

    static ValueLabelStyle of(const IChartDataSet& set);
};

// The lines through a highlighted value.
struct HighlightLineStyle {
    QColor color;
    double width = 1;
    std::optional<std::vector<double>> dashLengths;
    double dashPhase = 0;

    static HighlightLineStyle of(const IBarLineScatterCandleBubbleChartDataSet& set);
    // Colour, width and dash into the context's state.
    void applyTo(DrawingContext& context) const;
};

// The filled area below a line: a fill when the set has one, else its fill
// colour, at the set's opacity.
struct AreaFillStyle {
    bool enabled = false;
    std::shared_ptr<Fill> fill;
    QColor color;
    double alpha = 1;

    static AreaFillStyle of(const ILineRadarChartDataSet& set);
};

} // namespace charts
