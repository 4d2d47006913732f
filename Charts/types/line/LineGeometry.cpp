#include "Charts/types/line/LineGeometry.h"

#include <cmath>

namespace charts {

std::int64_t valueLabelOffset(double circleRadius, bool circlesDrawn) {
    const double scaled = circleRadius * 1.75;
    // Within the 32-bit range the conversion is exact; beyond it no label
    // offset makes sense.
    if (!std::isfinite(scaled) || std::fabs(scaled) > 2147483647.0) return 0;
    std::int64_t offset = static_cast<std::int64_t>(scaled);
    if (!circlesDrawn) offset /= 2;
    return offset;
}

} // namespace charts

namespace charts {

std::optional<Path> cubicBezierPath(const EntryValues& values, const IndexBounds& bounds, double intensity,
                                    double phaseY, const AffineTransform& matrix) {
    Path path;
    if (bounds.range() < 1) return path;
    const std::int64_t firstIndex = bounds.min() + 1;
    const std::int64_t prevIndex = std::max<std::int64_t>(firstIndex - 2, 0);
    const std::int64_t curIndex = std::max<std::int64_t>(firstIndex - 1, 0);
    if (!values.contains(prevIndex) || !values.contains(curIndex)) return std::nullopt;

    // The four points each segment is shaped by, moved along by one entry
    // per segment.
    Point prevPrev;
    Point prev = values[prevIndex];
    Point cur = values[curIndex];
    Point next = cur;
    std::int64_t nextIndex = -1;
    path.moveTo(matrix.apply(valuePoint(cur.x, cur.y, phaseY)));
    const std::int64_t lastIndex = bounds.min() + bounds.range();
    for (std::int64_t j = firstIndex; j <= lastIndex; ++j) {
        prevPrev = prev;
        prev = cur;
        if (nextIndex != j) {
            if (!values.contains(j)) break;
            cur = values[j];
        } else {
            cur = next;
        }
        nextIndex = j + 1 < values.size() ? j + 1 : j;
        if (!values.contains(nextIndex)) break;
        next = values[nextIndex];
        const CubicSegment segment = cubicBezierSegment(prevPrev, prev, cur, next, intensity, phaseY);
        path.curveTo(matrix.apply(segment.control1), matrix.apply(segment.control2), matrix.apply(segment.end));
    }
    return path;
}

std::optional<Path> horizontalBezierPath(const EntryValues& values, const IndexBounds& bounds, double phaseY,
                                         const AffineTransform& matrix) {
    Path path;
    if (bounds.range() < 1) return path;
    if (!values.contains(bounds.min())) return std::nullopt;
    Point prev = values[bounds.min()];
    path.moveTo(matrix.apply(valuePoint(prev.x, prev.y, phaseY)));
    const std::int64_t lastIndex = bounds.min() + bounds.range();
    for (std::int64_t j = bounds.min() + 1; j <= lastIndex; ++j) {
        if (!values.contains(j)) break;
        const Point cur = values[j];
        const CubicSegment segment = horizontalBezierSegment(prev, cur, phaseY);
        path.curveTo(matrix.apply(segment.control1), matrix.apply(segment.control2), matrix.apply(segment.end));
        prev = cur;
    }
    return path;
}

void closeCurveToFillLine(Path& curve, const EntryValues& values, const IndexBounds& bounds, double fillMin,
                          const AffineTransform& matrix) {
    const auto xAt = [&](std::int64_t index) { return values.contains(index) ? values[index].x : 0.0; };
    curve.lineTo(matrix.apply(Point{xAt(bounds.min() + bounds.range()), fillMin}));
    curve.lineTo(matrix.apply(Point{xAt(bounds.min()), fillMin}));
    curve.closeSubpath();
}

Path linearFillPath(const EntryValues& values, const IndexBounds& bounds, double fillMin, bool stepped, double phaseY,
                    const AffineTransform& matrix) {
    Path filled;
    if (values.contains(bounds.min())) {
        const Point first = values[bounds.min()];
        filled.moveTo(matrix.apply(Point{first.x, fillMin}));
        filled.lineTo(matrix.apply(valuePoint(first.x, first.y, phaseY)));
    }
    const std::int64_t last = bounds.min() + bounds.range();
    for (std::int64_t x = bounds.min() + 1; x <= last; ++x) {
        if (!values.contains(x)) continue;
        const Point e = values[x];
        if (stepped) {
            if (!values.contains(x - 1)) continue;
            filled.lineTo(matrix.apply(valuePoint(e.x, values[x - 1].y, phaseY)));
        }
        filled.lineTo(matrix.apply(valuePoint(e.x, e.y, phaseY)));
    }
    if (values.contains(last)) filled.lineTo(matrix.apply(Point{values[last].x, fillMin}));
    filled.closeSubpath();
    return filled;
}

} // namespace charts
