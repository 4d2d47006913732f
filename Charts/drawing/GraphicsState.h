#pragma once
#include <QColor>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/StrokeStyle.h"

namespace charts {

// What save and restore keep, apart from the clip. The current path is not
// part of it.
struct GraphicsState {
    QColor fillColor = QColor(0, 0, 0);
    QColor strokeColor = QColor(0, 0, 0);
    StrokeStyle stroke;
    double alpha = 1;
    bool antialias = true;
    AffineTransform transform;

    friend bool operator==(const GraphicsState&, const GraphicsState&) = default;
};

} // namespace charts
