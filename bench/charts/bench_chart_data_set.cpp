// Lookups by x must stay logarithmic and bound recalculation linear in the
// entry count: the measurement graphs refresh data sets of every size.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "Charts/data/ChartDataSet.h"

namespace {

using charts::ChartDataEntry;
using charts::ChartDataSet;
using charts::ChartDataSetRounding;

std::shared_ptr<ChartDataSet> ascendingSet(std::int64_t count) {
    ChartDataSet::Entries entries;
    entries.reserve(static_cast<std::size_t>(count));
    for (std::int64_t index = 0; index < count; ++index)
        entries.push_back(std::make_shared<ChartDataEntry>(static_cast<double>(index) * 0.5,
                                                           static_cast<double>((index * 7919) % 1000)));
    return std::make_shared<ChartDataSet>(std::move(entries), QStringLiteral("Bench"));
}

// Random positions over the whole set, drawn before timing starts.
std::vector<double> randomXs(std::int64_t count) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> xs(0, static_cast<double>(count) * 0.5);
    std::vector<double> values(4096);
    for (auto& value : values) value = xs(random);
    return values;
}

void lookupX(benchmark::State& state, ChartDataSetRounding rounding, double closestToY) {
    const auto set = ascendingSet(state.range(0));
    const auto xs = randomXs(state.range(0));
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set->entryIndex(xs[next], closestToY, rounding));
        next = (next + 1) % xs.size();
    }
}

void BM_EntryIndexClosest(benchmark::State& state) {
    lookupX(state, ChartDataSetRounding::closest, std::numeric_limits<double>::quiet_NaN());
}
BENCHMARK(BM_EntryIndexClosest)->Arg(1'000)->Arg(1'000'000);

void BM_EntryIndexUpClosestY(benchmark::State& state) { lookupX(state, ChartDataSetRounding::up, 500); }
BENCHMARK(BM_EntryIndexUpClosestY)->Arg(1'000'000);

void BM_EntriesForXValue(benchmark::State& state) {
    const auto set = ascendingSet(state.range(0));
    auto xs = randomXs(state.range(0));
    for (auto& x : xs) x = std::floor(x * 2) / 2; // entries lie on half steps
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(set->entriesForXValue(xs[next]));
        next = (next + 1) % xs.size();
    }
}
BENCHMARK(BM_EntriesForXValue)->Arg(1'000'000);

void BM_CalcMinMax(benchmark::State& state) {
    const auto set = ascendingSet(state.range(0));
    for (auto _ : state) {
        set->calcMinMax();
        benchmark::DoNotOptimize(set->yMax());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CalcMinMax)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Complexity(benchmark::oN);

} // namespace
