#include "Charts/types/scatter/ShapeRenderers.h"

#include <typeinfo>

#include "Charts/drawing/DrawingContext.h"

namespace charts {

namespace {

// A square or circle: filled whole, or stroked as a ring around its hole.
template <class Stroke, class Fill>
void drawBoxShape(DrawingContext& context, const ShapeMetrics& metrics, Point point, const QColor& color,
                  Stroke&& stroke, Fill&& fill) {
    if (!metrics.hasHole()) {
        context.setFillColor(color);
        fill(shapeBox(point, metrics.size));
        return;
    }
    const RingGeometry ring = ringGeometry(point, metrics.holeRadius, metrics.ringWidth());
    context.setStrokeColor(color);
    context.setLineWidth(ring.lineWidth);
    stroke(ring.stroke);
    if (metrics.holeColor) {
        context.setFillColor(*metrics.holeColor);
        fill(ring.hole);
    }
}

void strokeSegments(DrawingContext& context, const ShapeSegments& segments, const QColor& color) {
    context.setLineWidth(1);
    context.setStrokeColor(color);
    context.strokeLineSegments(segments);
}

} // namespace

void ShapeRenderer::renderShape(DrawingContext& context, const IScatterChartDataSet& dataSet, const ViewPortHandler&,
                                Point point, const QColor& color) {
    draw(context, ShapeMetrics::of(dataSet), point, color);
}

void SquareShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                               const QColor& color) const {
    drawBoxShape(
        context, metrics, point, color, [&](const Rect& r) { context.strokeRect(r); },
        [&](const Rect& r) { context.fillRect(r); });
}

void CircleShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                               const QColor& color) const {
    drawBoxShape(
        context, metrics, point, color, [&](const Rect& r) { context.strokeEllipse(r); },
        [&](const Rect& r) { context.fillEllipse(r); });
}

void TriangleShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                                 const QColor& color) const {
    const Triangle outer = outerTriangle(point, metrics.size);
    const bool ring = metrics.hasHole();
    const Triangle inner = innerTriangle(point, metrics.size, metrics.ringWidth());
    context.setFillColor(color);
    context.beginPath();
    context.moveTo(outer.top);
    context.lineTo(outer.bottomRight);
    context.lineTo(outer.bottomLeft);
    if (ring) {
        context.lineTo(outer.top);
        context.moveTo(inner.bottomLeft);
        context.lineTo(inner.bottomRight);
        context.lineTo(inner.top);
        context.lineTo(inner.bottomLeft);
    }
    context.closePath();
    context.fillPath(FillRule::winding);
    if (ring && metrics.holeColor) {
        context.setFillColor(*metrics.holeColor);
        context.beginPath();
        context.moveTo(inner.top);
        context.lineTo(inner.bottomRight);
        context.lineTo(inner.bottomLeft);
        context.closePath();
        context.fillPath(FillRule::winding);
    }
}

void CrossShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                              const QColor& color) const {
    strokeSegments(context, crossSegments(point, metrics.size), color);
}

void XShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                          const QColor& color) const {
    strokeSegments(context, xSegments(point, metrics.size), color);
}

void ChevronUpShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                                  const QColor& color) const {
    strokeSegments(context, chevronUpSegments(point, metrics.size), color);
}

void ChevronDownShapeRenderer::draw(DrawingContext& context, const ShapeMetrics& metrics, Point point,
                                    const QColor& color) const {
    strokeSegments(context, chevronDownSegments(point, metrics.size), color);
}

const ShapeRenderer* builtInShapeRenderer(const IShapeRenderer* renderer) {
    const auto* shape = dynamic_cast<const ShapeRenderer*>(renderer);
    if (!shape) return nullptr;
    const std::type_info& type = typeid(*shape);
    const bool builtIn = type == typeid(SquareShapeRenderer) || type == typeid(CircleShapeRenderer) ||
                         type == typeid(TriangleShapeRenderer) || type == typeid(CrossShapeRenderer) ||
                         type == typeid(XShapeRenderer) || type == typeid(ChevronUpShapeRenderer) ||
                         type == typeid(ChevronDownShapeRenderer);
    return builtIn ? shape : nullptr;
}

} // namespace charts
