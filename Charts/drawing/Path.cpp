#include "Charts/drawing/Path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charts {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;
// Control distance of a quarter circle drawn as one cubic curve.
constexpr double quarterKappa = 0.5522847498307936;

} // namespace

const Point& PathElement::endPoint() const {
    switch (kind) {
    case PathElementKind::quadCurveTo: return points[1];
    case PathElementKind::curveTo: return points[2];
    default: return points[0];
    }
}

int PathElement::pointCount() const {
    switch (kind) {
    case PathElementKind::moveTo:
    case PathElementKind::lineTo: return 1;
    case PathElementKind::quadCurveTo: return 2;
    case PathElementKind::curveTo: return 3;
    case PathElementKind::closeSubpath: return 0;
    }
    return 0;
}

bool operator==(const PathElement& a, const PathElement& b) {
    if (a.kind != b.kind) return false;
    for (int i = 0; i < a.pointCount(); ++i) {
        if (!(a.points[i] == b.points[i])) return false;
    }
    return true;
}

void Path::append(PathElementKind kind, Point p0, Point p1, Point p2) {
    PathElement element;
    element.kind = kind;
    element.points[0] = p0;
    element.points[1] = p1;
    element.points[2] = p2;
    elements_.push_back(element);
}

void Path::moveTo(Point point) {
    append(PathElementKind::moveTo, point);
    current_ = point;
    subpathStart_ = point;
}

void Path::lineTo(Point point) {
    if (!current_) return;
    append(PathElementKind::lineTo, point);
    current_ = point;
}

void Path::quadCurveTo(Point control, Point end) {
    if (!current_) return;
    append(PathElementKind::quadCurveTo, control, end);
    current_ = end;
}

void Path::curveTo(Point control1, Point control2, Point end) {
    if (!current_) return;
    append(PathElementKind::curveTo, control1, control2, end);
    current_ = end;
}

void Path::closeSubpath() {
    if (!current_) return;
    append(PathElementKind::closeSubpath);
    current_ = subpathStart_;
}

void Path::addLines(std::span<const Point> points) {
    if (points.empty()) return;
    elements_.reserve(elements_.size() + points.size());
    moveTo(points[0]);
    for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i]);
}

void Path::addRect(const Rect& rect) {
    const double x0 = rect.origin.x, y0 = rect.origin.y;
    const double x1 = x0 + rect.size.width, y1 = y0 + rect.size.height;
    moveTo({x0, y0});
    lineTo({x1, y0});
    lineTo({x1, y1});
    lineTo({x0, y1});
    closeSubpath();
}

void Path::addEllipse(const Rect& rect) {
    const double rx = rect.size.width / 2, ry = rect.size.height / 2;
    const double cx = rect.origin.x + rx, cy = rect.origin.y + ry;
    const double kx = rx * quarterKappa, ky = ry * quarterKappa;
    moveTo({cx + rx, cy});
    curveTo({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    curveTo({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    curveTo({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    curveTo({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    closeSubpath();
}

void Path::addArc(Point center, double radius, double startAngle, double endAngle, bool clockwise) {
    // The sweep runs the short or the long way round so that it goes in the
    // asked direction; a difference of a whole turn or more is one full circle.
    double sweep = endAngle - startAngle;
    if (!clockwise) {
        if (sweep >= twoPi)
            sweep = twoPi;
        else if (sweep < 0)
            sweep = std::fmod(sweep, twoPi) + twoPi;
    } else {
        if (sweep <= -twoPi)
            sweep = -twoPi;
        else if (sweep > 0)
            sweep = std::fmod(sweep, twoPi) - twoPi;
    }
    addArcSweep(center, radius, startAngle, sweep);
}

void Path::addRelativeArc(Point center, double radius, double startAngle, double sweep) {
    addArcSweep(center, radius, startAngle, sweep);
}

void Path::addCircle(Point center, double radius) { addArc(center, radius, 0, twoPi, false); }

void Path::addArcSweep(Point center, double radius, double startAngle, double sweep) {
    const Point start{center.x + radius * std::cos(startAngle), center.y + radius * std::sin(startAngle)};
    if (current_)
        lineTo(start);
    else
        moveTo(start);
    if (sweep == 0 || !std::isfinite(sweep)) return;

    // Pieces of at most a quarter turn keep the cubic error below 3e-4 of the
    // radius.
    const int pieces = std::max(1, static_cast<int>(std::ceil(std::fabs(sweep) / (std::numbers::pi / 2) - 1e-12)));
    const double step = sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(step / 4) * radius;
    double angle = startAngle;
    double cos0 = std::cos(angle), sin0 = std::sin(angle);
    for (int i = 0; i < pieces; ++i) {
        const double next = i + 1 == pieces ? startAngle + sweep : angle + step;
        const double cos1 = std::cos(next), sin1 = std::sin(next);
        const Point p0{center.x + radius * cos0, center.y + radius * sin0};
        const Point p3{center.x + radius * cos1, center.y + radius * sin1};
        curveTo({p0.x - k * sin0, p0.y + k * cos0}, {p3.x + k * sin1, p3.y - k * cos1}, p3);
        angle = next;
        cos0 = cos1;
        sin0 = sin1;
    }
}

void Path::addPath(const Path& other) {
    elements_.insert(elements_.end(), other.elements_.begin(), other.elements_.end());
    if (!other.elements_.empty()) {
        current_ = other.current_;
        subpathStart_ = other.subpathStart_;
    }
}

void Path::clear() {
    elements_.clear();
    current_.reset();
    subpathStart_ = {};
}

Rect Path::boundingBox() const {
    bool any = false;
    double minX = 0, minY = 0, maxX = 0, maxY = 0;
    for (const PathElement& element : elements_) {
        for (int i = 0; i < element.pointCount(); ++i) {
            const Point& p = element.points[i];
            if (!any) {
                minX = maxX = p.x;
                minY = maxY = p.y;
                any = true;
                continue;
            }
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
    }
    if (!any) return nullRect();
    return Rect(minX, minY, maxX - minX, maxY - minY);
}

} // namespace charts
