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

namespace {

// Whether the list has the entry and its point is finite in pixels; a line
// leaves a gap at an entry it has whose point is not.
bool isDrawnPoint(const EntryValues& values, std::int64_t index, double phaseY, const AffineTransform& matrix) {
    if (!values.contains(index)) return false;
    const Point value = values[index];
    return isFinite(matrix.apply(valuePoint(value.x, value.y, phaseY)));
}

// Walks the visible entries of a Bezier line, from the first to the last,
// calling segment(j) for the segment ending at every drawn entry j whose
// predecessor is drawn too; a run of such entries becomes a subpath of the
// line, started at its first entry. Ends at a missing entry.
template <class Segment>
CurveLine curveRuns(const EntryValues& values, const IndexBounds& bounds, double phaseY,
                    const AffineTransform& matrix, Segment&& segment) {
    CurveLine line;
    bool inRun = false;
    const std::int64_t last = bounds.min() + bounds.range();
    for (std::int64_t j = bounds.min(); j <= last; ++j) {
        if (!values.contains(j)) {
            // A missing entry's x counts as 0: the area of a line cut short
            // closes there.
            if (!line.runs.empty()) line.runs.back().lastX = 0;
            break;
        }
        if (!isDrawnPoint(values, j, phaseY, matrix)) {
            inRun = false;
            continue;
        }
        const Point cur = values[j];
        if (inRun) {
            const CubicSegment s = segment(j);
            line.path.curveTo(matrix.apply(s.control1), matrix.apply(s.control2), matrix.apply(s.end));
            line.runs.back().lastX = cur.x;
        } else {
            line.path.moveTo(matrix.apply(valuePoint(cur.x, cur.y, phaseY)));
            line.runs.push_back(CurveLine::Run{cur.x, cur.x});
            inRun = true;
        }
    }
    return line;
}

} // namespace

std::optional<CurveLine> cubicBezierPath(const EntryValues& values, const IndexBounds& bounds, double intensity,
                                         double phaseY, const AffineTransform& matrix) {
    if (bounds.range() < 1) return CurveLine{};
    if (!values.contains(bounds.min())) return std::nullopt;
    return curveRuns(values, bounds, phaseY, matrix, [&](std::int64_t j) {
        const Point prev = values[j - 1];
        const Point cur = values[j];
        // A neighbour across a gap or past an end of the data is the
        // segment's own end, so a run is shaped as a line of its own.
        const Point prevPrev = isDrawnPoint(values, j - 2, phaseY, matrix) ? values[j - 2] : prev;
        const Point next = isDrawnPoint(values, j + 1, phaseY, matrix) ? values[j + 1] : cur;
        return cubicBezierSegment(prevPrev, prev, cur, next, intensity, phaseY);
    });
}

std::optional<CurveLine> horizontalBezierPath(const EntryValues& values, const IndexBounds& bounds, double phaseY,
                                              const AffineTransform& matrix) {
    if (bounds.range() < 1) return CurveLine{};
    if (!values.contains(bounds.min())) return std::nullopt;
    return curveRuns(values, bounds, phaseY, matrix,
                     [&](std::int64_t j) { return horizontalBezierSegment(values[j - 1], values[j], phaseY); });
}

Path curveFillPath(const CurveLine& curve, double fillMin, const AffineTransform& matrix) {
    Path filled;
    auto run = curve.runs.begin();
    const auto closeRun = [&] {
        filled.lineTo(matrix.apply(Point{run->lastX, fillMin}));
        filled.lineTo(matrix.apply(Point{run->firstX, fillMin}));
        filled.closeSubpath();
        ++run;
    };
    // The line holds a move per run, then its curves.
    for (const PathElement& element : curve.path.elements()) {
        if (element.kind == PathElementKind::moveTo) {
            if (!filled.isEmpty()) closeRun();
            filled.moveTo(element.points[0]);
        } else {
            filled.curveTo(element.points[0], element.points[1], element.points[2]);
        }
    }
    if (!filled.isEmpty()) closeRun();
    return filled;
}

Path linearFillPath(const EntryValues& values, const IndexBounds& bounds, double fillMin, bool stepped, double phaseY,
                    const AffineTransform& matrix) {
    Path filled;
    const std::int64_t last = bounds.min() + bounds.range();
    // The last entry of the run being filled, while one is (a point and a
    // flag: the optimiser takes an optional point for read before it is set).
    Point previous;
    bool inRun = false;
    const auto closeRun = [&](bool dropToFillLine) {
        if (!inRun) return;
        if (dropToFillLine) filled.lineTo(matrix.apply(Point{previous.x, fillMin}));
        filled.closeSubpath();
        inRun = false;
    };
    for (std::int64_t x = bounds.min(); x <= last; ++x) {
        if (!values.contains(x)) continue;
        const Point e = values[x];
        const Point pixel = matrix.apply(valuePoint(e.x, e.y, phaseY));
        if (!isFinite(pixel)) {
            closeRun(true);
            continue;
        }
        if (!inRun) {
            filled.moveTo(matrix.apply(Point{e.x, fillMin}));
        } else if (stepped) {
            filled.lineTo(matrix.apply(valuePoint(e.x, previous.y, phaseY)));
        }
        filled.lineTo(pixel);
        previous = e;
        inRun = true;
    }
    // Without the last visible entry the area closes from the last it has.
    closeRun(values.contains(last));
    return filled;
}

} // namespace charts
