#include "Charts/render/LineRadarRenderer.h"

namespace charts {

void LineRadarRenderer::drawFilledPath(DrawingContext&, const Path&, const Fill&, double) {}
void LineRadarRenderer::drawFilledPath(DrawingContext&, const Path&, const QColor&, double) {}

} // namespace charts
