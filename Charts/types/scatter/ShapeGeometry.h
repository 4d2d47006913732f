#pragma once
#include <array>
#include <optional>

#include <QColor>

#include "Charts/drawing/Geometry.h"

namespace charts {

class IScatterChartDataSet;

// The geometry of the scatter point shapes as pure functions of the point
// (pixels) and the set's shape metrics.

// A set's shape size, hole radius and hole colour, read once per set and
// frame.
struct ShapeMetrics {
    double size = 10;
    double holeRadius = 0;
    std::optional<QColor> holeColor;

    double half() const { return size / 2; }
    double holeDiameter() const { return holeRadius * 2; }
    // The width of the ring left around the hole.
    double ringWidth() const { return (size - holeDiameter()) / 2; }
    // Only the square, the circle and the triangle make a ring of it; the
    // line shapes ignore the hole.
    bool hasHole() const { return holeDiameter() > 0; }

    static ShapeMetrics of(const IScatterChartDataSet& set);
};

// The box of a whole square (and of the circle inscribed in it): the size
// wide and high, centred on the point.
constexpr Rect shapeBox(Point p, double size) { return Rect(p.x - size / 2, p.y - size / 2, size, size); }

// A square or circle with a hole: the ring is a stroke of the ring's width
// along the box halfway between the hole's edge and the shape's edge; the
// hole's box is filled when the set has a hole colour.
struct RingGeometry {
    Rect stroke;
    double lineWidth = 0;
    Rect hole;
};
constexpr RingGeometry ringGeometry(Point p, double holeRadius, double ringWidth) {
    const double d = holeRadius * 2;
    return RingGeometry{
        Rect(p.x - holeRadius - ringWidth / 2, p.y - holeRadius - ringWidth / 2, d + ringWidth, d + ringWidth),
        ringWidth, Rect(p.x - holeRadius, p.y - holeRadius, d, d)};
}

// An upright triangle: its apex and its base's right and left corners.
struct Triangle {
    Point top;
    Point bottomRight;
    Point bottomLeft;

    friend bool operator==(const Triangle&, const Triangle&) = default;
};
// The shape's triangle: the size wide, its apex half the size above the
// point and its base half the size below.
constexpr Triangle outerTriangle(Point p, double size) {
    const double h = size / 2;
    return Triangle{Point{p.x, p.y - h}, Point{p.x + h, p.y + h}, Point{p.x - h, p.y + h}};
}
// The hole of a triangle: the outer triangle drawn in by the ring width on
// every side (apex, base and base corners).
constexpr Triangle innerTriangle(Point p, double size, double ringWidth) {
    const double h = size / 2;
    const double w = ringWidth;
    return Triangle{Point{p.x, p.y - h + w}, Point{p.x + h - w, p.y + h - w}, Point{p.x - h + w, p.y + h - w}};
}

// The line shapes: two segments, as the ends of each in turn.
using ShapeSegments = std::array<Point, 4>;

// A plus sign reaching half the size from the point each way.
constexpr ShapeSegments crossSegments(Point p, double size) {
    const double h = size / 2;
    return {Point{p.x - h, p.y}, Point{p.x + h, p.y}, Point{p.x, p.y - h}, Point{p.x, p.y + h}};
}
// Two diagonals of the shape's box.
constexpr ShapeSegments xSegments(Point p, double size) {
    const double h = size / 2;
    return {Point{p.x - h, p.y - h}, Point{p.x + h, p.y + h}, Point{p.x + h, p.y - h}, Point{p.x - h, p.y + h}};
}
// A chevron pointing up: from the apex the whole size above the point down
// to the points the whole size right and left of it.
constexpr ShapeSegments chevronUpSegments(Point p, double size) {
    return {Point{p.x, p.y - size}, Point{p.x + size, p.y}, Point{p.x, p.y - size}, Point{p.x - size, p.y}};
}
// The same pointing down, its apex the whole size below the point.
constexpr ShapeSegments chevronDownSegments(Point p, double size) {
    return {Point{p.x, p.y + size}, Point{p.x + size, p.y}, Point{p.x, p.y + size}, Point{p.x - size, p.y}};
}

} // namespace charts
