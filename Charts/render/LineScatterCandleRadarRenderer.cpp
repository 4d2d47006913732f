#include "Charts/render/LineScatterCandleRadarRenderer.h"

namespace charts {

void LineScatterCandleRadarRenderer::drawHighlightLines(DrawingContext&, Point,
                                                        const ILineScatterCandleRadarChartDataSet&) {}

} // namespace charts
