// The copying wrappers (functions that return a fresh array) at 64, 1e3 and
// 1e6 elements, each beside the raw routine writing into a fresh array of its
// own; the scalar-first product beside the scalar-last one; strided views
// beside a BLAS copy into a fresh array and the same routine in place.
#include <cstddef>
#include <vector>

#include <cblas.h>

#include "Numerics/Numerics.h"
#include "harness.h"
#include "inputs.h"

namespace {

using Array = std::vector<double>;
using bench::keep;
using bench::kWrapperSizes;
using bench::uniform;

// The raw routine writing into a fresh array, the way a caller of the routine
// gets its result.
template <class F>
Array fresh(std::size_t n, F routine) {
    Array r(n);
    routine(r.data());
    return r;
}

void registerScalarForms() {
    using namespace numerics;
    for (const auto& size : kWrapperSizes) {
        const std::size_t n = size.n;
        const int n32 = static_cast<int>(n);
        const Array& x = uniform<double>(n, 0.05, 0.95, 1);
        static constexpr double s = 1.7, negated = -1.7, divisor = 0.3, gamma = 1 / 2.2;
        const Array& divisors = bench::repeated(n, divisor);
        const Array& exponents = bench::repeated(n, gamma);
        auto named = [&](const char* operation) { return bench::Row{operation, size.label}; };
        bench::add(
            named("add(x, s)"), [&x] { keep(add(x, s)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::addScalar(x.data(), 1, &s, r, 1, n); })); });
        bench::add(
            named("sub(x, s)"), [&x] { keep(sub(x, s)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::addScalar(x.data(), 1, &negated, r, 1, n); })); });
        bench::add(
            named("mul(x, s)"), [&x] { keep(mul(x, s)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::multiplyScalar(x.data(), 1, &s, r, 1, n); })); });
        bench::add(
            named("mul(s, x)"), [&x] { keep(mul(s, x)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::multiplyScalar(x.data(), 1, &s, r, 1, n); })); });
        bench::add(
            named("div(x, s)"), [&x] { keep(div(x, s)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::divideScalar(x.data(), 1, &s, r, 1, n); })); });
        bench::add(
            named("mod(x, s)"), [&x] { keep(mod(x, divisor)); },
            [&x, &divisors, n, n32] {
                keep(fresh(n, [&](double* r) { vmath::fmod(r, x.data(), divisors.data(), n32); }));
            });
        bench::add(
            named("pow(x, s)"), [&x] { keep(pow(x, gamma)); },
            [&x, &exponents, n, n32] {
                keep(fresh(n, [&](double* r) { vmath::pow(r, x.data(), exponents.data(), n32); }));
            });
        bench::add(
            named("sq(x)"), [&x] { keep(sq(x)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::square(x.data(), 1, r, 1, n); })); });
        bench::add(
            named("neg(x)"), [&x] { keep(neg(x)); },
            [&x, n] { keep(fresh(n, [&](double* r) { vec::negate(x.data(), 1, r, 1, n); })); });
        bench::add(
            named("clip(x, low, high)"), [&x] { keep(clip(x, 0.2, 0.8)); },
            [&x, n] {
                static constexpr double low = 0.2, high = 0.8;
                keep(fresh(n, [&](double* r) { vec::clip(x.data(), 1, &low, &high, r, 1, n); }));
            });
        bench::add(
            named("exp(x)"), [&x] { keep(exp(x)); },
            [&x, n, n32] { keep(fresh(n, [&](double* r) { vmath::exp(r, x.data(), n32); })); });
        bench::add(
            named("sqrt(x)"), [&x] { keep(sqrt(x)); },
            [&x, n, n32] { keep(fresh(n, [&](double* r) { vmath::sqrt(r, x.data(), n32); })); });
    }
}

void registerTwoArrayForms() {
    using namespace numerics;
    for (const auto& size : kWrapperSizes) {
        const std::size_t n = size.n;
        const int n32 = static_cast<int>(n);
        const Array& x = uniform<double>(n, 0.05, 0.95, 1);
        const Array& y = uniform<double>(n, 0.5, 2.0, 2);
        auto named = [&](const char* operation) { return bench::Row{operation, size.label}; };
        bench::add(
            named("add(x, y)"), [&x, &y] { keep(add(x, y)); },
            [&x, &y, n32] {
                Array r = x;
                cblas_daxpy(n32, 1.0, y.data(), 1, r.data(), 1);
                keep(r);
            });
        bench::add(
            named("sub(x, y)"), [&x, &y] { keep(sub(x, y)); },
            [&x, &y, n32] {
                Array r = x;
                cblas_daxpy(n32, -1.0, y.data(), 1, r.data(), 1);
                keep(r);
            });
        bench::add(
            named("elmul(x, y)"), [&x, &y] { keep(elmul(x, y)); },
            [&x, &y, n] { keep(fresh(n, [&](double* r) { vec::multiply(x.data(), 1, y.data(), 1, r, 1, n); })); });
        bench::add(
            named("div(x, y)"), [&x, &y] { keep(div(x, y)); },
            [&x, &y, n] { keep(fresh(n, [&](double* r) { vec::divide(x.data(), 1, y.data(), 1, r, 1, n); })); });
        bench::add(
            named("mod(x, y)"), [&x, &y] { keep(mod(x, y)); },
            [&x, &y, n, n32] { keep(fresh(n, [&](double* r) { vmath::fmod(r, x.data(), y.data(), n32); })); });
        bench::add(
            named("pow(x, y)"), [&x, &y] { keep(pow(x, y)); },
            [&x, &y, n, n32] { keep(fresh(n, [&](double* r) { vmath::pow(r, x.data(), y.data(), n32); })); });
        bench::add(
            named("copysign(sign, magnitude)"), [&x, &y] { keep(copysign(y, x)); },
            [&x, &y, n, n32] { keep(fresh(n, [&](double* r) { vmath::copysign(r, x.data(), y.data(), n32); })); });
    }
}

// mul(s, x) against its peer mul(x, s): the same products, so no slower.
void registerScalarFirstAgainstScalarLast() {
    using namespace numerics;
    for (const auto& size : kWrapperSizes) {
        const Array& x = uniform<double>(size.n, 0.05, 0.95, 1);
        bench::add(
            bench::Row{"mul(s, x) beside mul(x, s)", size.label, bench::kNoSlower}, [&x] { keep(mul(1.7, x)); },
            [&x] { keep(mul(x, 1.7)); });
    }
}

// Strided views (every second element of 2e6): the raw form gathers with a
// BLAS copy into the fresh array and runs the routine there.
void registerStridedViews() {
    using namespace numerics;
    constexpr std::size_t n = 1000000;
    constexpr int n32 = static_cast<int>(n);
    const Array& storage = uniform<double>(2 * n, 0.05, 0.95, 3);
    const Array& y = uniform<double>(n, 0.5, 2.0, 2);
    const UnsafeMemory<double> x(storage.data(), 2, static_cast<int64_t>(n));
    const double* p = storage.data();
    auto gathered = [p] {
        Array r(n);
        cblas_dcopy(n32, p, 2, r.data(), 1);
        return r;
    };
    auto named = [](const char* operation) { return bench::Row{operation, "1e6"}; };
    bench::add(
        named("exp(strided x)"), [x] { keep(exp(x)); },
        [gathered] {
            Array r = gathered();
            vmath::exp(r.data(), r.data(), n32);
            keep(r);
        });
    bench::add(
        named("pow(strided x, s)"), [x] { keep(pow(x, 1 / 2.2)); },
        [gathered, &e = bench::repeated(n, 1 / 2.2)] {
            Array r = gathered();
            vmath::pow(r.data(), r.data(), e.data(), n32);
            keep(r);
        });
    bench::add(
        named("mod(strided x, s)"), [x] { keep(mod(x, 0.3)); },
        [gathered, &d = bench::repeated(n, 0.3)] {
            Array r = gathered();
            vmath::fmod(r.data(), r.data(), d.data(), n32);
            keep(r);
        });
    bench::add(
        named("add(strided x, y)"), [x, &y] { keep(add(x, y)); },
        [gathered, &y] {
            Array r = gathered();
            cblas_daxpy(n32, 1.0, y.data(), 1, r.data(), 1);
            keep(r);
        });
    bench::add(
        named("mod(strided x, y)"), [x, &y] { keep(mod(x, y)); },
        [gathered, &y] {
            Array r = gathered();
            vmath::fmod(r.data(), r.data(), y.data(), n32);
            keep(r);
        });
    bench::add(
        named("copysign(sign, strided magnitude)"), [x, &y] { keep(copysign(y, x)); },
        [gathered, &y] {
            Array r = gathered();
            vmath::copysign(r.data(), r.data(), y.data(), n32);
            keep(r);
        });
    bench::add(
        named("add(strided x, s)"), [x] { keep(add(x, 1.7)); },
        [p] {
            static constexpr double s = 1.7;
            Array r(n);
            vec::addScalar(p, 2, &s, r.data(), 1, n);
            keep(r);
        });
}

const bool registered = [] {
    registerScalarForms();
    registerTwoArrayForms();
    registerScalarFirstAgainstScalarLast();
    registerStridedViews();
    return true;
}();

} // namespace
