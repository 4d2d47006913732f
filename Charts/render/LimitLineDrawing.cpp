#include "Charts/render/LimitLineDrawing.h"

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/drawing/TextMeasurer.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "Charts/render/AxisLabelGeometry.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

namespace {

TextAttributes labelAttributes(const ChartLimitLine& limitLine) {
    TextAttributes attributes;
    attributes.font = limitLine.valueFont();
    attributes.foregroundColor = limitLine.valueTextColor();
    return attributes;
}

void styleLine(DrawingContext& context, const ChartLimitLine& limitLine) {
    setChartLineStyle(context, limitLine.lineColor(), limitLine.lineWidth(), limitLine.lineDashLengths(),
                      limitLine.lineDashPhase());
}

} // namespace

void drawLimitLineAcross(DrawingContext& context, const ChartLimitLine& limitLine, double y,
                         const ViewPortHandler& viewPort) {
    Rect clip = viewPort.contentRect();
    clip.origin.y -= limitLine.lineWidth() / 2;
    clip.size.height += limitLine.lineWidth();
    context.clipToRect(clip);
    context.beginPath();
    context.moveTo(Point{viewPort.contentLeft(), y});
    context.lineTo(Point{viewPort.contentRight(), y});
    styleLine(context, limitLine);
    context.strokePath();

    const QString& label = limitLine.label();
    if (!limitLine.drawLabelEnabled() || label.isEmpty()) return;
    const TextMeasurer& measurer = context.textMeasurer();
    const double labelLineHeight = measurer.lineHeight(limitLine.valueFont());
    const double xOffset = 4.0 + limitLine.xOffset();
    const double yOffset = limitLine.yOffset() + limitLine.lineWidth() + labelLineHeight;
    const double textWidth = measurer.size(label, limitLine.valueFont()).width;
    const Point origin = yLimitLineLabelOrigin(limitLine.labelPosition(), y, xOffset, yOffset, textWidth,
                                               labelLineHeight, viewPort.contentLeft(), viewPort.contentRight());
    context.drawText(label, origin, labelAttributes(limitLine));
}

void clipToLimitLineDown(DrawingContext& context, const ChartLimitLine& limitLine, const ViewPortHandler& viewPort) {
    Rect clip = viewPort.contentRect();
    clip.origin.x -= limitLine.lineWidth() / 2;
    clip.size.width += limitLine.lineWidth();
    context.clipToRect(clip);
}

void strokeLimitLineDown(DrawingContext& context, const ChartLimitLine& limitLine, double x,
                         const ViewPortHandler& viewPort) {
    context.beginPath();
    context.moveTo(Point{x, viewPort.contentTop()});
    context.lineTo(Point{x, viewPort.contentBottom()});
    styleLine(context, limitLine);
    context.strokePath();
}

void drawLimitLineLabelDown(DrawingContext& context, const ChartLimitLine& limitLine, double x, double yOffset,
                            const ViewPortHandler& viewPort) {
    const QString& label = limitLine.label();
    if (!limitLine.drawLabelEnabled() || label.isEmpty()) return;
    const TextMeasurer& measurer = context.textMeasurer();
    const double labelLineHeight = measurer.lineHeight(limitLine.valueFont());
    const double xOffset = limitLine.lineWidth() + limitLine.xOffset();
    const double textWidth = measurer.size(label, limitLine.valueFont()).width;
    const Point origin = xLimitLineLabelOrigin(limitLine.labelPosition(), x, xOffset, yOffset, textWidth,
                                               labelLineHeight, viewPort.contentTop(), viewPort.contentBottom());
    context.drawText(label, origin, labelAttributes(limitLine));
}

} // namespace charts
