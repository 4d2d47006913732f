#include "Charts/render/DataRenderer.h"

namespace charts {

DataRenderer::DataRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler)
    : Renderer(std::move(viewPortHandler)),
      animator_(std::move(animator)) {}

void DataRenderer::drawData(DrawingContext&) {}
void DataRenderer::drawValues(DrawingContext&) {}
void DataRenderer::drawExtras(DrawingContext&) {}
void DataRenderer::drawHighlighted(DrawingContext&, const std::vector<HighlightPtr>&) {}
void DataRenderer::initBuffers() {}
bool DataRenderer::isDrawingValuesAllowed(const ChartDataProvider*) const { return false; }
NSUIAccessibilityElementPtr DataRenderer::createAccessibleHeader(const AccessibleChart&, const ChartData&,
                                                                 const QString&) const {
    return nullptr;
}

} // namespace charts
