#include <gtest/gtest.h>

#include <limits>

#include "Charts/data/BarLineScatterCandleBubbleChartData.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "platform/testing/LogCapture.h"
#include "tests/charts/support/entry_support.h"

namespace charts {
namespace {

using testing::entriesAt;
using Axis = YAxis::AxisDependency;

constexpr double largest = std::numeric_limits<double>::max();

std::shared_ptr<LineChartDataSet> lineSet(std::initializer_list<std::pair<double, double>> points,
                                          const QString& label = QStringLiteral("Set"), Axis axis = Axis::left) {
    auto set = std::make_shared<LineChartDataSet>(entriesAt(points), label);
    set->setAxisDependency(axis);
    return set;
}

void expectUnset(const ChartData& data) {
    EXPECT_EQ(data.yMin(), largest);
    EXPECT_EQ(data.xMin(), largest);
    EXPECT_EQ(data.yMax(), -largest);
    EXPECT_EQ(data.xMax(), -largest);
    for (auto axis : {Axis::left, Axis::right}) {
        EXPECT_EQ(data.getYMin(axis), largest);
        EXPECT_EQ(data.getYMax(axis), -largest);
    }
}

TEST(ChartDataBoundsTest, EmptyContainers) {
    expectUnset(LineChartData());
    expectUnset(LineChartData(ChartData::DataSets{}));
    LineChartData data({lineSet({{1, 1}})});
    data.clearValues();
    EXPECT_EQ(data.dataSetCount(), 0);
    expectUnset(data);
}

TEST(ChartDataBoundsTest, AddingSetsAndEntriesWidens) {
    LineChartData data;
    data.addDataSet(lineSet({{0, 0}, {1, 3}}));
    data.addDataSet(lineSet({{2, 2}, {3, 5}}, QStringLiteral("Right"), Axis::right));
    EXPECT_EQ(data.yMin(), 0);
    EXPECT_EQ(data.yMax(), 5);
    EXPECT_EQ(data.xMax(), 3);
    EXPECT_EQ(data.getYMax(Axis::left), 3);
    EXPECT_EQ(data.getYMin(Axis::right), 2);
    data.addDataSet(nullptr);
    EXPECT_EQ(data.dataSetCount(), 2);

    data.addEntry(std::make_shared<ChartDataEntry>(4, -1), 1);
    EXPECT_EQ(data.yMin(), -1);
    EXPECT_EQ(data.getYMin(Axis::right), -1);
    EXPECT_EQ(data.getYMin(Axis::left), 0);
    EXPECT_EQ(data.entryCount(), 5);
}

TEST(ChartDataBoundsTest, AddingASetOnlyWidens) {
    auto first = lineSet({{0, 0}, {1, 3}});
    LineChartData data({first});
    // A change made to a held set directly is not seen until a recomputation,
    // and adding another set does not recompute.
    first->addEntry(std::make_shared<ChartDataEntry>(2, -8));
    data.addDataSet(lineSet({{3, 2}, {4, 5}}));
    EXPECT_EQ(data.yMin(), 0);
    EXPECT_EQ(data.yMax(), 5);
    EXPECT_EQ(data.xMax(), 4);
    EXPECT_EQ(data.getYMin(Axis::left), 0);
    data.notifyDataChanged();
    EXPECT_EQ(data.yMin(), -8);
}

TEST(ChartDataBoundsTest, MadeFromOneSetOrNone) {
    ChartData single(IChartDataSetPtr(lineSet({{1, 2}, {3, 4}})));
    EXPECT_EQ(single.dataSetCount(), 1);
    EXPECT_EQ(single.xMax(), 3);
    EXPECT_EQ(single.getYMin(Axis::right), 2);
    ChartData none(IChartDataSetPtr{});
    EXPECT_EQ(none.dataSetCount(), 0);
    expectUnset(none);
}

TEST(ChartDataBoundsTest, AddEntryWithABadIndexPrintsAndChangesNothing) {
    LineChartData data({lineSet({{0, 0}}), lineSet({{1, 1}})});
    platform::LogCapture capture;
    data.addEntry(std::make_shared<ChartDataEntry>(9, 9), 2);
    data.addEntry(std::make_shared<ChartDataEntry>(9, 9), -1);
    EXPECT_EQ(capture.standardOutputLines(),
              std::vector<std::string>(
                  2, "ChartData.addEntry() - Cannot add Entry because dataSetIndex too high or too low."));
    EXPECT_EQ(data.entryCount(), 2);
    EXPECT_EQ(data.xMax(), 1);
}

TEST(ChartDataBoundsTest, AxisFallsBackToTheOtherSide) {
    LineChartData leftOnly({lineSet({{0, -2}, {1, 6}})});
    EXPECT_EQ(leftOnly.getYMin(Axis::right), -2);
    EXPECT_EQ(leftOnly.getYMax(Axis::right), 6);

    LineChartData emptyLeft({lineSet({}), lineSet({{0, 4}, {1, 7}}, QStringLiteral("R"), Axis::right)});
    EXPECT_EQ(emptyLeft.getYMin(Axis::left), 4);
    EXPECT_EQ(emptyLeft.getYMax(Axis::left), 7);
}

TEST(ChartDataBoundsTest, RemovalsAndEditsRecompute) {
    auto first = lineSet({{0, 0}, {1, 10}});
    auto second = lineSet({{5, 3}}, QStringLiteral("Second"), Axis::right);
    LineChartData data({first, second});
    EXPECT_FALSE(data.removeDataSetByIndex(-1));
    EXPECT_FALSE(data.removeDataSetByIndex(2));
    EXPECT_FALSE(data.removeDataSet(lineSet({{0, 0}})));
    EXPECT_EQ(data.dataSetCount(), 2);

    EXPECT_TRUE(data.removeEntry(1.0, 0));
    EXPECT_EQ(data.yMax(), 3);
    EXPECT_EQ(data.getYMax(Axis::left), 0);
    EXPECT_FALSE(data.removeEntry(1.0, 5));
    EXPECT_FALSE(data.removeEntry(std::make_shared<ChartDataEntry>(7, 7), 0));

    // Direct changes to a set reach the container only when recomputed.
    second->setAxisDependency(Axis::left);
    EXPECT_EQ(data.getYMax(Axis::right), 3);
    data.notifyDataChanged();
    EXPECT_EQ(data.getYMax(Axis::left), 3);

    EXPECT_TRUE(data.removeDataSet(second));
    EXPECT_EQ(data.xMax(), 0);
}

TEST(ChartDataBoundsTest, YWindowKeepsXOfAllEntries) {
    LineChartData data({lineSet({{0, 100}, {1, 5}, {2, 7}, {3, 1}, {4, -50}})});
    data.calcMinMaxY(1.5, 2.5);
    EXPECT_EQ(data.yMin(), 1);
    EXPECT_EQ(data.yMax(), 7);
    EXPECT_EQ(data.xMin(), 0);
    EXPECT_EQ(data.xMax(), 4);
}

TEST(ChartDataLookupTest, LabelsWithAndWithoutCase) {
    auto unnamed = lineSet({});
    unnamed->setLabel(std::nullopt);
    LineChartData data({unnamed, lineSet({}, QStringLiteral("Measured")), lineSet({}, QStringLiteral("Caf\u00e9"))});
    EXPECT_EQ(data.getDataSetIndexByLabel(QStringLiteral("Measured"), false), 1);
    EXPECT_EQ(data.getDataSetIndexByLabel(QStringLiteral("MEASURED"), false), -1);
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("MEASURED"), true), data.getDataSetByIndex(1));
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("Smoothed"), true), nullptr);
    EXPECT_EQ(data.getDataSetIndexByLabel(QStringLiteral("Cafe\u0301"), false), 2);
    EXPECT_EQ(data.getDataSetIndexByLabel(QString(), true), -1);
}

TEST(ChartDataLookupTest, SetsByIndexAndIdentity) {
    auto a = lineSet({{1, 1}, {2, 2}, {3, 3}});
    auto b = lineSet({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}});
    auto c = lineSet({{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}, QStringLiteral("C"), Axis::right);
    LineChartData data({a, b, c});
    EXPECT_EQ(data.getDataSetByIndex(-1), nullptr);
    EXPECT_EQ(data.getDataSetByIndex(3), nullptr);
    EXPECT_EQ(data.maxEntryCountSet(), b);
    EXPECT_EQ(data.indexOfDataSet(c), 2);
    EXPECT_TRUE(data.contains(a));
    EXPECT_FALSE(data.contains(lineSet({})));
    EXPECT_EQ(data.getFirstRight(data.dataSets()), c);
    EXPECT_EQ(data.getFirstLeft({c}), nullptr);
    EXPECT_EQ(LineChartData().maxEntryCountSet(), nullptr);
}

TEST(ChartDataLookupTest, EntriesForHighlightsAndEntries) {
    auto set = lineSet({{1, 1}, {2, 5}, {2, 9}, {3, 3}});
    LineChartData data({set});
    EXPECT_EQ(data.entryForHighlight(Highlight(2, 8, 0)), set->entryForIndex(2));
    EXPECT_EQ(data.entryForHighlight(Highlight(2, 8, 1)), nullptr);
    EXPECT_EQ(data.entryForHighlight(Highlight(2, 8, -1)), nullptr);
    EXPECT_EQ(data.getDataSetForEntry(set->entryForIndex(1)), set);
    EXPECT_EQ(data.getDataSetForEntry(set->entryForIndex(1)->copy()), nullptr);
}

TEST(ChartDataStyleTest, AppliedToEverySet) {
    auto a = lineSet({{1, 1}});
    auto b = lineSet({{1, 1}});
    b->setColors({Qt::red, Qt::blue});
    LineChartData data({a, b});
    EXPECT_TRUE(LineChartData().highlightEnabled());
    EXPECT_TRUE(data.isHighlightEnabled());
    b->setHighlightEnabled(false);
    EXPECT_FALSE(data.isHighlightEnabled());
    data.setHighlightEnabled(true);
    EXPECT_TRUE(a->highlightEnabled() && b->highlightEnabled());
    data.setDrawValues(false);
    EXPECT_FALSE(a->drawValuesEnabled() || b->drawValuesEnabled());
    data.setValueTextColor(Qt::green);
    EXPECT_EQ(b->valueTextColor(), QColor(Qt::green));
    const auto formatter = std::make_shared<DefaultValueFormatter>(2);
    data.setValueFormatter(formatter);
    EXPECT_EQ(a->valueFormatter(), formatter);
    EXPECT_EQ(data.getColors().size(), 3u);
    EXPECT_EQ(data.getColors()[2], QColor(Qt::blue));
}

// A chart data whose recomputation a subclass extends, as combined data does.
class CountingChartData : public BarLineScatterCandleBubbleChartData {
public:
    explicit CountingChartData(DataSets dataSets) : BarLineScatterCandleBubbleChartData(DeferBounds{}, dataSets) {
        notifyDataChanged();
    }
    void notifyDataChanged() override {
        ++notifications;
        BarLineScatterCandleBubbleChartData::notifyDataChanged();
    }
    int notifications = 0;
};

TEST(ChartDataSubclassTest, ConstructionAndClearingNotifyTheSubclass) {
    CountingChartData data({lineSet({{1, 2}})});
    EXPECT_EQ(data.notifications, 1);
    EXPECT_EQ(data.yMax(), 2);
    data.clearValues();
    EXPECT_EQ(data.notifications, 3);
}

} // namespace
} // namespace charts

namespace charts {
namespace {

// Chart types of their own may report other overall bounds; callers holding
// the base class must see them.
class PaddedChartData : public ChartData {
public:
    using ChartData::ChartData;
    double getYMin() const override { return ChartData::getYMin() - 1; }
    double getYMax() const override { return ChartData::getYMax() + 1; }
};

TEST(ChartDataSubclassTest, OverallBoundGettersDispatch) {
    PaddedChartData padded(ChartData::DataSets{lineSet({{0, 2}, {1, 5}})});
    const ChartData& data = padded;
    EXPECT_EQ(data.getYMin(), 1);
    EXPECT_EQ(data.getYMax(), 6);
}

} // namespace
} // namespace charts

namespace charts {
namespace {

// A chart type that offers only its first set by position, as pie data does.
class FirstSetOnlyData : public ChartData {
public:
    using ChartData::ChartData;
    IChartDataSetPtr getDataSetByIndex(int index) const override {
        return index == 0 ? ChartData::getDataSetByIndex(0) : nullptr;
    }
};

TEST(ChartDataSubclassTest, OwnLookupsByPositionUseTheWholeList) {
    auto first = lineSet({{1, 1}});
    auto second = lineSet({{1, 1}, {2, 4}}, QStringLiteral("Second"));
    FirstSetOnlyData data(ChartData::DataSets{first, second});
    EXPECT_EQ(data.getDataSetByIndex(1), nullptr);
    EXPECT_EQ(data.entryForHighlight(Highlight(2, 4, 1)), second->entryForIndex(1));
    EXPECT_EQ(data.getDataSetByLabel(QStringLiteral("Second"), false), second);
    platform::LogCapture capture;
    data.addEntry(std::make_shared<ChartDataEntry>(3, 9), 1);
    EXPECT_TRUE(capture.standardOutputLines().empty());
    EXPECT_EQ(second->entryCount(), 3);
    EXPECT_EQ(data.yMax(), 9);
    EXPECT_TRUE(data.removeEntry(3.0, 1));
    EXPECT_TRUE(data.removeEntry(second->entryForIndex(0), 1));
    EXPECT_EQ(second->entryCount(), 1);
    EXPECT_EQ(data.yMax(), 4);
}

} // namespace
} // namespace charts
