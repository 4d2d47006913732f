#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/charts/types/radar/radar_support.h"

namespace charts {
namespace {

using namespace charts::testing;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(RadarEntry, IsAValueWithoutXAndCopiesAsOne) {
    RadarChartDataEntry entry(5, std::any(3));
    EXPECT_TRUE(std::isnan(entry.x()));
    EXPECT_EQ(entry.value(), 5);
    entry.setValue(7);
    EXPECT_EQ(entry.y(), 7);
    entry.setIcon(QImage(2, 2, QImage::Format_ARGB32));
    const auto copy = std::dynamic_pointer_cast<RadarChartDataEntry>(entry.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->y(), 7);
    EXPECT_TRUE(std::isnan(copy->x()));
    EXPECT_EQ(std::any_cast<int>(copy->data()), 3);
    EXPECT_FALSE(copy->icon());
}

TEST(RadarDataSet, ACopyKeepsTheHighlightCircle) {
    const auto original = radarSet({1, 2, 3}, "Set");
    original->setDrawHighlightCircleEnabled(true);
    original->setHighlightCircleFillColor(std::nullopt);
    original->setHighlightCircleStrokeColor(QColor(1, 2, 3));
    original->setHighlightCircleStrokeAlpha(0.7);
    original->setHighlightCircleInnerRadius(5);
    original->setHighlightCircleOuterRadius(9);
    original->setHighlightCircleStrokeWidth(4);
    original->setDrawFilledEnabled(true);
    const auto copy = std::dynamic_pointer_cast<RadarChartDataSet>(original->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isDrawHighlightCircleEnabled());
    EXPECT_FALSE(copy->highlightCircleFillColor());
    EXPECT_EQ(copy->highlightCircleStrokeColor(), QColor(1, 2, 3));
    EXPECT_EQ(copy->highlightCircleStrokeAlpha(), 0.7);
    EXPECT_EQ(copy->highlightCircleInnerRadius(), 5);
    EXPECT_EQ(copy->highlightCircleOuterRadius(), 9);
    EXPECT_EQ(copy->highlightCircleStrokeWidth(), 4);
    EXPECT_TRUE(copy->isDrawFilledEnabled());
    EXPECT_EQ(copy->entryCount(), 3);
}

TEST(RadarData, HighlightStyleLabelsAndEntriesByPosition) {
    const auto first = radarSet({10, 20, 30}, "First");
    const auto data = radarData({first, radarSet({1}, "Second")});
    EXPECT_EQ(data->highlightColor(), QColor(255, 187, 115));
    EXPECT_EQ(data->highlightLineWidth(), 1);
    EXPECT_EQ(data->highlightLineDashPhase(), 0);
    EXPECT_FALSE(data->highlightLineDashLengths());
    EXPECT_TRUE(data->labels().empty());
    data->setLabels({"a", "b"});
    EXPECT_EQ(data->labels(), (std::vector<QString>{"a", "b"}));
    data->setLabels({});
    EXPECT_TRUE(data->labels().empty());

    const struct {
        double x;
        int set, entry; // entry -1: none
    } cases[] = {{2.7, 0, 2}, {-0.5, 0, 0}, {-1.2, 0, -1}, {3, 0, -1},    {0, 1, 0},
                 {1, 1, -1},  {0, 2, -1},   {nan, 0, -1},  {1e300, 0, -1}};
    for (const auto& c : cases) {
        const ChartDataEntryPtr e = data->entryForHighlight(Highlight(c.x, 0, c.set));
        if (c.entry < 0) {
            EXPECT_EQ(e, nullptr) << c.x << " in " << c.set;
        } else {
            ASSERT_NE(e, nullptr) << c.x << " in " << c.set;
            EXPECT_EQ(e, data->getDataSetByIndex(c.set)->entryForIndex(c.entry));
        }
    }
}

} // namespace
} // namespace charts
