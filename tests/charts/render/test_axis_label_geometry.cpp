// Where the axis renderers put their texts: rotated sizes, anchored and
// rotated label origins, label rows and columns, limit-line labels.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Charts/drawing/TextAttributes.h"
#include "Charts/render/AxisLabelGeometry.h"

namespace {

using namespace charts;

struct RotationCase {
    double degrees;
    Size rotated;
};

class RotatedSizeTest : public ::testing::TestWithParam<RotationCase> {};

TEST_P(RotatedSizeTest, BoundsTheTurnedBox) {
    const Size got = rotatedSize(Size{40, 10}, GetParam().degrees * std::numbers::pi / 180);
    EXPECT_NEAR(got.width, GetParam().rotated.width, 1e-9);
    EXPECT_NEAR(got.height, GetParam().rotated.height, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Angles, RotatedSizeTest,
                         ::testing::Values(RotationCase{0, {40, 10}}, RotationCase{90, {10, 40}},
                                           RotationCase{-90, {10, 40}}, RotationCase{180, {40, 10}},
                                           RotationCase{45, {50 / std::numbers::sqrt2, 50 / std::numbers::sqrt2}}));

struct RowCase {
    XAxis::LabelPosition position;
    std::vector<LabelRow> rows;
};

class LabelRowsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(LabelRowsTest, PlacesEachRowByThePosition) {
    // Content from y 20 to 260, offset 4, rotated label height 12.
    const std::vector<LabelRow> rows = xAxisLabelRows(GetParam().position, 20, 260, 4, 12);
    ASSERT_EQ(rows.size(), GetParam().rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].pos, GetParam().rows[i].pos) << i;
        EXPECT_EQ(rows[i].anchor, GetParam().rows[i].anchor) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, LabelRowsTest,
                         ::testing::Values(RowCase{XAxis::LabelPosition::top, {{16, {0.5, 1}}}},
                                           RowCase{XAxis::LabelPosition::topInside, {{36, {0.5, 1}}}},
                                           RowCase{XAxis::LabelPosition::bottom, {{264, {0.5, 0}}}},
                                           RowCase{XAxis::LabelPosition::bottomInside, {{244, {0.5, 0}}}},
                                           RowCase{XAxis::LabelPosition::bothSided,
                                                   {{16, {0.5, 1}}, {264, {0.5, 0}}}}));

struct ShiftCase {
    std::int64_t index;
    std::int64_t count;
    double x;
    double width;
    double shift;
};

class AvoidClippingTest : public ::testing::TestWithParam<ShiftCase> {};

TEST_P(AvoidClippingTest, MovesOnlyTheFirstAndAWideLastLabel) {
    // Right offset 10 in a chart 400 wide.
    const ShiftCase& c = GetParam();
    EXPECT_EQ(avoidClippingShift(c.index, c.count, c.x, c.width, 10, 400), c.shift);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, AvoidClippingTest,
    ::testing::Values(ShiftCase{0, 5, 40, 30, 15}, ShiftCase{2, 5, 200, 30, 0},
                      // The last one moves left when wider than twice the offset and past the edge.
                      ShiftCase{4, 5, 390, 30, -15}, ShiftCase{4, 5, 390, 20, 0}, ShiftCase{4, 5, 360, 30, 0},
                      // A single label takes the first label's rule.
                      ShiftCase{0, 1, 390, 30, 15}));

TEST(AnchoredLabelOrigin, PutsTheAnchorOnThePoint) {
    EXPECT_EQ(anchoredLabelOrigin(100, 50, Size{20, 10}, Point{0.5, 1}), (Point{90, 40}));
    EXPECT_EQ(anchoredLabelOrigin(100, 50, Size{20, 10}, Point{0.5, 0}), (Point{90, 50}));
    EXPECT_EQ(anchoredLabelOrigin(100, 50, Size{20, 10}, Point{0, 0}), (Point{100, 50}));
}

TEST(RotatedLabelCenter, MovesByTheRotatedBoxUnlessCentred) {
    const double quarter = std::numbers::pi / 2;
    EXPECT_EQ(rotatedLabelCenter(100, 50, Size{20, 10}, Point{0.5, 0.5}, quarter), (Point{100, 50}));
    // Turned a quarter the box is 10 wide and 20 tall: a bottom anchor moves
    // the centre down by half of 20.
    const Point below = rotatedLabelCenter(100, 50, Size{20, 10}, Point{0.5, 0}, quarter);
    EXPECT_NEAR(below.x, 100, 1e-9);
    EXPECT_NEAR(below.y, 60, 1e-9);
    const Point above = rotatedLabelCenter(100, 50, Size{20, 10}, Point{0.5, 1}, quarter);
    EXPECT_NEAR(above.y, 40, 1e-9);
}

struct LimitLabelCase {
    ChartLimitLine::LabelPosition position;
    Point xLineLabel;
    Point yLineLabel;
};

class LimitLineLabelTest : public ::testing::TestWithParam<LimitLabelCase> {};

TEST_P(LimitLineLabelTest, StandsAtTheNamedCorner) {
    // Line at 100 (x or y); distances 6 and 3; text 30 wide, lines 12 tall;
    // content (40, 20)-(370, 260).
    EXPECT_EQ(xLimitLineLabelOrigin(GetParam().position, 100, 6, 3, 30, 12, 20, 260), GetParam().xLineLabel);
    EXPECT_EQ(yLimitLineLabelOrigin(GetParam().position, 100, 6, 3, 30, 12, 40, 370), GetParam().yLineLabel);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, LimitLineLabelTest,
    ::testing::Values(LimitLabelCase{ChartLimitLine::LabelPosition::topRight, {106, 23}, {334, 97}},
                      LimitLabelCase{ChartLimitLine::LabelPosition::bottomRight, {106, 245}, {334, 91}},
                      LimitLabelCase{ChartLimitLine::LabelPosition::topLeft, {64, 23}, {46, 97}},
                      LimitLabelCase{ChartLimitLine::LabelPosition::bottomLeft, {64, 245}, {46, 91}}));

struct ColumnCase {
    YAxis::AxisDependency dependency;
    YAxis::LabelPosition position;
    double x;
    TextAlignment alignment;
};

class LabelColumnTest : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(LabelColumnTest, SitsBesideTheContentEdge) {
    // Left offset 40, content right 370, x offset 5.
    const LabelColumn column = yAxisLabelColumn(GetParam().dependency, GetParam().position, 40, 370, 5);
    EXPECT_EQ(column.x, GetParam().x);
    EXPECT_EQ(column.alignment, GetParam().alignment);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, LabelColumnTest,
    ::testing::Values(
        ColumnCase{YAxis::AxisDependency::left, YAxis::LabelPosition::outsideChart, 35, TextAlignment::right},
        ColumnCase{YAxis::AxisDependency::left, YAxis::LabelPosition::insideChart, 45, TextAlignment::left},
        ColumnCase{YAxis::AxisDependency::right, YAxis::LabelPosition::outsideChart, 375, TextAlignment::left},
        ColumnCase{YAxis::AxisDependency::right, YAxis::LabelPosition::insideChart, 365, TextAlignment::right}));

} // namespace
