// Ordered insertion into a long list: each insertion looks its place up by x
// and so leaves the sampled x values of the list stale.
#include <benchmark/benchmark.h>

#include <random>

#include "Charts/data/ChartDataSet.h"

namespace {

void BM_AddEntryOrdered(benchmark::State& state) {
    const auto count = state.range(0);
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> xs(0, static_cast<double>(count));
    for (auto _ : state) {
        state.PauseTiming();
        charts::ChartDataSet::Entries entries;
        for (std::int64_t index = 0; index < count; ++index)
            entries.push_back(std::make_shared<charts::ChartDataEntry>(static_cast<double>(index), 0));
        charts::ChartDataSet set(std::move(entries));
        set.reserveCapacity(count + 1000);
        state.ResumeTiming();
        for (int k = 0; k < 1000; ++k) set.addEntryOrdered(std::make_shared<charts::ChartDataEntry>(xs(random), 1));
        benchmark::DoNotOptimize(set.entryCount());
    }
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_AddEntryOrdered)->Arg(100'000)->Unit(benchmark::kMicrosecond);

} // namespace
