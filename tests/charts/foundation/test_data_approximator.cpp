#include <gtest/gtest.h>

#include <vector>

#include "Charts/foundation/DataApproximator.h"

namespace charts {
namespace {

using Points = std::vector<Point>;

TEST(DataApproximator, ReductionByTolerance) {
    const struct {
        Points points;
        double tolerance;
        Points expected;
    } cases[] = {
        {{{0, 0}, {1, 5}}, 0.1, {{0, 0}, {1, 5}}},
        {{{0, 0}, {1, 1}, {2, 0}}, 0, {{0, 0}, {1, 1}, {2, 0}}},
        {{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, 0.1, {{0, 0}, {4, 4}}},
        {{{0, 0}, {1, 1}, {2, 0}}, 0.5, {{0, 0}, {1, 1}, {2, 0}}},
        // The distance must exceed the tolerance.
        {{{0, 0}, {1, 1}, {2, 0}}, 1, {{0, 0}, {2, 0}}},
        // Recursion keeps the second peak found in the right-hand span.
        {{{0, 0}, {1, 4}, {2, 0}, {3, 1}, {4, 0}}, 0.5, {{0, 0}, {1, 4}, {2, 0}, {3, 1}, {4, 0}}},
        {{{0, 0}, {1, 4}, {2, 0}, {3, 1}, {4, 0}}, 1.5, {{0, 0}, {1, 4}, {2, 0}, {4, 0}}},
    };
    for (const auto& c : cases) EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(c.points, c.tolerance), c.expected);
}

TEST(DataApproximator, ReductionToACount) {
    const Points zigzag = {{0, 0}, {1, 1}, {2, 0}, {3, 5}, {4, 0}, {5, 2}, {6, 0}};
    const struct {
        Points points;
        std::int64_t count;
        Points expected;
    } cases[] = {
        {zigzag, 2, zigzag},
        {zigzag, 7, zigzag},
        {zigzag, 9, zigzag},
        // The first, the last and the single point farthest from their chord.
        {zigzag, 3, {{0, 0}, {3, 5}, {6, 0}}},
        {zigzag, 5, {{0, 0}, {3, 5}, {4, 0}, {5, 2}, {6, 0}}},
        // Everything on the chord: the first pass ends with the two ends.
        {{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}, 4, {{0, 0}, {4, 4}}},
    };
    for (const auto& c : cases) EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(c.points, c.count), c.expected);
}

TEST(DataApproximator, EqualDistancesTakeTheNewerSpanFirst) {
    // After (3, 5) both new spans peak at exactly 10 / sqrt(34), at (2, 0)
    // and (4, 0); the right span was queued last and is taken first.
    const Points zigzag = {{0, 0}, {1, 1}, {2, 0}, {3, 5}, {4, 0}, {5, 2}, {6, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(zigzag, 4), (Points{{0, 0}, {3, 5}, {4, 0}, {6, 0}}));
    // Within one span the first of equally far points wins.
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(Points{{0, 0}, {1, 1}, {2, 1}, {3, 0}}, 3),
              (Points{{0, 0}, {1, 1}, {3, 0}}));
}

TEST(DataApproximator, AClosedChordMeasuresFromItsStartPoint) {
    // First and last point coincide: 0 / 0 would make every distance NaN and
    // drop the whole loop.
    const Points loop = {{0, 0}, {3, 4}, {1, 1}, {0, 0}};
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(loop, 2), (Points{{0, 0}, {3, 4}, {0, 0}}));
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeuker(loop, 6), (Points{{0, 0}, {0, 0}}));
    EXPECT_EQ(DataApproximator::reduceWithDouglasPeukerN(loop, 3), (Points{{0, 0}, {3, 4}, {0, 0}}));
}

} // namespace
} // namespace charts
