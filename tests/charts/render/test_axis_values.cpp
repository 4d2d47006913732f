// The label values of an axis: interval, stride, forced and centred labels,
// decimals, and the visible range a vertical axis takes from the view port.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/YAxis.h"
#include "Charts/render/AxisRendererBase.h"
#include "Charts/render/AxisValues.h"
#include "tests/charts/support/abstract_bases.h"

namespace {

using namespace charts;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

struct IntervalCase {
    double range;
    std::int64_t labelCount;
    bool granularityEnabled;
    double granularity;
    double interval;
};

class AxisLabelIntervalTest : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(AxisLabelIntervalTest, RoundsAndJumpsAsTheRuleSays) {
    const IntervalCase& c = GetParam();
    EXPECT_DOUBLE_EQ(axisLabelInterval(c.range, c.labelCount, c.granularityEnabled, c.granularity), c.interval);
}

INSTANTIATE_TEST_SUITE_P(Intervals, AxisLabelIntervalTest,
                         ::testing::Values(
                             // 16.67 rounds to 20; leading digit 2 stays.
                             IntervalCase{100, 6, false, 1, 20},
                             // Leading digits 6 to 9 of intervals of 1 or more jump a decade.
                             IntervalCase{7, 1, false, 1, 10}, IntervalCase{80, 1, false, 1, 100},
                             IntervalCase{700, 1, false, 1, 1000}, IntervalCase{6, 1, false, 1, 10},
                             IntervalCase{5, 1, false, 1, 5},
                             // Below 1 the magnitude is a decade high, so the value stays.
                             IntervalCase{0.7, 1, false, 1, 0.7}, IntervalCase{0.07, 1, false, 1, 0.07},
                             // Granularity raises a smaller interval, never a larger one.
                             IntervalCase{3, 6, true, 1, 1}, IntervalCase{30, 6, true, 1, 5},
                             IntervalCase{3, 6, false, 1, 0.5},
                             // Negative range of -50 .. -10 in 5 labels: 8 becomes 10.
                             IntervalCase{40, 5, false, 1, 10}));

TEST(AxisIntervalMagnitude, TruncatesTheExponentTowardZero) {
    EXPECT_DOUBLE_EQ(*axisIntervalMagnitude(0.05), 0.1);
    EXPECT_DOUBLE_EQ(*axisIntervalMagnitude(250), 100);
    EXPECT_DOUBLE_EQ(*axisIntervalMagnitude(0.7), 1);
    EXPECT_DOUBLE_EQ(*axisIntervalMagnitude(7), 1);
}

TEST(AxisIntervalMagnitude, IsNoneForIntervalsWithoutALogarithm) {
    for (const double interval : {0.0, -1.0, nan, inf, -inf}) EXPECT_FALSE(axisIntervalMagnitude(interval));
}

TEST(AxisLabelDecimals, CountsDecimalsOnlyBelowOne) {
    EXPECT_EQ(axisLabelDecimals(0.2), 1);
    EXPECT_EQ(axisLabelDecimals(0.05), 2);
    EXPECT_EQ(axisLabelDecimals(0.1), 1);
    EXPECT_EQ(axisLabelDecimals(1), 0);
    EXPECT_EQ(axisLabelDecimals(20), 0);
    for (const double interval : {0.0, -0.5, nan, inf}) EXPECT_EQ(axisLabelDecimals(interval), 0);
}

TEST(AxisStride, LastIsTheNextDoubleAboveTheFlooredMaximum) {
    // first 0, last just above 100: the stride 0, 20, ..., 100 holds six.
    const AxisStride stride = axisStride(0, 100, 20, false);
    EXPECT_EQ(stride.first, 0);
    EXPECT_EQ(stride.count, 6);
    // Equal ends give one value.
    EXPECT_EQ(axisStrideCount(5, 5, 1, false), 1);
    // An interval of 0 gives one value at 0.
    const AxisStride zero = axisStride(3, 4, 0, false);
    EXPECT_EQ(zero.first, 0);
    EXPECT_EQ(zero.count, 1);
}

// The axis rule through the renderer: the axis model's entries, centred
// entries and decimals after computeAxisValues.
struct AxisCase {
    const char* name;
    double min;
    double max;
    std::int64_t labelCount;
    bool force;
    std::optional<double> granularity;
    bool centerWithEntries;
    std::vector<double> entries;
    std::vector<double> centeredEntries;
    int decimals;
};

class AxisValuesTest : public ::testing::TestWithParam<AxisCase> {};

TEST_P(AxisValuesTest, FillsTheAxisModel) {
    const AxisCase& c = GetParam();
    auto axis = std::make_shared<YAxis>();
    axis->setLabelCount(c.labelCount, c.force);
    if (c.granularity) axis->setGranularity(*c.granularity);
    if (c.centerWithEntries) {
        axis->setCenterAxisLabelsEnabled(true);
        axis->setEntries({1});
    }
    axis->setDecimals(-7); // so that an untouched count shows
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(c.min, c.max);

    ASSERT_EQ(axis->entries().size(), c.entries.size()) << c.name;
    for (std::size_t i = 0; i < c.entries.size(); ++i) EXPECT_NEAR(axis->entries()[i], c.entries[i], 1e-12) << c.name;
    ASSERT_EQ(axis->centeredEntries().size(), c.centeredEntries.size()) << c.name;
    for (std::size_t i = 0; i < c.centeredEntries.size(); ++i)
        EXPECT_NEAR(axis->centeredEntries()[i], c.centeredEntries[i], 1e-12) << c.name;
    EXPECT_EQ(axis->decimals(), c.decimals) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, AxisValuesTest,
    ::testing::Values(AxisCase{"wholeNumbers", 0, 100, 6, false, {}, false, {0, 20, 40, 60, 80, 100}, {}, 0},
                      AxisCase{"tenths", 0, 1, 6, false, {}, false, {0, 0.2, 0.4, 0.6, 0.8, 1.0}, {}, 1},
                      AxisCase{"forcedSix", 0, 100, 6, true, {}, false, {0, 20, 40, 60, 80, 100}, {}, 0},
                      AxisCase{"forcedFour", 0, 100, 4, true, {}, false, {0, 100.0 / 3, 200.0 / 3, 100}, {}, 0},
                      AxisCase{"granularity", 0, 3, 6, false, 1.0, false, {0, 1, 2, 3}, {}, 0},
                      AxisCase{"negative", -50, -10, 5, false, {}, false, {-50, -40, -30, -20, -10}, {}, 0},
                      AxisCase{"throughZero", -20, 20, 4, false, {}, false, {-20, -10, 0, 10, 20}, {}, 0},
                      AxisCase{"centred", 0, 20, 2, false, {}, true, {-10, 0, 10, 20, 30}, {-5, 5, 15, 25, 35}, 0},
                      // Equal bounds keep the decimals and leave no values.
                      AxisCase{"emptyRange", 5, 5, 6, false, {}, false, {}, {}, -7},
                      // Bounds that are not finite reach no logarithm: no values, decimals kept.
                      AxisCase{"nanBounds", nan, 5, 6, false, {}, false, {}, {}, -7},
                      AxisCase{"infiniteBound", 0, inf, 6, false, {}, false, {}, {}, -7},
                      // An infinite granularity makes the interval infinite: no values.
                      AxisCase{"infiniteGranularity", 0, 10, 6, false, inf, false, {}, {}, -7},
                      // A range whose share underflows to an interval of 0: one value, 0.
                      AxisCase{"underflowingRange", 0, 5e-324, 6, false, {}, false, {0}, {}, 0},
                      // A share too small to round to one digit gives no number: no values.
                      AxisCase{"subnormalRange", 0, 1e-320, 6, false, {}, false, {}, {}, -7}),
    [](const ::testing::TestParamInfo<AxisCase>& param) { return std::string(param.param.name); });

TEST(AxisValues, StoresZeroAsPositiveZero) {
    auto axis = std::make_shared<YAxis>();
    axis->setLabelCount(4);
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(-20, 20);
    ASSERT_EQ(axis->entries().size(), 5u);
    EXPECT_EQ(axis->entries()[2], 0.0);
    EXPECT_FALSE(std::signbit(axis->entries()[2]));
}

TEST(AxisValues, ForcedSingleLabelIsTheMinimum) {
    auto axis = std::make_shared<YAxis>();
    axis->setAxisMinLabels(1);
    axis->setLabelCount(1, true);
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(3, 9);
    EXPECT_EQ(axis->entries(), std::vector<double>{3});
    EXPECT_EQ(axis->decimals(), 0);
}

TEST(AxisValues, WithoutCentringKeepsThePreviousCentredEntries) {
    auto axis = std::make_shared<YAxis>();
    axis->setCenteredEntries({7, 8});
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(0, 100);
    EXPECT_EQ(axis->centeredEntries(), (std::vector<double>{7, 8}));
}

TEST(AxisValues, RefillsTheEntriesWithoutGivingUpTheirStorage) {
    auto axis = std::make_shared<YAxis>();
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(200, 100), nullptr, axis);
    renderer.computeAxisValues(0, 100);
    const double* storage = axis->entries().data();
    renderer.computeAxisValues(0, 50);
    EXPECT_EQ(axis->entries().data(), storage);
}

// The visible range of a vertical axis comes from the content's top and
// bottom once zoomed in.
class AxisVisibleRangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        port->restrainViewPort(10, 10, 10, 10); // content 180 x 80
        trans->prepareMatrixValuePx(0, 10, 100, 0);
        trans->prepareMatrixOffset(false);
        axis->setLabelCount(5, true);
    }
    // About the content's middle, in the touch matrix's space (y runs from
    // -80 at the top to 0 at the bottom of the content).
    void zoomY(double scale) { port->refresh(port->zoom(1, scale, 90, -40), nullptr, false); }

    std::shared_ptr<ViewPortHandler> port = ViewPortHandler::create(200, 100);
    std::shared_ptr<Transformer> trans = std::make_shared<Transformer>(port);
    std::shared_ptr<YAxis> axis = std::make_shared<YAxis>();
    charts::testing::BaseAxisDrawing renderer{port, trans, axis};
};

TEST_F(AxisVisibleRangeTest, FullyZoomedOutKeepsTheGivenRange) {
    renderer.computeAxis(0, 100, false);
    EXPECT_EQ(axis->entries().front(), 0);
    EXPECT_EQ(axis->entries().back(), 100);
}

TEST_F(AxisVisibleRangeTest, ZoomedInTakesTheVisibleValues) {
    zoomY(2);
    renderer.computeAxis(0, 100, false);
    EXPECT_NEAR(axis->entries().front(), 25, 1e-9);
    EXPECT_NEAR(axis->entries().back(), 75, 1e-9);
}

TEST_F(AxisVisibleRangeTest, InvertedTakesTheMinimumFromTheTop) {
    // An inverted axis's transformer puts small values at the top.
    trans->prepareMatrixOffset(true);
    zoomY(2);
    renderer.computeAxis(0, 100, true);
    EXPECT_NEAR(axis->entries().front(), 25, 1e-9);
    EXPECT_NEAR(axis->entries().back(), 75, 1e-9);
}

TEST_F(AxisVisibleRangeTest, ANarrowContentKeepsTheGivenRange) {
    port->restrainViewPort(95, 10, 95, 10); // content width exactly 10
    zoomY(2);
    renderer.computeAxis(0, 100, false);
    EXPECT_EQ(axis->entries().front(), 0);
    EXPECT_EQ(axis->entries().back(), 100);
}

TEST_F(AxisVisibleRangeTest, AMatrixThatCannotMapBackKeepsTheGivenRange) {
    zoomY(2);
    // 0 / 0: no content height for no value range.
    port->restrainViewPort(10, 50, 10, 50);
    trans->prepareMatrixValuePx(0, 10, 0, 0);
    renderer.computeAxis(0, 100, false);
    EXPECT_EQ(axis->entries().front(), 0);
    EXPECT_EQ(axis->entries().back(), 100);
}

TEST(AxisRendererBaseDeathTest, AbstractDrawingStopsTheProgramNamingTheOperation) {
    charts::testing::BaseAxisDrawing renderer(ViewPortHandler::create(10, 10), nullptr, nullptr);
    RecordingContext context;
    EXPECT_DEATH(renderer.renderAxisLabels(context), "renderAxisLabels\\(\\) cannot be called on AxisRendererBase");
    EXPECT_DEATH(renderer.renderGridLines(context), "renderGridLines\\(\\) cannot be called on AxisRendererBase");
    EXPECT_DEATH(renderer.renderAxisLine(context), "renderAxisLine\\(\\) cannot be called on AxisRendererBase");
    EXPECT_DEATH(renderer.renderLimitLines(context), "renderLimitLines\\(\\) cannot be called on AxisRendererBase");
}

} // namespace
