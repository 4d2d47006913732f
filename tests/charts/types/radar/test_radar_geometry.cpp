#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "Charts/types/radar/RadarGeometry.h"

namespace charts {
namespace {

TEST(RadarGeometry, FactorRadiusAndSliceAngle) {
    const struct {
        Rect content;
        double yRange, radius, factor;
    } cases[] = {
        {Rect(10, 20, 300, 200), 50, 100, 2}, {Rect(0, 0, 200, 300), 25, 100, 4}, {Rect(0, 0, 0, 0), 10, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(radarRadius(c.content), c.radius);
        EXPECT_EQ(radarFactor(c.content, c.yRange), c.factor);
    }
    EXPECT_EQ(radarSliceAngle(5), 72);
    EXPECT_EQ(radarSliceAngle(36), 10);
    EXPECT_EQ(radarSliceAngle(0), std::numeric_limits<double>::infinity());
}

TEST(RadarGeometry, TheSpokeAtAnAngle) {
    const struct {
        double angle, rotation;
        std::int64_t spokes, index;
    } cases[] = {
        {10, 0, 5, 0},  {36, 0, 5, 1},           {35.9, 0, 5, 0}, {300, 0, 5, 4},
        {330, 0, 5, 5}, {280, 270, 5, 0},        {-10, 0, 5, 5},  {-0.0, 0, 5, 5}, // -0 counts as negative
        {100, 0, 0, 0}, {std::nan(""), 0, 5, 5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(radarIndexForAngle(c.angle, c.rotation, c.spokes, radarSliceAngle(c.spokes)), c.index)
            << c.angle << " at " << c.rotation;
}

TEST(RadarGeometry, PointsStandOnTheirSpokeAboveTheAxisMinimum) {
    RadarFrameGeometry g;
    g.center = Point{100, 100};
    g.rotationAngle = 270;
    g.sliceAngle = 90;
    g.factor = 2;
    g.yMin = 10;
    const struct {
        double index, value, phaseX, phaseY;
        Point expected;
    } cases[] = {
        {0, 30, 1, 1, {100, 60}},
        {1, 30, 1, 1, {140, 100}},
        {2, 10, 1, 1, {100, 100}},
        {3, 0, 1, 1, {100, 100}}, // below the minimum: at the centre, not across it
        {1, 30, 0.5, 1, {100 + 40 * std::cos(std::numbers::pi * 7 / 4), 100 + 40 * std::sin(std::numbers::pi * 7 / 4)}},
        {0, 30, 1, 0.5, {100, 80}},
    };
    for (const auto& c : cases) {
        g.phaseX = c.phaseX;
        g.phaseY = c.phaseY;
        const Point p = g.point(c.index, c.value);
        EXPECT_NEAR(p.x, c.expected.x, 1e-9) << c.index << ", " << c.value;
        EXPECT_NEAR(p.y, c.expected.y, 1e-9) << c.index << ", " << c.value;
    }
}

TEST(RadarAccessibility, SpokesAreReadByValueLargestFirst) {
    const std::vector<RadarSpokeValue> ordered = radarSpokesByValue({1, 3, 2, 3}, {"A", "B", "C", "D"});
    std::vector<std::int64_t> indices;
    for (const RadarSpokeValue& s : ordered) indices.push_back(s.index);
    EXPECT_EQ(indices, (std::vector<std::int64_t>{1, 3, 2, 0}));
    EXPECT_EQ(ordered.front().xLabel, "B");
    // Pairs beyond the shorter list are dropped.
    EXPECT_EQ(radarSpokesByValue({1, 2, 3}, {"A", "B"}).size(), 2u);

    EXPECT_EQ(radarSetHeaderLabel("Sales", 1, std::nullopt), "Sales. 1 Item. ");
    EXPECT_EQ(radarSetHeaderLabel("Sales", 3, std::nullopt), "Sales. 3 Items. ");
    EXPECT_EQ(radarSetHeaderLabel("", 2, QStringLiteral("Region")), ". 2 Regions. ");
    EXPECT_EQ(radarPointLabel("Sales", "B", 3, std::nullopt), "Sales - B: 3.0 ");
    EXPECT_EQ(radarPointLabel("Sales", "C", 12.5, QStringLiteral("kg")), "Sales - C: 12.5 kg");
}

} // namespace
} // namespace charts
