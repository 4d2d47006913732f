#pragma once
// Qt's own path geometry as the oracle of ours: a recorded path as a
// QPainterPath, so QPainterPath::contains says what a fill covers.
#include <QPainterPath>

#include "Charts/drawing/Path.h"
#include "Charts/drawing/StrokeStyle.h"

namespace charts::testing {

inline QPainterPath painterPathOf(const Path& path, FillRule rule) {
    QPainterPath out;
    out.setFillRule(rule == FillRule::evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    for (const PathElement& e : path.elements()) {
        switch (e.kind) {
        case PathElementKind::moveTo: out.moveTo(toQt(e.points[0])); break;
        case PathElementKind::lineTo: out.lineTo(toQt(e.points[0])); break;
        case PathElementKind::quadCurveTo: out.quadTo(toQt(e.points[0]), toQt(e.points[1])); break;
        case PathElementKind::curveTo: out.cubicTo(toQt(e.points[0]), toQt(e.points[1]), toQt(e.points[2])); break;
        case PathElementKind::closeSubpath: out.closeSubpath(); break;
        }
    }
    return out;
}

} // namespace charts::testing
