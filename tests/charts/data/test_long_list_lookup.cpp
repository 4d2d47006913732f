#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "Charts/data/ChartDataSet.h"

// Lookups on lists long enough to be narrowed by sampled x values must answer
// exactly what a search of the whole list answers, also after the list has
// changed under the samples.
namespace charts {
namespace {

using Rounding = ChartDataSetRounding;
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// Nearest x on ascending data, the upper one on a tie; then the rounding.
std::int64_t expectedIndex(const std::vector<double>& xs, double xValue, Rounding rounding) {
    const auto count = static_cast<std::int64_t>(xs.size());
    auto high = static_cast<std::int64_t>(std::lower_bound(xs.begin(), xs.end(), xValue) - xs.begin());
    if (high == count)
        high = count - 1;
    else if (high > 0 && xValue - xs[static_cast<std::size_t>(high - 1)] < xs[static_cast<std::size_t>(high)] - xValue)
        --high;
    const double closest = xs[static_cast<std::size_t>(high)];
    if (rounding == Rounding::up && closest < xValue && high < count - 1) ++high;
    if (rounding == Rounding::down && closest > xValue && high > 0) --high;
    return high;
}

std::vector<double> xsOf(const ChartDataSet& set) {
    std::vector<double> xs;
    for (const auto& entry : set) xs.push_back(entry->x());
    return xs;
}

void expectWholeListAnswers(const ChartDataSet& set, std::mt19937& random, double span) {
    const auto xs = xsOf(set);
    std::uniform_real_distribution<double> anywhere(-2, span + 2);
    for (int query = 0; query < 400; ++query) {
        // Half the queries hit an x of the list exactly.
        const double xValue = query % 2 ? anywhere(random) : xs[random() % xs.size()];
        for (auto rounding : {Rounding::up, Rounding::down, Rounding::closest})
            ASSERT_EQ(set.entryIndex(xValue, nan, rounding), expectedIndex(xs, xValue, rounding)) << xValue;
        const auto found = set.entriesForXValue(xValue);
        const auto expected = std::count(xs.begin(), xs.end(), xValue);
        ASSERT_EQ(static_cast<std::int64_t>(found.size()), expected) << xValue;
        for (const auto& entry : found) ASSERT_EQ(entry->x(), xValue);
    }
}

ChartDataSet::Entries ascendingEntries(std::mt19937& random, std::size_t count) {
    // Quarter steps: many equal x values and exact ties between neighbours.
    std::vector<double> xs(count);
    for (auto& x : xs) x = static_cast<double>(random() % (count / 2)) * 0.25;
    std::sort(xs.begin(), xs.end());
    ChartDataSet::Entries entries;
    for (double x : xs) entries.push_back(std::make_shared<ChartDataEntry>(x, 0));
    return entries;
}

TEST(LongListLookupTest, AnswersAsASearchOfTheWholeList) {
    std::mt19937 random(5);
    ChartDataSet set(ascendingEntries(random, 20000));
    expectWholeListAnswers(set, random, 2500);
}

TEST(LongListLookupTest, EditsUnderTheSamplesNeverChangeAnAnswer) {
    std::mt19937 random(6);
    ChartDataSet set(ascendingEntries(random, 20000));
    expectWholeListAnswers(set, random, 2500); // samples taken

    // Every x moved in place, order kept, without telling the set.
    for (const auto& entry : set) entry->setX(entry->x() * 2 + 7);
    expectWholeListAnswers(set, random, 5007);

    // Entries inserted in order, and removed, in the same storage.
    set.reserveCapacity(30000);
    for (int k = 0; k < 500; ++k)
        set.addEntryOrdered(std::make_shared<ChartDataEntry>(static_cast<double>(random() % 5000), 1));
    expectWholeListAnswers(set, random, 5007);
    ASSERT_TRUE(set.removeFirst(3000));
    expectWholeListAnswers(set, random, 5007);
    ASSERT_TRUE(set.removeLast(12000));
    expectWholeListAnswers(set, random, 5007);
}

TEST(LongListLookupTest, NaNEntriesStillCountAsFar) {
    std::mt19937 random(7);
    auto entries = ascendingEntries(random, 8192);
    for (std::size_t index = 100; index < entries.size(); index += 700) entries[index]->setX(nan);
    ChartDataSet set(entries);
    for (double xValue : {-1.0, 0.0, 10.0, 500.5, 1023.75, 5000.0}) {
        for (auto rounding : {Rounding::up, Rounding::down, Rounding::closest}) {
            const auto index = set.entryIndex(xValue, nan, rounding);
            ASSERT_GE(index, 0);
            EXPECT_FALSE(std::isnan(set.entryForIndex(index)->x()));
        }
    }
    EXPECT_EQ(set.entryIndex(nan, nan, Rounding::closest), -1);
    EXPECT_TRUE(set.entriesForXValue(nan).empty());
}

} // namespace
} // namespace charts
