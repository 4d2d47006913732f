#include "Charts/render/YAxisRenderer.h"

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/AxisLabelGeometry.h"
#include "Charts/render/LimitLineDrawing.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

YAxisRenderer::YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> yAxis,
                             std::shared_ptr<Transformer> transformer)
    : AxisRendererBase(std::move(viewPortHandler), std::move(transformer), std::move(yAxis)) {}

std::shared_ptr<YAxis> YAxisRenderer::yAxisModel() const { return std::dynamic_pointer_cast<YAxis>(axis()); }

void YAxisRenderer::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis || !yAxis->isEnabled() || !yAxis->isDrawLabelsEnabled()) return;
    const ViewPortHandler& port = *viewPortHandler();
    const double lineHeight = context.textMeasurer().lineHeight(yAxis->labelFont());
    const double yoffset = lineHeight / 2.5 + yAxis->yOffset();
    const LabelColumn column = yAxisLabelColumn(yAxis->axisDependency(), yAxis->labelPosition(), port.offsetLeft(),
                                                port.contentRight(), yAxis->xOffset());
    drawYLabels(context, column.x, transformedPositions(), yoffset - lineHeight, column.alignment);
}

void YAxisRenderer::drawYLabels(DrawingContext& context, double fixedPosition, const std::vector<Point>& positions,
                                double offset, TextAlignment textAlign) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis) return;
    TextAttributes attributes;
    attributes.font = yAxis->labelFont();
    attributes.foregroundColor = yAxis->labelTextColor();
    const std::int64_t from = yAxis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const std::int64_t to = yAxis->isDrawTopYLabelEntryEnabled() ? yAxis->entryCount() : yAxis->entryCount() - 1;
    // A caller's list shorter than the labels draws the labels it has
    // positions for.
    const auto available = static_cast<std::int64_t>(positions.size());
    for (std::int64_t i = from; i < to && i < available; ++i) {
        const QString text = yAxis->getFormattedLabel(i);
        const Point point{fixedPosition + yAxis->labelXOffset(), positions[static_cast<std::size_t>(i)].y + offset};
        ChartUtils::drawText(context, text, point, textAlign, attributes);
    }
}

std::vector<Point> YAxisRenderer::transformedPositions() const {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!yAxis || !trans) return {};
    const std::vector<double>& entries = yAxis->entries();
    std::vector<Point> positions;
    positions.reserve(entries.size());
    for (const double value : entries) positions.push_back(Point{0, value});
    trans->pointValuesToPixel(positions);
    return positions;
}

void YAxisRenderer::renderAxisLine(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis || !yAxis->isEnabled() || !yAxis->drawAxisLineEnabled()) return;
    GStateSaver saver(context);
    setChartLineStyle(context, yAxis->axisLineColor(), yAxis->axisLineWidth(), yAxis->axisLineDashLengths(),
                      yAxis->axisLineDashPhase());
    const std::array<Point, 2> ends = axisLineEnds(*yAxis);
    context.beginPath();
    context.moveTo(ends[0]);
    context.lineTo(ends[1]);
    context.strokePath();
}

std::array<Point, 2> YAxisRenderer::axisLineEnds(const YAxis& yAxis) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double x = yAxis.axisDependency() == YAxis::AxisDependency::left ? port.contentLeft() : port.contentRight();
    return {Point{x, port.contentTop()}, Point{x, port.contentBottom()}};
}

Rect YAxisRenderer::gridClippingRect() const {
    return insetBy(viewPortHandler()->contentRect(), 0, -gridLineWidthOrNone() / 2);
}

void YAxisRenderer::renderGridLines(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis || !yAxis->isEnabled()) return;
    if (yAxis->drawGridLinesEnabled()) {
        const std::vector<Point> positions = transformedPositions();
        GStateSaver saver(context);
        context.clipToRect(gridClippingRect());
        context.setShouldAntialias(yAxis->gridAntialiasEnabled());
        context.setStrokeColor(yAxis->gridColor());
        context.setLineWidth(yAxis->gridLineWidth());
        context.setLineCap(yAxis->gridLineCap());
        setChartLineDash(context, yAxis->gridLineDashLengths(), yAxis->gridLineDashPhase());
        for (const Point& position : positions) drawGridLine(context, position);
    }
    if (yAxis->drawZeroLineEnabled()) drawZeroLine(context);
}

void YAxisRenderer::drawGridLine(DrawingContext& context, Point position) {
    const ViewPortHandler& port = *viewPortHandler();
    context.beginPath();
    context.moveTo(Point{port.contentLeft(), position.y});
    context.lineTo(Point{port.contentRight(), position.y});
    context.strokePath();
}

void YAxisRenderer::drawZeroLine(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!yAxis || !trans || !yAxis->zeroLineColor()) return;
    GStateSaver saver(context);
    const std::array<Point, 2> ends = zeroLineEnds(*trans);
    // Clipped to the content grown by half the line's width across it.
    const bool across = ends[0].y == ends[1].y;
    const double grow = -yAxis->zeroLineWidth() / 2;
    context.clipToRect(insetBy(viewPortHandler()->contentRect(), across ? 0 : grow, across ? grow : 0));
    context.setStrokeColor(*yAxis->zeroLineColor());
    context.setLineWidth(yAxis->zeroLineWidth());
    setChartLineDash(context, yAxis->zeroLineDashLengths(), yAxis->zeroLineDashPhase());
    context.beginPath();
    context.moveTo(ends[0]);
    context.lineTo(ends[1]);
    context.drawPath(PathDrawingMode::stroke);
}

std::array<Point, 2> YAxisRenderer::zeroLineEnds(const Transformer& trans) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double y = trans.pixelForValues(0, 0).y;
    return {Point{port.contentLeft(), y}, Point{port.contentRight(), y}};
}

void YAxisRenderer::renderLimitLines(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!yAxis || !trans || yAxis->limitLines().empty()) return;
    GStateSaver outer(context);
    const AffineTransform matrix = trans->valueToPixelMatrix();
    forEachLimitLine(context, *yAxis, [&](const ChartLimitLine& line) {
        drawLimitLineAcross(context, line, matrix.apply(Point{0, line.limit()}).y, *viewPortHandler());
    });
}

} // namespace charts
