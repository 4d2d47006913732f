#pragma once
// A chart view painted into an image as its window paints it: anti-aliased,
// through the QPainter back end, on white.
#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/views/ChartViewBase.h"

namespace charts::testing {

inline QImage paintedView(ChartViewBase& view) {
    QImage image(view.width(), view.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    PainterContext context(painter);
    view.draw(context);
    return image;
}

} // namespace charts::testing
