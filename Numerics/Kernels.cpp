#include "Numerics/Kernels.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace numerics {

namespace {

// Sum of f(A[i*IA]) with eight running partial sums (so the contiguous case
// vectorises without reassociation by the compiler), combined pairwise.
template <class T, class F>
inline T accumulate(const T* A, vDSP_Stride IA, vDSP_Length N, F f) {
    T acc[8] = {};
    vDSP_Length i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] += f(A[i + k]);
        for (; i < N; ++i) acc[0] += f(A[i]);
    } else {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] += f(A[static_cast<vDSP_Stride>(i + k) * IA]);
        for (; i < N; ++i) acc[0] += f(A[static_cast<vDSP_Stride>(i) * IA]);
    }
    return ((acc[0] + acc[1]) + (acc[2] + acc[3])) + ((acc[4] + acc[5]) + (acc[6] + acc[7]));
}

// C[i*IC] = f(A[i*IA]); the contiguous case is a plain loop the compiler
// vectorises.
template <class T, class F>
inline void map1(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N, F f) {
    if (IA == 1 && IC == 1) {
        for (vDSP_Length i = 0; i < N; ++i) C[i] = f(A[i]);
    } else {
        for (vDSP_Length i = 0; i < N; ++i) {
            auto k = static_cast<vDSP_Stride>(i);
            C[k * IC] = f(A[k * IA]);
        }
    }
}

template <class T, class F>
inline void map2(const T* A, vDSP_Stride IA, const T* B, vDSP_Stride IB, T* C, vDSP_Stride IC, vDSP_Length N,
                 F f) {
    if (IA == 1 && IB == 1 && IC == 1) {
        for (vDSP_Length i = 0; i < N; ++i) C[i] = f(A[i], B[i]);
    } else {
        for (vDSP_Length i = 0; i < N; ++i) {
            auto k = static_cast<vDSP_Stride>(i);
            C[k * IC] = f(A[k * IA], B[k * IB]);
        }
    }
}

}  // namespace

namespace vdsp {

template <class T> void sve(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = accumulate(A, IA, N, [](T x) { return x; });
}

template <class T> void svesq(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = accumulate(A, IA, N, [](T x) { return x * x; });
}

template <class T> void maxv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    T acc[8];
    std::fill(acc, acc + 8, -std::numeric_limits<T>::infinity());
    vDSP_Length i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] = A[i + k] > acc[k] ? A[i + k] : acc[k];
    }
    for (; i < N; ++i) {
        T x = A[static_cast<vDSP_Stride>(i) * IA];
        acc[0] = x > acc[0] ? x : acc[0];
    }
    *C = *std::max_element(acc, acc + 8);
}

template <class T> void minv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    T acc[8];
    std::fill(acc, acc + 8, std::numeric_limits<T>::infinity());
    vDSP_Length i = 0;
    if (IA == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] = A[i + k] < acc[k] ? A[i + k] : acc[k];
    }
    for (; i < N; ++i) {
        T x = A[static_cast<vDSP_Stride>(i) * IA];
        acc[0] = x < acc[0] ? x : acc[0];
    }
    *C = *std::min_element(acc, acc + 8);
}

template <class T> void meanv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = accumulate(A, IA, N, [](T x) { return x; }) / static_cast<T>(N);
}

template <class T> void meamgv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = accumulate(A, IA, N, [](T x) { return std::fabs(x); }) / static_cast<T>(N);
}

template <class T> void measqv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = accumulate(A, IA, N, [](T x) { return x * x; }) / static_cast<T>(N);
}

template <class T> void rmsqv(const T* A, vDSP_Stride IA, T* C, vDSP_Length N) {
    *C = std::sqrt(accumulate(A, IA, N, [](T x) { return x * x; }) / static_cast<T>(N));
}

template <class T>
void dotpr(const T* A, vDSP_Stride IA, const T* B, vDSP_Stride IB, T* C, vDSP_Length N) {
    T acc[8] = {};
    vDSP_Length i = 0;
    if (IA == 1 && IB == 1) {
        for (; i + 8 <= N; i += 8)
            for (int k = 0; k < 8; ++k) acc[k] += A[i + k] * B[i + k];
    }
    for (; i < N; ++i) {
        auto k = static_cast<vDSP_Stride>(i);
        acc[0] += A[k * IA] * B[k * IB];
    }
    *C = ((acc[0] + acc[1]) + (acc[2] + acc[3])) + ((acc[4] + acc[5]) + (acc[6] + acc[7]));
}

template <class T> void vsadd(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x + b; });
}

template <class T> void vsmul(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x * b; });
}

template <class T> void vsdiv(const T* A, vDSP_Stride IA, const T* B, T* C, vDSP_Stride IC, vDSP_Length N) {
    const T b = *B;
    map1(A, IA, C, IC, N, [b](T x) { return x / b; });
}

template <class T>
void vmul(const T* A, vDSP_Stride IA, const T* B, vDSP_Stride IB, T* C, vDSP_Stride IC, vDSP_Length N) {
    map2(A, IA, B, IB, C, IC, N, [](T a, T b) { return a * b; });
}

template <class T>
void vdiv(const T* B, vDSP_Stride IB, const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N) {
    map2(A, IA, B, IB, C, IC, N, [](T a, T b) { return a / b; });
}

template <class T> void vsq(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N) {
    map1(A, IA, C, IC, N, [](T x) { return x * x; });
}

template <class T> void vneg(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N) {
    map1(A, IA, C, IC, N, [](T x) { return -x; });
}

template <class T>
void vclip(const T* A, vDSP_Stride IA, const T* low, const T* high, T* C, vDSP_Stride IC, vDSP_Length N) {
    const T lo = *low, hi = *high;
    map1(A, IA, C, IC, N, [lo, hi](T x) { return x < lo ? lo : (x > hi ? hi : x); });
}

template <class T>
void conv(const T* A, vDSP_Stride IA, const T* F, vDSP_Stride IF, T* C, vDSP_Stride IC, vDSP_Length N,
          vDSP_Length P) {
    // Each output is summed over p in ascending order (the plain definition's
    // order). Contiguous input: tiles of kTile outputs are held in registers
    // while p runs, so the work vectorises across outputs.
    constexpr vDSP_Length kTile = 16;
    vDSP_Length n0 = 0;
    if (IA == 1) {
        for (; n0 + kTile <= N; n0 += kTile) {
            T acc[kTile] = {};
            const T* a = A + n0;
            for (vDSP_Length p = 0; p < P; ++p) {
                const T f = F[static_cast<vDSP_Stride>(p) * IF];
                for (vDSP_Length k = 0; k < kTile; ++k) acc[k] += a[p + k] * f;
            }
            for (vDSP_Length k = 0; k < kTile; ++k) C[static_cast<vDSP_Stride>(n0 + k) * IC] = acc[k];
        }
    }
    for (; n0 < N; ++n0) {
        T acc = 0;
        for (vDSP_Length p = 0; p < P; ++p)
            acc += A[static_cast<vDSP_Stride>(n0 + p) * IA] * F[static_cast<vDSP_Stride>(p) * IF];
        C[static_cast<vDSP_Stride>(n0) * IC] = acc;
    }
}

template <class T>
void zvmags(const T* re, const T* im, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length N) {
    map2(re, IA, im, IA, C, IC, N, [](T r, T i) { return r * r + i * i; });
}

template <class T>
void mtrans(const T* A, vDSP_Stride IA, T* C, vDSP_Stride IC, vDSP_Length M, vDSP_Length N) {
    // C[i][j] (M x N) = A[j][i] (A is N x M), blocked for the cache.
    constexpr vDSP_Length kTile = 32;
    for (vDSP_Length i0 = 0; i0 < M; i0 += kTile) {
        const vDSP_Length i1 = std::min(M, i0 + kTile);
        for (vDSP_Length j0 = 0; j0 < N; j0 += kTile) {
            const vDSP_Length j1 = std::min(N, j0 + kTile);
            for (vDSP_Length i = i0; i < i1; ++i)
                for (vDSP_Length j = j0; j < j1; ++j)
                    C[static_cast<vDSP_Stride>(i * N + j) * IC] = A[static_cast<vDSP_Stride>(j * M + i) * IA];
        }
    }
}

#define NUMERICS_INSTANTIATE(T)                                                                              \
    template void sve<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                            \
    template void svesq<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                          \
    template void maxv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                           \
    template void minv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                           \
    template void meanv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                          \
    template void meamgv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                        \
    template void measqv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                         \
    template void rmsqv<T>(const T*, vDSP_Stride, T*, vDSP_Length);                                          \
    template void dotpr<T>(const T*, vDSP_Stride, const T*, vDSP_Stride, T*, vDSP_Length);                   \
    template void vsadd<T>(const T*, vDSP_Stride, const T*, T*, vDSP_Stride, vDSP_Length);                   \
    template void vsmul<T>(const T*, vDSP_Stride, const T*, T*, vDSP_Stride, vDSP_Length);                   \
    template void vsdiv<T>(const T*, vDSP_Stride, const T*, T*, vDSP_Stride, vDSP_Length);                   \
    template void vmul<T>(const T*, vDSP_Stride, const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length);       \
    template void vdiv<T>(const T*, vDSP_Stride, const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length);       \
    template void vsq<T>(const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length);                               \
    template void vneg<T>(const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length);                              \
    template void vclip<T>(const T*, vDSP_Stride, const T*, const T*, T*, vDSP_Stride, vDSP_Length);         \
    template void conv<T>(const T*, vDSP_Stride, const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length,        \
                          vDSP_Length);                                                                      \
    template void zvmags<T>(const T*, const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length);                  \
    template void mtrans<T>(const T*, vDSP_Stride, T*, vDSP_Stride, vDSP_Length, vDSP_Length);
NUMERICS_INSTANTIATE(float)
NUMERICS_INSTANTIATE(double)
#undef NUMERICS_INSTANTIATE

}  // namespace vdsp

namespace vforce {

namespace {
template <class T, class F>
inline void unary(T* y, const T* x, int n, F f) {
    for (int i = 0; i < n; ++i) y[i] = f(x[i]);
}
template <class T, class F>
inline void binary(T* z, const T* a, const T* b, int n, F f) {
    for (int i = 0; i < n; ++i) z[i] = f(a[i], b[i]);
}
}  // namespace

#define NUMERICS_VFORCE_UNARY(name, expr)                                  \
    template <class T> void name(T* y, const T* x, int n) {                \
        unary(y, x, n, [](T v) -> T { return expr; });                     \
    }                                                                      \
    template void name<float>(float*, const float*, int);                  \
    template void name<double>(double*, const double*, int);

NUMERICS_VFORCE_UNARY(exp, std::exp(v))
NUMERICS_VFORCE_UNARY(exp2, std::exp2(v))
NUMERICS_VFORCE_UNARY(log, std::log(v))
NUMERICS_VFORCE_UNARY(log2, std::log2(v))
NUMERICS_VFORCE_UNARY(log10, std::log10(v))
NUMERICS_VFORCE_UNARY(logb, std::logb(v))
NUMERICS_VFORCE_UNARY(sqrt, std::sqrt(v))
NUMERICS_VFORCE_UNARY(sin, std::sin(v))
NUMERICS_VFORCE_UNARY(cos, std::cos(v))
NUMERICS_VFORCE_UNARY(tan, std::tan(v))
NUMERICS_VFORCE_UNARY(asin, std::asin(v))
NUMERICS_VFORCE_UNARY(acos, std::acos(v))
NUMERICS_VFORCE_UNARY(atan, std::atan(v))
NUMERICS_VFORCE_UNARY(sinh, std::sinh(v))
NUMERICS_VFORCE_UNARY(cosh, std::cosh(v))
NUMERICS_VFORCE_UNARY(tanh, std::tanh(v))
NUMERICS_VFORCE_UNARY(asinh, std::asinh(v))
NUMERICS_VFORCE_UNARY(acosh, std::acosh(v))
NUMERICS_VFORCE_UNARY(atanh, std::atanh(v))
NUMERICS_VFORCE_UNARY(fabs, std::fabs(v))
NUMERICS_VFORCE_UNARY(floor, std::floor(v))
NUMERICS_VFORCE_UNARY(ceil, std::ceil(v))
NUMERICS_VFORCE_UNARY(nint, std::nearbyint(v))
NUMERICS_VFORCE_UNARY(int_, std::trunc(v))
NUMERICS_VFORCE_UNARY(rec, T(1) / v)
#undef NUMERICS_VFORCE_UNARY

template <class T> void pow(T* z, const T* y, const T* x, int n) {
    binary(z, x, y, n, [](T base, T e) -> T { return std::pow(base, e); });
}

template <class T> void fmod(T* z, const T* a, const T* b, int n) {
    binary(z, a, b, n, [](T p, T q) -> T { return std::fmod(p, q); });
}

template <class T> void remainder(T* z, const T* a, const T* b, int n) {
    binary(z, a, b, n, [](T p, T q) -> T { return std::remainder(p, q); });
}

template <class T> void copysign(T* z, const T* magnitude, const T* sign, int n) {
    binary(z, magnitude, sign, n, [](T m, T s) -> T { return std::copysign(m, s); });
}

template <class T> void sincos(T* s, T* c, const T* x, int n) {
    for (int i = 0; i < n; ++i) {
        const T v = x[i];
        s[i] = std::sin(v);
        c[i] = std::cos(v);
    }
}

#define NUMERICS_INSTANTIATE(T)                                        \
    template void pow<T>(T*, const T*, const T*, int);                 \
    template void fmod<T>(T*, const T*, const T*, int);                \
    template void remainder<T>(T*, const T*, const T*, int);           \
    template void copysign<T>(T*, const T*, const T*, int);            \
    template void sincos<T>(T*, T*, const T*, int);
NUMERICS_INSTANTIATE(float)
NUMERICS_INSTANTIATE(double)
#undef NUMERICS_INSTANTIATE

}  // namespace vforce

}  // namespace numerics
