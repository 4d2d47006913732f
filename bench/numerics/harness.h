#pragma once
// Side-by-side timing of a library function and what it wraps.
//
// Each benchmark runs, in every iteration and in rotating order, the library
// call ("lib"), the raw platform call it wraps ("raw": the CBLAS/LAPACK/FFTW
// call, or the vector or math kernel of Numerics/Kernels.h, with the
// same allocation of a result where the library must make one) and, where
// there is one, a plain loop compiled at -O2 (plain_loops.cpp). The reported
// time is the library call's; the counters give the per-call times and the
// ratios lib/raw and lib/loop. A summary table with the goals (lib/raw at most
// 1.10; element-wise functions at most 1.5 times the plain loop) is printed
// when the program ends.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace bench {

struct Row {
    std::string name;
    std::string group;
    double libNs = 0, rawNs = 0, loopNs = 0;
    bool hasRaw = false, hasLoop = false;
};

class Summary {
public:
    static Summary& instance() {
        static Summary s;
        return s;
    }
    void record(const Row& row) {
        std::lock_guard<std::mutex> lock(mutex_);
        // Google Benchmark calls the function several times while it settles
        // the iteration count; the last (longest) run wins.
        auto it = index_.find(row.name);
        if (it == index_.end()) {
            index_[row.name] = rows_.size();
            rows_.push_back(row);
        } else {
            rows_[it->second] = row;
        }
    }
    ~Summary() { print(); }

    void print() const {
        if (rows_.empty()) return;
        std::printf("\nNumerics wrapper overhead summary (per call; ratio = library / baseline)\n");
        std::printf("%-34s %12s %12s %8s %12s %8s  %s\n", "function", "lib (us)", "raw (us)", "lib/raw", "loop (us)",
                    "lib/loop", "goal");
        int failures = 0;
        for (const auto& r : rows_) {
            char raw[32] = "-", rawRatio[32] = "-", loop[32] = "-", loopRatio[32] = "-";
            std::string verdict;
            if (r.hasRaw) {
                std::snprintf(raw, sizeof raw, "%.1f", r.rawNs / 1e3);
                const double q = r.libNs / r.rawNs;
                std::snprintf(rawRatio, sizeof rawRatio, "%.3f", q);
                verdict += q <= 1.10 ? "raw ok" : "raw OVER";
                failures += q > 1.10;
            }
            if (r.hasLoop) {
                std::snprintf(loop, sizeof loop, "%.1f", r.loopNs / 1e3);
                const double q = r.libNs / r.loopNs;
                std::snprintf(loopRatio, sizeof loopRatio, "%.3f", q);
                if (r.group == "elementwise") {
                    verdict += verdict.empty() ? "" : ", ";
                    verdict += q <= 1.5 ? "loop ok" : "loop OVER";
                    failures += q > 1.5;
                }
            }
            std::printf("%-34s %12.1f %12s %8s %12s %8s  %s\n", r.name.c_str(), r.libNs / 1e3, raw, rawRatio, loop,
                        loopRatio, verdict.c_str());
        }
        std::printf("%d of %zu rows outside their goal\n", failures, rows_.size());
    }

private:
    std::mutex mutex_;
    std::vector<Row> rows_;
    std::map<std::string, std::size_t> index_;
};

using Call = std::function<void()>;

inline double elapsedNs(const Call& f) {
    const auto t0 = std::chrono::steady_clock::now();
    f();
    const auto t1 = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(t1 - t0).count();
}

// group: "elementwise" for the functions held to the 1.5x plain-loop goal.
inline void compare(benchmark::State& state, const std::string& name, const std::string& group, const Call& lib,
                    const Call& raw, const Call& loop) {
    Row row;
    row.name = name;
    row.group = group;
    row.hasRaw = static_cast<bool>(raw);
    row.hasLoop = static_cast<bool>(loop);
    int64_t iteration = 0;
    for (auto _ : state) {
        double l = 0, r = 0, p = 0;
        // Rotate the order so that no variant always runs on a warm cache.
        switch (iteration++ % 3) {
        case 0:
            l = elapsedNs(lib);
            if (raw) r = elapsedNs(raw);
            if (loop) p = elapsedNs(loop);
            break;
        case 1:
            if (raw) r = elapsedNs(raw);
            if (loop) p = elapsedNs(loop);
            l = elapsedNs(lib);
            break;
        default:
            if (loop) p = elapsedNs(loop);
            l = elapsedNs(lib);
            if (raw) r = elapsedNs(raw);
            break;
        }
        row.libNs += l;
        row.rawNs += r;
        row.loopNs += p;
        state.SetIterationTime(l * 1e-9);
    }
    const double n = static_cast<double>(std::max<int64_t>(iteration, 1));
    row.libNs /= n;
    row.rawNs /= n;
    row.loopNs /= n;
    state.counters["lib_us"] = row.libNs / 1e3;
    if (row.hasRaw) {
        state.counters["raw_us"] = row.rawNs / 1e3;
        state.counters["lib/raw"] = row.libNs / row.rawNs;
    }
    if (row.hasLoop) {
        state.counters["loop_us"] = row.loopNs / 1e3;
        state.counters["lib/loop"] = row.libNs / row.loopNs;
    }
    Summary::instance().record(row);
}

// Registers one comparison. The calls are made by `setup` on first use, so
// that the inputs are built only when the benchmark runs.
inline void add(const std::string& name, const std::string& group, Call lib, Call raw, Call loop = {},
                int iterations = 0) {
    auto* b = benchmark::RegisterBenchmark(
        name.c_str(), [=](benchmark::State& state) { compare(state, name, group, lib, raw, loop); });
    b->UseManualTime()->Unit(benchmark::kMicrosecond);
    if (iterations > 0) b->Iterations(iterations);
}

template <class T>
void keep(const T& value) {
    benchmark::DoNotOptimize(value);
}

} // namespace bench
