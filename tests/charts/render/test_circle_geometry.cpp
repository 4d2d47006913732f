#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Charts/foundation/Highlight.h"
#include "Charts/render/CircleGeometry.h"

namespace charts {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(CircleGeometry, TheAngleOfAPointRunsClockwiseFromTheRight) {
    const Point c{100, 50};
    const struct {
        Point p;
        double angle;
    } cases[] = {
        {{101, 50}, 360},
        {{100, 51}, 90},
        {{99, 50}, 180},
        {{100, 49}, 270}, // the axes
        {{110, 60}, 45},
        {{90, 60}, 135},
        {{90, 40}, 225},
        {{110, 40}, 315}, // the quadrants
        {{100 + std::sqrt(3.0), 51}, 30},
        {{100 + std::sqrt(3.0), 49}, 330},
    };
    for (const auto& k : cases) {
        EXPECT_NEAR(angleOfPoint(c, k.p), k.angle, 1e-9) << k.p.x << ", " << k.p.y;
        // The point on the circle in that direction lies on the same ray.
        const double d = distanceBetween(c, k.p);
        const Point back = pointOnCircle(c, d, k.angle);
        EXPECT_NEAR(back.x, k.p.x, 1e-9);
        EXPECT_NEAR(back.y, k.p.y, 1e-9);
    }
    EXPECT_TRUE(std::isnan(angleOfPoint(c, c)));
    EXPECT_TRUE(std::isnan(normalizedAngle(nan)));
    EXPECT_TRUE(std::isnan(normalizedAngle(inf)));
    EXPECT_DOUBLE_EQ(distanceBetween(c, Point{103, 54}), 5);
}

TEST(HighlightEntryIndex, XIsTruncatedTowardZeroAndMustNameAPosition) {
    const struct {
        double x;
        std::optional<std::int64_t> index;
    } cases[] = {
        {0, 0},
        {2.7, 2},
        {-0.5, 0},
        {-1.2, -1},
        {1e15, 1000000000000000},
        {9223372036854774784.0, 9223372036854774784},
        {-9223372036854775808.0, INT64_MIN},
        {9223372036854775808.0, std::nullopt},
        {1e300, std::nullopt},
        {nan, std::nullopt},
        {inf, std::nullopt},
        {-inf, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(entryIndexForX(c.x), c.index) << c.x;
}

} // namespace
} // namespace charts
