#pragma once
#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/AxisBase.h"
#include "Charts/foundation/ChartLimitLine.h"

namespace charts {

class ViewPortHandler;

// The two ways a limit line crosses the content, whichever axis it belongs
// to: across it at a pixel y (a value of a vertical axis), or down it at a
// pixel x (a value of a horizontal axis). Each call draws into the context's
// current state; the caller saves and restores it around one line.

// Calls draw(line) for each enabled limit line of the axis, in order, with
// the context's state saved around each.
template <class Draw>
void forEachLimitLine(DrawingContext& context, const AxisBase& axis, Draw&& draw) {
    for (const ChartLimitLinePtr& line : axis.limitLines()) {
        if (!line || !line->isEnabled()) continue;
        GStateSaver saver(context);
        draw(*line);
    }
}

// Clipped to the content grown by the line's width above and below, the
// line from the content's left to its right edge, then its label (when it
// has one and draws it) beside the line at the content's edge.
void drawLimitLineAcross(DrawingContext& context, const ChartLimitLine& limitLine, double y,
                         const ViewPortHandler& viewPort);

// The content grown by the line's width left and right, as the clip of a
// line down the content.
void clipToLimitLineDown(DrawingContext& context, const ChartLimitLine& limitLine, const ViewPortHandler& viewPort);
// The line from the content's top to its bottom edge.
void strokeLimitLineDown(DrawingContext& context, const ChartLimitLine& limitLine, double x,
                         const ViewPortHandler& viewPort);
// Its label (when it has one and draws it) beside the line, yOffset from the
// content's top or bottom.
void drawLimitLineLabelDown(DrawingContext& context, const ChartLimitLine& limitLine, double x, double yOffset,
                            const ViewPortHandler& viewPort);

} // namespace charts
