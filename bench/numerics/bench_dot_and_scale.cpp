// The dot product and scaling in place beside the BLAS calls (cblas_?dot,
// cblas_?scal) from 16 elements, in cache, up to 1e6, for both twins: the
// library must be no slower at any size.
#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <cblas.h>

#include "Numerics/Numerics.h"
#include "harness.h"
#include "inputs.h"

namespace {

using bench::keep;
using bench::uniform;

struct Size {
    std::size_t n;
    const char* label;
};
constexpr Size kSizes[] = {{16, "16"},     {64, "64"},      {256, "256"},    {1000, "1e3"},
                           {4096, "4096"}, {65536, "2^16"}, {1000000, "1e6"}};

// Storage that starts on a 64-byte cache line.
template <class T>
struct LineAligned {
    using value_type = T;
    LineAligned() = default;
    template <class U>
    LineAligned(const LineAligned<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t(64))); }
    void deallocate(T* p, std::size_t) { ::operator delete(p, std::align_val_t(64)); }
    friend bool operator==(const LineAligned&, const LineAligned&) { return true; }
};

float blasDot(int n, const float* x, const float* y) { return cblas_sdot(n, x, 1, y, 1); }
double blasDot(int n, const double* x, const double* y) { return cblas_ddot(n, x, 1, y, 1); }
void blasScale(int n, float s, float* x) { cblas_sscal(n, s, x, 1); }
void blasScale(int n, double s, double* x) { cblas_dscal(n, s, x, 1); }

template <class T>
void registerTwin(const char* twin) {
    using namespace numerics;
    for (const auto& size : kSizes) {
        const int n32 = static_cast<int>(size.n);
        const auto& x = uniform<T>(size.n, -1, 1, 20);
        const auto& y = uniform<T>(size.n, -1, 1, 21);
        const std::string suffix = std::string(twin);
        bench::add(
            bench::Row{"dot(x, y)" + suffix, size.label, bench::kNoSlower}, [&x, &y] { keep(dot(x, y)); },
            [&x, &y, n32] { keep(blasDot(n32, x.data(), y.data())); });
        // Each side scales its own copy, both placed alike on cache lines (the
        // BLAS kernels run at different speeds on differently aligned data); a
        // factor just above 1 keeps the values finite however many calls a run
        // makes.
        auto ours = std::make_shared<std::vector<T, LineAligned<T>>>(x.begin(), x.end());
        auto raw = std::make_shared<std::vector<T, LineAligned<T>>>(x.begin(), x.end());
        const T factor = T(1.0000001);
        bench::add(
            bench::Row{"x *= s" + suffix, size.label, bench::kNoSlower},
            [ours, factor] {
                *ours *= factor;
                keep(*ours);
            },
            [raw, factor, n32] {
                blasScale(n32, factor, raw->data());
                keep(*raw);
            });
    }
}

const bool registered = [] {
    registerTwin<double>("");
    registerTwin<float>(" <float>");
    return true;
}();

} // namespace
