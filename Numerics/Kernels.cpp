#include "Numerics/Kernels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace numerics {

namespace {

// Sum of f(A[i*IA]) with eight running partial sums (so the contiguous case
// vectorises without reassociation by the compiler), combined pairwise.
template <class T, class F>
inline T accumulate(const T* A, VectorStride IA, VectorLength N, F f) {
    T acc[8] = {};
    VectorLength i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] += f(A[i + k]);
        for (; i < N; ++i) acc[0] += f(A[i]);
    } else {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] += f(A[static_cast<VectorStride>(i + k) * IA]);
        for (; i < N; ++i) acc[0] += f(A[static_cast<VectorStride>(i) * IA]);
    }
    return ((acc[0] + acc[1]) + (acc[2] + acc[3])) + ((acc[4] + acc[5]) + (acc[6] + acc[7]));
}

// C[i*IC] = f(A[i*IA]); the contiguous case is a plain loop the compiler
// vectorises. In place (C = A) the loop reads and writes one array, so the
// vectorised loop runs without the overlap check that would otherwise send
// it to its element-by-element fallback.
template <class T, class F>
inline void map1(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N, F f) {
    if (IA == 1 && IC == 1) {
        if (C == A) {
            for (VectorLength i = 0; i < N; ++i) C[i] = f(C[i]);
        } else {
            for (VectorLength i = 0; i < N; ++i) C[i] = f(A[i]);
        }
    } else {
        for (VectorLength i = 0; i < N; ++i) {
            auto k = static_cast<VectorStride>(i);
            C[k * IC] = f(A[k * IA]);
        }
    }
}

template <class T, class F>
inline void map2(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorStride IC, VectorLength N, F f) {
    if (IA == 1 && IB == 1 && IC == 1) {
        if (C == A) {
            for (VectorLength i = 0; i < N; ++i) C[i] = f(C[i], B[i]);
        } else {
            for (VectorLength i = 0; i < N; ++i) C[i] = f(A[i], B[i]);
        }
    } else {
        for (VectorLength i = 0; i < N; ++i) {
            auto k = static_cast<VectorStride>(i);
            C[k * IC] = f(A[k * IA], B[k * IB]);
        }
    }
}

// True when the run has elements and every one is NaN. The extremes skip NaN
// in their comparisons, so such a run would otherwise answer the infinity of
// an empty one; it is only asked when the answer is that infinity.
template <class T>
bool onlyNaN(const T* A, VectorStride IA, VectorLength N) {
    if (N == 0) return false;
    for (VectorLength i = 0; i < N; ++i)
        if (!std::isnan(A[static_cast<VectorStride>(i) * IA])) return false;
    return true;
}

} // namespace

namespace vec {

template <class T>
void copy(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N) {
    map1(A, IA, C, IC, N, [](T x) { return x; });
}

template <class T>
void sum(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = accumulate(A, IA, N, [](T x) { return x; });
}

template <class T>
void sumOfSquares(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = accumulate(A, IA, N, [](T x) { return x * x; });
}

template <class T>
void maximum(const T* A, VectorStride IA, T* C, VectorLength N) {
    T acc[8];
    std::fill(acc, acc + 8, -std::numeric_limits<T>::infinity());
    VectorLength i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] = A[i + k] > acc[k] ? A[i + k] : acc[k];
    }
    for (; i < N; ++i) {
        T x = A[static_cast<VectorStride>(i) * IA];
        acc[0] = x > acc[0] ? x : acc[0];
    }
    *C = *std::max_element(acc, acc + 8);
    if (*C == -std::numeric_limits<T>::infinity() && onlyNaN(A, IA, N)) *C = std::numeric_limits<T>::quiet_NaN();
}

template <class T>
void minimum(const T* A, VectorStride IA, T* C, VectorLength N) {
    T acc[8];
    std::fill(acc, acc + 8, std::numeric_limits<T>::infinity());
    VectorLength i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] = A[i + k] < acc[k] ? A[i + k] : acc[k];
    }
    for (; i < N; ++i) {
        T x = A[static_cast<VectorStride>(i) * IA];
        acc[0] = x < acc[0] ? x : acc[0];
    }
    *C = *std::min_element(acc, acc + 8);
    if (*C == std::numeric_limits<T>::infinity() && onlyNaN(A, IA, N)) *C = std::numeric_limits<T>::quiet_NaN();
}

template <class T>
void mean(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = accumulate(A, IA, N, [](T x) { return x; }) / static_cast<T>(N);
}

template <class T>
void meanMagnitude(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = accumulate(A, IA, N, [](T x) { return std::fabs(x); }) / static_cast<T>(N);
}

template <class T>
void meanSquare(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = accumulate(A, IA, N, [](T x) { return x * x; }) / static_cast<T>(N);
}

template <class T>
void rootMeanSquare(const T* A, VectorStride IA, T* C, VectorLength N) {
    *C = std::sqrt(accumulate(A, IA, N, [](T x) { return x * x; }) / static_cast<T>(N));
}

template <class T>
void dotProduct(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorLength N) {
    if (IA == 1 && IB == 1) {
        *C = dotProductContiguous(A, B, N);
        return;
    }
    // Strided: every product added to the first running sum, the other seven
    // staying 0, combined as in the contiguous loop.
    T acc[8] = {};
    for (VectorLength i = 0; i < N; ++i) {
        auto k = static_cast<VectorStride>(i);
        acc[0] += A[k * IA] * B[k * IB];
    }
    *C = ((acc[0] + acc[1]) + (acc[2] + acc[3])) + ((acc[4] + acc[5]) + (acc[6] + acc[7]));
}

template <class T>
void addScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x + b; });
}

template <class T>
void multiplyScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x * b; });
}

template <class T>
void divideScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x / b; });
}

template <class T>
void multiply(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorStride IC, VectorLength N) {
    map2(A, IA, B, IB, C, IC, N, [](T a, T b) { return a * b; });
}

template <class T>
void divide(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorStride IC, VectorLength N) {
    map2(A, IA, B, IB, C, IC, N, [](T a, T b) { return a / b; });
}

template <class T>
void square(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N) {
    map1(A, IA, C, IC, N, [](T x) { return x * x; });
}

template <class T>
void negate(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N) {
    map1(A, IA, C, IC, N, [](T x) { return -x; });
}

template <class T>
void clip(const T* A, VectorStride IA, const T* low, const T* high, T* C, VectorStride IC, VectorLength N) {
    const T lo = *low, hi = *high;
    map1(A, IA, C, IC, N, [lo, hi](T x) { return x < lo ? lo : (x > hi ? hi : x); });
}

template <class T>
void correlate(const T* A, VectorStride IA, const T* F, VectorStride IF, T* C, VectorStride IC, VectorLength N,
               VectorLength P) {
    // Each output is summed over p in ascending order (the plain definition's
    // order). Contiguous input: tiles of kTile outputs are held in registers
    // while p runs, so the work vectorises across outputs.
    constexpr VectorLength kTile = 16;
    VectorLength n0 = 0;
    if (IA == 1) {
        for (; n0 + kTile <= N; n0 += kTile) {
            T acc[kTile] = {};
            const T* a = A + n0;
            for (VectorLength p = 0; p < P; ++p) {
                const T f = F[static_cast<VectorStride>(p) * IF];
                for (VectorLength k = 0; k < kTile; ++k) acc[k] += a[p + k] * f;
            }
            for (VectorLength k = 0; k < kTile; ++k) C[static_cast<VectorStride>(n0 + k) * IC] = acc[k];
        }
    }
    for (; n0 < N; ++n0) {
        T acc = 0;
        for (VectorLength p = 0; p < P; ++p)
            acc += A[static_cast<VectorStride>(n0 + p) * IA] * F[static_cast<VectorStride>(p) * IF];
        C[static_cast<VectorStride>(n0) * IC] = acc;
    }
}

template <class T>
void scaledMagnitudes(const T* re, const T* im, const T* scale, T* C, VectorLength N) {
    const T s = *scale;
    for (VectorLength i = 0; i < N; ++i) C[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]) * s;
}

template <class T>
void scaledRealMagnitudes(const T* A, const T* scale, T* C, VectorLength N) {
    const T s = *scale;
    for (VectorLength i = 0; i < N; ++i) C[i] = std::sqrt(A[i] * A[i]) * s;
}

template <class T>
void transpose(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength M, VectorLength N) {
    // C[i][j] (M x N) = A[j][i] (A is N x M), blocked for the cache.
    constexpr VectorLength kTile = 32;
    for (VectorLength i0 = 0; i0 < M; i0 += kTile) {
        const VectorLength i1 = std::min(M, i0 + kTile);
        for (VectorLength j0 = 0; j0 < N; j0 += kTile) {
            const VectorLength j1 = std::min(N, j0 + kTile);
            for (VectorLength i = i0; i < i1; ++i)
                for (VectorLength j = j0; j < j1; ++j)
                    C[static_cast<VectorStride>(i * N + j) * IC] = A[static_cast<VectorStride>(j * M + i) * IA];
        }
    }
}

#define NUMERICS_INSTANTIATE(T)                                                                                        \
    template void copy<T>(const T*, VectorStride, T*, VectorStride, VectorLength);                                     \
    template void sum<T>(const T*, VectorStride, T*, VectorLength);                                                    \
    template void sumOfSquares<T>(const T*, VectorStride, T*, VectorLength);                                           \
    template void maximum<T>(const T*, VectorStride, T*, VectorLength);                                                \
    template void minimum<T>(const T*, VectorStride, T*, VectorLength);                                                \
    template void mean<T>(const T*, VectorStride, T*, VectorLength);                                                   \
    template void meanMagnitude<T>(const T*, VectorStride, T*, VectorLength);                                          \
    template void meanSquare<T>(const T*, VectorStride, T*, VectorLength);                                             \
    template void rootMeanSquare<T>(const T*, VectorStride, T*, VectorLength);                                         \
    template void dotProduct<T>(const T*, VectorStride, const T*, VectorStride, T*, VectorLength);                     \
    template void addScalar<T>(const T*, VectorStride, const T*, T*, VectorStride, VectorLength);                      \
    template void multiplyScalar<T>(const T*, VectorStride, const T*, T*, VectorStride, VectorLength);                 \
    template void divideScalar<T>(const T*, VectorStride, const T*, T*, VectorStride, VectorLength);                   \
    template void multiply<T>(const T*, VectorStride, const T*, VectorStride, T*, VectorStride, VectorLength);         \
    template void divide<T>(const T*, VectorStride, const T*, VectorStride, T*, VectorStride, VectorLength);           \
    template void square<T>(const T*, VectorStride, T*, VectorStride, VectorLength);                                   \
    template void negate<T>(const T*, VectorStride, T*, VectorStride, VectorLength);                                   \
    template void clip<T>(const T*, VectorStride, const T*, const T*, T*, VectorStride, VectorLength);                 \
    template void correlate<T>(const T*, VectorStride, const T*, VectorStride, T*, VectorStride, VectorLength,         \
                               VectorLength);                                                                          \
    template void scaledMagnitudes<T>(const T*, const T*, const T*, T*, VectorLength);                                 \
    template void scaledRealMagnitudes<T>(const T*, const T*, T*, VectorLength);                                       \
    template void transpose<T>(const T*, VectorStride, T*, VectorStride, VectorLength, VectorLength);
NUMERICS_INSTANTIATE(float)
NUMERICS_INSTANTIATE(double)
#undef NUMERICS_INSTANTIATE

} // namespace vec

namespace vmath {

namespace {
template <class T, class F>
inline void unary(T* y, const T* x, int n, F f) {
    for (int i = 0; i < n; ++i) y[i] = f(x[i]);
}
template <class T, class F>
inline void binary(T* z, const T* a, const T* b, int n, F f) {
    for (int i = 0; i < n; ++i) z[i] = f(a[i], b[i]);
}
} // namespace

#define NUMERICS_MATH_UNARY(name, expr)                                                                                \
    template <class T>                                                                                                 \
    void name(T* y, const T* x, int n) {                                                                               \
        unary(y, x, n, [](T v) -> T { return expr; });                                                                 \
    }                                                                                                                  \
    template void name<float>(float*, const float*, int);                                                              \
    template void name<double>(double*, const double*, int);

NUMERICS_MATH_UNARY(exp, std::exp(v))
NUMERICS_MATH_UNARY(exp2, std::exp2(v))
NUMERICS_MATH_UNARY(log, std::log(v))
NUMERICS_MATH_UNARY(log2, std::log2(v))
NUMERICS_MATH_UNARY(log10, std::log10(v))
NUMERICS_MATH_UNARY(logb, std::logb(v))
NUMERICS_MATH_UNARY(sqrt, std::sqrt(v))
NUMERICS_MATH_UNARY(sin, std::sin(v))
NUMERICS_MATH_UNARY(cos, std::cos(v))
NUMERICS_MATH_UNARY(tan, std::tan(v))
NUMERICS_MATH_UNARY(asin, std::asin(v))
NUMERICS_MATH_UNARY(acos, std::acos(v))
NUMERICS_MATH_UNARY(atan, std::atan(v))
NUMERICS_MATH_UNARY(sinh, std::sinh(v))
NUMERICS_MATH_UNARY(cosh, std::cosh(v))
NUMERICS_MATH_UNARY(tanh, std::tanh(v))
NUMERICS_MATH_UNARY(asinh, std::asinh(v))
NUMERICS_MATH_UNARY(acosh, std::acosh(v))
NUMERICS_MATH_UNARY(atanh, std::atanh(v))
NUMERICS_MATH_UNARY(fabs, std::fabs(v))
NUMERICS_MATH_UNARY(floor, std::floor(v))
NUMERICS_MATH_UNARY(ceil, std::ceil(v))
NUMERICS_MATH_UNARY(roundHalfEven, std::nearbyint(v))
NUMERICS_MATH_UNARY(trunc, std::trunc(v))
NUMERICS_MATH_UNARY(reciprocal, T(1) / v)
#undef NUMERICS_MATH_UNARY

template <class T>
void pow(T* z, const T* x, const T* y, int n) {
    binary(z, x, y, n, [](T base, T e) -> T { return std::pow(base, e); });
}

template <class T>
void fmod(T* z, const T* a, const T* b, int n) {
    binary(z, a, b, n, [](T p, T q) -> T { return std::fmod(p, q); });
}

template <class T>
void remainder(T* z, const T* a, const T* b, int n) {
    binary(z, a, b, n, [](T p, T q) -> T { return std::remainder(p, q); });
}

template <class T>
void copysign(T* z, const T* magnitude, const T* sign, int n) {
    binary(z, magnitude, sign, n, [](T m, T s) -> T { return std::copysign(m, s); });
}

template <class T>
void sincos(T* s, T* c, const T* x, int n) {
    for (int i = 0; i < n; ++i) {
        const T v = x[i];
        s[i] = std::sin(v);
        c[i] = std::cos(v);
    }
}

#define NUMERICS_INSTANTIATE(T)                                                                                        \
    template void pow<T>(T*, const T*, const T*, int);                                                                 \
    template void fmod<T>(T*, const T*, const T*, int);                                                                \
    template void remainder<T>(T*, const T*, const T*, int);                                                           \
    template void copysign<T>(T*, const T*, const T*, int);                                                            \
    template void sincos<T>(T*, T*, const T*, int);
NUMERICS_INSTANTIATE(float)
NUMERICS_INSTANTIATE(double)
#undef NUMERICS_INSTANTIATE

} // namespace vmath

} // namespace numerics
