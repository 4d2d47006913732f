#include "Numerics/Kernels.h"

#include <cstdint>

// Kernels built once for each vector width an x86-64 processor may offer
// (512, 256 and 128 bits; the long runs' loop for 256 and 128) and chosen when
// the program loads (GCC and Clang make the choice through an indirect
// function). Elsewhere they are built once, for the target as given. Their
// loops start on 64-byte boundaries (CMakeLists.txt): a loop of a few
// instructions that straddles one ran a third slower.
#if defined(__x86_64__) && defined(__GNUC__)
#define NUMERICS_EACH_VECTOR_WIDTH __attribute__((target_clones("avx512f", "avx2", "default")))
#define NUMERICS_UP_TO_32_BYTE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define NUMERICS_EACH_VECTOR_WIDTH
#define NUMERICS_UP_TO_32_BYTE_VECTORS
#endif

namespace numerics::vec {

namespace {

// From this many elements the run is first scaled one element at a time up to
// a cache-line boundary, so that no wide load or store after it spans two
// lines (std::vector storage starts 16 bytes into a line, where every 64-byte
// access would); below it the few extra products cost more than they save.
constexpr VectorLength kAlignFromBytes = 512;

// Runs longer than kScaleLongRunFromBytes (Kernels.h) no longer stay in the
// second-level cache, and there 32-byte loads and stores kept the lines coming
// faster than 64-byte ones: a million floats (4 MB) scaled in 64-byte vectors
// ran from as fast as the BLAS scale's 16-byte loop to a sixth slower, in
// 32-byte vectors about a tenth faster. Shorter runs keep the widest vectors,
// faster there.

template <class T>
inline void scaleEach(T* X, VectorLength N, T s) {
    for (VectorLength i = 0; i < N; ++i) X[i] *= s;
}

// The long runs' loop, built for 32-byte vectors where the processor has them
// and for 16-byte ones otherwise, chosen when the program loads.
NUMERICS_UP_TO_32_BYTE_VECTORS void scaleLongRun(float* X, VectorLength N, float s) { scaleEach(X, N, s); }
NUMERICS_UP_TO_32_BYTE_VECTORS void scaleLongRun(double* X, VectorLength N, double s) { scaleEach(X, N, s); }

template <class T>
inline void scale(T* X, VectorLength N, T s) {
    if (N * sizeof(T) >= kAlignFromBytes) {
        const auto intoLine = reinterpret_cast<std::uintptr_t>(X) % 64;
        for (VectorLength head = intoLine == 0 ? 0 : (64 - intoLine) / sizeof(T); head > 0; --head, --N) *X++ *= s;
        if (N * sizeof(T) > kScaleLongRunFromBytes) return scaleLongRun(X, N, s);
    }
    scaleEach(X, N, s);
}

} // namespace

// A product is one rounding at every width and in every order, so every
// build gives the same elements.
NUMERICS_EACH_VECTOR_WIDTH void scaleInPlace(float* X, VectorLength N, float s) { scale(X, N, s); }
NUMERICS_EACH_VECTOR_WIDTH void scaleInPlace(double* X, VectorLength N, double s) { scale(X, N, s); }

} // namespace numerics::vec
