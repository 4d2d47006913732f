#pragma once
#include <optional>
#include <span>
#include <vector>

#include "Charts/drawing/Geometry.h"

namespace charts {

enum class PathElementKind { moveTo, lineTo, quadCurveTo, curveTo, closeSubpath };

// One step of a path. Points in use: none for a close, the end point for a
// move or line, control and end for a quadratic curve, two controls and the
// end for a cubic curve.
struct PathElement {
    PathElementKind kind = PathElementKind::moveTo;
    Point points[3] = {};

    // The point the element ends at (the subpath's start for a close is not
    // kept here; see Path::currentPoint).
    const Point& endPoint() const;
    int pointCount() const;
    friend bool operator==(const PathElement& a, const PathElement& b);
};

// A sequence of subpaths as charts build them, with the drawing platform's
// rules: a line or curve needs a current point (without one it is ignored);
// rectangles and ellipses are closed subpaths of their own; an arc continues
// the current subpath with a straight line to its first point, or starts a
// new one when there is no current point. Arcs and ellipses are kept as cubic
// curves. Angles are radians, growing from +x towards +y (clockwise on a y-down
// screen); the `clockwise` flag of addArc runs the other way.
class Path {
public:
    Path() = default;

    void moveTo(Point point);
    void lineTo(Point point);
    void quadCurveTo(Point control, Point end);
    void curveTo(Point control1, Point control2, Point end);
    void closeSubpath();

    // Moves to the first point and draws lines through the rest.
    void addLines(std::span<const Point> points);
    // Top-left, top-right, bottom-right, bottom-left, closed.
    void addRect(const Rect& rect);
    // Starts at the middle of the right edge and runs through the bottom,
    // left and top middles, closed.
    void addEllipse(const Rect& rect);
    void addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise);
    // An arc of `sweep` radians from `startAngle`; a negative sweep runs
    // against the angle direction.
    void addRelativeArc(Point center, double radius, double startAngle, double sweep);
    // A whole circle as an arc from angle 0 to 2π: after a segment it is
    // joined to the current point with a line.
    void addCircle(Point center, double radius);
    void addPath(const Path& other);

    void clear();
    bool isEmpty() const { return elements_.empty(); }
    const std::vector<PathElement>& elements() const { return elements_; }
    std::optional<Point> currentPoint() const { return current_; }

    // The smallest rectangle holding every point of the path, control points
    // included; the null rectangle (nullRect()) for a path without points.
    Rect boundingBox() const;

    friend bool operator==(const Path& a, const Path& b) { return a.elements_ == b.elements_; }

private:
    void append(PathElementKind kind, Point p0 = {}, Point p1 = {}, Point p2 = {});
    void addArcSweep(Point center, double radius, double startAngle, double sweep);

    std::vector<PathElement> elements_;
    std::optional<Point> current_;
    Point subpathStart_;
};

} // namespace charts
