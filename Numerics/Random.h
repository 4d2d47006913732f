#pragma once
// Random arrays. Uniform draws over a closed range (unbiased, both ends
// reachable) and normal draws by the cosine branch of the Box-Muller
// transform, from a caller's generator or the system's secure random source.

#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <vector>

#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"

namespace numerics {

// A closed range lowerBound...upperBound of the element type.
template <std::floating_point T>
struct ClosedRange {
    T lowerBound;
    T upperBound;
};

// A source of uniformly distributed 64-bit unsigned integers: an object whose
// call operator yields the next value (std::mt19937_64 is one).
template <class G>
concept RandomNumberGenerator = requires(G& g) {
    { g() } -> std::convertible_to<uint64_t>;
};

// The system's secure random source (getrandom), buffered per thread. Any
// number of threads may use it at once.
struct SystemRandomNumberGenerator {
    uint64_t operator()();
};

namespace detail {

// The next random bits of the width the element type draws: 64 for double,
// 32 (the low half of the generator's next value) for float.
template <Real T, RandomNumberGenerator G>
auto nextBits(G& generator) {
    const auto value = static_cast<uint64_t>(generator());
    if constexpr (std::same_as<T, double>)
        return value;
    else
        return static_cast<uint32_t>(value);
}

// An integer uniform over 0 ... 2^p inclusive (p = 53 for double, 24 for
// float), without bias: multiply-and-reject over the random bits.
template <Real T, RandomNumberGenerator G>
uint64_t drawUnitNumerator(G& generator) {
    constexpr int p = std::numeric_limits<T>::digits; // 53 or 24
    if constexpr (std::same_as<T, double>) {
        constexpr uint64_t range = (uint64_t(1) << p) + 1;
        constexpr uint64_t threshold = (0 - range) % range; // (2^64 - range) mod range
        for (;;) {
            const unsigned __int128 m = static_cast<unsigned __int128>(nextBits<T>(generator)) * range;
            if (static_cast<uint64_t>(m) >= threshold) return static_cast<uint64_t>(m >> 64);
        }
    } else {
        constexpr uint32_t range = (uint32_t(1) << p) + 1;
        constexpr uint32_t threshold = (0u - range) % range; // (2^32 - range) mod range
        for (;;) {
            const uint64_t m = static_cast<uint64_t>(nextBits<T>(generator)) * range;
            if (static_cast<uint32_t>(m) >= threshold) return m >> 32;
        }
    }
}

// One uniform element of lower...upper (width already checked finite).
template <Real T, RandomNumberGenerator G>
T drawUniform(G& generator, T lower, T upper, T width) {
    constexpr int p = std::numeric_limits<T>::digits;
    const uint64_t k = drawUnitNumerator<T>(generator);
    if (k == (uint64_t(1) << p)) return upper;
    const T unit = static_cast<T>(k) * (T(1) / static_cast<T>(uint64_t(1) << p));
    return unit * width + lower;
}

} // namespace detail

// count uniform values from range, element 0 first.
template <Real T, RandomNumberGenerator G>
std::vector<T> random(int64_t count, ClosedRange<T> range, G& generator) {
    detail::require(count >= 0);
    std::vector<T> r;
    if (count == 0) return r;
    const T width = range.upperBound - range.lowerBound;
    detail::require(std::isfinite(width));
    r.resize(static_cast<std::size_t>(count));
    for (auto& element : r) element = detail::drawUniform<T>(generator, range.lowerBound, range.upperBound, width);
    return r;
}

template <Real T>
std::vector<T> random(int64_t count, ClosedRange<T> range) {
    SystemRandomNumberGenerator generator;
    return random(count, range, generator);
}

// count normal values (Box-Muller, cosine branch): all of u is drawn before v.
template <Real T, RandomNumberGenerator G>
std::vector<T> randomNormal(int64_t count, T mean, T stdDeviation, G& generator) {
    auto u = random(count, ClosedRange<T>{0, 1}, generator);
    auto v = random(count, ClosedRange<T>{0, 1}, generator);
    const int n = detail::mathCount(static_cast<int64_t>(u.size()));
    const auto length = detail::vectorLength(static_cast<int64_t>(u.size()));
    vmath::log(u.data(), u.data(), n);
    const T minusTwo = -2;
    vec::multiplyScalar(u.data(), 1, &minusTwo, u.data(), 1, length);
    vmath::sqrt(u.data(), u.data(), n);
    // 2 pi is 0x401921FB54442D18 for double; for float it is 6.283185f
    // (0x40C90FDA), one unit below the float nearest 2 pi, kept so that
    // seeded float draws stay as they were.
    const T twoPi = std::same_as<T, double> ? T(6.283185307179586) : T(6.283185f);
    vec::multiplyScalar(v.data(), 1, &twoPi, v.data(), 1, detail::vectorLength(static_cast<int64_t>(v.size())));
    vmath::cos(v.data(), v.data(), detail::mathCount(static_cast<int64_t>(v.size())));
    detail::require(u.size() == v.size());
    vec::multiply(u.data(), 1, v.data(), 1, u.data(), 1, length);
    vec::multiplyScalar(u.data(), 1, &stdDeviation, u.data(), 1, length);
    vec::addScalar(u.data(), 1, &mean, u.data(), 1, length);
    return u;
}

template <Real T>
std::vector<T> randomNormal(int64_t count, T mean, T stdDeviation) {
    SystemRandomNumberGenerator generator;
    return randomNormal(count, mean, stdDeviation, generator);
}

// One normal sample (the single-value form of randomNormal):
// cos(2 pi u2) * sqrt(-2 ln u1) * stdDeviation + mean.
template <Real T, RandomNumberGenerator G>
T randomNormalScalar(T mean, T stdDeviation, G& generator) {
    const T u1 = detail::drawUniform<T>(generator, T(0), T(1), T(1));
    const T u2 = detail::drawUniform<T>(generator, T(0), T(1), T(1));
    const T twoPi = std::same_as<T, double> ? T(6.283185307179586) : T(6.283185f);
    return std::cos(twoPi * u2) * std::sqrt(T(-2) * std::log(u1)) * stdDeviation + mean;
}

template <Real T>
T randomNormalScalar(T mean, T stdDeviation) {
    SystemRandomNumberGenerator generator;
    return randomNormalScalar(mean, stdDeviation, generator);
}

} // namespace numerics
