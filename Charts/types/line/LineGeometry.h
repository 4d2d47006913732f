#pragma once
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "Charts/drawing/AffineTransform.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/Path.h"
#include "Charts/render/BarLineScatterCandleBubbleRenderer.h"
#include "Charts/render/CartesianFrame.h"
#include "Charts/render/EntryValues.h"

namespace charts {

// The geometry of line charts as pure functions: where segments end, where
// Bezier control points lie, the lines and filled areas of a set's visible
// entries in pixels, where value labels, circles and accessibility frames
// go. Points are built in value space (y scaled by the animation's phase)
// and mapped through the value-to-pixel matrix.

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

using IndexBounds = BarLineScatterCandleBubbleRenderer::XBounds;

// Walks the pairs of neighbouring entries of a straight (2 points) or stepped
// (4 points: the horizontal run, then the vertical rise) line in the visible
// index range, calling visit(points, index of the pair's first entry) with
// the pair's points in pixels. A pair whose first entry is the last visible
// one (before animation) is that point alone. Left out: pairs whose ends are
// equal, pairs with an end that is not finite, and pairs that end left of the
// content or lie wholly above or below it; the walk ends at a missing second entry and at the first pair that
// starts right of the content.
template <class Visit>
void forEachLineSegment(const EntryValues& values, const IndexBounds& bounds, bool stepped, double phaseY,
                        const AffineTransform& matrix, const ContentBounds& content, Visit&& visit) {
    Point points[4];
    const int pointCount = stepped ? 4 : 2;
    const std::int64_t end = bounds.min() + bounds.range();
    // The second entry of one pair is the first of the next: each entry is
    // read once. A point and a flag rather than an optional point, which the
    // optimiser takes for read before it is set.
    Point next;
    bool hasNext = false;
    for (std::int64_t j = bounds.min(); j < end; ++j) {
        if (!hasNext && !values.contains(j)) continue;
        const Point from = hasNext ? next : values[j];
        hasNext = false;
        points[0] = valuePoint(from.x, from.y, phaseY);
        if (j < bounds.max()) {
            if (!values.contains(j + 1)) break;
            next = values[j + 1];
            hasNext = true;
            const Point to = valuePoint(next.x, next.y, phaseY);
            if (stepped) {
                const SteppedSegments step = steppedSegments(points[0], to);
                std::copy(std::begin(step.points), std::end(step.points), points);
            } else {
                points[1] = to;
            }
        } else {
            points[1] = points[2] = points[3] = points[0];
        }
        for (int k = 0; k < pointCount; ++k) matrix.applyInPlace(points[k]);

        const Point& first = points[0];
        const Point& last = points[pointCount - 1];
        // A pair with an end that is not finite is a gap in the line; the
        // pairs after it still draw.
        if (!isFinite(first) || !isFinite(last)) continue;
        if (!content.isInBoundsRight(first.x)) break;
        if (first == last) continue;
        if (!content.isInBoundsLeft(last.x) || !content.isInBoundsTop(std::max(first.y, last.y)) ||
            !content.isInBoundsBottom(std::min(first.y, last.y)))
            continue;
        visit(std::span<const Point>(points, static_cast<std::size_t>(pointCount)), j);
    }
}

// A Bezier line in pixels. An entry whose point is not finite in pixels
// leaves a gap, as in a straight line: the line is drawn in runs of
// neighbouring drawable entries, each a subpath of its own (a move, then one
// curve per segment), and each run keeps the value x of its first and last
// entry for its filled area.
struct CurveLine {
    struct Run {
        double firstX = 0;
        double lastX = 0;
        friend bool operator==(const Run&, const Run&) = default;
    };
    Path path;
    std::vector<Run> runs;
    friend bool operator==(const CurveLine&, const CurveLine&) = default;
};

// The cubic Bezier line through the visible entries: from the first visible
// entry, each segment shaped by its neighbours (cubicBezierSegment), the
// entry before the first visible one included; past a gap or an end of the
// data a missing neighbour is the segment's own end. Empty when fewer than
// two entries are visible; none when the first visible entry is missing
// (nothing is drawn then); a missing entry ends the line.
std::optional<CurveLine> cubicBezierPath(const EntryValues& values, const IndexBounds& bounds, double intensity,
                                         double phaseY, const AffineTransform& matrix);

// The horizontal Bezier line through the visible entries. Empty when fewer
// than two entries are visible; none when the first visible entry is missing
// (nothing is drawn then); a missing entry ends the line.
std::optional<CurveLine> horizontalBezierPath(const EntryValues& values, const IndexBounds& bounds, double phaseY,
                                              const AffineTransform& matrix);

// The filled area (pixels) below a Bezier line: each run closed down to the
// fill line at fillMin (a value) at its last entry's x, across to its first
// one's, and back. A line ended by a missing entry drops at x 0 there.
Path curveFillPath(const CurveLine& curve, double fillMin, const AffineTransform& matrix);

// The closed area (pixels) between a straight or stepped line and the fill
// line at fillMin (a value): up from the fill line at the first visible
// entry, along the line (stepped: the corner before each rise), down at the
// last visible entry, closed. A point that is not finite in pixels leaves a
// gap: the area is closed before it and starts again after it.
Path linearFillPath(const EntryValues& values, const IndexBounds& bounds, double fillMin, bool stepped, double phaseY,
                    const AffineTransform& matrix);

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
