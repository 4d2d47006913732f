#include "Charts/types/bar/YAxisRendererHorizontalBarChart.h"

#include <cmath>
#include <tuple>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/drawing/TextMeasurer.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/LimitLineDrawing.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

void YAxisRendererHorizontalBarChart::computeAxis(double min, double max, bool inverted) {
    const ViewPortHandler& port = *viewPortHandler();
    if (port.contentHeight() > 10 && !port.isFullyZoomedOutX()) {
        if (const auto span = visibleSpan(ContentSpan::across, inverted)) std::tie(min, max) = *span;
    }
    computeAxisValues(min, max);
}

void YAxisRendererHorizontalBarChart::renderAxisLabels(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis || !yAxis->isEnabled() || !yAxis->isDrawLabelsEnabled()) return;
    const ViewPortHandler& port = *viewPortHandler();
    const double lineHeight = context.textMeasurer().lineHeight(yAxis->labelFont());
    // Above the content for the left axis, below it for the right one,
    // wherever the labels are put (inside or outside).
    const double yPos = yAxis->axisDependency() == YAxis::AxisDependency::left ? port.contentTop() - 2.5 - lineHeight
                                                                               : port.contentBottom() + 2.5;
    drawYLabels(context, yPos, transformedPositions(), yAxis->yOffset(), TextAlignment::center);
}

void YAxisRendererHorizontalBarChart::drawYLabels(DrawingContext& context, double fixedPosition,
                                                  const std::vector<Point>& positions, double offset, TextAlignment) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    if (!yAxis) return;
    TextAttributes attributes;
    attributes.font = yAxis->labelFont();
    attributes.foregroundColor = yAxis->labelTextColor();
    const std::int64_t from = yAxis->isDrawBottomYLabelEntryEnabled() ? 0 : 1;
    const std::int64_t to = yAxis->isDrawTopYLabelEntryEnabled() ? yAxis->entryCount() : yAxis->entryCount() - 1;
    const auto available = static_cast<std::int64_t>(positions.size());
    const double top = fixedPosition - offset + yAxis->labelXOffset();
    for (std::int64_t i = from; i < to && i < available; ++i) {
        ChartUtils::drawText(context, yAxis->getFormattedLabel(i), Point{positions[static_cast<std::size_t>(i)].x, top},
                             TextAlignment::center, attributes);
    }
}

std::vector<Point> YAxisRendererHorizontalBarChart::transformedPositions() const {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!yAxis || !trans) return {};
    std::vector<Point> positions;
    positions.reserve(yAxis->entries().size());
    for (const double value : yAxis->entries()) positions.push_back(Point{value, 0});
    trans->pointValuesToPixel(positions);
    return positions;
}

std::array<Point, 2> YAxisRendererHorizontalBarChart::axisLineEnds(const YAxis& yAxis) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double y = yAxis.axisDependency() == YAxis::AxisDependency::left ? port.contentTop() : port.contentBottom();
    return {Point{port.contentLeft(), y}, Point{port.contentRight(), y}};
}

Rect YAxisRendererHorizontalBarChart::gridClippingRect() const {
    return insetBy(viewPortHandler()->contentRect(), -gridLineWidthOrNone() / 2, 0);
}

void YAxisRendererHorizontalBarChart::drawGridLine(DrawingContext& context, Point position) {
    const ViewPortHandler& port = *viewPortHandler();
    context.beginPath();
    context.moveTo(Point{position.x, port.contentTop()});
    context.lineTo(Point{position.x, port.contentBottom()});
    context.strokePath();
}

std::array<Point, 2> YAxisRendererHorizontalBarChart::zeroLineEnds(const Transformer& trans) const {
    const ViewPortHandler& port = *viewPortHandler();
    const double x = trans.pixelForValues(0, 0).x - 1;
    return {Point{x, port.contentTop()}, Point{x, port.contentBottom()}};
}

void YAxisRendererHorizontalBarChart::renderLimitLines(DrawingContext& context) {
    const std::shared_ptr<YAxis> yAxis = yAxisModel();
    const std::shared_ptr<Transformer> trans = transformer();
    if (!yAxis || !trans || yAxis->limitLines().empty()) return;
    const ViewPortHandler& port = *viewPortHandler();
    const AffineTransform matrix = trans->valueToPixelMatrix();
    forEachLimitLine(context, *yAxis, [&](const ChartLimitLine& line) {
        clipToLimitLineDown(context, line, port);
        const double x = matrix.apply(Point{line.limit(), 0}).x;
        strokeLimitLineDown(context, line, x, port);
        drawLimitLineLabelDown(context, line, x, 2.0 + line.yOffset(), port);
    });
}

} // namespace charts
