#pragma once
#include <QImage>
#include <QPointF>

#include "Charts/drawing/Geometry.h"

namespace charts {

class DrawingContext;

// An entry's icon beside its value label: at the image's own size, centred on
// the anchor moved by the set's icon offset.
void drawEntryIcon(DrawingContext& context, const QImage& icon, Point anchor, QPointF offset);

} // namespace charts
