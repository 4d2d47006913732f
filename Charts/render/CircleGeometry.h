#pragma once
#include <cmath>
#include <numbers>

#include "Charts/drawing/Geometry.h"

namespace charts {

// The geometry of the circular charts (pie and radar). Angles are degrees,
// measured from +x towards +y, which on a y-down screen runs clockwise.

constexpr double degreesToRadians(double degrees) { return degrees * std::numbers::pi / 180.0; }
constexpr double radiansToDegrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// The point at `distance` from the centre in the direction of the angle.
inline Point pointOnCircle(Point center, double distance, double angleDegrees) {
    const double a = degreesToRadians(angleDegrees);
    return Point{center.x + distance * std::cos(a), center.y + distance * std::sin(a)};
}

// The angle within 0 to 360: the remainder of the division by 360, which
// keeps the angle's sign, plus 360 when that sign is negative (-0 included,
// so -360 gives 360 and 720 gives 0). Not a number for an angle that is
// not finite.
inline double normalizedAngle(double degrees) {
    double angle = std::fmod(degrees, 360.0);
    if (std::signbit(angle)) angle += 360.0;
    return angle;
}

// The direction of a point seen from the centre, in (0, 360]: 90 straight
// below the centre, 180 to its left, 270 above it and 360 to its right.
// Not a number at the centre itself, which has no direction.
inline double angleOfPoint(Point center, Point point) {
    const double tx = point.x - center.x;
    const double ty = point.y - center.y;
    const double length = std::sqrt(tx * tx + ty * ty);
    const double r = radiansToDegrees(std::acos(ty / length));
    double angle = point.x > center.x ? 360.0 - r : r;
    angle += 90.0;
    if (angle > 360.0) angle -= 360.0;
    return angle;
}

inline double distanceBetween(Point a, Point b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

} // namespace charts
