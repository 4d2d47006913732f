#include "Charts/render/YAxisRenderer.h"

namespace charts {

YAxisRenderer::YAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<YAxis> yAxis,
                             std::shared_ptr<Transformer> transformer)
    : AxisRendererBase(std::move(viewPortHandler), std::move(transformer), std::move(yAxis)) {}

void YAxisRenderer::renderAxisLabels(DrawingContext&) {}
void YAxisRenderer::renderAxisLine(DrawingContext&) {}
void YAxisRenderer::renderGridLines(DrawingContext&) {}
void YAxisRenderer::renderLimitLines(DrawingContext&) {}
void YAxisRenderer::drawYLabels(DrawingContext&, double, const std::vector<Point>&, double, TextAlignment) {}
Rect YAxisRenderer::gridClippingRect() const { return viewPortHandler()->contentRect(); }
void YAxisRenderer::drawGridLine(DrawingContext&, Point) {}
std::vector<Point> YAxisRenderer::transformedPositions() const { return {}; }
void YAxisRenderer::drawZeroLine(DrawingContext&) {}
std::shared_ptr<YAxis> YAxisRenderer::yAxisModel() const { return std::dynamic_pointer_cast<YAxis>(axis()); }

} // namespace charts
