#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "Charts/data/ChartDataSet.h"
#include "tests/charts/support/entry_support.h"

namespace charts {
namespace {

using testing::entriesAt;
using Rounding = ChartDataSetRounding;

constexpr double largest = std::numeric_limits<double>::max();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

void expectBounds(const IChartDataSet& set, double xMin, double xMax, double yMin, double yMax) {
    EXPECT_EQ(set.xMin(), xMin);
    EXPECT_EQ(set.xMax(), xMax);
    EXPECT_EQ(set.yMin(), yMin);
    EXPECT_EQ(set.yMax(), yMax);
}

void expectEmptyBounds(const IChartDataSet& set) { expectBounds(set, largest, -largest, largest, -largest); }

std::vector<double> xsOf(const ChartDataSet& set) {
    std::vector<double> xs;
    for (const auto& entry : set) xs.push_back(entry->x());
    return xs;
}

TEST(ChartDataSetBoundsTest, ConstructorsLeaveExactBounds) {
    ChartDataSet set(entriesAt({{3, 5}, {1, -2}, {2, 8}}));
    EXPECT_EQ(set.label(), QStringLiteral("DataSet"));
    expectBounds(set, 1, 3, -2, 8);
    EXPECT_EQ(xsOf(set), (std::vector<double>{3, 1, 2}));
    expectEmptyBounds(ChartDataSet());
    expectEmptyBounds(ChartDataSet(QStringLiteral("Empty")));
}

TEST(ChartDataSetBoundsTest, RepeatingOneEntry) {
    const auto entry = std::make_shared<ChartDataEntry>(2, -3);
    ChartDataSet set(entry, 3);
    EXPECT_EQ(set.entryCount(), 3);
    EXPECT_EQ(set.entryForIndex(2), entry);
    EXPECT_EQ(set.label(), QStringLiteral("DataSet"));
    expectBounds(set, 2, 2, -3, -3);
    EXPECT_EQ(ChartDataSet(entry, -1).entryCount(), 0);
    EXPECT_EQ(ChartDataSet(ChartDataEntryPtr{}, 2).entryCount(), 0);
}

// Bounds that count every y twice, as a chart type with its own per-entry
// rule would.
class DoubledYSet : public ChartDataSet {
public:
    explicit DoubledYSet(Entries entries) : ChartDataSet(DeferBounds{}, std::move(entries), std::nullopt) {
        calcMinMax();
    }
    using ChartDataSet::calcMinMax;
    void calcMinMax(const ChartDataEntry& entry) override {
        ChartDataSet::calcMinMax(entry);
        if (entry.y() * 2 > yMax_) yMax_ = entry.y() * 2;
    }
};

TEST(ChartDataSetBoundsTest, ConstructionRunsTheSubclassEntryRule) {
    DoubledYSet set(entriesAt({{0, 1}, {1, 4}}));
    EXPECT_EQ(set.yMax(), 8);
    set.addEntry(std::make_shared<ChartDataEntry>(2, 5));
    EXPECT_EQ(set.yMax(), 10);
}

// A set that hands out a filtered view of its entries under the second name.
class LastEntryViewSet : public ChartDataSet {
public:
    using ChartDataSet::ChartDataSet;
    const Entries& values() const override {
        view_.assign(entries().end() - 1, entries().end());
        return view_;
    }

private:
    mutable Entries view_;
};

TEST(ChartDataSetBoundsTest, SecondNameOfTheEntriesDispatches) {
    LastEntryViewSet derived(entriesAt({{1, 1}, {2, 2}}));
    const ChartDataSet& set = derived;
    ASSERT_EQ(set.values().size(), 1u);
    EXPECT_EQ(set.values()[0], set.entryForIndex(1));
}

TEST(ChartDataSetBoundsTest, AddingWidensAndRemovingRecomputes) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 9}}));
    set.addEntry(std::make_shared<ChartDataEntry>(3, -4));
    expectBounds(set, 1, 3, -4, 9);
    EXPECT_TRUE(set.removeLast());
    expectBounds(set, 1, 2, 1, 9);
    EXPECT_TRUE(set.removeEntryAtIndex(1));
    expectBounds(set, 1, 1, 1, 1);
    set.clear();
    EXPECT_EQ(set.entryCount(), 0);
    expectEmptyBounds(set);
    EXPECT_FALSE(set.removeFirst());
    EXPECT_FALSE(set.removeLast());
}

TEST(ChartDataSetBoundsTest, RemovingTheLargestYRecomputes) {
    ChartDataSet set(entriesAt({{1, 4}, {2, 2}, {3, 9}}));
    EXPECT_TRUE(set.removeLast());
    expectBounds(set, 1, 2, 2, 4);
    EXPECT_TRUE(set.removeFirst());
    expectBounds(set, 2, 2, 2, 2);
}

TEST(ChartDataSetBoundsTest, ElementWritesOnlyWiden) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 9}}));
    EXPECT_TRUE(set.setEntry(1, std::make_shared<ChartDataEntry>(2, 3)));
    EXPECT_EQ(set.yMax(), 9);
    set.notifyDataSetChanged();
    EXPECT_EQ(set.yMax(), 3);
    set.setEntries(entriesAt({{5, 50}}));
    EXPECT_EQ(set.yMax(), 3);
    set.replaceEntries(entriesAt({{5, 50}}));
    expectBounds(set, 5, 5, 50, 50);
}

TEST(ChartDataSetBoundsTest, NaNCoordinatesLeaveBoundsAlone) {
    ChartDataSet set(entriesAt({{nan, 4}, {1, nan}, {2, 3}}));
    expectBounds(set, 1, 2, 3, 4);
}

TEST(ChartDataSetBoundsTest, YWindowTakesInTheNeighbours) {
    ChartDataSet set(entriesAt({{0, 100}, {1, 5}, {2, 7}, {3, 1}, {4, -50}}));
    set.calcMinMaxY(1.2, 2.5);
    EXPECT_EQ(set.yMin(), 1);
    EXPECT_EQ(set.yMax(), 7);
    EXPECT_EQ(set.xMin(), 0);
    EXPECT_EQ(set.xMax(), 4);
    set.calcMinMaxY(3, 1);
    EXPECT_EQ(set.yMin(), largest);
    EXPECT_EQ(set.yMax(), -largest);
    set.calcMinMaxY(nan, 2);
    EXPECT_EQ(set.yMax(), -largest);
}

TEST(ChartDataSetSearchTest, EmptyAndSingle) {
    ChartDataSet empty;
    ChartDataSet single(entriesAt({{5, 5}}));
    for (auto rounding : {Rounding::up, Rounding::down, Rounding::closest}) {
        EXPECT_EQ(empty.entryIndex(1, nan, rounding), -1);
        EXPECT_EQ(empty.entryForXValue(1, nan, rounding), nullptr);
        for (double x : {-100.0, 5.0, 7.5}) EXPECT_EQ(single.entryIndex(x, 3, rounding), 0);
    }
}

TEST(ChartDataSetSearchTest, RoundingBetweenEntries) {
    ChartDataSet set(entriesAt({{1, 0}, {2, 0}, {4, 0}, {8, 0}}));
    EXPECT_EQ(set.entryIndex(3, nan, Rounding::closest), 2);
    EXPECT_EQ(set.entryIndex(3, nan, Rounding::up), 2);
    EXPECT_EQ(set.entryIndex(3, nan, Rounding::down), 1);
    EXPECT_EQ(set.entryIndex(5, nan, Rounding::up), 3);
    EXPECT_EQ(set.entryIndex(5, nan, Rounding::down), 2);
    EXPECT_EQ(set.entryIndex(5, nan, Rounding::closest), 2);
    EXPECT_EQ(set.entryIndex(-3, nan, Rounding::down), 0);
    EXPECT_EQ(set.entryIndex(30, nan, Rounding::up), 3);
    EXPECT_EQ(set.entryIndex(-std::numeric_limits<double>::infinity(), nan, Rounding::closest), 0);
    EXPECT_EQ(set.entryIndex(std::numeric_limits<double>::infinity(), nan, Rounding::closest), 3);
    EXPECT_EQ(set.entryIndex(4, nan, static_cast<Rounding>(7)), 2);
}

// The pairwise bisection on ascending x: compare neighbours, move towards the
// nearer one, go up on a tie left of the x sought.
std::int64_t pairwiseBisection(const std::vector<double>& xs, double xValue) {
    std::int64_t low = 0;
    std::int64_t high = static_cast<std::int64_t>(xs.size()) - 1;
    while (low < high) {
        const auto middle = (low + high) / 2;
        const double d1 = xs[static_cast<std::size_t>(middle)] - xValue;
        const double d2 = xs[static_cast<std::size_t>(middle + 1)] - xValue;
        if (std::fabs(d2) < std::fabs(d1))
            low = middle + 1;
        else if (std::fabs(d1) < std::fabs(d2) || d1 >= 0)
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

TEST(ChartDataSetSearchTest, AgreesWithThePairwiseBisection) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        // Quarter steps give duplicates and exact ties between neighbours.
        std::vector<double> xs(static_cast<std::size_t>(1 + random() % 12));
        for (auto& x : xs) x = static_cast<double>(random() % 16) * 0.25;
        std::sort(xs.begin(), xs.end());
        ChartDataSet::Entries entries;
        for (double x : xs) entries.push_back(std::make_shared<ChartDataEntry>(x, 0));
        ChartDataSet set(entries);
        for (double xValue = -0.5; xValue <= 4.5; xValue += 0.125)
            ASSERT_EQ(set.entryIndex(xValue, nan, Rounding::closest), pairwiseBisection(xs, xValue))
                << "round " << round << " x " << xValue;
    }
}

TEST(ChartDataSetSearchTest, ClosestYAmongEqualX) {
    ChartDataSet set(entriesAt({{1, 5}, {2, 10}, {2, 3}, {2, 7}, {3, 0}}));
    EXPECT_EQ(set.entryIndex(2, 6, Rounding::closest), 3);
    EXPECT_EQ(set.entryIndex(2, 10, Rounding::closest), 1);
    EXPECT_EQ(set.entryIndex(2, 5, Rounding::closest), 3);
    EXPECT_EQ(set.entryForXValue(2, 3), set.entryForIndex(2));
}

TEST(ChartDataSetSearchTest, RoundingThenClosestYStaysWithTheNearestX) {
    ChartDataSet set(entriesAt({{1, 5}, {2, 10}, {2, 3}, {2, 7}, {3, 0}}));
    // Up from 1.6: the nearest x is 2 already; y picks within its run.
    EXPECT_EQ(set.entryIndex(1.6, 6, Rounding::up), 3);
    // Up from 1.4 moves to x 2, but the y pass walks back into the run of
    // x 1, the x found before rounding.
    EXPECT_EQ(set.entryIndex(1.4, nan, Rounding::up), 1);
    EXPECT_EQ(set.entryIndex(1.4, 6, Rounding::up), 0);
    // Down from 2.6 moves to the last entry at x 2, which then competes on y
    // with the run of x 3 above it.
    EXPECT_EQ(set.entryIndex(2.6, nan, Rounding::down), 3);
    EXPECT_EQ(set.entryIndex(2.6, 1, Rounding::down), 4);
    EXPECT_EQ(set.entryIndex(2.6, 6, Rounding::down), 3);
    // Exact x with either rounding: the y pass alone decides.
    EXPECT_EQ(set.entryIndex(2, 3.5, Rounding::up), 2);
    EXPECT_EQ(set.entryIndex(2, 11, Rounding::down), 1);
}

TEST(ChartDataSetSearchTest, NaNXFindsNothingAndNaNEntriesAreFar) {
    ChartDataSet set(entriesAt({{1, 0}, {nan, 0}, {nan, 0}, {4, 0}, {5, 0}}));
    for (auto rounding : {Rounding::up, Rounding::down, Rounding::closest})
        EXPECT_EQ(set.entryIndex(nan, 0, rounding), -1);
    EXPECT_EQ(set.entryForXValue(nan, nan), nullptr);
    EXPECT_EQ(set.entryIndex(5, nan, Rounding::closest), 4);
    const auto found = set.entryForXValue(1, nan);
    ASSERT_NE(found, nullptr);
    EXPECT_FALSE(std::isnan(found->x()));
    EXPECT_FALSE(set.removeEntryWithX(nan));
    ChartDataSet allNaN(entriesAt({{nan, 1}, {nan, 2}, {nan, 3}}));
    EXPECT_GE(allNaN.entryIndex(2, 2, Rounding::closest), 0);
}

TEST(ChartDataSetSearchTest, EntriesForExactX) {
    ChartDataSet set(entriesAt({{1, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 0}}));
    const auto found = set.entriesForXValue(2);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0], set.entryForIndex(1));
    EXPECT_EQ(found[2], set.entryForIndex(3));
    EXPECT_TRUE(set.entriesForXValue(2.5).empty());
    EXPECT_TRUE(set.entriesForXValue(nan).empty());
    EXPECT_TRUE(ChartDataSet().entriesForXValue(1).empty());
    EXPECT_EQ(set.entriesForXValue(3).size(), 1u);
}

TEST(ChartDataSetSearchTest, EntryIndexByEquality) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 2}}));
    EXPECT_EQ(set.entryIndex(std::make_shared<ChartDataEntry>(2, 2)), 1);
    EXPECT_TRUE(set.contains(std::make_shared<ChartDataEntry>(1, 1)));
    EXPECT_EQ(set.entryIndex(std::make_shared<ChartDataEntry>(2, 3)), -1);
    EXPECT_EQ(set.entryForIndex(-1), nullptr);
    EXPECT_EQ(set.entryForIndex(2), nullptr);
}

TEST(ChartDataSetEditTest, OrderedInsertion) {
    ChartDataSet set(entriesAt({{1, 0}, {2, 0}, {3, 0}}));
    EXPECT_TRUE(set.addEntryOrdered(std::make_shared<ChartDataEntry>(2.5, 40)));
    EXPECT_EQ(xsOf(set), (std::vector<double>{1, 2, 2.5, 3}));
    EXPECT_TRUE(set.addEntryOrdered(std::make_shared<ChartDataEntry>(5, -1)));
    EXPECT_EQ(xsOf(set).back(), 5);
    expectBounds(set, 1, 5, -1, 40);
    ChartDataSet empty;
    EXPECT_TRUE(empty.addEntryOrdered(std::make_shared<ChartDataEntry>(1, 1)));
    EXPECT_EQ(empty.entryCount(), 1);
    EXPECT_FALSE(empty.addEntryOrdered(nullptr));
}

TEST(ChartDataSetEditTest, OrderedInsertionStaysBeforeARunOfLargerX) {
    // The closest-y pass lands on the second entry at x 2, above the new x.
    ChartDataSet set(entriesAt({{1, 0}, {2, 5}, {2, 9}, {3, 0}}));
    set.addEntryOrdered(std::make_shared<ChartDataEntry>(1.5, 9));
    EXPECT_EQ(xsOf(set), (std::vector<double>{1, 1.5, 2, 2, 3}));
    // An equal x still goes before the member of its run picked by y.
    set.addEntryOrdered(std::make_shared<ChartDataEntry>(2, 9));
    EXPECT_EQ(set.entryForIndex(3)->y(), 9);
    EXPECT_EQ(xsOf(set), (std::vector<double>{1, 1.5, 2, 2, 2, 3}));
}

TEST(ChartDataSetEditTest, RemovalByEqualityAndPosition) {
    auto entries = entriesAt({{1, 1}, {1, 1}, {2, 2}});
    ChartDataSet set(entries);
    EXPECT_TRUE(set.removeEntryAtIndex(1));
    EXPECT_EQ(set.entryForIndex(0), entries[0]);
    EXPECT_TRUE(set.removeEntry(std::make_shared<ChartDataEntry>(2, 2)));
    EXPECT_FALSE(set.removeEntry(std::make_shared<ChartDataEntry>(2, 2)));
    EXPECT_FALSE(set.removeEntryAtIndex(5));
    EXPECT_FALSE(set.removeEntryAtIndex(-1));
    ChartDataSet byX(entriesAt({{1, 1}, {2, 2}, {3, 3}}));
    EXPECT_TRUE(byX.removeEntryWithX(2.2));
    EXPECT_EQ(xsOf(byX), (std::vector<double>{1, 3}));
}

TEST(ChartDataSetEditTest, ListOperationsRefuseOutsidePositions) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 2}}));
    const auto extra = std::make_shared<ChartDataEntry>(9, 9);
    EXPECT_FALSE(set.setEntry(2, extra));
    EXPECT_FALSE(set.insert(extra, 3));
    EXPECT_FALSE(set.insert(extra, -1));
    EXPECT_EQ(set.removeAt(2), nullptr);
    EXPECT_FALSE(set.removeFirst(3));
    EXPECT_FALSE(set.removeLast(-1));
    EXPECT_FALSE(set.removeSubrange(1, 3));
    EXPECT_FALSE(set.replaceSubrange(2, 1, {}));
    EXPECT_FALSE(set.swapAt(0, 2));
    EXPECT_FALSE(set.writeEntries(1, entriesAt({{5, 5}, {6, 6}})));
    EXPECT_EQ(xsOf(set), (std::vector<double>{1, 2}));
    expectBounds(set, 1, 2, 1, 2);
    ChartDataSet empty;
    EXPECT_EQ(empty.takeFirst(), nullptr);
    EXPECT_EQ(empty.takeLast(), nullptr);
}

TEST(ChartDataSetEditTest, ListOperationsKeepBounds) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_TRUE(set.insert(entriesAt({{0, -5}}), 0));
    expectBounds(set, 0, 4, -5, 4);
    EXPECT_TRUE(set.replaceSubrange(0, 2, entriesAt({{1.5, 20}})));
    EXPECT_EQ(xsOf(set), (std::vector<double>{1.5, 2, 3, 4}));
    expectBounds(set, 1.5, 4, 2, 20);
    EXPECT_TRUE(set.removeFirst(1));
    EXPECT_TRUE(set.removeLast(1));
    expectBounds(set, 2, 3, 2, 3);
    EXPECT_EQ(set.takeLast()->x(), 3);
    set.append(entriesAt({{7, 70}, {8, 80}}));
    expectBounds(set, 2, 8, 2, 80);
    set.removeAllWhere([](const ChartDataEntry& entry) { return entry.y() > 75; });
    expectBounds(set, 2, 7, 2, 70);
    EXPECT_TRUE(set.removeSubrange(0, 2));
    expectEmptyBounds(set);
}

TEST(ChartDataSetEditTest, PartitionMovesMatchesBehind) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 8}, {3, 3}, {4, 9}, {5, 5}}));
    const auto pivot = set.partition([](const ChartDataEntry& entry) { return entry.y() > 6; });
    EXPECT_EQ(pivot, 3);
    for (std::int64_t index = 0; index < set.entryCount(); ++index)
        EXPECT_EQ(set.entryForIndex(index)->y() > 6, index >= pivot);
    EXPECT_EQ(set.entryCount(), 5);
}

TEST(ChartDataSetCopyTest, CopySharesEntriesAndStaleBounds) {
    ChartDataSet set(entriesAt({{1, 1}, {2, 9}}));
    set.setEntry(1, std::make_shared<ChartDataEntry>(2, 3));
    const auto copy = std::dynamic_pointer_cast<ChartDataSet>(set.copy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->entries(), set.entries());
    EXPECT_EQ(copy->yMax(), 9);
    copy->addEntry(std::make_shared<ChartDataEntry>(3, 3));
    EXPECT_EQ(set.entryCount(), 2);
}

} // namespace
} // namespace charts
