// Bar entries, sets and data: the sums and intervals of stacked bars, the
// sets' bounds and stack counts, copies, and the grouping of several sets.
#include <gtest/gtest.h>

#include "platform/testing/LogCapture.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;

struct StackCase {
    const char* name;
    std::optional<std::vector<double>> values;
    double y;
    double positiveSum;
    double negativeSum;
    std::optional<std::vector<std::pair<double, double>>> ranges;
};

const StackCase stackCases[] = {
    {"mixed signs", std::vector<double>{2, -1, 3, -4}, 0, 5, 5,
     std::vector<std::pair<double, double>>{{0, 2}, {-5, -4}, {2, 5}, {-4, 0}}},
    {"negatives first", std::vector<double>{-2, -3, 4}, -1, 4, 5,
     std::vector<std::pair<double, double>>{{-5, -3}, {-3, 0}, {0, 4}}},
    {"zeros count as positive", std::vector<double>{0, 0}, 0, 0, 0,
     std::vector<std::pair<double, double>>{{0, 0}, {0, 0}}},
    {"NaN counts as positive", std::vector<double>{NaN, -1}, NaN, NaN, 1,
     std::vector<std::pair<double, double>>{{0, NaN}, {-1, 0}}},
    {"empty list", std::vector<double>{}, 0, 0, 0, std::nullopt},
    {"plain bar", std::nullopt, 0, 0, 0, std::nullopt},
};

void expectStack(const BarChartDataEntry& entry, const StackCase& c) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(entry.isStacked(), c.values.has_value());
    EXPECT_TRUE(same(entry.y(), c.y)) << entry.y();
    EXPECT_TRUE(same(entry.positiveSum(), c.positiveSum)) << entry.positiveSum();
    EXPECT_TRUE(same(entry.negativeSum(), c.negativeSum)) << entry.negativeSum();
    ASSERT_EQ(entry.ranges().has_value(), c.ranges.has_value()) << rangesText(entry.ranges());
    if (!c.ranges) return;
    ASSERT_EQ(entry.ranges()->size(), c.ranges->size());
    for (std::size_t i = 0; i < c.ranges->size(); ++i) {
        EXPECT_TRUE(same((*entry.ranges())[i].from(), (*c.ranges)[i].first)) << rangesText(entry.ranges());
        EXPECT_TRUE(same((*entry.ranges())[i].to(), (*c.ranges)[i].second)) << rangesText(entry.ranges());
    }
}

TEST(BarChartDataEntryTest, StackedValuesGiveSumsAndIntervals) {
    for (const StackCase& c : stackCases) {
        const BarChartDataEntry made = c.values ? BarChartDataEntry(1, *c.values) : BarChartDataEntry(1, 0);
        expectStack(made, c);
        // The setter gives the same as the constructor, from a plain bar...
        BarChartDataEntry set(1, 7);
        set.setYValues(c.values);
        expectStack(set, c);
        // ...and from a stacked one: intervals of the former list never
        // outlive it.
        BarChartDataEntry restacked(1, std::vector<double>{9, -9, 9});
        restacked.setYValues(c.values);
        expectStack(restacked, c);
        // A copy carries the same values, sums and intervals.
        const auto copy = std::dynamic_pointer_cast<BarChartDataEntry>(made.copy());
        ASSERT_NE(copy, nullptr);
        expectStack(*copy, c);
        EXPECT_EQ(copy->x(), 1);
    }
}

TEST(BarChartDataEntryTest, SumBelowAddsTheValuesAboveAPosition) {
    const BarChartDataEntry stacked(0, std::vector<double>{2, -1, 3, -4});
    const std::pair<std::int64_t, double> cases[] = {{-1, 0}, {0, -2}, {1, -1}, {2, -4}, {3, 0}, {10, 0}};
    for (const auto& [index, sum] : cases) EXPECT_EQ(stacked.sumBelow(index), sum) << index;
    EXPECT_EQ(BarChartDataEntry(0, 5).sumBelow(-1), 0);
    EXPECT_EQ(BarChartDataEntry(0, std::vector<double>{1, 2}).sumBelow(-1), 3);
}

struct SetCase {
    const char* name;
    std::vector<Bar> bars;
    double yMin, yMax, xMin, xMax;
    std::int64_t stackSize;
    std::int64_t entryCountStacks;
};

const SetCase setCases[] = {
    {"plain bars", {{0, 3, {}}, {1, -2, {}}, {2, 5, {}}}, -2, 5, 0, 2, 1, 3},
    {"stacks bound by their sums", {{0, 0, {{2, -1, 3, -4}}}, {1, 0, {{1, 1}}}}, -5, 5, 0, 1, 4, 6},
    {"counts of 3, 2 and none", {{0, 0, {{1, 1, 1}}}, {1, 0, {{1, 1}}}, {2, 4, {}}}, 0, 4, 0, 2, 3, 6},
    {"an empty stack counts nothing", {{0, 0, {{}}}, {1, 2, {}}}, 0, 2, 0, 1, 1, 1},
    {"a NaN bar is left out of the bounds", {{0, NaN, {}}, {5, 2, {}}}, 2, 2, 5, 5, 1, 2},
    {"infinite bars count", {{0, -INFINITY, {}}, {1, 1, {}}}, -INFINITY, 1, 0, 1, 1, 2},
};

TEST(BarChartDataSetTest, BoundsAndStackCounts) {
    for (const SetCase& c : setCases) {
        SCOPED_TRACE(c.name);
        const auto set = barSet(c.bars);
        EXPECT_EQ(set->yMin(), c.yMin);
        EXPECT_EQ(set->yMax(), c.yMax);
        EXPECT_EQ(set->xMin(), c.xMin);
        EXPECT_EQ(set->xMax(), c.xMax);
        EXPECT_EQ(set->stackSize(), c.stackSize);
        EXPECT_EQ(set->isStacked(), c.stackSize > 1);
        EXPECT_EQ(set->entryCountStacks(), c.entryCountStacks);
    }
}

TEST(BarChartDataSetTest, StackCountsAreTakenOnceAtConstruction) {
    const auto set = stackedBars({{1, 2}});
    set->addEntry(std::make_shared<BarChartDataEntry>(1, std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(set->stackSize(), 2);
    EXPECT_EQ(set->entryCountStacks(), 2);
    // The bounds follow the new entry.
    EXPECT_EQ(set->yMax(), 10);
}

TEST(BarChartDataSetTest, ACopyKeepsTheBarStyleAndCounts) {
    const auto set = stackedBars({{1, 2, 3}});
    set->setStackLabels({"a", "b", "c"});
    set->setBarShadowColor(Qt::red);
    set->setBarBorderWidth(1.5);
    set->setBarBorderColor(Qt::blue);
    set->setHighlightAlpha(0.25);
    const auto copy = std::dynamic_pointer_cast<BarChartDataSet>(set->copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->stackSize(), 3);
    EXPECT_EQ(copy->entryCountStacks(), 3);
    EXPECT_EQ(copy->stackLabels(), (std::vector<QString>{"a", "b", "c"}));
    EXPECT_EQ(copy->barShadowColor(), QColor(Qt::red));
    EXPECT_EQ(copy->barBorderWidth(), 1.5);
    EXPECT_EQ(copy->barBorderColor(), QColor(Qt::blue));
    EXPECT_EQ(copy->highlightAlpha(), 0.25);
    EXPECT_EQ(copy->highlightColor(), QColor(Qt::black));
}

struct GroupCase {
    const char* name;
    std::vector<std::size_t> setSizes;
    double barWidth, fromX, groupSpace, barSpace;
    // Per set, the x of each of its entries after grouping.
    std::vector<std::vector<double>> xs;
};

const GroupCase groupCases[] = {
    {"two sets, a group interval of 1", {2, 2}, 0.43, 0, 0.08, 0.03, {{0.27, 1.27}, {0.73, 1.73}}},
    {"three sets from x 10", {2, 2, 2}, 0.2, 10, 0.1, 0.1, {{10.2, 11.2}, {10.5, 11.5}, {10.8, 11.8}}},
    {"sets of 3 and 5 make 5 groups",
     {3, 5},
     0.4,
     0,
     0.1,
     0.05,
     {{0.275, 1.275, 2.275}, {0.725, 1.725, 2.725, 3.725, 4.725}}},
};

TEST(BarChartDataTest, GroupingPlacesEachPositionSideBySide) {
    for (const GroupCase& c : groupCases) {
        SCOPED_TRACE(c.name);
        std::vector<std::shared_ptr<BarChartDataSet>> sets;
        for (const std::size_t size : c.setSizes) sets.push_back(plainBars(std::vector<double>(size, 1.0)));
        const auto data = barData(sets, c.barWidth);
        data->groupBars(c.fromX, c.groupSpace, c.barSpace);
        double lowest = INFINITY;
        double highest = -INFINITY;
        for (std::size_t s = 0; s < sets.size(); ++s) {
            ASSERT_EQ(static_cast<std::size_t>(sets[s]->entryCount()), c.xs[s].size());
            for (std::size_t i = 0; i < c.xs[s].size(); ++i) {
                EXPECT_NEAR(sets[s]->entryForIndex(static_cast<std::int64_t>(i))->x(), c.xs[s][i], 1e-9)
                    << "set " << s << " entry " << i;
                lowest = std::min(lowest, c.xs[s][i]);
                highest = std::max(highest, c.xs[s][i]);
            }
        }
        // The bounds follow the new positions, the sets' and the data's.
        EXPECT_NEAR(data->xMin(), lowest, 1e-9);
        EXPECT_NEAR(data->xMax(), highest, 1e-9);
        EXPECT_NEAR(sets.back()->xMax(), c.xs.back().back(), 1e-9);
    }
}

TEST(BarChartDataTest, GroupWidthAndTooFewSets) {
    const auto one = plainBars({1, 2, 3});
    const auto data = barData({one}, 0.43);
    EXPECT_DOUBLE_EQ(data->groupWidth(0.08, 0.03), (0.43 + 0.03) * 1 + 0.08);
    EXPECT_DOUBLE_EQ(barData({one, plainBars({1})}, 0.43)->groupWidth(0.08, 0.03), 1.0);

    platform::LogCapture log;
    data->groupBars(5, 0.08, 0.03);
    EXPECT_EQ(log.standardOutputLines(),
              std::vector<std::string>{"BarData needs to hold at least 2 BarDataSets to allow grouping."});
    for (std::int64_t i = 0; i < 3; ++i) EXPECT_EQ(one->entryForIndex(i)->x(), static_cast<double>(i));
}

TEST(BarChartDataSetTest, AStackedSetNamesEachStackPositionInTheLegend) {
    const auto stacked = stackedBars({{1, 2, 3}}, "Costs");
    stacked->setColors({Qt::red, Qt::green, Qt::blue});
    stacked->setStackLabels({"rent", "wages", "stock"});
    std::vector<LegendEntryPtr> entries;
    stacked->appendLegendEntries(entries);
    std::vector<std::optional<QString>> labels;
    for (const LegendEntryPtr& entry : entries) labels.push_back(entry->label());
    EXPECT_EQ(labels, (std::vector<std::optional<QString>>{QString("rent"), QString("wages"), QString("stock"),
                                                           QString("Costs")}));
    EXPECT_EQ(entries[1]->formColor(), QColor(Qt::green));
    // A plain set shows its colour run.
    const auto plain = plainBars({1, 2}, "Sales");
    entries.clear();
    plain->appendLegendEntries(entries);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0]->label(), QString("Sales"));
}

} // namespace
