#pragma once
// Convolution, correlation and FFT. conv and xcorr run on the correlation
// kernel (vec::correlate) over a zero-padded copy of the signal; fft runs the
// radix-2 complex FFT (FFTW3, Platform.h) over the first 2^floor(log2 n)
// points and returns scaled magnitudes.

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "Numerics/Kernels.h"
#include "Numerics/Memory.h"
#include "Numerics/Platform.h"

namespace numerics {

namespace detail {

// d zeros, the elements of x in iteration order, d zeros.
template <RealCollection C>
std::vector<ElementOf<C>> zeroPadded(const C& x, int64_t d) {
    using T = ElementOf<C>;
    require(d >= 0);
    return withUnsafeMemory(x, [&](UnsafeMemory<T> v) {
        require(v.count >= 0);
        std::vector<T> padded(static_cast<std::size_t>(checkedAdd(v.count, checkedMul(2, d))), T(0));
        T* out = padded.data() + d;
        if (v.stride == 1) {
            std::copy(v.pointer, v.pointer + v.count, out);
        } else {
            for (int64_t i = 0; i < v.count; ++i) out[i] = v.pointer[i * v.stride];
        }
        return padded;
    });
}

} // namespace detail

// Full linear convolution: count(x) + count(k) - 1 elements,
// result[n] = sum over q of x[n - q] * k[q].
//
// The direct form runs the correlation kernel once over x padded with c - 1
// zeros on each side (c = count(k)), the kernel read backwards. Here the
// kernel runs over x itself for the outputs whose window lies inside x, and
// over two small padded buffers (2(c - 1) elements each) for the c - 1
// outputs at either end: every output sums the same products in the same
// order, so the results are those of the single padded call, without copying
// the signal.
template <class S, class K>
requires SameElement<S, K> std::vector<ElementOf<S>> conv(const S& x, const K& k) {
    using T = ElementOf<S>;
    const int64_t nx = detail::countOf(x);
    const int64_t nk = detail::countOf(k);
    detail::require(nx >= nk);
    const int64_t N = detail::checkedSub(detail::checkedAdd(nx, nk), 1);
    detail::require(N >= 0);
    std::vector<T> result(static_cast<std::size_t>(N), T(0));
    withUnsafeMemory(x, k, [&](UnsafeMemory<T> vx, UnsafeMemory<T> vk) {
        const int64_t c = vk.count;
        detail::require(c != 0);
        const int64_t d = c - 1; // pad length
        // The kernel read backwards: from its last element with stride -stride.
        const T* last = vk.pointer + d * vk.stride;
        const auto P = detail::vectorLength(c);
        // Interior: outputs d ... nx - 1 read x directly (window x[n - d ... n]).
        vec::correlate(vx.pointer, vx.stride, last, -vk.stride, result.data() + d, 1, detail::vectorLength(nx - d), P);
        if (d == 0) return;
        // Left end, outputs 0 ... d - 1: d zeros, then x[0 ... d - 1].
        std::vector<T> edge(static_cast<std::size_t>(2 * d), T(0));
        for (int64_t i = 0; i < d; ++i) edge[static_cast<std::size_t>(d + i)] = vx.pointer[i * vx.stride];
        vec::correlate(edge.data(), 1, last, -vk.stride, result.data(), 1, detail::vectorLength(d), P);
        // Right end, outputs nx ... nx + d - 1: x[nx - d ... nx - 1], then d zeros.
        std::fill(edge.begin(), edge.end(), T(0));
        for (int64_t i = 0; i < d; ++i) edge[static_cast<std::size_t>(i)] = vx.pointer[(nx - d + i) * vx.stride];
        vec::correlate(edge.data(), 1, last, -vk.stride, result.data() + nx, 1, detail::vectorLength(d), P);
    });
    return result;
}

// Cross-correlation for every lag: 2 * count(x) - 1 elements; y is padded
// with zeros to count(x); element count(x) - 1 is the zero lag.
template <class A, class B>
requires SameElement<A, B> std::vector<ElementOf<A>> xcorr(const A& x, const B& y) {
    using T = ElementOf<A>;
    const int64_t nx = detail::countOf(x);
    const int64_t ny = detail::countOf(y);
    detail::require(nx >= ny);
    auto yp = detail::copyToArray(y);
    if (ny < nx) yp.resize(static_cast<std::size_t>(nx), T(0));
    const int64_t c = static_cast<int64_t>(yp.size());
    const int64_t N = detail::checkedSub(detail::checkedAdd(nx, c), 1);
    std::vector<T> result(static_cast<std::size_t>(N < 0 ? 0 : N), T(0));
    detail::require(c != 0);
    const auto padded = detail::zeroPadded(x, c - 1);
    vec::correlate(padded.data(), 1, yp.data(), 1, result.data(), 1, detail::vectorLength(N), detail::vectorLength(c));
    return result;
}

// Autocorrelation: 2n - 1 elements, symmetric about element n - 1 (the sum of
// squares).
template <RealCollection C>
std::vector<ElementOf<C>> xcorr(const C& x) {
    using T = ElementOf<C>;
    const int64_t n = detail::countOf(x);
    const int64_t N = detail::checkedSub(detail::checkedMul(2, n), 1);
    detail::require(n != 0);
    std::vector<T> result(static_cast<std::size_t>(N), T(0));
    const auto padded = detail::zeroPadded(x, n - 1);
    withUnsafeMemory(x, [&](UnsafeMemory<T> v) {
        vec::correlate(padded.data(), 1, v.pointer, v.stride, result.data(), 1, detail::vectorLength(N),
                       detail::vectorLength(v.count));
    });
    return result;
}

// Scaled magnitudes of the forward transform: |X[k]| * 2 / n over the first
// 2^floor(log2 n) points; the points beyond keep |x[k]| * 2 / n.
//
// The transformed points are the only scratch: one block of their real parts
// (the input's first 2^floor(log2 n) elements) and zero imaginary parts, laid
// out as radix2::forward takes them (the imaginary half a little off the
// power-of-two distance, at which the transform ran up to 1.6 times slower),
// transformed in place by the kept plan of its size; the magnitudes go
// straight into the result. Each magnitude is the square root of re^2 + im^2,
// then scaled, as three separate passes would compute it.
template <Real T>
std::vector<T> fft(const std::vector<T>& input) {
    const std::size_t n = input.size();
    // The largest power of two not above n, exactly (a single-precision log2
    // rounds up just below a power of two, and the transform would then run
    // past the arrays). An empty input has none.
    detail::require(n > 0);
    const auto log2n = static_cast<std::size_t>(std::bit_width(n) - 1);
    detail::require(log2n <= radix2::kLargestLog2);
    const std::size_t m = std::size_t(1) << log2n;

    std::unique_ptr<T[]> points(new T[radix2::blockLength<T>(log2n)]);
    T* re = points.get();
    T* im = re + radix2::imaginaryOffset<T>(log2n);
    std::copy(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(m), re);
    std::fill(im, im + m, T(0));
    detail::require(radix2::forward(points.get(), log2n));

    const T factor = T(2) / static_cast<T>(n);
    std::vector<T> result(n);
    vec::scaledMagnitudes(re, im, &factor, result.data(), m);
    vec::scaledRealMagnitudes(input.data() + m, &factor, result.data() + m, n - m);
    return result;
}

} // namespace numerics
