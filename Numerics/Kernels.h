#pragma once
// Portable vector kernels, the library's inner loops: strided kernels over
// (pointer, stride, length) runs in namespace vec, and contiguous element-wise
// math kernels over (pointer, count) in namespace vmath. Lengths and strides
// are taken as the kernels need them (vec: signed strides, unsigned length;
// vmath: a 32-bit count). The library's call frame (Memory.h) checks the
// limits before calling them. Every function exists for float and double
// (explicit instances in Kernels.cpp; the in-line dot loop here, and the
// scaling kernel of WideKernels.cpp, built for each vector width).
//
// The BLAS and LAPACK routines are OpenBLAS's own (cblas.h, lapack.h), reached
// through Platform.h; the FFT is FFTW3's (Platform.cpp).

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace numerics {

using VectorStride = std::ptrdiff_t;
using VectorLength = std::size_t;

namespace vec {

// C[i * IC] = A[i * IA] for i < N: gathers a strided run (or spreads one).
template <class T>
void copy(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N);

// Reductions: *C = one value of the N elements A[0], A[IA], ..., A[(N - 1) * IA].
// The sum of the elements.
template <class T>
void sum(const T* A, VectorStride IA, T* C, VectorLength N);
// The sum of each element times itself.
template <class T>
void sumOfSquares(const T* A, VectorStride IA, T* C, VectorLength N);
// The largest element, NaN skipped; minus infinity for N = 0, NaN when all are NaN.
template <class T>
void maximum(const T* A, VectorStride IA, T* C, VectorLength N);
// The smallest element, NaN skipped; infinity for N = 0, NaN when all are NaN.
template <class T>
void minimum(const T* A, VectorStride IA, T* C, VectorLength N);
// The sum divided by N; NaN for N = 0.
template <class T>
void mean(const T* A, VectorStride IA, T* C, VectorLength N);
// The sum of std::abs of each element, divided by N.
template <class T>
void meanMagnitude(const T* A, VectorStride IA, T* C, VectorLength N);
// The sum of each element times itself, divided by N.
template <class T>
void meanSquare(const T* A, VectorStride IA, T* C, VectorLength N);
// std::sqrt of meanSquare.
template <class T>
void rootMeanSquare(const T* A, VectorStride IA, T* C, VectorLength N);
// The sum of A[i * IA] * B[i * IB] for i < N.
template <class T>
void dotProduct(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorLength N);

// dotProduct's loop for two contiguous runs, in line for the short dot
// products that a call would otherwise dominate: eight running sums of
// A[i + k] * B[i + k] over whole blocks of eight, the rest added to the
// first, the eight combined pairwise. The sums are held in 16-byte vectors
// (sum k in lane k % L of vector k / L; SSE2 on every x86-64 processor),
// each lane added to in the order of the plain loop, so the result is the
// same.
template <class T>
inline T dotProductContiguous(const T* A, const T* B, VectorLength N) {
    typedef T Lanes __attribute__((vector_size(16)));
    constexpr int L = 16 / sizeof(T);
    Lanes acc[8 / L] = {};
    VectorLength i = 0;
    for (; i + 8 <= N; i += 8)
        for (int j = 0; j < 8 / L; ++j) {
            Lanes a, b;
            std::memcpy(&a, A + i + j * L, sizeof a);
            std::memcpy(&b, B + i + j * L, sizeof b);
            acc[j] += a * b;
        }
    T sum[8];
    std::memcpy(sum, acc, sizeof sum);
    for (; i < N; ++i) sum[0] += A[i] * B[i];
    return ((sum[0] + sum[1]) + (sum[2] + sum[3])) + ((sum[4] + sum[5]) + (sum[6] + sum[7]));
}

// X[i] = X[i] * s for i < N, over a contiguous run, built for the machine's widest vectors
// (WideKernels.cpp); the products are those of multiplyScalar and of the
// BLAS scale, 0 * NaN and 0 * infinity included (NaN). Runs longer than
// kScaleLongRunFromBytes (counted from the first cache-line boundary) are
// scaled in vectors of at most 32 bytes.
void scaleInPlace(float* X, VectorLength N, float s);
void scaleInPlace(double* X, VectorLength N, double s);
inline constexpr VectorLength kScaleLongRunFromBytes = VectorLength(256) * 1024;

// With one scalar, for i < N: C[i * IC] = A[i * IA] + *B, A[i * IA] * *B,
// A[i * IA] / *B.
template <class T>
void addScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N);
template <class T>
void multiplyScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N);
template <class T>
void divideScalar(const T* A, VectorStride IA, const T* B, T* C, VectorStride IC, VectorLength N);

// The element-wise forms below read, for i < N, A[i * IA] (and B[i * IB])
// and write C[i * IC]; C may be A.

// C = A * B.
template <class T>
void multiply(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorStride IC, VectorLength N);
// C = A / B.
template <class T>
void divide(const T* A, VectorStride IA, const T* B, VectorStride IB, T* C, VectorStride IC, VectorLength N);
// C = A * A.
template <class T>
void square(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N);
// C = -A.
template <class T>
void negate(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength N);
// C = *low when A < *low, *high when A > *high, else A.
template <class T>
void clip(const T* A, VectorStride IA, const T* low, const T* high, T* C, VectorStride IC, VectorLength N);

// Correlation: C[n * IC] = the sum over p < P of A[(n + p) * IA] * F[p * IF],
// for n < N.
// A must hold N + P - 1 elements; IF may be negative (convolution).
template <class T>
void correlate(const T* A, VectorStride IA, const T* F, VectorStride IF, T* C, VectorStride IC, VectorLength N,
               VectorLength P);

// Scaled magnitudes of a split-complex vector, contiguous:
// C[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]) * *scale.
template <class T>
void scaledMagnitudes(const T* re, const T* im, const T* scale, T* C, VectorLength N);
// The same for points whose imaginary parts are zero:
// C[i] = std::sqrt(A[i] * A[i]) * *scale.
template <class T>
void scaledRealMagnitudes(const T* A, const T* scale, T* C, VectorLength N);

// Transpose: C (M rows, N columns) = transpose of A (N rows, M columns).
template <class T>
void transpose(const T* A, VectorStride IA, T* C, VectorStride IC, VectorLength M, VectorLength N);

} // namespace vec

namespace vmath {

// y[i] = the function of x[i], for i < n (y may be x): std::exp, std::exp2,
// ... under the same names, and the three below.
#define NUMERICS_MATH_UNARY(name)                                                                                      \
    template <class T>                                                                                                 \
    void name(T* y, const T* x, int n);
NUMERICS_MATH_UNARY(exp)
NUMERICS_MATH_UNARY(exp2)
NUMERICS_MATH_UNARY(log)
NUMERICS_MATH_UNARY(log2)
NUMERICS_MATH_UNARY(log10)
NUMERICS_MATH_UNARY(logb)
NUMERICS_MATH_UNARY(sqrt)
NUMERICS_MATH_UNARY(sin)
NUMERICS_MATH_UNARY(cos)
NUMERICS_MATH_UNARY(tan)
NUMERICS_MATH_UNARY(asin)
NUMERICS_MATH_UNARY(acos)
NUMERICS_MATH_UNARY(atan)
NUMERICS_MATH_UNARY(sinh)
NUMERICS_MATH_UNARY(cosh)
NUMERICS_MATH_UNARY(tanh)
NUMERICS_MATH_UNARY(asinh)
NUMERICS_MATH_UNARY(acosh)
NUMERICS_MATH_UNARY(atanh)
NUMERICS_MATH_UNARY(fabs)
NUMERICS_MATH_UNARY(floor)
NUMERICS_MATH_UNARY(ceil)
NUMERICS_MATH_UNARY(roundHalfEven) // std::nearbyint: the nearest integer, ties to even
NUMERICS_MATH_UNARY(trunc)         // std::trunc: toward zero
NUMERICS_MATH_UNARY(reciprocal)    // 1 / x[i]
#undef NUMERICS_MATH_UNARY

// z[i] = std::pow(x[i], y[i]): bases, then exponents.
template <class T>
void pow(T* z, const T* x, const T* y, int n);
// z[i] = std::fmod(a[i], b[i]) (the sign of a[i]).
template <class T>
void fmod(T* z, const T* a, const T* b, int n);
// z[i] = std::remainder(a[i], b[i]).
template <class T>
void remainder(T* z, const T* a, const T* b, int n);
// z[i] = std::copysign(magnitude[i], sign[i]).
template <class T>
void copysign(T* z, const T* magnitude, const T* sign, int n);
// s[i] = std::sin(x[i]), c[i] = std::cos(x[i]).
template <class T>
void sincos(T* s, T* c, const T* x, int n);

} // namespace vmath

} // namespace numerics
