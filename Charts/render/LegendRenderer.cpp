#include "Charts/render/LegendRenderer.h"

namespace charts {

LegendRenderer::LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend)
    : Renderer(std::move(viewPortHandler)),
      legend_(std::move(legend)) {}

void LegendRenderer::computeLegend(const ChartData&) {}
void LegendRenderer::renderLegend(DrawingContext&) {}
void LegendRenderer::drawForm(DrawingContext&, double, double, const LegendEntry&, const Legend&) {}
void LegendRenderer::drawLabel(DrawingContext&, double, double, const QString&, const QFont&, const QColor&) {}

} // namespace charts
