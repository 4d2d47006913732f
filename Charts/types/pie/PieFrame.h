#pragma once
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPointF>

#include "Charts/drawing/Geometry.h"
#include "Charts/types/pie/IPieChartDataSet.h"
#include "Charts/types/pie/PieGeometry.h"

namespace charts {

class Animator;
class PieChartView;

// What one frame of a pie reads of its view, read once per drawing pass:
// the circle, the rotation, the phases, the slice angles and the hole.
struct PieFrame {
    Point center;
    double radius = 0;
    double rotationAngle = 0;
    double phaseX = 1;
    double phaseY = 1;
    const std::vector<double>* drawAngles = nullptr;
    const std::vector<double>* absoluteAngles = nullptr;
    bool drawHole = false;
    double holeRadiusPercent = 0;
    // The radius of the inner arcs: the hole's, unless slices are drawn
    // under it.
    double userInnerRadius = 0;
    bool drawInnerArc = false;
    // Per slice index, whether a highlighted value names it.
    std::vector<bool> highlighted;

    static PieFrame of(const PieChartView& view, const Animator& animator);

    // A circle of no size, or of a size that is not a number, draws nothing.
    bool hasCircle() const {
        return radius > 0 && std::isfinite(radius) && std::isfinite(center.x) && std::isfinite(center.y);
    }
    std::size_t angleCount() const { return drawAngles->size(); }
    double drawAngle(std::size_t index) const { return (*drawAngles)[index]; }
    // Where slice `index` starts, before the rotation, with the x phase.
    double startAngle(std::size_t index) const { return index == 0 ? 0.0 : (*absoluteAngles)[index - 1] * phaseX; }
    bool isHighlighted(std::int64_t index) const {
        return index >= 0 && static_cast<std::size_t>(index) < highlighted.size() &&
               highlighted[static_cast<std::size_t>(index)];
    }
};

// A pie set's styling as its texts and value lines use it, read once per
// set and frame.
struct PieSetStyle {
    double sliceSpace = 0;
    double selectionShift = 0;
    bool drawValues = false;
    bool drawIcons = false;
    bool highlightEnabled = false;
    std::optional<QColor> highlightColor;
    PieValuePosition xValuePosition = PieValuePosition::insideSlice;
    PieValuePosition yValuePosition = PieValuePosition::insideSlice;
    QFont valueFont;
    // The set's entry label font and colour, else the view's; none when
    // neither has one (the value's are used then).
    std::optional<QFont> entryLabelFont;
    std::optional<QColor> entryLabelColor;
    QPointF iconsOffset;
    std::optional<QColor> valueLineColor;
    bool useValueColorForLine = false;
    double valueLineWidth = 1;
    PieValueLineStyle valueLine;

    static PieSetStyle of(const IPieChartDataSet& set, const PieChartView& view);
};

// The slices of a set drawn as wedges: those whose value is not 0.
std::int64_t visibleSliceCount(const IPieChartDataSet& set);

} // namespace charts
