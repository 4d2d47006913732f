#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/foundation/Description.h"
#include "Charts/foundation/PlatformStyle.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/foundation/YAxis.h"
#include "tests/support/chart_environment.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
const double greatest = std::numeric_limits<double>::max();

TEST(AxisBase, FreshAxisDefaults) {
    XAxis axis;
    EXPECT_EQ(axis.labelCount(), 6);
    EXPECT_EQ(axis.axisMinLabels(), 2);
    EXPECT_EQ(axis.axisMaxLabels(), 25);
    EXPECT_EQ(axis.granularity(), 1.0);
    EXPECT_FALSE(axis.isGranularityEnabled());
    EXPECT_EQ(axis.entryCount(), 0);
    axis.setCenterAxisLabelsEnabled(true);
    EXPECT_FALSE(axis.isCenterAxisLabelsEnabled());
    axis.setEntries({1, 2});
    EXPECT_TRUE(axis.isCenterAxisLabelsEnabled());
    EXPECT_EQ(axis.xOffset(), 5.0);
    EXPECT_EQ(axis.yOffset(), 4.0);
    EXPECT_EQ(YAxis().yOffset(), 0.0);
    EXPECT_EQ(YAxis().xOffset(), 5.0);
    EXPECT_EQ(YAxis().axisDependency(), YAxis::AxisDependency::left);
    EXPECT_EQ(YAxis(YAxis::AxisDependency::right).axisDependency(), YAxis::AxisDependency::right);
    EXPECT_EQ(axis.gridLineCap(), LineCap::butt);
    EXPECT_TRUE(axis.isDrawGridLinesBehindDataEnabled());
    EXPECT_FALSE(axis.isDrawLimitLinesBehindDataEnabled());
}

TEST(AxisBase, LabelCountIsClampedAndUnforcedOnEveryWrite) {
    const struct {
        std::int64_t count;
        std::int64_t stored;
    } cases[] = {{0, 2}, {100, 25}, {-5, 2}, {2, 2}, {25, 25}, {7, 7}};
    for (const auto& c : cases) {
        XAxis axis;
        axis.setLabelCount(c.count, true);
        EXPECT_EQ(axis.labelCount(), c.stored);
        EXPECT_TRUE(axis.isForceLabelsEnabled());
        axis.setLabelCount(c.count);
        EXPECT_FALSE(axis.isForceLabelsEnabled());
    }
    XAxis axis;
    axis.setAxisMinLabels(-3);
    axis.setAxisMaxLabels(0);
    EXPECT_EQ(axis.axisMinLabels(), 2);
    EXPECT_EQ(axis.axisMaxLabels(), 25);
    axis.setAxisMinLabels(4);
    axis.setLabelCount(3);
    EXPECT_EQ(axis.labelCount(), 4);
    axis.setGranularity(0.5);
    EXPECT_TRUE(axis.isGranularityEnabled());
}

TEST(AxisBase, LabelsComeFromTheFormatterWithTheAxisDecimals) {
    XAxis axis;
    EXPECT_EQ(axis.getLongestLabel(), "");
    axis.setEntries({10, 100, 200, 5});
    EXPECT_EQ(axis.getLongestLabel(), "100");
    EXPECT_EQ(axis.getFormattedLabel(-1), "");
    EXPECT_EQ(axis.getFormattedLabel(4), "");
    EXPECT_EQ(axis.getFormattedLabel(3), "5");
    // The automatic decimals follow the axis at the next read.
    axis.setDecimals(2);
    EXPECT_EQ(axis.getFormattedLabel(3), "5.00");
    const auto standard = std::dynamic_pointer_cast<DefaultAxisValueFormatter>(axis.valueFormatter());
    ASSERT_NE(standard, nullptr);
    EXPECT_EQ(standard->decimals(), 2);
    // Fixed decimals are left alone.
    standard->setHasAutoDecimals(false);
    axis.setDecimals(0);
    EXPECT_EQ(axis.getFormattedLabel(3), "5.00");
    // None stores a new default formatter with the current decimals.
    axis.setDecimals(1);
    axis.setValueFormatter(nullptr);
    EXPECT_EQ(axis.getFormattedLabel(0), "10.0");
    // A negative count from a careless renderer means no fraction digits,
    // never those of the earlier count.
    axis.setDecimals(-3);
    EXPECT_EQ(axis.getFormattedLabel(0), "10");
}

TEST(AxisBase, LongestLabelCountsUserPerceivedCharacters) {
    XAxis axis;
    // "e" + combining acute accent is one character in two code units; a
    // flag is one character in four.
    const std::vector<QString> texts = {QString::fromUtf8("e\u0301e\u0301"), "abc",
                                        QString::fromUtf8("\U0001F1E9\U0001F1EA"), "xyz"};
    axis.setValueFormatter(DefaultAxisValueFormatter::with(
        [texts](double value, const AxisBase*) { return texts[static_cast<std::size_t>(value)]; }));
    axis.setEntries({0, 1, 2, 3});
    EXPECT_EQ(axis.getLongestLabel(), "abc");
}

TEST(AxisBase, LimitLinesKeepOrderAndIdentity) {
    XAxis axis;
    const auto a = std::make_shared<ChartLimitLine>(1);
    const auto b = std::make_shared<ChartLimitLine>(2);
    axis.addLimitLine(a);
    axis.addLimitLine(b);
    axis.addLimitLine(a);
    axis.removeLimitLine(a);
    EXPECT_EQ(axis.limitLines(), (std::vector<ChartLimitLinePtr>{b, a}));
    axis.removeLimitLine(std::make_shared<ChartLimitLine>(2));
    EXPECT_EQ(axis.limitLines().size(), 2u);
    axis.removeAllLimitLines();
    EXPECT_TRUE(axis.limitLines().empty());
}

struct RangeCase {
    std::optional<double> customMin;
    std::optional<double> customMax;
    double spaceMin, spaceMax;
    double dataMin, dataMax;
    double expectedMin, expectedMax, expectedRange;
};

TEST(AxisBase, BaseRangeRule) {
    const RangeCase cases[] = {
        {{}, {}, 0, 0, 5, 5, 4, 6, 2},  {{}, {}, 0.5, 1, 0, 10, -0.5, 11, 11.5}, {3.0, 3.0, 0, 0, 0, 10, 2, 4, 2},
        {0.0, {}, 0, 0, 5, 9, 0, 9, 9}, {{}, {}, 0, 0, -2, 8, -2, 8, 10},
    };
    for (const RangeCase& c : cases) {
        XAxis axis;
        axis.setSpaceMin(c.spaceMin);
        axis.setSpaceMax(c.spaceMax);
        if (c.customMin) axis.setAxisMinimum(*c.customMin);
        if (c.customMax) axis.setAxisMaximum(*c.customMax);
        axis.calculate(c.dataMin, c.dataMax);
        EXPECT_DOUBLE_EQ(axis.axisMinimum(), c.expectedMin);
        EXPECT_DOUBLE_EQ(axis.axisMaximum(), c.expectedMax);
        EXPECT_DOUBLE_EQ(axis.axisRange(), c.expectedRange);
    }
}

TEST(AxisBase, CustomBoundsAndTheirReset) {
    XAxis axis;
    axis.setAxisMaximum(4);
    axis.setAxisMinimum(10);
    EXPECT_EQ(axis.axisRange(), 6);
    EXPECT_TRUE(axis.isAxisMinCustom());
    axis.resetCustomAxisMin();
    EXPECT_FALSE(axis.isAxisMinCustom());
    EXPECT_EQ(axis.axisMinimum(), 10);
    axis.calculate(0, 1);
    EXPECT_EQ(axis.axisMinimum(), 0);
    EXPECT_EQ(axis.axisMaximum(), 4);
}

TEST(AxisBase, NonFiniteCustomBoundsAreRefused) {
    XAxis axis;
    axis.calculate(0, 10);
    for (double bad : {nan, inf, -inf}) {
        axis.setAxisMinimum(bad);
        axis.setAxisMaximum(bad);
        EXPECT_FALSE(axis.isAxisMinCustom());
        EXPECT_FALSE(axis.isAxisMaxCustom());
        EXPECT_EQ(axis.axisMinimum(), 0);
        EXPECT_EQ(axis.axisMaximum(), 10);
    }
}

// Data whose bounds give no finite range (empty chart data reports the
// largest doubles, crossed) leaves no range from the data: the bounds taken
// from it become 0, so the axis shows no labels instead of keeping those of
// the data it showed before. Custom bounds stay; nothing non-finite is
// stored.
TEST(Axes, DataWithoutAFiniteRangeLeavesNoRangeFromTheData) {
    const struct {
        const char* what;
        bool yAxis;
        std::optional<double> customMin, customMax;
        double dataMin, dataMax;
        double expectedMin, expectedMax, expectedRange;
    } cases[] = {
        {"x, empty data", false, {}, {}, greatest, -greatest, 0, 0, 0},
        {"x, a NaN bound", false, {}, {}, nan, 5, 0, 0, 0},
        {"x, an infinite bound", false, {}, {}, 0, inf, 0, 0, 0},
        {"x, bounds too far apart", false, {}, {}, -greatest, greatest, 0, 0, 0},
        {"x, a custom maximum stays", false, {}, 7.0, nan, 5, 0, 7, 7},
        {"y, empty data", true, {}, {}, greatest, -greatest, 0, 0, 0},
        {"y, bounds too far apart", true, {}, {}, -greatest, greatest, 0, 0, 0},
        {"y, a NaN bound", true, {}, {}, nan, 3, 0, 0, 0},
        {"y, an infinite bound", true, {}, {}, -inf, 3, 0, 0, 0},
        // Custom bounds give empty data a finite range of their own.
        {"y, empty data under a custom minimum", true, 0.0, {}, greatest, -greatest, 0, 1, 1},
        {"y, empty data under both custom bounds", true, 0.0, 100.0, greatest, -greatest, 0, 100, 100},
    };
    for (const auto& c : cases) {
        std::unique_ptr<AxisBase> axis;
        if (c.yAxis)
            axis = std::make_unique<YAxis>();
        else
            axis = std::make_unique<XAxis>();
        axis->setSpaceMin(0.5);
        axis->setSpaceMax(1);
        // The range of earlier data, which must not survive.
        axis->calculate(20, 80);
        if (c.customMin) axis->setAxisMinimum(*c.customMin);
        if (c.customMax) axis->setAxisMaximum(*c.customMax);
        axis->calculate(c.dataMin, c.dataMax);
        EXPECT_EQ(axis->axisMinimum(), c.expectedMin) << c.what;
        EXPECT_EQ(axis->axisMaximum(), c.expectedMax) << c.what;
        EXPECT_EQ(axis->axisRange(), c.expectedRange) << c.what;
        // Data again brings its range back.
        axis->resetCustomAxisMin();
        axis->resetCustomAxisMax();
        axis->calculate(1, 3);
        EXPECT_GT(axis->axisRange(), 2) << c.what;
        EXPECT_TRUE(std::isfinite(axis->axisMinimum()) && std::isfinite(axis->axisMaximum())) << c.what;
    }
}

TEST(YAxis, RangePadsByFractionsOfTheDataRange) {
    const RangeCase cases[] = {
        {{}, {}, 0, 0, 0, 100, -10, 110, 120},
        {{}, {}, 0, 0, 50, 50, 49, 51, 2},
        {{}, -10.0, 0, 0, 5, 0, -15.5, -10, 5.5},
        {20.0, {}, 0, 0, 0, 10, 20, 31, 11},
        {-20.0, {}, 0, 0, 0, -30, -20, -9, 11},
        {8.0, 2.0, 0, 0, 0, 10, 8, 2, 6},
        {3.0, 3.0, 0, 0, 0, 10, 3, 3, 0},
        // Neither custom and crossed data: the bounds stay crossed.
        {{}, {}, 0, 0, 10, 0, 9, 1, 8},
    };
    for (const RangeCase& c : cases) {
        YAxis axis;
        if (c.customMin) axis.setAxisMinimum(*c.customMin);
        if (c.customMax) axis.setAxisMaximum(*c.customMax);
        axis.calculate(c.dataMin, c.dataMax);
        EXPECT_DOUBLE_EQ(axis.axisMinimum(), c.expectedMin);
        EXPECT_DOUBLE_EQ(axis.axisMaximum(), c.expectedMax);
        EXPECT_DOUBLE_EQ(axis.axisRange(), c.expectedRange);
    }
    // Equal data ignores the fractional space.
    YAxis wide;
    wide.setSpaceTop(5);
    wide.setSpaceBottom(5);
    wide.calculate(50, 50);
    EXPECT_EQ(wide.axisMinimum(), 49);
    EXPECT_EQ(wide.axisMaximum(), 51);
}

TEST(YAxis, NeedsOffsetOnlyForEnabledOutsideLabels) {
    YAxis axis;
    EXPECT_TRUE(axis.needsOffset());
    axis.setLabelPosition(YAxis::LabelPosition::insideChart);
    EXPECT_FALSE(axis.needsOffset());
    YAxis noLabels;
    noLabels.setDrawLabelsEnabled(false);
    EXPECT_FALSE(noLabels.needsOffset());
    YAxis disabled;
    disabled.setEnabled(false);
    EXPECT_FALSE(disabled.needsOffset());
}

TEST(Axes, RawValuesOutsideTheCasesNameNothing) {
    EXPECT_FALSE(XAxis::labelPositionFromRawValue(5).has_value());
    EXPECT_EQ(XAxis::labelPositionFromRawValue(4), XAxis::LabelPosition::bottomInside);
    EXPECT_FALSE(YAxis::labelPositionFromRawValue(2).has_value());
    EXPECT_FALSE(YAxis::axisDependencyFromRawValue(-1).has_value());
    EXPECT_FALSE(ChartLimitLine::labelPositionFromRawValue(4).has_value());
}

TEST(ChartLimitLine, WidthIsClampedAndDefaultsHold) {
    const struct {
        double given, stored;
    } cases[] = {{0, 0.2}, {20, 12}, {5, 5}, {0.2, 0.2}, {12, 12}, {-1, 0.2}, {nan, 0.2}};
    for (const auto& c : cases) {
        ChartLimitLine line;
        line.setLineWidth(c.given);
        EXPECT_EQ(line.lineWidth(), c.stored) << c.given;
    }
    const ChartLimitLine line(4.5, "max");
    EXPECT_EQ(line.limit(), 4.5);
    EXPECT_EQ(line.label(), "max");
    EXPECT_EQ(line.labelPosition(), ChartLimitLine::LabelPosition::topRight);
    EXPECT_TRUE(line.drawLabelEnabled());
    EXPECT_TRUE(line.isEnabled());
    EXPECT_EQ(line.lineWidth(), 2.0);
    EXPECT_EQ(line.lineColor(), QColor::fromRgbF(237 / 255.0, 91 / 255.0, 91 / 255.0));
    EXPECT_EQ(line.xOffset(), 5.0);
    EXPECT_TRUE(ChartLimitLine().label().isEmpty());
    EXPECT_FALSE(line.lineDashLengths().has_value());
}

} // namespace
} // namespace charts

namespace charts {
namespace {

// Fixed metrics: 10 px labels are 5 px a character and 12.5 px tall.
TEST(YAxis, RequiredSizeMeasuresTheLongestLabelWithinTheWidthLimits) {
    const testing::FixedTextMetrics metrics(0.5, 1.25);
    struct Case {
        double minWidth, maxWidth;
        double expectedWidth;
    };
    // "1,000" is 25 px wide; with xOffset 5 on both sides 35.
    const Case cases[] = {
        {0, std::numeric_limits<double>::infinity(), 35},
        {0, 0, 35},  // 0 means no upper limit
        {0, -4, 35}, // nor does a negative one
        {0, 25, 25},
        {40, 0, 40},
        {40, 25, 40}, // crossed: the minimum wins
    };
    for (const Case& c : cases) {
        YAxis axis;
        axis.setLabelFont(systemFont(10));
        axis.setEntries({5, 1000, 20});
        axis.setMinWidth(c.minWidth);
        axis.setMaxWidth(c.maxWidth);
        const Size size = axis.requiredSize();
        EXPECT_EQ(size.width, c.expectedWidth) << c.minWidth << " " << c.maxWidth;
        // The height ignores the width limits: yOffset is 0 on a y axis.
        EXPECT_EQ(size.height, 12.5);
        EXPECT_EQ(axis.getRequiredHeightSpace(), 12.5);
    }
    EXPECT_EQ(YAxis().labelAlignment(), TextAlignment::left);
}

TEST(Description, StartsWithoutTextOrPosition) {
    const Description description;
    EXPECT_FALSE(description.text().has_value());
    EXPECT_FALSE(description.position().has_value());
    EXPECT_EQ(description.textAlign(), TextAlignment::right);
    EXPECT_TRUE(description.isEnabled());
    EXPECT_EQ(description.xOffset(), 5.0);
    EXPECT_EQ(description.yOffset(), 5.0);
}

} // namespace
} // namespace charts
