#pragma once
// Side-by-side timing of a library call ("ours") and what it competes with:
// the raw platform call it wraps ("raw": the CBLAS/LAPACK/FFTW call, or the
// kernel of Numerics/Kernels.h, with the same allocation of a result where the
// library must make one, or a peer such as the other argument order) and,
// where there is one, a plain loop compiled at -O2 (plain_loops.cpp).
//
// A run of a benchmark takes paired samples: in each, every variant runs a
// batch of calls (enough for about 20 us of the thread's processor time, so
// that the clock's own cost does not count at small sizes), in an order that rotates from sample to sample
// so that no variant always finds a warm cache. Samples from every repetition
// (--benchmark_repetitions) are pooled; when the program ends a table gives,
// per row, the median time per call of each variant and the median of the
// per-sample ratios, against the row's goal. Medians of paired samples keep
// the figures usable on a shared machine; pin the program to one core
// (taskset) when other work runs.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <type_traits>
#include <vector>

namespace bench {

// The goal of the rows that must be no slower than their raw call: equal
// within what the medians resolve on a shared machine.
inline constexpr double kNoSlower = 1.02;

struct Row {
    std::string operation; // "add(x, s)"
    std::string size;      // "64", "1e6", "2^16", "512x512"
    double goal = 1.10;    // largest accepted median ours/raw; 0 for none
    double loopGoal = 0;   // largest accepted median ours/loop; 0 for none
};

namespace detail {

struct Samples {
    Row row;
    bool hasLoop = false;
    std::vector<double> ours, raw, loop, oursOverRaw, oursOverLoop;
};

inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    const auto mid = v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    if (v.size() % 2 == 1) return *mid;
    return (*mid + *std::max_element(v.begin(), mid)) / 2;
}

inline std::string microseconds(double ns) {
    char text[32];
    std::snprintf(text, sizeof text, ns < 10e3 ? "%.3f" : "%.1f", ns / 1e3);
    return text;
}

class Summary {
public:
    static Summary& instance() {
        static Summary s;
        return s;
    }

    std::shared_ptr<Samples> open(const Row& row, bool hasLoop) {
        std::lock_guard<std::mutex> lock(mutex_);
        auto s = std::make_shared<Samples>();
        s->row = row;
        s->hasLoop = hasLoop;
        rows_.push_back(s);
        return s;
    }

    ~Summary() { print(); }

private:
    void print() const {
        if (rows_.empty()) return;
        std::printf("\nNumerics: each library call beside its raw call; medians per call over paired samples\n");
        std::printf("%-36s %-8s %11s %11s %9s %6s %11s %9s %7s  %s\n", "operation", "size", "ours (us)", "raw (us)",
                    "ours/raw", "goal", "loop (us)", "ours/loop", "samples", "verdict");
        int outside = 0, judged = 0;
        for (const auto& s : rows_) {
            if (s->ours.empty()) continue;
            const double ratio = median(s->oursOverRaw);
            std::string goal = "-", loop = "-", loopRatio = "-", verdict;
            if (s->row.goal > 0) {
                char g[16];
                std::snprintf(g, sizeof g, "%.2f", s->row.goal);
                goal = g;
                ++judged;
                const bool ok = ratio <= s->row.goal;
                verdict = ok ? "ok" : "OVER";
                outside += !ok;
            }
            if (s->hasLoop) {
                loop = microseconds(median(s->loop));
                char q[16];
                const double lr = median(s->oursOverLoop);
                std::snprintf(q, sizeof q, "%.3f", lr);
                loopRatio = q;
                if (s->row.loopGoal > 0) {
                    ++judged;
                    const bool ok = lr <= s->row.loopGoal;
                    verdict += verdict.empty() ? "" : ", ";
                    verdict += ok ? "loop ok" : "loop OVER";
                    outside += !ok;
                }
            }
            std::printf("%-36s %-8s %11s %11s %9.3f %6s %11s %9s %7zu  %s\n", s->row.operation.c_str(),
                        s->row.size.c_str(), microseconds(median(s->ours)).c_str(),
                        microseconds(median(s->raw)).c_str(), ratio, goal.c_str(), loop.c_str(), loopRatio.c_str(),
                        s->ours.size(), verdict.c_str());
        }
        std::printf("%d of %d goals missed\n", outside, judged);
    }

    std::mutex mutex_;
    std::vector<std::shared_ptr<Samples>> rows_;
};

// The thread's own processor time: time the thread spends preempted by other
// work on a shared machine does not count.
inline double threadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e9 + double(t.tv_nsec);
}

template <class F>
double batchNs(F& f, int batch) {
    const double t0 = threadNs();
    for (int i = 0; i < batch; ++i) f();
    return threadNs() - t0;
}

// Calls per batch: enough for about 20 us of the library call.
template <class F>
int batchSize(F& f) {
    f(); // warm: inputs built, plans made, pages touched
    int batch = 1;
    while (batch < (1 << 20) && batchNs(f, batch) < 20e3) batch *= 2;
    return batch;
}

struct NoLoop {
    void operator()() const {}
};

} // namespace detail

// Sampling of one run: at least kMinSamples samples and kMinSeconds of
// calls, but no more than kMaxSeconds.
inline constexpr int kMinSamples = 41;
inline constexpr double kMinSeconds = 0.3;
inline constexpr double kMaxSeconds = 8;

// Registers one comparison. The calls build their inputs on first use, so that
// only the benchmarks that run pay for them. Google Benchmark runs each once
// per repetition; the run takes its own samples.
template <class Ours, class Raw, class Loop = detail::NoLoop>
void add(const Row& row, Ours ours, Raw raw, Loop loop = {}) {
    constexpr bool hasLoop = !std::is_same_v<Loop, detail::NoLoop>;
    auto samples = detail::Summary::instance().open(row, hasLoop);
    auto batch = std::make_shared<int>(0);
    const std::string name = row.operation + " [" + row.size + "]";
    auto* b = benchmark::RegisterBenchmark(name.c_str(), [=](benchmark::State& state) mutable {
        if (*batch == 0) *batch = detail::batchSize(ours);
        const int k = *batch;
        for (auto _ : state) {
            double spent = 0, oursTotal = 0;
            int taken = 0;
            while ((taken < kMinSamples || spent < kMinSeconds * 1e9) && spent < kMaxSeconds * 1e9) {
                double o = 0, r = 0, p = 0;
                switch (taken % 3) {
                case 0:
                    o = detail::batchNs(ours, k);
                    r = detail::batchNs(raw, k);
                    if constexpr (hasLoop) p = detail::batchNs(loop, k);
                    break;
                case 1:
                    r = detail::batchNs(raw, k);
                    if constexpr (hasLoop) p = detail::batchNs(loop, k);
                    o = detail::batchNs(ours, k);
                    break;
                default:
                    if constexpr (hasLoop) p = detail::batchNs(loop, k);
                    o = detail::batchNs(ours, k);
                    r = detail::batchNs(raw, k);
                    break;
                }
                ++taken;
                spent += o + r + p;
                oursTotal += o;
                samples->ours.push_back(o / k);
                samples->raw.push_back(r / k);
                samples->oursOverRaw.push_back(o / r);
                if constexpr (hasLoop) {
                    samples->loop.push_back(p / k);
                    samples->oursOverLoop.push_back(o / p);
                }
            }
            // Google Benchmark's own time column is the library call's mean.
            state.SetIterationTime(oursTotal * 1e-9 / (double(taken) * k));
        }
        state.counters["ours/raw"] = detail::median(samples->oursOverRaw);
        if constexpr (hasLoop) state.counters["ours/loop"] = detail::median(samples->oursOverLoop);
    });
    b->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(1);
}

template <class T>
void keep(const T& value) {
    benchmark::DoNotOptimize(value);
}

} // namespace bench
