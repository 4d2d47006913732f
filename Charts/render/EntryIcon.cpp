#include "Charts/render/EntryIcon.h"

#include "Charts/foundation/ChartUtils.h"

namespace charts {

void drawEntryIcon(DrawingContext& context, const QImage& icon, Point anchor, QPointF offset) {
    const QSizeF size = icon.deviceIndependentSize();
    ChartUtils::drawImage(context, icon, anchor.x + offset.x(), anchor.y + offset.y(),
                          Size{size.width(), size.height()});
}

} // namespace charts
