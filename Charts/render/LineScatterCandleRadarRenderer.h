#pragma once
#include "Charts/drawing/Geometry.h"
#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"

namespace charts {

class ILineScatterCandleRadarChartDataSet;

// Line, scatter, candle and radar renderers: the cross-hair lines through a
// highlighted value.
class LineScatterCandleRadarRenderer : public BarLineScatterCandleBubbleRenderer {
public:
    using BarLineScatterCandleBubbleRenderer::BarLineScatterCandleBubbleRenderer;

    // Strokes, with the colour, width and dash the caller set, a vertical
    // line through the point across the content (when the set asks for one),
    // then a horizontal one.
    virtual void drawHighlightLines(DrawingContext& context, Point point,
                                    const ILineScatterCandleRadarChartDataSet& set);
};

} // namespace charts
