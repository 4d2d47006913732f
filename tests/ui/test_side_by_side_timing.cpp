// The order in which the preview benchmarks time their variants: a new one
// every round, even when a caller times one round at a time, so that no
// variant always runs right after the same neighbour.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "bench/support/side_by_side.h"

namespace {

TEST(SideBySideTiming, EveryRoundRunsEachVariantOnceAndNoneAlwaysFollowsTheSameNeighbour) {
    for (const std::size_t count : {3u, 4u, 6u, 7u, 8u}) {
        std::vector<std::set<std::size_t>> before(count);
        std::set<std::size_t> firsts;
        for (std::size_t round = 0; round < 40; ++round) {
            auto order = bench::roundOrder(count, round);
            for (std::size_t k = 1; k < order.size(); ++k) before[order[k]].insert(order[k - 1]);
            firsts.insert(order.front());
            std::sort(order.begin(), order.end());
            for (std::size_t k = 0; k < count; ++k) ASSERT_EQ(order[k], k) << count << " variants, round " << round;
        }
        EXPECT_EQ(firsts.size(), count) << "every variant starts some round";
        for (std::size_t v = 0; v < count; ++v) EXPECT_GE(before[v].size(), 2u) << "variant " << v << " of " << count;
    }
    // Two variants simply take turns.
    EXPECT_EQ(bench::roundOrder(2, 0), (std::vector<std::size_t>{0, 1}));
    EXPECT_EQ(bench::roundOrder(2, 1), (std::vector<std::size_t>{1, 0}));
}

TEST(SideBySideTiming, OneRoundAtATimeStillRotatesWhenTheRoundsAreNumbered) {
    std::vector<std::size_t> ran;
    std::vector<bench::Variant> variants;
    for (std::size_t v = 0; v < 7; ++v) variants.push_back({"v" + std::to_string(v), [&ran, v] { ran.push_back(v); }});
    std::set<std::vector<std::size_t>> orders;
    for (std::size_t round = 0; round < 10; ++round) {
        ran.clear();
        const auto times = bench::timeSideBySide(variants, 1, round);
        EXPECT_EQ(ran, bench::roundOrder(7, round));
        for (const auto& t : times) EXPECT_EQ(t.size(), 1u);
        orders.insert(ran);
    }
    EXPECT_EQ(orders.size(), 10u);
}

} // namespace
