#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>

#include <QLocale>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/ValueFormatter.h"

namespace charts {
namespace {

const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();

struct FormatCase {
    double value;
    int minimumDigits;
    int maximumDigits;
    bool grouping;
    const char* expected;
};

TEST(NumberFormatter, RoundsTheShortestDigitsHalfToEven) {
    const FormatCase cases[] = {
        // A new formatter's settings: whole numbers, no grouping.
        {3.7, 0, 0, false, "4"},
        {0.5, 0, 0, false, "0"},
        {1.5, 0, 0, false, "2"},
        {2.5, 0, 0, false, "2"},
        {-2.5, 0, 0, false, "-2"},
        {1234567, 0, 0, false, "1234567"},
        // Fixed digits with grouping, as an axis's decimals set them.
        {1234.5, 2, 2, true, "1,234.50"},
        {-1234567.891, 2, 2, true, "-1,234,567.89"},
        {999.995, 2, 2, true, "1,000.00"},
        {0.125, 2, 2, true, "0.12"},
        {0.375, 2, 2, true, "0.38"},
        // Half-even works on the decimal digits: 2.675 is stored just below,
        // but its shortest digits are 2.675, which round up to the even 8.
        {2.675, 2, 2, false, "2.68"},
        {0.0001, 3, 3, false, "0.000"},
        {0.0005, 3, 3, false, "0.000"},
        {0.0015, 3, 3, false, "0.002"},
        {1e20, 0, 0, true, "100,000,000,000,000,000,000"},
        {1.5e-7, 0, 8, false, "0.00000015"},
        {100, 0, 0, true, "100"},
        {1000, 0, 0, true, "1,000"},
        // Trailing zeros drop down to the minimum only.
        {1.5, 0, 3, false, "1.5"},
        {1.5, 2, 3, false, "1.50"},
        {2.0, 1, 4, false, "2.0"},
        // A minimum above the maximum wins.
        {1.25, 3, 1, false, "1.250"},
        // Rounding to zero drops the sign.
        {-0.001, 0, 2, false, "0"},
        {-0.0, 0, 0, false, "0"},
        {0, 2, 2, true, "0.00"},
        {nan, 2, 2, true, "NaN"},
        {inf, 0, 0, false, "+\u221e"},
        {-inf, 0, 0, false, "-\u221e"},
    };
    for (const FormatCase& c : cases) {
        NumberFormatter formatter;
        formatter.setMaximumFractionDigits(c.maximumDigits);
        formatter.setMinimumFractionDigits(c.minimumDigits);
        formatter.setUsesGroupingSeparator(c.grouping);
        EXPECT_EQ(formatter.string(c.value).toStdString(), c.expected) << c.value;
    }
}

TEST(NumberFormatter, IgnoresTheProcessLocaleAndRefusesNegativeCounts) {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    const QLocale savedQt;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    NumberFormatter formatter;
    formatter.setMaximumFractionDigits(2);
    formatter.setMinimumFractionDigits(2);
    formatter.setUsesGroupingSeparator(true);
    EXPECT_EQ(formatter.string(12345.678), "12,345.68");
    QLocale::setDefault(savedQt);
    std::setlocale(LC_ALL, saved.c_str());

    formatter.setMinimumFractionDigits(-1);
    formatter.setMaximumFractionDigits(-3);
    EXPECT_EQ(formatter.minimumFractionDigits(), 2);
    EXPECT_EQ(formatter.maximumFractionDigits(), 2);
    formatter.setMaximumFractionDigits(1 << 30);
    EXPECT_EQ(formatter.maximumFractionDigits(), NumberFormatter::maximumDigitCount);
}

TEST(DefaultAxisValueFormatter, DecimalsBlockAndFormatterRules) {
    DefaultAxisValueFormatter twoDigits(2);
    EXPECT_TRUE(twoDigits.hasAutoDecimals());
    EXPECT_EQ(twoDigits.decimals(), 2);
    EXPECT_EQ(twoDigits.stringForValue(1234.5, nullptr), "1,234.50");
    // Clearing the decimals leaves the digits where they were.
    twoDigits.setDecimals(std::nullopt);
    EXPECT_EQ(twoDigits.stringForValue(1.0, nullptr), "1.00");
    // A negative count means no fraction digits, in the setter and the
    // initialiser.
    twoDigits.setDecimals(1);
    EXPECT_EQ(twoDigits.stringForValue(2.25, nullptr), "2.2");
    twoDigits.setDecimals(-1);
    EXPECT_EQ(twoDigits.decimals(), 0);
    EXPECT_EQ(twoDigits.stringForValue(2.25, nullptr), "2");
    EXPECT_EQ(DefaultAxisValueFormatter(-4).stringForValue(2.5, nullptr), "2");
    EXPECT_EQ(DefaultAxisValueFormatter(-4).decimals(), 0);
    // Assigning any formatter, none too, ends the automatic decimals.
    twoDigits.setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_FALSE(twoDigits.hasAutoDecimals());
    twoDigits.setFormatter(nullptr);
    EXPECT_EQ(twoDigits.stringForValue(5, nullptr), "");

    DefaultAxisValueFormatter plain;
    EXPECT_TRUE(plain.hasAutoDecimals());
    EXPECT_FALSE(plain.decimals().has_value());
    EXPECT_EQ(plain.stringForValue(1234.4, nullptr), "1234");
    EXPECT_FALSE(DefaultAxisValueFormatter(std::make_shared<NumberFormatter>()).hasAutoDecimals());

    const auto blocked =
        DefaultAxisValueFormatter::with([](double value, const AxisBase*) { return QStringLiteral("v%1").arg(value); });
    EXPECT_FALSE(blocked->hasAutoDecimals());
    blocked->setFormatter(std::make_shared<NumberFormatter>());
    EXPECT_EQ(blocked->stringForValue(3, nullptr), "v3");
}

TEST(DefaultValueFormatter, SameRulesWithTheEntryBlock) {
    DefaultValueFormatter oneDigit(1);
    EXPECT_EQ(oneDigit.stringForValue(9999.95, nullptr, 0, nullptr), "10,000.0");
    EXPECT_TRUE(oneDigit.hasAutoDecimals());
    oneDigit.setDecimals(-2);
    EXPECT_EQ(oneDigit.decimals(), 0);
    EXPECT_EQ(oneDigit.stringForValue(9999.95, nullptr, 0, nullptr), "10,000");
    int seenIndex = -1;
    DefaultValueFormatter blocked([&](double, const ChartDataEntryPtr&, int dataSetIndex, const ViewPortHandler*) {
        seenIndex = dataSetIndex;
        return QStringLiteral("x");
    });
    EXPECT_EQ(blocked.stringForValue(1, nullptr, 7, nullptr), "x");
    EXPECT_EQ(seenIndex, 7);
    EXPECT_EQ(blocked.formatter(), nullptr);
    EXPECT_EQ(DefaultValueFormatter().stringForValue(0.4, nullptr, 0, nullptr), "0");
}

// A chart sets the decimals its data's range needs each time the data
// changes (the chart utilities' decimals, which turn negative for references
// of 950 and more). Each label follows the latest count: a negative one gives
// no fraction digits, never the digits of an earlier range.
TEST(DefaultValueFormatters, DecimalsFollowEachNewRangeOfTheData) {
    const struct {
        double reference; // the range of the data
        double value;     // a label of that data
        const char* expected;
    } steps[] = {
        {0.5, 0.125, "0.125"},
        {5000, 4250.75, "4,251"},
        {0.05, 0.0125, "0.0125"},
        {950, 875.25, "875"},
        {1e300, 12345.5, "12,346"},
        {9, 3.5, "3.50"},
        // Empty data: the chart's references are the largest doubles.
        {std::numeric_limits<double>::max(), 7.5, "8"},
        {2, 1.5, "1.50"},
    };
    DefaultValueFormatter values(0);
    DefaultAxisValueFormatter axis(0);
    for (const auto& step : steps) {
        const int decimals = ChartUtils::decimals(step.reference);
        values.setDecimals(decimals);
        axis.setDecimals(decimals);
        EXPECT_EQ(values.decimals(), std::max(decimals, 0)) << step.reference;
        EXPECT_EQ(values.stringForValue(step.value, nullptr, 0, nullptr), step.expected) << step.reference;
        EXPECT_EQ(axis.stringForValue(step.value, nullptr), step.expected) << step.reference;
    }
}

TEST(IndexAxisValueFormatter, ShowsTheTextOfTheIndexUpToHalfPastIt) {
    const auto formatter = IndexAxisValueFormatter::with({"a", "b", "c"});
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0, "a"},   {1.4, "b"},  {1.5, ""}, {2.9, ""}, {3, ""},    {-0.2, "a"},
        {-0.6, ""}, {2.49, "c"}, {nan, ""}, {inf, ""}, {1e19, ""}, {-1e30, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(formatter->stringForValue(c.value, nullptr), c.expected) << c.value;
    formatter->setValues({"only"});
    EXPECT_EQ(formatter->stringForValue(1, nullptr), "");
    EXPECT_EQ(IndexAxisValueFormatter().stringForValue(0, nullptr), "");
}

} // namespace
} // namespace charts
