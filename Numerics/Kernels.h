#pragma once
// Portable stand-ins for the Accelerate routines that the Parts name (vDSP and
// vForce), each computing what the routine's published definition computes,
// with the routine's argument order. Lengths and strides are taken as the
// routines take them (vDSP: signed strides, unsigned length; vForce: a 32-bit
// count). The library's call frame (Memory.h) checks the limits before calling
// them. Every function exists for float and double (explicit instances in
// Kernels.cpp).
//
// The BLAS and LAPACK routines are OpenBLAS's own (cblas.h, lapack.h), reached
// through Platform.h; the FFT is FFTW3's (FFT.cpp).

#include <cstddef>
#include <cstdint>

namespace numerics {

using vDSP_Stride = std::ptrdiff_t;
using vDSP_Length = std::size_t;

namespace vdsp {

// Reductions: C = f(A[0], A[IA], ..., A[(N-1)*IA]).
template <class T> void sve(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);     // sum
template <class T> void svesq(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);   // sum of squares
template <class T> void maxv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);    // max (-inf if N = 0)
template <class T> void minv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);    // min (+inf if N = 0)
template <class T> void meanv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);   // sum / N (NaN if N = 0)
template <class T> void meamgv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);  // sum |x| / N
template <class T> void measqv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);  // sum x^2 / N
template <class T> void rmsqv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N);   // sqrt(sum x^2 / N)
template <class T>
void dotpr(const T* A, vDSP_Stride IA, const T* B, vDSP_Stride IB, T* C, vDSP_Length N);  // sum A*B

// Scalar forms: C[i] = A[i] op *B.
template <class T> void vsadd(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N);
template <class T> void vsmul(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N);
template <class T> void vsdiv(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N);

// C[i] = A[i] * B[i].
template <class T>
void vmul(const T* A, vDSP_Stride IA, const T* B, vDSP_Stride IB, T* C, vDSP_Stride IC, vDSP_Length N);
// Divisor first: C[i] = A[i] / B[i].
template <class T>
void vdiv(const T* B, vDSP_Stride IB, const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N);

template <class T> void vsq(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N);   // A^2
template <class T> void vneg(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N);  // -A
// C[i] = *low if A[i] < *low, *high if A[i] > *high, else A[i].
template <class T>
void vclip(const T* A, vDSP_Stride IA, const T* low, const T* high, T* C, vDSP_Stride IC, vDSP_Length N);

// Correlation: C[n*IC] = sum over p < P of A[(n+p)*IA] * F[p*IF], n < N.
// A must hold N + P - 1 elements; IF may be negative (convolution).
template <class T>
void conv(const T* A, vDSP_Stride IA, const T* F, vDSP_Stride IF, T* C, vDSP_Stride IC, vDSP_Length N,
          vDSP_Length P);

// Squared magnitudes of a split-complex vector: C[i] = re[i]^2 + im[i]^2.
template <class T>
void zvmags(const T* re, const T* im, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N);

// Transpose: C (M rows, N columns) = transpose of A (N rows, M columns).
template <class T>
void mtrans(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length M, vDSP_Length N);

}  // namespace vdsp

namespace vforce {

// y[i] = f(x[i]) for i < n (y may be x).
#define NUMERICS_VFORCE_UNARY(name) template <class T> void name(T* y, const T* x, int n);
NUMERICS_VFORCE_UNARY(exp)
NUMERICS_VFORCE_UNARY(exp2)
NUMERICS_VFORCE_UNARY(log)
NUMERICS_VFORCE_UNARY(log2)
NUMERICS_VFORCE_UNARY(log10)
NUMERICS_VFORCE_UNARY(logb)
NUMERICS_VFORCE_UNARY(sqrt)
NUMERICS_VFORCE_UNARY(sin)
NUMERICS_VFORCE_UNARY(cos)
NUMERICS_VFORCE_UNARY(tan)
NUMERICS_VFORCE_UNARY(asin)
NUMERICS_VFORCE_UNARY(acos)
NUMERICS_VFORCE_UNARY(atan)
NUMERICS_VFORCE_UNARY(sinh)
NUMERICS_VFORCE_UNARY(cosh)
NUMERICS_VFORCE_UNARY(tanh)
NUMERICS_VFORCE_UNARY(asinh)
NUMERICS_VFORCE_UNARY(acosh)
NUMERICS_VFORCE_UNARY(atanh)
NUMERICS_VFORCE_UNARY(fabs)
NUMERICS_VFORCE_UNARY(floor)
NUMERICS_VFORCE_UNARY(ceil)
NUMERICS_VFORCE_UNARY(nint)   // nearest integer, ties to even
NUMERICS_VFORCE_UNARY(int_)   // toward zero (vvint)
NUMERICS_VFORCE_UNARY(rec)    // 1 / x
#undef NUMERICS_VFORCE_UNARY

// z[i] = x[i] raised to y[i] (vvpow: exponents first, then bases).
template <class T> void pow(T* z, const T* y, const T* x, int n);
// z[i] = fmod(a[i], b[i]) (sign of a[i]).
template <class T> void fmod(T* z, const T* a, const T* b, int n);
// z[i] = IEEE remainder of a[i] by b[i].
template <class T> void remainder(T* z, const T* a, const T* b, int n);
// z[i] = |magnitude[i]| with the sign of sign[i].
template <class T> void copysign(T* z, const T* magnitude, const T* sign, int n);
// s[i] = sin(x[i]), c[i] = cos(x[i]).
template <class T> void sincos(T* s, T* c, const T* x, int n);

}  // namespace vforce

}  // namespace numerics
