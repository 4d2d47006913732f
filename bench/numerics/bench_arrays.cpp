// Reductions and element-wise functions on 2^20-element arrays: each library
// function next to the kernel it wraps (Numerics/Kernels.h, CBLAS) and a plain
// loop. The element-wise functions are held to 1.5 times the plain loop too.
// The arithmetic wrappers are in bench_copying.cpp, the dot product in
// bench_dot_and_scale.cpp.
#include <random>
#include <vector>

#include <cblas.h>

#include "Numerics/Numerics.h"
#include "harness.h"
#include "plain_loops.h"

namespace {

using Array = std::vector<double>;
constexpr std::size_t kN = 1 << 20;

const Array& inputX() {
    static const Array x = [] {
        std::mt19937_64 g(1);
        std::uniform_real_distribution<double> u(0.05, 0.95);
        Array a(kN);
        for (auto& v : a) v = u(g);
        return a;
    }();
    return x;
}

const Array& inputY() {
    static const Array y = [] {
        std::mt19937_64 g(2);
        std::uniform_real_distribution<double> u(0.5, 2.0);
        Array a(kN);
        for (auto& v : a) v = u(g);
        return a;
    }();
    return y;
}

const Array& inputAtLeastOne() {
    static const Array z = [] {
        Array a = inputX();
        for (auto& v : a) v += 1.0;
        return a;
    }();
    return z;
}

const std::vector<float>& inputXf() {
    static const std::vector<float> x(inputX().begin(), inputX().end());
    return x;
}

int n32() { return static_cast<int>(kN); }

using bench::keep;

// A routine writing into a fresh array, the way a caller of the raw routine
// would get a result.
template <class F>
Array fresh(F routine) {
    Array r(kN);
    routine(r.data());
    return r;
}

const bool registered = [] {
    using namespace numerics;
    const auto& x = inputX;
    const auto& y = inputY;

    // ---- reductions (reading shape: no copy) ----
    bench::add(
        bench::Row{"sum", "2^20"}, [&] { keep(sum(x())); },
        [&] {
            double r = 0;
            vec::sum(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sum(x())); });
    bench::add(
        bench::Row{"sum<float>", "2^20"}, [&] { keep(sum(inputXf())); },
        [&] {
            float r = 0;
            vec::sum(inputXf().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sumf(inputXf())); });
    bench::add(
        bench::Row{"mean", "2^20"}, [&] { keep(mean(x())); },
        [&] {
            double r = 0;
            vec::mean(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::mean(x())); });
    bench::add(
        bench::Row{"asum", "2^20"}, [&] { keep(asum(x())); }, [&] { keep(cblas_dasum(n32(), x().data(), 1)); });
    bench::add(
        bench::Row{"sumsq", "2^20"}, [&] { keep(sumsq(x())); },
        [&] {
            double r = 0;
            vec::sumOfSquares(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sumsq(x())); });
    bench::add(
        bench::Row{"max", "2^20"}, [&] { keep(max(x())); },
        [&] {
            double r = 0;
            vec::maximum(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::max(x())); });
    bench::add(
        bench::Row{"min", "2^20"}, [&] { keep(min(x())); },
        [&] {
            double r = 0;
            vec::minimum(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        bench::Row{"meamg", "2^20"}, [&] { keep(meamg(x())); },
        [&] {
            double r = 0;
            vec::meanMagnitude(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        bench::Row{"measq", "2^20"}, [&] { keep(measq(x())); },
        [&] {
            double r = 0;
            vec::meanSquare(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        bench::Row{"rmsq", "2^20"}, [&] { keep(rmsq(x())); },
        [&] {
            double r = 0;
            vec::rootMeanSquare(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        bench::Row{"variance", "2^20"}, [&] { keep(variance(x())); },
        [&] {
            double m = 0, r = 0;
            vec::mean(x().data(), 1, &m, kN);
            Array d(kN);
            const double negated = -m;
            vec::addScalar(x().data(), 1, &negated, d.data(), 1, kN);
            vec::meanSquare(d.data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::variance(x())); });
    bench::add(
        bench::Row{"linregress", "2^20"}, [&] { keep(linregress(x(), y()).slope); },
        [&] {
            double mx = 0, my = 0, mxy = 0, msq = 0;
            vec::mean(x().data(), 1, &mx, kN);
            vec::mean(y().data(), 1, &my, kN);
            Array p(kN);
            vec::multiply(x().data(), 1, y().data(), 1, p.data(), 1, kN);
            vec::mean(p.data(), 1, &mxy, kN);
            vec::meanSquare(x().data(), 1, &msq, kN);
            keep((mx * my - mxy) / (mx * mx - msq));
        });
    bench::add(
        bench::Row{"distSq", "2^20"}, [&] { keep(distSq(x(), y())); },
        [&] {
            Array d = x();
            cblas_daxpy(n32(), -1.0, y().data(), 1, d.data(), 1);
            double r = 0;
            vec::square(d.data(), 1, d.data(), 1, kN);
            vec::sum(d.data(), 1, &r, kN);
            keep(r);
        });

    // ---- element-wise functions (copying shape) ----
#define UNARY(name, routine, input)                                                                                    \
    bench::add(                                                                                                        \
        bench::Row{#name, "2^20", 1.10, 1.5}, [&] { keep(name(input())); },                                            \
        [&] { keep(fresh([&](double* r) { vmath::routine(r, input().data(), n32()); })); },                            \
        [&] { keep(loops::name(input())); });
    UNARY(exp, exp, x)
    UNARY(exp2, exp2, x)
    UNARY(log, log, x)
    UNARY(log2, log2, x)
    UNARY(log10, log10, x)
    UNARY(logb, logb, x)
    UNARY(sqrt, sqrt, x)
    UNARY(sin, sin, x)
    UNARY(cos, cos, x)
    UNARY(tan, tan, x)
    UNARY(asin, asin, x)
    UNARY(acos, acos, x)
    UNARY(atan, atan, x)
    UNARY(sinh, sinh, x)
    UNARY(cosh, cosh, x)
    UNARY(tanh, tanh, x)
    UNARY(asinh, asinh, x)
    UNARY(acosh, acosh, inputAtLeastOne)
    UNARY(atanh, atanh, x)
    UNARY(abs, fabs, x)
    UNARY(floor, floor, x)
    UNARY(ceil, ceil, x)
    UNARY(round, roundHalfEven, x)
    UNARY(trunc, trunc, x)
    UNARY(rec, reciprocal, x)
#undef UNARY
    bench::add(
        bench::Row{"exp<float>", "2^20", 1.10, 1.5}, [&] { keep(exp(inputXf())); },
        [&] {
            std::vector<float> r(kN);
            vmath::exp(r.data(), inputXf().data(), n32());
            keep(r);
        },
        [&] { keep(loops::expf(inputXf())); });
    bench::add(
        bench::Row{"sq", "2^20", 1.10, 1.5}, [&] { keep(sq(x())); },
        [&] { keep(fresh([&](double* r) { vec::square(x().data(), 1, r, 1, kN); })); }, [&] { keep(loops::sq(x())); });
    bench::add(
        bench::Row{"neg", "2^20", 1.10, 1.5}, [&] { keep(neg(x())); },
        [&] { keep(fresh([&](double* r) { vec::negate(x().data(), 1, r, 1, kN); })); }, [&] { keep(loops::neg(x())); });
    bench::add(
        bench::Row{"clip", "2^20", 1.10, 1.5}, [&] { keep(clip(x(), 0.2, 0.8)); },
        [&] {
            const double lo = 0.2, hi = 0.8;
            keep(fresh([&](double* r) { vec::clip(x().data(), 1, &lo, &hi, r, 1, kN); }));
        },
        [&] { keep(loops::clip(x(), 0.2, 0.8)); });
    bench::add(
        bench::Row{"sincos", "2^20", 1.10, 1.5}, [&] { keep(sincos(x()).sin); },
        [&] {
            Array s1(kN), c1(kN);
            vmath::sincos(s1.data(), c1.data(), x().data(), n32());
            keep(s1);
        },
        [&] {
            Array s1, c1;
            loops::sincos(x(), s1, c1);
            keep(s1);
        });
    {
        static Array out1(kN), out2(kN), out3(kN);
        bench::add(
            bench::Row{"sqrt(x, into:)", "2^20", 1.10, 1.5},
            [&] {
                sqrt(x(), out1);
                keep(out1);
            },
            [&] {
                vmath::sqrt(out2.data(), x().data(), n32());
                keep(out2);
            },
            [&] {
                for (std::size_t i = 0; i < kN; ++i) out3[i] = std::sqrt(x()[i]);
                keep(out3);
            });
    }
    bench::add(
        bench::Row{"copysign", "2^20", 1.10, 1.5}, [&] { keep(copysign(y(), x())); },
        [&] { keep(fresh([&](double* r) { vmath::copysign(r, x().data(), y().data(), n32()); })); },
        [&] { keep(loops::copysign(y(), x())); });
    return true;
}();

} // namespace
