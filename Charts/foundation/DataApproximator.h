#pragma once
#include <cstdint>
#include <vector>

#include "Charts/drawing/Geometry.h"

namespace charts {

// Reduces a polyline to fewer points that keep its shape (Douglas-Peucker):
// down to the points farther than a tolerance from their span's chord, or
// down to a number of points, most significant first. Points are kept in
// input order; a list that is not reduced comes back as it was.
//
// A chord of length 0 (a span that starts and ends at the same point) has no
// direction: distances from it are measured from its start point.
class DataApproximator {
public:
    DataApproximator() = delete;

    static std::vector<Point> reduceWithDouglasPeuker(const std::vector<Point>& points, double tolerance);
    static std::vector<Point> reduceWithDouglasPeukerN(const std::vector<Point>& points, std::int64_t resultCount);
};

} // namespace charts
