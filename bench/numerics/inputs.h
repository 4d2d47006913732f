#pragma once
// Inputs of the numerics benchmarks: uniform random arrays, made once per
// element type, count, range and seed, and kept for the whole run (the calls
// hold references to them).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace bench {

template <class T>
const std::vector<T>& uniform(std::size_t n, double low, double high, uint64_t seed) {
    static std::map<std::tuple<std::size_t, double, double, uint64_t>, std::vector<T>> made;
    const auto key = std::make_tuple(n, low, high, seed);
    if (auto it = made.find(key); it != made.end()) return it->second;
    std::mt19937_64 generator(seed);
    std::uniform_real_distribution<double> u(low, high);
    std::vector<T> values(n);
    for (auto& v : values) v = static_cast<T>(u(generator));
    return made.emplace(key, std::move(values)).first->second;
}

// n copies of one value: the repeated operand that a raw routine needs where
// the library takes a scalar.
template <class T>
const std::vector<T>& repeated(std::size_t n, T value) {
    static std::map<std::pair<std::size_t, T>, std::vector<T>> made;
    const auto key = std::make_pair(n, value);
    if (auto it = made.find(key); it != made.end()) return it->second;
    return made.emplace(key, std::vector<T>(n, value)).first->second;
}

// A copy of values at the same offset within a 4096-byte page as `like`: an
// in-place raw call then works on storage placed as the library's, in its
// cache line and against the other operand. The BLAS kernels run at different
// speeds on differently placed data: the in-place axpy at 64 elements ran a
// tenth slower with its result 208 bytes past the operand's page offset than
// 784 bytes past it, both on the same cache-line offsets.
template <class T>
class PlacedCopy {
public:
    PlacedCopy(const std::vector<T>& values, const T* like) : buffer_(values.size() + kPage / sizeof(T)) {
        const auto offset = reinterpret_cast<std::uintptr_t>(like) % kPage;
        T* start = buffer_.data();
        while (reinterpret_cast<std::uintptr_t>(start) % kPage != offset) ++start;
        std::copy(values.begin(), values.end(), start);
        data_ = start;
    }
    T* data() { return data_; }
    const T* data() const { return data_; }

private:
    static constexpr std::uintptr_t kPage = 4096;
    std::vector<T> buffer_;
    T* data_ = nullptr;
};

// The sizes of the copying-wrapper comparisons, with their labels.
struct Size {
    std::size_t n;
    const char* label;
};
inline constexpr Size kWrapperSizes[] = {{64, "64"}, {1000, "1e3"}, {1000000, "1e6"}};

} // namespace bench
