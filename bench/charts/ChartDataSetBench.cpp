// Lookups by x must stay logarithmic and bound recalculation linear in the
// entry count: the measurement graphs refresh data sets of every size.
#include <benchmark/benchmark.h>

#include <cstdint>
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

void lookupX(benchmark::State& state, ChartDataSetRounding rounding, double closestToY) {
    const auto set = ascendingSet(state.range(0));
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> xs(0, static_cast<double>(state.range(0)) * 0.5);
    for (auto _ : state) benchmark::DoNotOptimize(set->entryIndex(xs(random), closestToY, rounding));
}

void BM_EntryIndexClosest(benchmark::State& state) {
    lookupX(state, ChartDataSetRounding::closest, std::numeric_limits<double>::quiet_NaN());
}
BENCHMARK(BM_EntryIndexClosest)->Arg(1'000)->Arg(1'000'000);

void BM_EntryIndexUpClosestY(benchmark::State& state) { lookupX(state, ChartDataSetRounding::up, 500); }
BENCHMARK(BM_EntryIndexUpClosestY)->Arg(1'000'000);

void BM_EntriesForXValue(benchmark::State& state) {
    const auto set = ascendingSet(state.range(0));
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::int64_t> indexes(0, state.range(0) - 1);
    for (auto _ : state) benchmark::DoNotOptimize(set->entriesForXValue(static_cast<double>(indexes(random)) * 0.5));
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
