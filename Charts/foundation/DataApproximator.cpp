#include "Charts/foundation/DataApproximator.h"

#include <cmath>
#include <cstddef>

namespace charts {

namespace {

// The straight line through a span's first and last point.
struct Line {
    Line(const Point& s, const Point& e)
        : start(s),
          sxey(s.x * e.y),
          exsy(e.x * s.y),
          dx(s.x - e.x),
          dy(s.y - e.y),
          length(std::sqrt(dx * dx + dy * dy)) {}

    // The perpendicular distance from the line; from the start point when
    // the chord has no length.
    double distance(const Point& p) const {
        if (length == 0) return std::hypot(p.x - start.x, p.y - start.y);
        return std::fabs(dy * p.x - dx * p.y + sxey - exsy) / length;
    }

    Point start;
    double sxey, exsy, dx, dy, length;
};

// A span of the list with its interior point farthest from the chord; index
// 0 when the span has no interior or every interior point lies on the chord.
struct LineAlt {
    LineAlt(std::int64_t first, std::int64_t last, const std::vector<Point>& points) : start(first), end(last) {
        if (end <= start + 1) return;
        const Line line(points[static_cast<std::size_t>(start)], points[static_cast<std::size_t>(end)]);
        for (std::int64_t i = start + 1; i < end; ++i) {
            const double d = line.distance(points[static_cast<std::size_t>(i)]);
            if (d > distance) {
                distance = d;
                index = i;
            }
        }
    }

    bool sameSpan(const LineAlt& other) const {
        return start == other.start && end == other.end && index == other.index;
    }

    std::int64_t start;
    std::int64_t end;
    double distance = 0;
    std::int64_t index = 0;
};

void reduceSpan(const std::vector<Point>& points, double tolerance, std::int64_t start, std::int64_t end,
                std::vector<bool>& keep) {
    if (end <= start + 1) return;
    const LineAlt farthest(start, end, points);
    if (farthest.distance > tolerance) {
        keep[static_cast<std::size_t>(farthest.index)] = true;
        reduceSpan(points, tolerance, start, farthest.index, keep);
        reduceSpan(points, tolerance, farthest.index, end, keep);
    }
}

// Keeps the queue in ascending order of distance; of equal distances the
// newer goes behind the older ones, so it is taken first.
void insertSorted(std::vector<LineAlt>& queue, const LineAlt& line) {
    std::size_t lower = 0;
    std::size_t upper = queue.size();
    while (lower < upper) {
        const std::size_t probe = lower + (upper - lower) / 2;
        if (queue[probe].sameSpan(line)) {
            lower = probe;
            break;
        }
        if (queue[probe].distance > line.distance) {
            upper = probe;
        } else {
            lower = probe + 1;
        }
    }
    queue.insert(queue.begin() + static_cast<std::ptrdiff_t>(lower), line);
}

std::vector<Point> keptPoints(const std::vector<Point>& points, const std::vector<bool>& keep) {
    std::vector<Point> result;
    for (std::size_t i = 0; i < points.size(); ++i)
        if (keep[i]) result.push_back(points[i]);
    return result;
}

} // namespace

std::vector<Point> DataApproximator::reduceWithDouglasPeuker(const std::vector<Point>& points, double tolerance) {
    if (tolerance <= 0 || points.size() < 3) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = true;
    keep.back() = true;
    reduceSpan(points, tolerance, 0, static_cast<std::int64_t>(points.size()) - 1, keep);
    return keptPoints(points, keep);
}

std::vector<Point> DataApproximator::reduceWithDouglasPeukerN(const std::vector<Point>& points,
                                                              std::int64_t resultCount) {
    const auto count = static_cast<std::int64_t>(points.size());
    if (resultCount <= 2 || resultCount >= count) return points;
    std::vector<bool> keep(points.size(), false);
    keep.front() = true;
    keep.back() = true;
    std::int64_t kept = 2;
    std::vector<LineAlt> queue{LineAlt(0, count - 1, points)};
    while (!queue.empty()) {
        const LineAlt line = queue.back();
        queue.pop_back();
        keep[static_cast<std::size_t>(line.index)] = true;
        if (++kept == resultCount) break;
        const LineAlt left(line.start, line.index, points);
        if (left.index > 0) insertSorted(queue, left);
        const LineAlt right(line.index, line.end, points);
        if (right.index > 0) insertSorted(queue, right);
    }
    return keptPoints(points, keep);
}

} // namespace charts
