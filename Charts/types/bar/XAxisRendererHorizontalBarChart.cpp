#include "Charts/types/bar/XAxisRendererHorizontalBarChart.h"

#include <cmath>
#include <numbers>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/drawing/TextMeasurer.h"
#include "Charts/foundation/ChartEnvironment.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/AxisLabelGeometry.h"
#include "Charts/render/LimitLineDrawing.h"
#include "Charts/render/StrokeStyling.h"
#include "Charts/types/bar/BarChartView.h"

namespace charts {

namespace {

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

} // namespace

XAxisRendererHorizontalBarChart::XAxisRendererHorizontalBarChart(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                                                 std::shared_ptr<XAxis> xAxis,
                                                                 std::shared_ptr<Transformer> transformer,
                                                                 std::weak_ptr<BarChartView> chart)
    : XAxisRenderer(std::move(viewPortHandler), std::move(xAxis), std::move(transformer)),
      chart_(std::move(chart)) {}

void XAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted) {
    // The vertical axis's rule: the range between the content's bottom and
    // top edges.
    AxisRendererBase::computeAxis(min, max, inverted);
}

void XAxisRendererHorizontalBarChart::computeSize() {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    if (!xAxis) return;
    const Size size = textMeasurer().size(xAxis->getLongestLabel(), xAxis->labelFont());
    const Size rotated = rotatedSize(size, radians(xAxis->labelRotationAngle()));
    const double room = 3.5 * xAxis->xOffset();
    xAxis->setLabelWidth(std::floor(size.width + room));
    xAxis->setLabelHeight(size.height);
    xAxis->setLabelRotatedWidth(std::round(rotated.width + room));
    xAxis->setLabelRotatedHeight(std::round(rotated.height));
}

void XAxisRendererHorizontalBarChart::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<BarChartView> view = chart();
    if (!xAxis || !xAxis->isEnabled() || !xAxis->isDrawLabelsEnabled() || !view || !view->data()) return;
    const ViewPortHandler& port = *viewPortHandler();
    const double xo = xAxis->xOffset();
    const Point leftAnchored{0, 0.5};
    const Point rightAnchored{1, 0.5};
    switch (xAxis->labelPosition()) {
    case XAxis::LabelPosition::top: drawLabels(context, port.contentRight() + xo, leftAnchored); break;
    case XAxis::LabelPosition::topInside: drawLabels(context, port.contentRight() - xo, rightAnchored); break;
    case XAxis::LabelPosition::bottom: drawLabels(context, port.contentLeft() - xo, rightAnchored); break;
    case XAxis::LabelPosition::bottomInside: drawLabels(context, port.contentLeft() + xo, leftAnchored); break;
    case XAxis::LabelPosition::bothSided:
        drawLabels(context, port.contentRight() + xo, leftAnchored);
        drawLabels(context, port.contentLeft() - xo, rightAnchored);
        break;
    }
}

void XAxisRendererHorizontalBarChart::drawLabels(DrawingContext& context, double pos, Point anchor) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!xAxis || !trans) return;
    const ViewPortHandler& port = *viewPortHandler();
    TextAttributes attributes;
    attributes.font = xAxis->labelFont();
    attributes.foregroundColor = xAxis->labelTextColor();
    const double angle = radians(xAxis->labelRotationAngle());
    const bool centered = xAxis->isCenterAxisLabelsEnabled();
    const AffineTransform matrix = trans->valueToPixelMatrix();
    const std::shared_ptr<IAxisValueFormatter> formatter = xAxis->valueFormatter();
    const std::vector<double>& entries = xAxis->entries();
    const std::vector<double>& centeredEntries = xAxis->centeredEntries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double value = centered && i < centeredEntries.size() ? centeredEntries[i] : entries[i];
        const double y = matrix.apply(Point{0, value}).y;
        if (!port.isInBoundsY(y) || !formatter) continue;
        drawLabel(context, formatter->stringForValue(entries[i], xAxis.get()), pos, y, attributes, anchor, angle);
    }
}

void XAxisRendererHorizontalBarChart::drawLabel(DrawingContext& context, const QString& formattedLabel, double x,
                                                double y, const TextAttributes& attributes, Point anchor,
                                                double angleRadians) {
    ChartUtils::drawText(context, formattedLabel, Point{x, y}, attributes, anchor, angleRadians);
}

Rect XAxisRendererHorizontalBarChart::gridClippingRect() const {
    return insetBy(viewPortHandler()->contentRect(), 0, -gridLineWidthOrNone() / 2);
}

void XAxisRendererHorizontalBarChart::drawGridLine(DrawingContext& context, double, double y) {
    const ViewPortHandler& port = *viewPortHandler();
    if (!port.isInBoundsY(y)) return;
    gridLineSegmentsBuffer_ = {Point{port.contentLeft(), y}, Point{port.contentRight(), y}};
    context.beginPath();
    context.addLines(gridLineSegmentsBuffer_);
    context.strokePath();
}

std::array<Point, 2> XAxisRendererHorizontalBarChart::axisLineEnds(bool topSide) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double x = topSide ? port.contentRight() : port.contentLeft();
    return {Point{x, port.contentTop()}, Point{x, port.contentBottom()}};
}

void XAxisRendererHorizontalBarChart::renderLimitLines(DrawingContext& context) {
    const std::shared_ptr<XAxis> xAxis = xAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!xAxis || !trans || xAxis->limitLines().empty()) return;
    const AffineTransform matrix = trans->valueToPixelMatrix();
    forEachLimitLine(context, *xAxis, [&](const ChartLimitLine& line) {
        drawLimitLineAcross(context, line, matrix.apply(Point{0, line.limit()}).y, *viewPortHandler());
    });
}

} // namespace charts
