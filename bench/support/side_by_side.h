#pragma once
// Variants of one operation timed side by side: each round runs every variant
// once, in an order that changes from round to round so that none always
// starts the round or always finds the caches the same neighbour left; the
// medians of the rounds are kept. On a shared machine medians of interleaved
// rounds are what stays usable.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

namespace bench {

struct Variant {
    std::string name;
    std::function<void()> run;
};

inline double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t mid = v.size() / 2;
    return v.size() % 2 == 1 ? v[mid] : (v[mid - 1] + v[mid]) / 2;
}

// The order of round `round` over `count` variants: from a starting variant
// in steps of a stride prime to the count. Both change from round to round:
// the start walks through every variant, and the stride through every step
// that visits them all, so each variant follows a different neighbour from
// one round to the next (with three or more variants).
inline std::vector<std::size_t> roundOrder(std::size_t count, std::size_t round) {
    std::vector<std::size_t> strides;
    for (std::size_t s = 1; s < std::max<std::size_t>(count, 2); ++s)
        if (std::gcd(s, count) == 1) strides.push_back(s);
    const std::size_t stride = strides[round % strides.size()];
    const std::size_t start = count == 0 ? 0 : round % count;
    std::vector<std::size_t> order;
    for (std::size_t k = 0; k < count; ++k) order.push_back((start + k * stride) % count);
    return order;
}

// Milliseconds per round of each variant, in the variants' order. Rounds are
// numbered from `firstRound`, so that a caller timing one round at a time
// still gets a new order each time.
inline std::vector<std::vector<double>> timeSideBySide(const std::vector<Variant>& variants, int rounds,
                                                       std::size_t firstRound = 0) {
    std::vector<std::vector<double>> times(variants.size());
    for (int r = 0; r < rounds; ++r) {
        for (const std::size_t v : roundOrder(variants.size(), firstRound + static_cast<std::size_t>(r))) {
            const auto start = std::chrono::steady_clock::now();
            variants[v].run();
            const auto end = std::chrono::steady_clock::now();
            times[v].push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    return times;
}

// The fewest different variants that ran just before any one variant over
// rounds 0 to rounds - 1: how well the rotation mixed the neighbours.
inline std::size_t fewestNeighbours(std::size_t count, std::size_t rounds) {
    std::size_t fewest = count;
    for (std::size_t v = 0; v < count; ++v) {
        std::vector<bool> before(count, false);
        for (std::size_t r = 0; r < rounds; ++r) {
            const auto order = roundOrder(count, r);
            const auto at = std::find(order.begin(), order.end(), v) - order.begin();
            if (at > 0) before[order[static_cast<std::size_t>(at - 1)]] = true;
        }
        fewest = std::min(fewest, static_cast<std::size_t>(std::count(before.begin(), before.end(), true)));
    }
    return fewest;
}

// Times one round of every variant per iteration of a benchmark loop, each
// round in an order of its own, then prints the median milliseconds of each
// variant under `title` and answers them in the variants' order.
template <class BenchmarkState>
std::vector<double> medianMillisecondsPerRound(BenchmarkState& state, const std::vector<Variant>& variants,
                                               const char* title, int decimals = 3) {
    std::vector<std::vector<double>> all(variants.size());
    std::size_t round = 0;
    for (auto _ : state) {
        const auto times = timeSideBySide(variants, 1, round++);
        for (std::size_t v = 0; v < variants.size(); ++v) all[v].push_back(times[v].front());
    }
    std::printf("\n%zu rounds in rotating orders: every variant ran after at least %zu different ones\n", round,
                fewestNeighbours(variants.size(), round));
    std::printf("%-26s %10s\n", title, "median ms");
    std::vector<double> medians;
    for (std::size_t v = 0; v < variants.size(); ++v) {
        medians.push_back(median(all[v]));
        std::printf("%-26s %10.*f\n", variants[v].name.c_str(), decimals, medians.back());
    }
    return medians;
}

} // namespace bench
