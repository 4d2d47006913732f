#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Charts/render/CircleGeometry.h"
#include "Charts/types/pie/PieAccessibility.h"
#include "Charts/types/pie/PieGeometry.h"
#include "tests/charts/support/painter_path_oracle.h"

namespace charts {
namespace {

using testing::painterPathOf;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(PieGeometry, SliceAnglesFollowTheValuesOverTheMaximumAngle) {
    const struct {
        const char* name;
        std::vector<double> values;
        double maxAngle;
        std::vector<double> draw, absolute;
    } cases[] = {
        {"full", {1, 1, 2}, 360, {90, 90, 180}, {90, 180, 360}},
        {"half", {1, 1, 2}, 180, {45, 45, 90}, {45, 90, 180}},
        {"a negative value sweeps by its size, once round", {3, -1, 2}, 360, {180, 60, 120}, {180, 240, 360}},
        {"all zero", {0, 0}, 360, {0, 0}, {0, 0}},
        {"values that cancel", {3, -3}, 360, {180, 180}, {180, 360}},
        {"a value that is not a number is a slice of 0", {1, nan, 3}, 360, {90, 0, 270}, {90, 90, 360}},
        {"an infinite value too", {1, inf}, 360, {360, 0}, {360, 360}},
        {"sizes that add up to infinity", {1e308, 1e308}, 360, {0, 0}, {0, 0}},
        {"none", {}, 360, {}, {}},
    };
    for (const auto& c : cases) {
        const PieSliceAngles angles = pieSliceAngles(c.values, pieSliceTotal(c.values), c.maxAngle);
        EXPECT_EQ(angles.drawAngles, c.draw) << c.name;
        EXPECT_EQ(angles.absoluteAngles, c.absolute) << c.name;
    }
    EXPECT_EQ(piePercentage(1, 4), 25);
    EXPECT_EQ(piePercentage(3, 0), 0);
    EXPECT_EQ(piePercentage(3, nan), 0);
}

TEST(PieGeometry, TheSliceAtAnAngleTurnsWithTheRotation) {
    const std::vector<double> full{90, 180, 360};
    const std::vector<double> half{45, 90, 180};
    const struct {
        double angle, rotation;
        const std::vector<double>& ends;
        std::int64_t index;
    } cases[] = {
        {300, 270, full, 0},  {269, 270, full, 2}, {0, 270, full, 1}, {270, 270, full, 0},
        {100, 270, half, -1}, {280, 270, half, 0}, {10, 0, full, 0},  {90, 0, full, 1},
        {359, 0, full, 2},    {-10, 0, full, 2},   {450, 0, full, 1}, {nan, 0, full, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pieIndexForAngle(c.angle, c.rotation, c.ends), c.index) << c.angle << " at " << c.rotation;
}

TEST(PieGeometry, CircleBoxLabelRadiusAndMarkers) {
    // Shrunk by the selection shift on every side.
    EXPECT_EQ(pieCircleBox(Point{200, 150}, 100, 18), Rect(118, 68, 164, 164));
    EXPECT_EQ(pieCircleBox(Point{200, 300}, 200, 18), Rect(18, 118, 364, 364));
    // Texts at 70 % without a hole, halfway across the ring with one.
    EXPECT_DOUBLE_EQ(pieLabelRadius(100, false, 0.5), 70);
    EXPECT_DOUBLE_EQ(pieLabelRadius(100, true, 0.5), 75);
    // Markers at 64 % without a hole and in the middle of each sweep.
    const Point c{0, 0};
    const struct {
        bool hole;
        double rotation, draw, absolute, phaseY;
        double distance, angle;
    } markers[] = {
        {false, 270, 90, 90, 1, 64, 315},
        {true, 270, 90, 90, 1, 75, 315},
        {false, 0, 180, 360, 1, 64, 270},
        {false, 0, 90, 90, 0.5, 64, 22.5},
    };
    for (const auto& m : markers) {
        const Point p = pieMarkerPosition(c, 100, m.hole, 0.5, m.rotation, m.draw, m.absolute, m.phaseY);
        const Point expected = pointOnCircle(c, m.distance, m.angle);
        EXPECT_NEAR(p.x, expected.x, 1e-9);
        EXPECT_NEAR(p.y, expected.y, 1e-9);
    }
}

TEST(PieGeometry, SliceSpaceIsDroppedWhenLargerThanTheSmallestSlice) {
    const struct {
        double space;
        bool automatic;
        Size content;
        double yMin, sum, expected;
    } cases[] = {
        {2, true, {200, 100}, 1, 100, 2}, // 0.02 is not above 0.02
        {3, true, {200, 100}, 1, 100, 0}, {3, false, {200, 100}, 1, 100, 3},
        {3, true, {200, 100}, 1, 0, 0}, // no total, no slices
        {3, true, {200, 100}, 1, nan, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(effectiveSliceSpace(c.space, c.automatic, c.content, c.yMin, c.sum), c.expected) << c.space;
    EXPECT_EQ(sliceSpaceAngle(0, 0), 0);
    EXPECT_NEAR(sliceSpaceAngle(std::numbers::pi, 180), 1, 1e-12);
}

// A wedge as Qt fills it: points inside its sweep and ring, none outside.
TEST(PieGeometry, WedgesCoverTheirSweepClockwiseFromTheirStart) {
    const Point c{200, 200};
    const auto covers = [&](const PieWedge& w, double distance, double angle) {
        return painterPathOf(pieWedgePath(w), FillRule::evenOdd).contains(toQt(pointOnCircle(c, distance, angle)));
    };
    PieWedge w;
    w.center = c;
    w.radius = 100;
    w.arcRadius = 100;
    w.rotationAngle = 270;
    w.angle = 0;
    w.sliceAngle = 90;
    // From the top clockwise to the right: the sweep lies between 270 and 360.
    for (double a : {275.0, 300.0, 355.0}) {
        EXPECT_TRUE(covers(w, 50, a)) << a;
        EXPECT_TRUE(covers(w, 98, a)) << a;
        EXPECT_FALSE(covers(w, 102, a)) << a;
    }
    for (double a : {265.0, 5.0, 90.0, 180.0}) EXPECT_FALSE(covers(w, 50, a)) << a;

    // With a hole the inner ring stays empty.
    w.innerRadius = 50;
    w.drawInnerArc = true;
    EXPECT_FALSE(covers(w, 45, 315));
    EXPECT_TRUE(covers(w, 55, 315));

    // A gap of 10 points leaves 5 points free each side along the rim.
    w.sliceSpace = 10;
    const double rimGap = radiansToDegrees(4.0 / 95);
    EXPECT_FALSE(covers(w, 95, 270 + rimGap));
    EXPECT_TRUE(covers(w, 95, 270 + 2 * rimGap));
    EXPECT_FALSE(covers(w, 95, 360 - rimGap));

    // Highlighted: the arc moves out by the shift, the inner edge stays.
    w.sliceSpace = 0;
    w.arcRadius = 118;
    EXPECT_TRUE(covers(w, 115, 315));
    EXPECT_FALSE(covers(w, 45, 315));

    // The y phase shrinks the sweep, the rotation turns it.
    PieWedge half = w;
    half.arcRadius = 100;
    half.phaseY = 0.5;
    EXPECT_TRUE(covers(half, 70, 300));
    EXPECT_FALSE(covers(half, 70, 330));
    half.rotationAngle = 0;
    half.phaseY = 1;
    EXPECT_TRUE(covers(half, 70, 45));
    EXPECT_FALSE(covers(half, 70, 315));
}

TEST(PieGeometry, SpacedSlicesMeetWhereTheGapStaysOpen) {
    // Two edges of a 90-degree wedge kept 10 points apart meet at a radius
    // whose chord rules: the result stays within the radius and is the
    // same whatever the rotation.
    const Point c{0, 0};
    double previous = nan;
    for (double start : {0.0, 37.0, 270.0}) {
        const double sweep = 90 - radiansToDegrees(10.0 / 100);
        const double r = minimumRadiusForSpacedSlice(c, 100, 90, pointOnCircle(c, 100, start), start, sweep);
        EXPECT_GT(r, 0);
        EXPECT_LT(r, 100);
        if (!std::isnan(previous)) {
            EXPECT_NEAR(r, previous, 1e-9);
        }
        previous = r;
    }
    // A straight wedge (180 degrees) has no triangle: the chord's distance
    // from the arc's middle is the radius.
    EXPECT_NEAR(minimumRadiusForSpacedSlice(c, 100, 180, Point{100, 0}, 0, 180), 0, 1e-9);
}

TEST(PieGeometry, ValueLinesBendTowardsTheirSide) {
    const Point c{0, 0};
    PieValueLineStyle style;
    const struct {
        double angle;
        bool hole, rightAligned;
        double start;
    } cases[] = {
        {0, false, false, 75},  {45, false, false, 75},  {90, false, true, 75},   {180, false, true, 75},
        {270, false, true, 75}, {300, false, false, 75}, {-45, false, false, 75}, {0, true, false, 87.5},
    };
    for (const auto& k : cases) {
        const double labelRadius = pieLabelRadius(100, k.hole, 0.5);
        const PieValueLine line = pieValueLine(c, 100, labelRadius, k.angle, k.hole, 0.5, style, 10);
        const Point pt0 = pointOnCircle(c, k.start, k.angle);
        const Point pt1 = pointOnCircle(c, labelRadius * 1.3, k.angle);
        EXPECT_NEAR(line.pt0.x, pt0.x, 1e-9);
        EXPECT_NEAR(line.pt0.y, pt0.y, 1e-9);
        EXPECT_NEAR(line.pt1.x, pt1.x, 1e-9);
        EXPECT_NEAR(line.pt1.y, pt1.y, 1e-9);
        EXPECT_EQ(line.rightAligned, k.rightAligned) << k.angle;
        const double length = labelRadius * 0.4 * std::fabs(std::sin(degreesToRadians(k.angle)));
        EXPECT_NEAR(line.pt2.x, pt1.x + (k.rightAligned ? -length : length), 1e-9);
        EXPECT_EQ(line.pt2.y, line.pt1.y);
        EXPECT_NEAR(line.textX, line.pt2.x + (k.rightAligned ? -5 : 5), 1e-9);
        EXPECT_EQ(line.labelY, line.pt1.y - 10);
    }
    style.variableLength = false;
    const PieValueLine fixed = pieValueLine(c, 100, 70, 0, false, 0.5, style, 10);
    EXPECT_NEAR(fixed.pt2.x - fixed.pt1.x, 28, 1e-9);
}

TEST(PieAccessibility, HeaderAndSliceTexts) {
    EXPECT_EQ(pieHeaderLabel("Sales", 3, std::nullopt), "Sales. 3 Elements");
    EXPECT_EQ(pieHeaderLabel("Sales", 1, std::nullopt), "Sales. 1 Element");
    EXPECT_EQ(pieHeaderLabel("Pie Chart", 2, QStringLiteral("Region")), "Pie Chart. 2 Regions");
    EXPECT_EQ(pieSliceLabel("North", "12", std::nullopt, false, 12), "North : 12 ");
    EXPECT_EQ(pieSliceLabel("Item1", "12", QStringLiteral("unit"), true, 12), "Item1 : 12 units");
    EXPECT_EQ(pieSliceLabel("Item1", "1", QStringLiteral("unit"), true, 1), "Item1 : 1 unit");
    EXPECT_EQ(pieSliceLabel("", "5", QStringLiteral("kg"), false, 5), " : 5 kg");
}

} // namespace
} // namespace charts
