#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/drawing/NamedColors.h"
#include "Charts/foundation/Fill.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "app/ui/graphs/GraphSeries.h"
#include "app/ui/graphs/MeasurementGraphData.h"
#include "app/ui/graphs/QuadCurveGraphData.h"
#include "app/ui/widgets/InkDisplayColors.h"

namespace appui {

namespace {

std::shared_ptr<charts::LineChartDataSet> setAt(const std::shared_ptr<charts::LineChartData>& data, int index) {
    return std::dynamic_pointer_cast<charts::LineChartDataSet>(data->getDataSetByIndex(index));
}

std::pair<double, double> pointOf(const charts::LineChartDataSet& set, std::int64_t index) {
    const auto entry = set.entryForIndex(index);
    return {entry->x(), entry->y()};
}

std::vector<double> ramp(std::size_t n, double step) {
    std::vector<double> values;
    for (std::size_t i = 0; i < n; ++i) values.push_back(100 - static_cast<double>(i) * step);
    return values;
}

} // namespace

TEST(GraphSeries, WritesIntoChartDataOfTheSameShapeOnlyAndSaysWhetherAValueChanged) {
    const auto nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<GraphSeries> shown{{QStringLiteral("a"), {{0, 1}, {1, nan}}}, {QStringLiteral("b"), {{0, 5}}}};
    struct Case {
        const char* name;
        std::vector<GraphSeries> fresh;
        std::optional<bool> answer;
    };
    const Case cases[] = {
        {"the same values (a NaN stays NaN)", shown, false},
        {"a new y", {{QStringLiteral("a"), {{0, 1}, {1, 2}}}, {QStringLiteral("b"), {{0, 5}}}}, true},
        {"a new x", {{QStringLiteral("a"), {{0, 1}, {1, nan}}}, {QStringLiteral("b"), {{3, 5}}}}, true},
        {"one set fewer", {{QStringLiteral("a"), {{0, 1}, {1, 2}}}}, std::nullopt},
        {"one point more",
         {{QStringLiteral("a"), {{0, 1}, {1, 2}, {2, 3}}}, {QStringLiteral("b"), {{0, 5}}}},
         std::nullopt},
        {"another label", {{QStringLiteral("a"), {{0, 1}, {1, 2}}}, {QStringLiteral("c"), {{0, 5}}}}, std::nullopt},
    };
    for (const auto& c : cases) {
        auto data = std::make_shared<charts::LineChartData>();
        for (const auto& series : shown)
            data->addDataSet(std::make_shared<charts::LineChartDataSet>(entriesOf(series), series.label));
        EXPECT_EQ(writeSeriesInPlace(*data, c.fresh), c.answer) << c.name;
        // Written exactly when the shapes agree; left alone otherwise.
        const auto& expected = c.answer.has_value() ? c.fresh : shown;
        for (std::size_t k = 0; k < shown.size(); ++k)
            for (std::size_t i = 0; i < shown[k].points.size(); ++i) {
                const auto entry =
                    data->getDataSetByIndex(static_cast<int>(k))->entryForIndex(static_cast<std::int64_t>(i));
                const auto& p = expected[k].points[i];
                EXPECT_EQ(entry->x(), p.x) << c.name;
                if (std::isnan(p.y))
                    EXPECT_TRUE(std::isnan(entry->y())) << c.name;
                else
                    EXPECT_EQ(entry->y(), p.y) << c.name;
            }
    }
}

TEST(MeasurementGraphData, FourSetsInOrderWithTheirStyles) {
    const auto data = measurementChartData(ramp(256, 0.3), ramp(256, 0.39), ramp(256, 0.38));
    ASSERT_EQ(data->dataSetCount(), 4);
    const char* labels[] = {"Measured Lab L*", "Linear Lab L*", "Target Lab L*", "Smoothed Lab L*"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(setAt(data, i)->label(), QString::fromUtf8(labels[i]));
        EXPECT_FALSE(setAt(data, i)->drawValuesEnabled());
    }
    const auto measured = setAt(data, 0);
    EXPECT_EQ(measured->lineWidth(), 0);
    EXPECT_TRUE(measured->drawCirclesEnabled());
    EXPECT_EQ(measured->circleRadius(), 1.25);
    EXPECT_EQ(measured->circleColors(), std::vector<QColor>{charts::named::darkGray()});
    EXPECT_FALSE(measured->drawFilledEnabled());

    const auto linear = setAt(data, 1);
    EXPECT_EQ(linear->colors(), std::vector<QColor>{charts::named::black()});
    EXPECT_FALSE(linear->drawCirclesEnabled());
    ASSERT_TRUE(linear->fill());
    EXPECT_TRUE(linear->drawFilledEnabled());
    EXPECT_EQ(linear->fill()->gradientAngle(), 270);
    EXPECT_EQ(*linear->fill()->gradient(),
              (charts::Gradient{{charts::named::clear(), charts::named::black()}, {0.05, 0.95}}));

    const auto target = setAt(data, 2);
    EXPECT_EQ(target->colors(), std::vector<QColor>{charts::named::green()});
    EXPECT_EQ(target->lineWidth(), 2);
    ASSERT_TRUE(target->fill());
    EXPECT_FALSE(target->drawFilledEnabled());
    EXPECT_EQ(*target->fill()->gradient(),
              (charts::Gradient{{charts::named::clear(), charts::named::darkGray()}, {0, 1}}));

    const auto smoothed = setAt(data, 3);
    EXPECT_EQ(smoothed->colors(), std::vector<QColor>{charts::named::red()});
    EXPECT_EQ(smoothed->lineWidth(), 2);
    EXPECT_TRUE(smoothed->drawFilledEnabled());
    EXPECT_EQ(smoothed->entryCount(), 256);
    EXPECT_EQ(pointOf(*smoothed, 255), (std::pair{255.0, 100 - 255 * 0.38}));
}

// The last dot is at the last step, for odd counts too.
TEST(MeasurementGraphData, MeasuredDotsAreEverySecondStepThenTheLastValue) {
    struct Case {
        std::size_t count;
        std::int64_t dots;
        double lastX;
    };
    for (const auto& c : {Case{256, 129, 255}, Case{255, 128, 254}, Case{21, 11, 20}, Case{5, 3, 4}, Case{3, 2, 2},
                          Case{1, 1, 0}, Case{2, 2, 1}}) {
        SCOPED_TRACE(c.count);
        const auto measured = ramp(c.count, 1);
        const auto data = measurementChartData({}, measured, {});
        const auto dots = setAt(data, 0);
        ASSERT_EQ(dots->entryCount(), c.dots);
        for (std::int64_t i = 0; i + 1 < c.dots; ++i)
            EXPECT_EQ(pointOf(*dots, i), (std::pair{2.0 * i, measured[static_cast<std::size_t>(2 * i)]}));
        EXPECT_EQ(pointOf(*dots, c.dots - 1), (std::pair{c.lastX, measured.back()}));
        // The linear line joins the first and the last dot.
        const auto linear = setAt(data, 1);
        ASSERT_EQ(linear->entryCount(), 2);
        EXPECT_EQ(pointOf(*linear, 0), pointOf(*dots, 0));
        EXPECT_EQ(pointOf(*linear, 1), pointOf(*dots, c.dots - 1));
    }
}

TEST(MeasurementGraphData, WithoutMeasurementsTheLinearLineRunsCornerToCorner) {
    const auto data = measurementChartData({}, {}, {});
    ASSERT_EQ(data->dataSetCount(), 4);
    EXPECT_EQ(setAt(data, 0)->entryCount(), 0);
    const auto linear = setAt(data, 1);
    EXPECT_EQ(pointOf(*linear, 0), (std::pair{0.0, 100.0}));
    EXPECT_EQ(pointOf(*linear, 1), (std::pair{255.0, 0.0}));
}

TEST(MeasurementGraphData, TheXLabelsArePercentagesAtEveryTenthOfTheSteps) {
    StepPercentAxisValueFormatter format;
    const std::pair<double, const char*> cases[] = {{0, "0"},         {25.5, "10"}, {127.5, "50"}, {255, "100"},
                                                    {25.5 * 3, "30"}, {10, ""},     {280.5, ""},   {-25.5, ""}};
    for (const auto& [value, text] : cases) EXPECT_EQ(format.stringForValue(value, nullptr), QString::fromUtf8(text));
    // Positions summed step by step still find their labels.
    double x = 0;
    for (int i = 0; i < 7; ++i) x += 25.5;
    EXPECT_EQ(format.stringForValue(x, nullptr), QStringLiteral("70"));
}

TEST(QuadCurveGraphData, OneLinePerNamedCurveInItsInkColour) {
    const std::vector<std::string> names{"# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
                                         "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};
    QuadCurves curves(8, std::vector<double>(256, 0));
    curves[0].back() = 65535;
    const auto data = quadCurveChartData(curves, names, nullptr);
    ASSERT_EQ(data->dataSetCount(), 8);
    for (int k = 0; k < 8; ++k) {
        const auto set = setAt(data, k);
        EXPECT_EQ(set->label(), QString::fromStdString(names[static_cast<std::size_t>(k)]));
        EXPECT_EQ(set->colors(), std::vector<QColor>{inkDisplayColor(names[static_cast<std::size_t>(k)])});
        EXPECT_EQ(set->lineWidth(), 2);
        EXPECT_FALSE(set->drawCirclesEnabled());
        EXPECT_FALSE(set->drawValuesEnabled());
        EXPECT_EQ(set->entryCount(), 256);
    }
    EXPECT_EQ(setAt(data, 0)->colors().front(), inkDisplayColors()[0]);
    EXPECT_EQ(setAt(data, 1)->colors().front(), inkDisplayColors()[1]);
    EXPECT_EQ(setAt(data, 7)->colors().front(), inkDisplayColors()[7]);
    EXPECT_EQ(pointOf(*setAt(data, 0), 0), (std::pair{0.0, 0.0}));
    EXPECT_EQ(pointOf(*setAt(data, 0), 255), (std::pair{100.0, 100.0}));
}

TEST(QuadCurveGraphData, CurvesAreShownAsFarAsThereAreNamesAndTheTotalComesLast) {
    const QuadCurves three(3, std::vector<double>(256, 655.35));
    struct Case {
        std::vector<std::string> names;
        bool total;
        int sets;
    };
    const Case cases[] = {
        {{}, false, 0},
        {{"# K Curve"}, false, 1},
        {{"# K Curve", "# C Curve", "# M Curve", "# Y Curve"}, false, 3},
        {{"# K Curve", "# C Curve"}, true, 3},
    };
    const std::vector<double> total(256, 42);
    for (const auto& c : cases) {
        const auto data = quadCurveChartData(three, c.names, c.total ? &total : nullptr);
        ASSERT_EQ(data->dataSetCount(), c.sets);
        if (c.total) {
            const auto last = setAt(data, c.sets - 1);
            EXPECT_EQ(last->label(), QStringLiteral("Total"));
            EXPECT_EQ(last->colors(), std::vector<QColor>{inkDisplayColors()[0]});
            EXPECT_EQ(last->lineWidth(), 1);
            EXPECT_EQ(pointOf(*last, 51), (std::pair{20.0, 42.0}));
        } else if (c.sets > 0) {
            EXPECT_NE(setAt(data, c.sets - 1)->label(), QStringLiteral("Total"));
        }
    }
}

TEST(QuadCurveGraphData, UnnamedCurvesTakeTheirColourByPositionAndEntryZeroPastTheTable) {
    const QuadCurves sixteen(16, std::vector<double>(4, 0));
    const auto data = allQuadCurvesChartData(sixteen, {"# C Curve"});
    ASSERT_EQ(data->dataSetCount(), 16);
    EXPECT_EQ(setAt(data, 0)->label(), QStringLiteral("# C Curve"));
    EXPECT_EQ(setAt(data, 0)->colors().front(), inkDisplayColors()[1]);
    EXPECT_EQ(setAt(data, 1)->label(), QString());
    for (int k = 1; k < 14; ++k)
        EXPECT_EQ(setAt(data, k)->colors().front(), inkDisplayColors()[static_cast<std::size_t>(k)]) << k;
    EXPECT_EQ(setAt(data, 14)->colors().front(), inkDisplayColors()[0]);
    EXPECT_EQ(setAt(data, 15)->colors().front(), inkDisplayColors()[0]);
    EXPECT_EQ(quadCurveColor("", 99), inkDisplayColors()[0]);
    EXPECT_EQ(quadCurveColor("# LLK Curve", 99), inkDisplayColors()[7]);
}

} // namespace appui
