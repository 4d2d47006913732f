#include "Charts/render/XAxisRenderer.h"

namespace charts {

XAxisRenderer::XAxisRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<XAxis> xAxis,
                             std::shared_ptr<Transformer> transformer)
    : AxisRendererBase(std::move(viewPortHandler), std::move(transformer), std::move(xAxis)) {}

void XAxisRenderer::computeAxis(double min, double max, bool) { computeAxisValues(min, max); }
void XAxisRenderer::computeAxisValues(double min, double max) {
    AxisRendererBase::computeAxisValues(min, max);
    computeSize();
}
void XAxisRenderer::computeSize() {}
void XAxisRenderer::renderAxisLabels(DrawingContext&) {}
void XAxisRenderer::renderAxisLine(DrawingContext&) {}
void XAxisRenderer::renderGridLines(DrawingContext&) {}
void XAxisRenderer::renderLimitLines(DrawingContext&) {}
void XAxisRenderer::drawLabels(DrawingContext&, double, Point) {}
void XAxisRenderer::drawLabel(DrawingContext&, const QString&, double, double, const TextAttributes&, Size, Point,
                              double) {}
Rect XAxisRenderer::gridClippingRect() const { return viewPortHandler()->contentRect(); }
void XAxisRenderer::drawGridLine(DrawingContext&, double, double) {}
void XAxisRenderer::renderLimitLineLine(DrawingContext&, const ChartLimitLine&, Point) {}
void XAxisRenderer::renderLimitLineLabel(DrawingContext&, const ChartLimitLine&, Point, double) {}
std::shared_ptr<XAxis> XAxisRenderer::xAxisModel() const { return std::dynamic_pointer_cast<XAxis>(axis()); }

} // namespace charts
