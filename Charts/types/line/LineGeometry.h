#pragma once
#include <cstdint>

#include "Charts/drawing/Geometry.h"

namespace charts {

// The geometry of line charts in value space, before the value-to-pixel
// matrix: where segments end, where Bezier control points lie, where value
// labels, circles and accessibility frames go.

// The value point of an entry: (x, y × phaseY).
constexpr Point valuePoint(double x, double y, double phaseY) { return Point{x, y * phaseY}; }

// A stepped pair: the horizontal run at the first point's height, then the
// vertical rise, as two segments (four points, the middle two equal).
struct SteppedSegments {
    Point points[4];
};
constexpr SteppedSegments steppedSegments(Point from, Point to) {
    const Point corner{to.x, from.y};
    return SteppedSegments{{from, corner, corner, to}};
}

// One cubic Bezier segment: two control points and the end.
struct CubicSegment {
    Point control1;
    Point control2;
    Point end;
};

// The segment from prev to cur of a cubic line: the control points follow
// the neighbours' slopes (prevPrev to cur and prev to next) scaled by the
// intensity; every y is scaled by the phase.
constexpr CubicSegment cubicBezierSegment(Point prevPrev, Point prev, Point cur, Point next, double intensity,
                                          double phaseY) {
    const double prevDx = (cur.x - prevPrev.x) * intensity;
    const double prevDy = (cur.y - prevPrev.y) * intensity;
    const double curDx = (next.x - prev.x) * intensity;
    const double curDy = (next.y - prev.y) * intensity;
    return CubicSegment{Point{prev.x + prevDx, (prev.y + prevDy) * phaseY},
                        Point{cur.x - curDx, (cur.y - curDy) * phaseY}, Point{cur.x, cur.y * phaseY}};
}

// The segment from prev to cur of a horizontal Bezier line: both control
// points at the middle x, at the heights of the two ends.
constexpr CubicSegment horizontalBezierSegment(Point prev, Point cur, double phaseY) {
    const double cpx = prev.x + (cur.x - prev.x) * 0.5;
    return CubicSegment{Point{cpx, prev.y * phaseY}, Point{cpx, cur.y * phaseY}, Point{cur.x, cur.y * phaseY}};
}

// How far above a point its value label stands: the circle radius × 1.75
// truncated toward zero, halved (integer division) without circles. A
// radius that is not finite or too large for the conversion gives 0.
std::int64_t valueLabelOffset(double circleRadius, bool circlesDrawn);

// The top centre of a value label above the pixel point.
constexpr Point valueLabelPoint(Point pixel, std::int64_t offset, double lineHeight) {
    return Point{pixel.x, pixel.y - static_cast<double>(offset) - lineHeight};
}

// The square around a circle of the given radius centred on the point.
constexpr Rect circleRect(Point center, double radius) {
    return Rect(center.x - radius, center.y - radius, radius * 2, radius * 2);
}

// The frame of a point's accessibility element: three radii around it.
constexpr Rect accessibilityFrame(Point center, double radius) {
    return Rect(center.x - radius * 3, center.y - radius * 3, radius * 6, radius * 6);
}

} // namespace charts
