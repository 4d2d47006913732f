#include "Charts/render/AxisRendererBase.h"

namespace charts {

AxisRendererBase::AxisRendererBase(std::shared_ptr<ViewPortHandler> viewPortHandler,
                                   std::shared_ptr<Transformer> transformer, std::shared_ptr<AxisBase> axis)
    : Renderer(std::move(viewPortHandler)),
      axis_(std::move(axis)),
      transformer_(std::move(transformer)) {}

void AxisRendererBase::renderAxisLabels(DrawingContext&) {}
void AxisRendererBase::renderGridLines(DrawingContext&) {}
void AxisRendererBase::renderAxisLine(DrawingContext&) {}
void AxisRendererBase::renderLimitLines(DrawingContext&) {}
void AxisRendererBase::computeAxis(double min, double max, bool) { computeAxisValues(min, max); }
void AxisRendererBase::computeAxisValues(double, double) {}

} // namespace charts
