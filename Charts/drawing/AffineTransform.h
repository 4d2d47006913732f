#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

#include <QTransform>

#include "Charts/drawing/Geometry.h"

namespace charts {

// A 2-D affine transform of six doubles. A point (x, y) maps to
//     x' = a * x + c * y + tx
//     y' = b * x + d * y + ty
// The touch matrix of a chart and its value-to-pixel matrices are of this
// type. QTransform is made from it only at the moment of painting: it inverts
// a singular matrix to the identity, drops terms below 1e-12 and treats NaN
// otherwise, each of which would change what a chart computes.
struct AffineTransform {
    double a = 1;
    double b = 0;
    double c = 0;
    double d = 1;
    double tx = 0;
    double ty = 0;

    static constexpr AffineTransform identity() { return AffineTransform{}; }
    static constexpr AffineTransform makeTranslation(double x, double y) { return AffineTransform{1, 0, 0, 1, x, y}; }
    static constexpr AffineTransform makeScale(double sx, double sy) { return AffineTransform{sx, 0, 0, sy, 0, 0}; }
    static AffineTransform makeRotation(double radians) {
        const double cosine = std::cos(radians);
        const double sine = std::sin(radians);
        return AffineTransform{cosine, sine, -sine, cosine, 0, 0};
    }

    constexpr bool isIdentity() const { return a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0; }

    // This transform, then `next`.
    constexpr AffineTransform concatenating(const AffineTransform& next) const {
        return AffineTransform{a * next.a + b * next.c,
                               a * next.b + b * next.d,
                               c * next.a + d * next.c,
                               c * next.b + d * next.d,
                               tx * next.a + ty * next.c + next.tx,
                               tx * next.b + ty * next.d + next.ty};
    }

    // Each of these applies its step before this transform.
    constexpr AffineTransform translatedBy(double x, double y) const {
        return AffineTransform{a, b, c, d, x * a + y * c + tx, x * b + y * d + ty};
    }
    constexpr AffineTransform scaledBy(double sx, double sy) const {
        return AffineTransform{sx * a, sx * b, sy * c, sy * d, tx, ty};
    }
    AffineTransform rotatedBy(double radians) const { return makeRotation(radians).concatenating(*this); }

    // The inverse; a singular matrix (determinant 0) comes back unchanged.
    constexpr AffineTransform inverted() const {
        const double det = a * d - b * c;
        if (det == 0) return *this;
        return AffineTransform{d / det, -b / det, -c / det, a / det, (c * ty - d * tx) / det, (b * tx - a * ty) / det};
    }

    // Every term is evaluated, also those multiplied by 0, so a NaN
    // coordinate reaches both results.
    constexpr Point apply(const Point& p) const { return Point{a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
    constexpr void applyInPlace(Point& p) const {
        const double x = p.x;
        p.x = a * x + c * p.y + tx;
        p.y = b * x + d * p.y + ty;
    }
    void applyInPlace(std::vector<Point>& points) const {
        for (Point& p : points) applyInPlace(p);
    }

    constexpr Size apply(const Size& s) const { return Size{a * s.width + c * s.height, b * s.width + d * s.height}; }

    // The axis-aligned bounding box of the standardised rectangle's four
    // mapped corners.
    Rect apply(const Rect& r) const {
        if (isNull(r)) return r;
        const Rect s = standardized(r);
        const Point corners[4] = {apply(Point{s.origin.x, s.origin.y}),
                                  apply(Point{s.origin.x + s.size.width, s.origin.y}),
                                  apply(Point{s.origin.x, s.origin.y + s.size.height}),
                                  apply(Point{s.origin.x + s.size.width, s.origin.y + s.size.height})};
        double left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
        for (const Point& p : corners) {
            // A NaN corner makes the whole box NaN rather than being skipped.
            if (std::isnan(p.x) || std::isnan(p.y)) {
                const double nan = std::nan("");
                return Rect(nan, nan, nan, nan);
            }
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        return Rect(left, top, right - left, bottom - top);
    }

    friend bool operator==(const AffineTransform&, const AffineTransform&) = default;

    // For QPainter only (same convention: QTransform's m11 m12 m21 m22 dx dy).
    QTransform toQTransform() const { return QTransform(a, b, c, d, tx, ty); }
};

} // namespace charts
