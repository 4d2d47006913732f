#pragma once
// Reductions and statistics. Each single-kernel reduction has the reading
// shape: one kernel call over the collection's own storage, its stride passed
// through, no copy.

#include <cmath>

#include "Numerics/Arithmetic.h"
#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"
#include "Numerics/Platform.h"

namespace numerics {

namespace detail {

// Reading shape: open the read view, check the length, result = 0, one call.
template <RealCollection C, class Routine>
ElementOf<C> reduce(const C& x, Routine routine) {
    return withUnsafeMemory(x, [&](UnsafeMemory<ElementOf<C>> v) {
        const auto n = vectorLength(v.count);
        ElementOf<C> result = 0;
        routine(v.pointer, v.stride, &result, n);
        return result;
    });
}

} // namespace detail

// Sum of the elements.
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> sum(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::sum(a...); });
}

// Sum of magnitudes (cblas_dasum / cblas_sasum; 32-bit count and stride).
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> asum(const C& x) {
    return withUnsafeMemory(x, [](UnsafeMemory<ElementOf<C>> v) {
        const int n = detail::cblasInt(v.count);
        const int inc = detail::cblasInt(v.stride);
        // BLAS's asum reads nothing for a negative increment; the magnitudes of
        // a backward run are those of the same elements read forward.
        if (inc < 0) return blas::asum(n, detail::blasBase(v.pointer, v.stride, v.count), detail::cblasInt(-v.stride));
        return blas::asum(n, v.pointer, inc);
    });
}

template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> sumsq(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::sumOfSquares(a...); });
}

// Largest element, NaN elements skipped (-infinity for an empty collection,
// NaN when every element is NaN).
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> max(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::maximum(a...); });
}

// Smallest element, NaN elements skipped (+infinity for an empty collection,
// NaN when every element is NaN).
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> min(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::minimum(a...); });
}

// Sum / N (NaN for an empty collection): the moving averager.
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> mean(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::mean(a...); });
}

template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> meamg(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::meanMagnitude(a...); });
}

template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> measq(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::meanSquare(a...); });
}

template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> rmsq(const C& x) {
    return detail::reduce(x, [](auto... a) { vec::rootMeanSquare(a...); });
}

// Population variance about the given mean (not checked against the data).
template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> variance(const C& x, ElementOf<C> mean) {
    const auto d = sub(x, mean);
    ElementOf<C> result = 0;
    vec::meanSquare(d.data(), 1, &result, detail::vectorLength(static_cast<int64_t>(d.size())));
    return result;
}

template <RealCollection C>
NUMERICS_ONE_BODY ElementOf<C> variance(const C& x) {
    return variance(x, mean(x));
}

// Standard deviation. Its public name is std; call it qualified
// (numerics::std) or by its alias stddev, since unqualified `std` is
// ambiguous with namespace std under a using-directive.
template <RealCollection C>
ElementOf<C> std(const C& x) {
    return std::sqrt(variance(x));
}

template <RealCollection C>
ElementOf<C> std(const C& x, ElementOf<C> mean) {
    return std::sqrt(variance(x, mean));
}

template <RealCollection C>
ElementOf<C> stddev(const C& x) {
    return std::sqrt(variance(x));
}

template <RealCollection C>
ElementOf<C> stddev(const C& x, ElementOf<C> mean) {
    return std::sqrt(variance(x, mean));
}

template <Real T>
struct LinearRegression {
    T slope;
    T intercept;
};

// Least-squares line y = slope * x + intercept, in a fixed order of
// operations (the build has no contraction into fused multiply-adds), so the
// results repeat bit for bit.
template <class A, class B>
requires SameElement<A, B> NUMERICS_ONE_BODY LinearRegression<ElementOf<A>> linregress(const A& x, const B& y) {
    using T = ElementOf<A>;
    detail::require(detail::countOf(x) == detail::countOf(y));
    const T mx = mean(x);
    const T my = mean(y);
    const auto products = elmul(x, y);
    T mxy = 0;
    vec::mean(products.data(), 1, &mxy, detail::vectorLength(static_cast<int64_t>(products.size())));
    const T numerator = mx * my - mxy;
    const T msq = measq(x);
    const T slope = numerator / (mx * mx - msq);
    const T intercept = my - mx * slope;
    return {slope, intercept};
}

} // namespace numerics
