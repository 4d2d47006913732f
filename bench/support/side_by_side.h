#pragma once
// Variants of one operation timed side by side: each round runs every variant
// once, in an order that rotates from round to round so that none always
// finds the caches the previous one left; the medians of the rounds are kept.
// On a shared machine medians of interleaved rounds are what stays usable.
#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
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

// Milliseconds per round of each variant, in the variants' order.
inline std::vector<std::vector<double>> timeSideBySide(const std::vector<Variant>& variants, int rounds) {
    std::vector<std::vector<double>> times(variants.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < variants.size(); ++k) {
            const std::size_t v = (k + static_cast<std::size_t>(round)) % variants.size();
            const auto start = std::chrono::steady_clock::now();
            variants[v].run();
            const auto end = std::chrono::steady_clock::now();
            times[v].push_back(std::chrono::duration<double, std::milli>(end - start).count());
        }
    }
    return times;
}

} // namespace bench
