#include "Charts/render/XAxisRenderer.h"

#include <cmath>
#include <numbers>
#include <tuple>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ChartEnvironment.h"
#include "Charts/render/AxisLabelGeometry.h"
#include "Charts/render/LimitLineDrawing.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

} // namespace

XAxisRenderer::XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                             std::shared_ptr<Transformer> transformer)
    : AxisRendererBase(std::move(viewPortHandler), std::move(transformer), std::move(xAxis)) {}

std::shared_ptr<XAxis> XAxisRenderer::xAxisModel() const { return std::dynamic_pointer_cast<XAxis>(axis()); }

void XAxisRenderer::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& port = *viewPortHandler();
    if (port.contentWidth() > 10 && !port.isFullyZoomedOutX()) {
        if (const auto span = visibleSpan(ContentSpan::across, inverted)) std::tie(min, max) = *span;
    }
    computeAxisValues(min, max);
}

void XAxisRenderer::computeAxisValues(double min, double max) {
    AxisRendererBase::computeAxisValues(min, max);
    computeSize();
}

void XAxisRenderer::computeSize() {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    if (!xAxis) return;
    const QString longest = xAxis->getLongestLabel();
    // Layout outside a drawing pass: the measurer the layout code shares.
    const Size size = textMeasurer().size(longest, xAxis->labelFont());
    const Size rotated = rotatedSize(size, radians(xAxis->labelRotationAngle()));
    xAxis->setLabelWidth(size.width);
    xAxis->setLabelHeight(size.height);
    xAxis->setLabelRotatedWidth(rotated.width);
    xAxis->setLabelRotatedHeight(rotated.height);
}

void XAxisRenderer::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    if (!xAxis || !xAxis->isEnabled() || !xAxis->isDrawLabelsEnabled()) return;
    const ViewPortHandler& port = *viewPortHandler();
    for (const LabelRow& row : xAxisLabelRows(xAxis->labelPosition(), port.contentTop(), port.contentBottom(),
                                              xAxis->yOffset(), xAxis->labelRotatedHeight()))
        drawLabels(context, row.pos, row.anchor);
}

void XAxisRenderer::drawLabels(DrawingContext& context, double pos, Point anchor) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!xAxis || !trans) return;
    const ViewPortHandler& port = *viewPortHandler();

    ParagraphStyle paragraph;
    paragraph.alignment = TextAlignment::center;
    TextAttributes attributes;
    attributes.font = xAxis->labelFont();
    attributes.foregroundColor = xAxis->labelTextColor();
    attributes.paragraphStyle = paragraph;

    const double angle = radians(xAxis->labelRotationAngle());
    const bool centered = xAxis->isCenterAxisLabelsEnabled();
    const AffineTransform matrix = trans->valueToPixelMatrix();
    const Size labelMaxSize{xAxis->isWordWrapEnabled() ? xAxis->wordWrapWidthPercent() * matrix.a : 0, 0};

    const std::vector<double>& entries = xAxis->entries();
    const std::vector<double>& centeredEntries = xAxis->centeredEntries();
    const auto entryCount = static_cast<std::int64_t>(entries.size());
    const std::shared_ptr<IAxisValueFormatter> formatter = xAxis->valueFormatter();
    for (std::int64_t i = 0; i < entryCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double value = centered && index < centeredEntries.size() ? centeredEntries[index] : entries[index];
        double x = matrix.apply(Point{value, 0}).x;
        if (!port.isInBoundsX(x)) continue;

        const QString label = formatter ? formatter->stringForValue(entries[index], xAxis.get()) : QString();
        if (xAxis->isAvoidFirstLastClippingEnabled() && (i == 0 || (i == entryCount - 1 && entryCount > 1))) {
            const double width = context.textMeasurer().boundingSize(label, attributes, labelMaxSize).width;
            x += avoidClippingShift(i, entryCount, x, width, port.offsetRight(), port.chartWidth());
        }
        drawLabel(context, label, x, pos, attributes, labelMaxSize, anchor, angle);
    }
}

void XAxisRenderer::drawLabel(DrawingContext& context, const QString& formattedLabel, double x, double y,
                              const TextAttributes& attributes, Size constrainedToSize, Point anchor,
                              double angleRadians) {
    const Size size = context.textMeasurer().boundingSize(formattedLabel, attributes, constrainedToSize);
    if (angleRadians != 0) {
        const Point center = rotatedLabelCenter(x, y, size, anchor, angleRadians);
        GStateSaver saver(context);
        context.translateBy(center.x, center.y);
        context.rotateBy(angleRadians);
        context.drawText(formattedLabel, Rect(Point{-size.width / 2, -size.height / 2}, size), attributes);
        return;
    }
    context.drawText(formattedLabel, Rect(anchoredLabelOrigin(x, y, size, anchor), size), attributes);
}

void XAxisRenderer::renderAxisLine(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    if (!xAxis || !xAxis->isEnabled() || !xAxis->isDrawAxisLineEnabled()) return;
    GStateSaver saver(context);
    setChartLineStyle(context, xAxis->axisLineColor(), xAxis->axisLineWidth(), xAxis->axisLineDashLengths(),
                      xAxis->axisLineDashPhase());
    const XAxis::LabelPosition position = xAxis->labelPosition();
    if (position == XAxis::LabelPosition::top || position == XAxis::LabelPosition::topInside ||
        position == XAxis::LabelPosition::bothSided) {
        axisLineSegmentsBuffer_ = axisLineEnds(true);
        context.strokeLineSegments(axisLineSegmentsBuffer_);
    }
    if (position == XAxis::LabelPosition::bottom || position == XAxis::LabelPosition::bottomInside ||
        position == XAxis::LabelPosition::bothSided) {
        axisLineSegmentsBuffer_ = axisLineEnds(false);
        context.strokeLineSegments(axisLineSegmentsBuffer_);
    }
}

std::array<Point, 2> XAxisRenderer::axisLineEnds(bool topSide) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double y = topSide ? port.contentTop() : port.contentBottom();
    return {Point{port.contentLeft(), y}, Point{port.contentRight(), y}};
}

Rect XAxisRenderer::gridClippingRect() const {
    return insetBy(viewPortHandler()->contentRect(), -gridLineWidthOrNone() / 2, 0);
}

void XAxisRenderer::renderGridLines(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!xAxis || !trans || !xAxis->isDrawGridLinesEnabled() || !xAxis->isEnabled()) return;
    GStateSaver saver(context);
    context.clipToRect(gridClippingRect());
    context.setShouldAntialias(xAxis->gridAntialiasEnabled());
    context.setStrokeColor(xAxis->gridColor());
    context.setLineWidth(xAxis->gridLineWidth());
    context.setLineCap(xAxis->gridLineCap());
    setChartLineDash(context, xAxis->gridLineDashLengths(), xAxis->gridLineDashPhase());
    const AffineTransform matrix = trans->valueToPixelMatrix();
    for (const double value : xAxis->entries()) {
        const Point position = matrix.apply(Point{value, value});
        drawGridLine(context, position.x, position.y);
    }
}

void XAxisRenderer::drawGridLine(DrawingContext& context, double x, double) {
    const ViewPortHandler& port = *viewPortHandler();
    if (!(x >= port.offsetLeft() && x <= port.chartWidth())) return;
    context.beginPath();
    context.moveTo(Point{x, port.contentTop()});
    context.lineTo(Point{x, port.contentBottom()});
    context.strokePath();
}

void XAxisRenderer::renderLimitLines(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!xAxis || !trans || xAxis->limitLines().empty()) return;
    const AffineTransform matrix = trans->valueToPixelMatrix();
    forEachLimitLine(context, *xAxis, [&](const ChartLimitLine& line) {
        clipToLimitLineDown(context, line, *viewPortHandler());
        const Point position = matrix.apply(Point{line.limit(), 0});
        renderLimitLineLine(context, line, position);
        renderLimitLineLabel(context, line, position, 2.0 + line.yOffset());
    });
}

void XAxisRenderer::renderLimitLineLine(DrawingContext& context, const ChartLimitLine& limitLine, Point position) {
    strokeLimitLineDown(context, limitLine, position.x, *viewPortHandler());
}

void XAxisRenderer::renderLimitLineLabel(DrawingContext& context, const ChartLimitLine& limitLine, Point position,
                                         double yOffset) {
    drawLimitLineLabelDown(context, limitLine, position.x, yOffset, *viewPortHandler());
}

} // namespace charts
