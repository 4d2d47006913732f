#include "Charts/types/line/LineSetStyle.h"

#include "Charts/drawing/NamedColors.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

namespace {

LineCircleStyle circleStyleOf(const ILineChartDataSet& set) {
    LineCircleStyle style;
    style.enabled = set.isDrawCirclesEnabled();
    style.radius = set.circleRadius();
    style.holeRadius = set.circleHoleRadius();
    style.drawHole = set.isDrawCircleHoleEnabled() && style.holeRadius < style.radius && style.holeRadius > 0;
    const std::optional<QColor> hole = set.circleHoleColor();
    style.transparentHole = style.drawHole && (!hole || *hole == named::clear());
    style.holeColor = hole.value_or(named::clear());
    style.colors = set.circleColors();
    return style;
}

} // namespace

LineSetStyle LineSetStyle::of(const ILineChartDataSet& set) {
    LineSetStyle style;
    style.mode = set.mode();
    style.colors = ColorCycleStyle{set.colors(), set.color(0)};
    style.lineWidth = set.lineWidth();
    style.dashLengths = set.lineDashLengths();
    style.dashPhase = set.lineDashPhase();
    style.cap = lineCapOf(set.lineCapType());
    style.cubicIntensity = set.cubicIntensity();
    style.area = AreaFillStyle::of(set);
    style.circles = circleStyleOf(set);
    style.values = ValueLabelStyle::of(set);
    return style;
}

void LineSetStyle::applyStrokeTo(DrawingContext& context) const {
    context.setLineWidth(lineWidth);
    setChartLineDash(context, dashLengths, dashPhase);
    context.setLineCap(cap);
}

} // namespace charts
