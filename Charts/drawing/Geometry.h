#pragma once
#include <algorithm>
#include <cmath>
#include <limits>

#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace charts {

// Points, sizes and rectangles of the chart library: plain structs of doubles
// in view pixels (y grows downward) or in chart values.
//
// They are our own structs rather than QPointF/QSizeF/QRectF because the
// chart maths follows other rectangle rules than Qt's members do: a width may
// be negative until the rectangle is standardised, the edges are the min/max
// of origin and far side, containment excludes the far edges, and touching
// rectangles do not intersect. QRectF::contains, intersects, normalized and
// isEmpty answer differently in each of these cases, so an object that offers
// them would invite the wrong call. The structs carry no such members: the
// rules live in the free functions below, and Qt types appear only where a
// QPainter or a Qt API is reached (toQt / fromQt).

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Both coordinates finite: a point that can be placed at all.
inline bool isFinite(Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

struct Size {
    double width = 0;
    double height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    Point origin;
    Size size;

    constexpr Rect() = default;
    constexpr Rect(Point o, Size s) : origin(o), size(s) {}
    constexpr Rect(double x, double y, double width, double height) : origin{x, y}, size{width, height} {}

    // The raw fields as stored (a negative width or height stays negative).
    constexpr double x() const { return origin.x; }
    constexpr double y() const { return origin.y; }
    constexpr double width() const { return size.width; }
    constexpr double height() const { return size.height; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The "no rectangle" value: an infinite origin and no extent, the result of
// intersecting rectangles that do not meet.
constexpr Rect nullRect() {
    return Rect(std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity(), 0, 0);
}

inline bool isNull(const Rect& r) { return std::isinf(r.origin.x) || std::isinf(r.origin.y); }

// The same area with a non-negative width and height: a negative extent moves
// the origin to the other edge.
inline Rect standardized(const Rect& r) {
    Rect s = r;
    if (s.size.width < 0) {
        s.origin.x += s.size.width;
        s.size.width = -s.size.width;
    }
    if (s.size.height < 0) {
        s.origin.y += s.size.height;
        s.size.height = -s.size.height;
    }
    return s;
}

inline double width(const Rect& r) { return std::fabs(r.size.width); }
inline double height(const Rect& r) { return std::fabs(r.size.height); }
inline double minX(const Rect& r) { return std::min(r.origin.x, r.origin.x + r.size.width); }
inline double maxX(const Rect& r) { return std::max(r.origin.x, r.origin.x + r.size.width); }
inline double minY(const Rect& r) { return std::min(r.origin.y, r.origin.y + r.size.height); }
inline double maxY(const Rect& r) { return std::max(r.origin.y, r.origin.y + r.size.height); }
inline double midX(const Rect& r) { return r.origin.x + r.size.width * 0.5; }
inline double midY(const Rect& r) { return r.origin.y + r.size.height * 0.5; }

// No area: a zero width or height, or the null rectangle.
inline bool isEmpty(const Rect& r) { return isNull(r) || r.size.width == 0 || r.size.height == 0; }

// Half-open: the left and top edges belong to the rectangle, the right and
// bottom edges do not, so tiled rectangles never both contain a point.
inline bool contains(const Rect& r, const Point& p) {
    if (isNull(r)) return false;
    return p.x >= minX(r) && p.x < maxX(r) && p.y >= minY(r) && p.y < maxY(r);
}

// The inner rectangle lies within the outer one, edges included.
inline bool contains(const Rect& outer, const Rect& inner) {
    if (isNull(outer) || isNull(inner)) return false;
    return minX(inner) >= minX(outer) && maxX(inner) <= maxX(outer) && minY(inner) >= minY(outer) &&
           maxY(inner) <= maxY(outer);
}

// The common area of two rectangles, standardised; the null rectangle when
// their interiors do not overlap (touching edges share no area).
inline Rect intersection(const Rect& a, const Rect& b) {
    if (isNull(a) || isNull(b)) return nullRect();
    const double left = std::max(minX(a), minX(b));
    const double right = std::min(maxX(a), maxX(b));
    const double top = std::max(minY(a), minY(b));
    const double bottom = std::min(maxY(a), maxY(b));
    if (!(left < right) || !(top < bottom)) return nullRect();
    return Rect(left, top, right - left, bottom - top);
}

inline bool intersects(const Rect& a, const Rect& b) { return !isNull(intersection(a, b)); }

// The smallest rectangle holding both; a null rectangle adds nothing.
inline Rect unionRect(const Rect& a, const Rect& b) {
    if (isNull(a)) return standardized(b);
    if (isNull(b)) return standardized(a);
    const double left = std::min(minX(a), minX(b));
    const double top = std::min(minY(a), minY(b));
    return Rect(left, top, std::max(maxX(a), maxX(b)) - left, std::max(maxY(a), maxY(b)) - top);
}

// The rectangle shrunk by dx on the left and right and dy on top and bottom
// (grown for negative values), standardised first.
inline Rect insetBy(const Rect& r, double dx, double dy) {
    const Rect s = standardized(r);
    return Rect(s.origin.x + dx, s.origin.y + dy, s.size.width - 2 * dx, s.size.height - 2 * dy);
}

inline Rect offsetBy(const Rect& r, double dx, double dy) {
    return Rect(r.origin.x + dx, r.origin.y + dy, r.size.width, r.size.height);
}

// Qt at the edges of the library: painting and widget geometry.
inline QPointF toQt(const Point& p) { return QPointF(p.x, p.y); }
inline QSizeF toQt(const Size& s) { return QSizeF(s.width, s.height); }
inline QRectF toQt(const Rect& r) { return QRectF(r.origin.x, r.origin.y, r.size.width, r.size.height); }
inline Point fromQt(const QPointF& p) { return Point{p.x(), p.y()}; }
inline Size fromQt(const QSizeF& s) { return Size{s.width(), s.height()}; }
inline Rect fromQt(const QRectF& r) { return Rect(r.x(), r.y(), r.width(), r.height()); }

} // namespace charts
