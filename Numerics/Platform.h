#pragma once
// Thin, type-overloaded doors to the platform libraries the library builds on:
// CBLAS (OpenBLAS), LAPACK (the Fortran routines, column-major, 32-bit
// integers) and the radix-2 complex FFT (FFTW3).
// Each call passes its arguments straight through; the callers (the library's
// public functions) check the 32-bit limits first. Kept out of the public
// headers so that cblas.h, lapack.h and fftw3.h do not leak into every user;
// only the dot product, the scale and axpy are declared here (below).

#include <cstddef>

namespace numerics {

enum class BlasTranspose { none, transpose };

namespace blas {

// The dot product, the scale and axpy (the in-place sum of the Vector and
// Matrix forms) are called at a few dozen elements, where the BLAS call itself
// takes 10 to 20 ns and every instruction around it counts.
// Their doors are inline, over declarations of the CBLAS functions made here
// under names of their own (Platform.cpp checks them against cblas.h); with
// GCC, calls to them load the address from the global offset table at once
// instead of jumping through a PLT stub.
#if defined(__has_attribute)
#if __has_attribute(noplt)
#define NUMERICS_NO_PLT __attribute__((noplt))
#endif
#endif
#ifndef NUMERICS_NO_PLT
#define NUMERICS_NO_PLT
#endif
namespace cblas {
NUMERICS_NO_PLT float sdot(int n, const float* x, int incx, const float* y, int incy) __asm__("cblas_sdot");
NUMERICS_NO_PLT double ddot(int n, const double* x, int incx, const double* y, int incy) __asm__("cblas_ddot");
NUMERICS_NO_PLT void sscal(int n, float alpha, float* x, int incx) __asm__("cblas_sscal");
NUMERICS_NO_PLT void dscal(int n, double alpha, double* x, int incx) __asm__("cblas_dscal");
NUMERICS_NO_PLT void saxpy(int n, float alpha, const float* x, int incx, float* y, int incy) __asm__("cblas_saxpy");
NUMERICS_NO_PLT void daxpy(int n, double alpha, const double* x, int incx, double* y, int incy) __asm__("cblas_daxpy");
} // namespace cblas

// y = alpha * x + y (cblas_?axpy). Pointers follow BLAS's convention for
// negative increments (the lowest address).
inline void axpy(int n, float alpha, const float* x, int incx, float* y, int incy) {
    cblas::saxpy(n, alpha, x, incx, y, incy);
}
inline void axpy(int n, double alpha, const double* x, int incx, double* y, int incy) {
    cblas::daxpy(n, alpha, x, incx, y, incy);
}

// Sum of magnitudes (cblas_?asum).
float asum(int n, const float* x, int incx);
double asum(int n, const double* x, int incx);

// Sum of x[i] * y[i] (cblas_?dot); pointers as for axpy.
inline float dot(int n, const float* x, int incx, const float* y, int incy) { return cblas::sdot(n, x, incx, y, incy); }
inline double dot(int n, const double* x, int incx, const double* y, int incy) {
    return cblas::ddot(n, x, incx, y, incy);
}

// x = alpha * x (cblas_?scal).
inline void scal(int n, float alpha, float* x, int incx) { cblas::sscal(n, alpha, x, incx); }
inline void scal(int n, double alpha, double* x, int incx) { cblas::dscal(n, alpha, x, incx); }

// Row-major C = alpha * op(A) * op(B) + beta * C (cblas_?gemm).
void gemm(BlasTranspose ta, BlasTranspose tb, int m, int n, int k, float alpha, const float* a, int lda, const float* b,
          int ldb, float beta, float* c, int ldc);
void gemm(BlasTranspose ta, BlasTranspose tb, int m, int n, int k, double alpha, const double* a, int lda,
          const double* b, int ldb, double beta, double* c, int ldc);

// Row-major y = alpha * op(A) * x + beta * y (cblas_?gemv).
void gemv(BlasTranspose ta, int m, int n, float alpha, const float* a, int lda, const float* x, int incx, float beta,
          float* y, int incy);
void gemv(BlasTranspose ta, int m, int n, double alpha, const double* a, int lda, const double* x, int incx,
          double beta, double* y, int incy);

} // namespace blas

namespace lapack {

// ?getrf_: LU factorisation of a column-major m x n matrix.
void getrf(int* m, int* n, float* a, int* lda, int* ipiv, int* info);
void getrf(int* m, int* n, double* a, int* lda, int* ipiv, int* info);

// ?getri_: inverse from the LU factors.
void getri(int* n, float* a, int* lda, int* ipiv, float* work, int* lwork, int* info);
void getri(int* n, double* a, int* lda, int* ipiv, double* work, int* lwork, int* info);

// dgeev_: eigenvalues and left/right eigenvectors of a general matrix.
void geev(const char* jobvl, const char* jobvr, int* n, double* a, int* lda, double* wr, double* wi, double* vl,
          int* ldvl, double* vr, int* ldvr, double* work, int* lwork, int* info);

} // namespace lapack

namespace radix2 {

// The largest transform: 2^30 points (FFTW takes an int size).
inline constexpr std::size_t kLargestLog2 = 30;

// The block of a 2^log2n-point transform: the 2^log2n real parts, a gap of
// kImaginaryGapBytes, then the 2^log2n imaginary parts. Halves an exact power
// of two apart (or any multiple of 4 KiB) fall into the same cache sets
// element for element, and FFTW's split transform then ran 1.2 to 1.6 times
// slower from 2^12 points up; gaps from 192 to 2048 bytes all ran at the
// speed of halves in unrelated places, 256 bytes among the fastest in both
// precisions. The gap is a whole number of 16-byte SIMD units, so that the
// imaginary half keeps the alignment it had at the exact distance, and with
// it the slot of its kept plan.
inline constexpr std::size_t kImaginaryGapBytes = 256;
static_assert(kImaginaryGapBytes % 4096 != 0 && kImaginaryGapBytes % 16 == 0);

// Elements from the first real part to the first imaginary part, and in the
// whole block.
template <class Real>
constexpr std::size_t imaginaryOffset(std::size_t log2n) {
    return (std::size_t(1) << log2n) + kImaginaryGapBytes / sizeof(Real);
}
template <class Real>
constexpr std::size_t blockLength(std::size_t log2n) {
    return imaginaryOffset<Real>(log2n) + (std::size_t(1) << log2n);
}

// In-place forward unnormalised complex DFT (no inverse is offered) of
// 2^log2n points held split in one block laid out as above. One FFTW plan per
// size, precision and alignment of the two halves is made on first use,
// behind FFTW's planner lock, and kept for the life of the process; running a
// kept plan takes no lock, so transforms on different threads run side by
// side. (A kept plan also remembers the distance from the real to the
// imaginary parts, which the block layout fixes per size and precision.)
// Returns false, transforming nothing, when log2n is above kLargestLog2 or
// FFTW makes no plan.
bool forward(float* points, std::size_t log2n);
bool forward(double* points, std::size_t log2n);

} // namespace radix2

} // namespace numerics
