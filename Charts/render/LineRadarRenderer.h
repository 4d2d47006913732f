#pragma once
#include <memory>

#include <QColor>

#include "Charts/render/LineScatterCandleRadarRenderer.h"

namespace charts {

class Fill;
class Path;
struct AreaFillStyle;

// Line and radar renderers: filling the closed area below a line.
class LineRadarRenderer : public LineScatterCandleRadarRenderer {
public:
    using LineScatterCandleRadarRenderer::LineScatterCandleRadarRenderer;

    // The closed path (pixels) painted by the fill within the content
    // rectangle, at the given opacity. The context's state is left as found.
    virtual void drawFilledPath(DrawingContext& context, const Path& path, const Fill& fill, double fillAlpha);
    // The same in one colour, non-zero winding.
    virtual void drawFilledPath(DrawingContext& context, const Path& path, const QColor& fillColor, double fillAlpha);

    // The closed path filled as a set's area style asks: by its fill when it
    // has one, else in its fill colour.
    void fillArea(DrawingContext& context, const Path& path, const AreaFillStyle& style);
};

} // namespace charts
