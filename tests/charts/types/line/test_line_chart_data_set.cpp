#include <gtest/gtest.h>

#include "Charts/types/line/LineChartDataSet.h"
#include "tests/charts/support/entry_support.h"

namespace charts {
namespace {

using testing::entriesAt;

const QColor defaultColor(140, 234, 255);

TEST(LineChartDataSetTest, DefaultsOfBothConstructors) {
    LineChartDataSet plain;
    LineChartDataSet withEntries(entriesAt({{3, 1}, {1, 2}, {2, 3}}), QStringLiteral("Measured"));
    for (const LineChartDataSet* set : {&plain, &withEntries}) {
        EXPECT_EQ(set->mode(), LineChartDataSet::Mode::linear);
        EXPECT_DOUBLE_EQ(set->cubicIntensity(), 0.2);
        EXPECT_EQ(set->circleRadius(), 8.0);
        EXPECT_EQ(set->circleHoleRadius(), 4.0);
        EXPECT_EQ(set->circleColors(), std::vector<QColor>{defaultColor});
        EXPECT_TRUE(set->isDrawCirclesEnabled());
        EXPECT_TRUE(set->isDrawCircleHoleEnabled());
        EXPECT_EQ(set->circleHoleColor(), QColor(Qt::white));
        EXPECT_EQ(set->lineDashPhase(), 0);
        EXPECT_FALSE(set->lineDashLengths().has_value());
        EXPECT_EQ(set->lineCapType(), Qt::FlatCap);
        EXPECT_EQ(set->lineWidth(), 1.0);
        EXPECT_DOUBLE_EQ(set->fillAlpha(), 0.33);
        EXPECT_EQ(set->fillColor(), defaultColor);
        EXPECT_FALSE(set->isDrawFilledEnabled());
        EXPECT_EQ(set->fill(), nullptr);
        EXPECT_TRUE(set->isHorizontalHighlightIndicatorEnabled());
        EXPECT_TRUE(set->isVerticalHighlightIndicatorEnabled());
        EXPECT_EQ(set->highlightColor(), QColor(255, 187, 115));
        EXPECT_EQ(set->highlightLineWidth(), 0.5);
        EXPECT_FALSE(set->highlightLineDashLengths().has_value());
        EXPECT_NE(std::dynamic_pointer_cast<DefaultFillFormatter>(set->fillFormatter()), nullptr);
    }
    EXPECT_NE(plain.fillFormatter(), withEntries.fillFormatter());
    EXPECT_EQ(plain.label(), QStringLiteral("DataSet"));
    EXPECT_EQ(withEntries.label(), QStringLiteral("Measured"));
    EXPECT_EQ(withEntries.entryForIndex(0)->x(), 3);
    EXPECT_EQ(withEntries.xMin(), 1);
    EXPECT_EQ(withEntries.xMax(), 3);
}

template <typename Set>
void expectStoredUnsorted() {
    Set set(entriesAt({{3, 1}, {1, 2}, {2, 3}}), QStringLiteral("Unsorted"));
    std::vector<double> xs;
    for (const auto& entry : set) xs.push_back(entry->x());
    EXPECT_EQ(xs, (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(set.xMin(), 1);
    EXPECT_EQ(set.xMax(), 3);
    EXPECT_EQ(set.yMax(), 3);
}

TEST(LineChartDataSetTest, EveryLayerStoresEntriesAsGivenWithExactBounds) {
    expectStoredUnsorted<BarLineScatterCandleBubbleChartDataSet>();
    expectStoredUnsorted<LineScatterCandleRadarChartDataSet>();
    expectStoredUnsorted<LineRadarChartDataSet>();
    expectStoredUnsorted<LineChartDataSet>();
}

// A line set whose bounds leave room above every point, as a chart type
// with markers above its points would.
class HeadroomLineSet : public LineChartDataSet {
public:
    HeadroomLineSet(Entries entries, std::optional<QString> label)
        : LineChartDataSet(DeferBounds{}, std::move(entries), std::move(label)) {
        calcMinMax();
    }
    using LineChartDataSet::calcMinMaxY;
    void calcMinMaxY(const ChartDataEntry& entry) override {
        LineChartDataSet::calcMinMaxY(entry);
        if (entry.y() + 1 > yMax_) yMax_ = entry.y() + 1;
    }
};

TEST(LineChartDataSetTest, ConstructionRunsTheSubclassEntryRule) {
    HeadroomLineSet set(entriesAt({{0, 2}, {1, 5}}), QStringLiteral("Markers"));
    EXPECT_EQ(set.yMax(), 6);
    EXPECT_EQ(set.circleColors().size(), 1u);
    set.calcMinMaxY(0, 0.5);
    EXPECT_EQ(set.yMax(), 6);
}

TEST(LineChartDataSetTest, StyleClamps) {
    LineChartDataSet set;
    set.setLineWidth(12);
    EXPECT_EQ(set.lineWidth(), 10);
    set.setLineWidth(-1);
    EXPECT_EQ(set.lineWidth(), 0);
    set.setLineWidth(2.5);
    EXPECT_EQ(set.lineWidth(), 2.5);
    set.setLineWidth(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(set.lineWidth(), 2.5);
    set.setCubicIntensity(0);
    EXPECT_EQ(set.cubicIntensity(), 0.05);
    set.setCubicIntensity(1.5);
    EXPECT_EQ(set.cubicIntensity(), 1);
    set.setCubicIntensity(0.3);
    EXPECT_EQ(set.cubicIntensity(), 0.3);
}

TEST(LineChartDataSetTest, FillColourDropsTheFill) {
    LineChartDataSet set;
    const auto fill = std::make_shared<Fill>();
    set.setFill(fill);
    EXPECT_EQ(set.fillColor(), defaultColor);
    set.setFillColor(Qt::red);
    EXPECT_EQ(set.fill(), nullptr);
    EXPECT_EQ(set.fillColor(), QColor(Qt::red));
}

TEST(LineChartDataSetTest, FillFormatterIsNeverEmpty) {
    LineChartDataSet set;
    const auto before = set.fillFormatter();
    set.setFillFormatter(nullptr);
    ASSERT_NE(set.fillFormatter(), nullptr);
    EXPECT_NE(set.fillFormatter(), before);
    EXPECT_NE(std::dynamic_pointer_cast<DefaultFillFormatter>(set.fillFormatter()), nullptr);
}

TEST(LineChartDataSetTest, HighlightIndicators) {
    LineChartDataSet set;
    set.setDrawHighlightIndicators(false);
    EXPECT_FALSE(set.isHorizontalHighlightIndicatorEnabled());
    EXPECT_FALSE(set.isVerticalHighlightIndicatorEnabled());
    set.setDrawVerticalHighlightIndicatorEnabled(true);
    EXPECT_FALSE(set.isHorizontalHighlightIndicatorEnabled());
    EXPECT_TRUE(set.isVerticalHighlightIndicatorEnabled());
}

TEST(LineChartDataSetTest, CircleColours) {
    LineChartDataSet set;
    const QColor a(Qt::red), b(Qt::blue);
    set.setCircleColors({a, b});
    for (int index : {0, 2, 4}) EXPECT_EQ(set.getCircleColor(index), a);
    for (int index : {1, 3}) EXPECT_EQ(set.getCircleColor(index), b);
    EXPECT_EQ(set.getCircleColor(-3), a);
    set.setCircleColor(Qt::green);
    EXPECT_EQ(set.circleColors(), std::vector<QColor>{QColor(Qt::green)});
    set.resetCircleColors(5);
    EXPECT_TRUE(set.circleColors().empty());
    EXPECT_EQ(set.getCircleColor(0), std::nullopt);
}

TEST(LineChartDataSetTest, ModeRawValues) {
    EXPECT_EQ(lineChartModeFromRawValue(2), LineChartDataSet::Mode::cubicBezier);
    EXPECT_EQ(rawValue(LineChartDataSet::Mode::horizontalBezier), 3);
    EXPECT_EQ(lineChartModeFromRawValue(4), std::nullopt);
    EXPECT_EQ(lineChartModeFromRawValue(-1), std::nullopt);
}

TEST(LineChartDataSetTest, CopyReadsTheSameAndSharesObjects) {
    LineChartDataSet set(entriesAt({{1, 1}}), QStringLiteral("Styled"));
    const auto fill = std::make_shared<Fill>();
    set.setFillColor(Qt::darkRed);
    set.setFill(fill);
    set.setFillAlpha(0.5);
    set.setLineWidth(2);
    set.setDrawFilledEnabled(true);
    set.setMode(LineChartDataSet::Mode::stepped);
    set.setCubicIntensity(0.7);
    set.setCircleRadius(1.25);
    set.setCircleHoleRadius(0.5);
    set.setCircleColors({Qt::cyan, Qt::magenta});
    set.setCircleHoleColor(std::nullopt);
    set.setDrawCirclesEnabled(false);
    set.setDrawCircleHoleEnabled(false);
    set.setLineDashPhase(1);
    set.setLineDashLengths(std::vector<double>{4, 2});
    set.setLineCapType(Qt::RoundCap);
    set.setHighlightColor(Qt::yellow);
    set.setHighlightLineWidth(3);
    set.setHighlightLineDashPhase(2);
    set.setHighlightLineDashLengths(std::vector<double>{1});
    set.setDrawHorizontalHighlightIndicatorEnabled(false);
    set.setFillFormatter(std::make_shared<DefaultFillFormatter>());

    const auto copy = std::dynamic_pointer_cast<LineChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->fill(), fill);
    EXPECT_EQ(copy->fillColor(), QColor(Qt::darkRed));
    EXPECT_EQ(copy->fillAlpha(), 0.5);
    EXPECT_EQ(copy->lineWidth(), 2);
    EXPECT_TRUE(copy->isDrawFilledEnabled());
    EXPECT_EQ(copy->mode(), LineChartDataSet::Mode::stepped);
    EXPECT_EQ(copy->cubicIntensity(), 0.7);
    EXPECT_EQ(copy->circleRadius(), 1.25);
    EXPECT_EQ(copy->circleHoleRadius(), 0.5);
    EXPECT_EQ(copy->circleColors(), set.circleColors());
    EXPECT_EQ(copy->circleHoleColor(), std::nullopt);
    EXPECT_FALSE(copy->isDrawCirclesEnabled());
    EXPECT_FALSE(copy->isDrawCircleHoleEnabled());
    EXPECT_EQ(copy->lineDashPhase(), 1);
    EXPECT_EQ(copy->lineDashLengths(), (std::vector<double>{4, 2}));
    EXPECT_EQ(copy->lineCapType(), Qt::RoundCap);
    EXPECT_EQ(copy->highlightColor(), QColor(Qt::yellow));
    EXPECT_EQ(copy->highlightLineWidth(), 3);
    EXPECT_EQ(copy->highlightLineDashPhase(), 2);
    EXPECT_EQ(copy->highlightLineDashLengths(), std::vector<double>{1});
    EXPECT_FALSE(copy->isHorizontalHighlightIndicatorEnabled());
    EXPECT_TRUE(copy->isVerticalHighlightIndicatorEnabled());
    EXPECT_EQ(copy->fillFormatter(), set.fillFormatter());
    EXPECT_EQ(copy->entries(), set.entries());
    EXPECT_EQ(copy->label(), QStringLiteral("Styled"));
}

TEST(LineChartDataSetTest, SeenThroughTheInterfaces) {
    const IChartDataSetPtr set = std::make_shared<LineChartDataSet>(entriesAt({{1, 2}}), QStringLiteral("A"));
    EXPECT_NE(std::dynamic_pointer_cast<IBarLineScatterCandleBubbleChartDataSet>(set), nullptr);
    const auto line = std::dynamic_pointer_cast<ILineChartDataSet>(set);
    ASSERT_NE(line, nullptr);
    line->setLineWidth(20);
    EXPECT_EQ(std::dynamic_pointer_cast<ILineRadarChartDataSet>(set)->lineWidth(), 10);
    EXPECT_EQ(set->description(), "Charts.LineChartDataSet, label: A, 1 entries");
}

} // namespace
} // namespace charts
