#include "Charts/render/LineRadarRenderer.h"

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Path.h"
#include "Charts/foundation/Fill.h"
#include "Charts/render/DataSetStyles.h"

namespace charts {

void LineRadarRenderer::drawFilledPath(DrawingContext& context, const Path& path, const Fill& fill, double fillAlpha) {
    GStateSaver saver(context);
    context.beginPath();
    context.addPath(path);
    context.setAlpha(fillAlpha);
    fill.fillPath(context, viewPortHandler()->contentRect());
}

void LineRadarRenderer::drawFilledPath(DrawingContext& context, const Path& path, const QColor& fillColor,
                                       double fillAlpha) {
    GStateSaver saver(context);
    context.beginPath();
    context.addPath(path);
    context.setAlpha(fillAlpha);
    context.setFillColor(fillColor);
    context.fillPath(FillRule::winding);
}

void LineRadarRenderer::fillArea(DrawingContext& context, const Path& path, const AreaFillStyle& style) {
    if (style.fill)
        drawFilledPath(context, path, *style.fill, style.alpha);
    else
        drawFilledPath(context, path, style.color, style.alpha);
}

} // namespace charts
