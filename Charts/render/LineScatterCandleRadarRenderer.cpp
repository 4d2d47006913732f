#include "Charts/render/LineScatterCandleRadarRenderer.h"

#include "Charts/data/ILineFamilyDataSets.h"
#include "Charts/drawing/DrawingContext.h"

namespace charts {

void LineScatterCandleRadarRenderer::drawHighlightLines(DrawingContext& context, Point point,
                                                        const ILineScatterCandleRadarChartDataSet& set) {
    const ViewPortHandler& port = *viewPortHandler();
    if (set.isVerticalHighlightIndicatorEnabled()) {
        context.beginPath();
        context.moveTo(Point{point.x, port.contentTop()});
        context.lineTo(Point{point.x, port.contentBottom()});
        context.strokePath();
    }
    if (set.isHorizontalHighlightIndicatorEnabled()) {
        context.beginPath();
        context.moveTo(Point{port.contentLeft(), point.y});
        context.lineTo(Point{port.contentRight(), point.y});
        context.strokePath();
    }
}

} // namespace charts
