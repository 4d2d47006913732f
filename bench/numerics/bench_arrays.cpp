// Reductions, arithmetic and element-wise functions on 1M-element arrays:
// each library function next to the kernel it wraps (Numerics/Kernels.h,
// CBLAS) and a plain loop.
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
        "sum", "reduction", [&] { keep(sum(x())); },
        [&] {
            double r = 0;
            vec::sum(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sum(x())); });
    bench::add(
        "sum<float>", "reduction", [&] { keep(sum(inputXf())); },
        [&] {
            float r = 0;
            vec::sum(inputXf().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sumf(inputXf())); });
    bench::add(
        "mean", "reduction", [&] { keep(mean(x())); },
        [&] {
            double r = 0;
            vec::mean(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::mean(x())); });
    bench::add(
        "asum", "reduction", [&] { keep(asum(x())); }, [&] { keep(cblas_dasum(n32(), x().data(), 1)); });
    bench::add(
        "sumsq", "reduction", [&] { keep(sumsq(x())); },
        [&] {
            double r = 0;
            vec::sumOfSquares(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::sumsq(x())); });
    bench::add(
        "max", "reduction", [&] { keep(max(x())); },
        [&] {
            double r = 0;
            vec::maximum(x().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::max(x())); });
    bench::add(
        "min", "reduction", [&] { keep(min(x())); },
        [&] {
            double r = 0;
            vec::minimum(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        "meamg", "reduction", [&] { keep(meamg(x())); },
        [&] {
            double r = 0;
            vec::meanMagnitude(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        "measq", "reduction", [&] { keep(measq(x())); },
        [&] {
            double r = 0;
            vec::meanSquare(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        "rmsq", "reduction", [&] { keep(rmsq(x())); },
        [&] {
            double r = 0;
            vec::rootMeanSquare(x().data(), 1, &r, kN);
            keep(r);
        });
    bench::add(
        "variance", "reduction", [&] { keep(variance(x())); },
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
        "linregress", "reduction", [&] { keep(linregress(x(), y()).slope); },
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
        "dot", "reduction", [&] { keep(dot(x(), y())); },
        [&] {
            double r = 0;
            vec::dotProduct(x().data(), 1, y().data(), 1, &r, kN);
            keep(r);
        },
        [&] { keep(loops::dot(x(), y())); });
    bench::add(
        "distSq", "reduction", [&] { keep(distSq(x(), y())); },
        [&] {
            Array d = x();
            cblas_daxpy(n32(), -1.0, y().data(), 1, d.data(), 1);
            double r = 0;
            vec::square(d.data(), 1, d.data(), 1, kN);
            vec::sum(d.data(), 1, &r, kN);
            keep(r);
        });

    // ---- arithmetic (copying shapes) ----
    static constexpr double s = 1.7;
    bench::add(
        "add(x, s)", "arithmetic", [&] { keep(add(x(), s)); },
        [&] { keep(fresh([&](double* r) { vec::addScalar(x().data(), 1, &s, r, 1, kN); })); },
        [&] { keep(loops::addScalar(x(), s)); });
    bench::add(
        "sub(x, s)", "arithmetic", [&] { keep(sub(x(), s)); },
        [&] {
            const double m = -s;
            keep(fresh([&](double* r) { vec::addScalar(x().data(), 1, &m, r, 1, kN); }));
        },
        [&] { keep(loops::addScalar(x(), -s)); });
    bench::add(
        "mul(x, s)", "arithmetic", [&] { keep(mul(x(), s)); },
        [&] { keep(fresh([&](double* r) { vec::multiplyScalar(x().data(), 1, &s, r, 1, kN); })); },
        [&] { keep(loops::mulScalar(x(), s)); });
    bench::add(
        "mul(s, x)", "arithmetic", [&] { keep(mul(s, x())); },
        [&] { keep(fresh([&](double* r) { vec::multiplyScalar(x().data(), 1, &s, r, 1, kN); })); },
        [&] { keep(loops::mulScalar(x(), s)); });
    bench::add(
        "div(x, s)", "arithmetic", [&] { keep(div(x(), s)); },
        [&] { keep(fresh([&](double* r) { vec::divideScalar(x().data(), 1, &s, r, 1, kN); })); },
        [&] { keep(loops::divScalar(x(), s)); });
    bench::add(
        "mod(x, s)", "arithmetic", [&] { keep(mod(x(), 0.3)); },
        [&] {
            const Array d(kN, 0.3);
            keep(fresh([&](double* r) { vmath::fmod(r, x().data(), d.data(), n32()); }));
        },
        [&] { keep(loops::fmodScalar(x(), 0.3)); });
    bench::add(
        "pow(x, s)", "arithmetic", [&] { keep(pow(x(), 1 / 2.2)); },
        [&] {
            const Array e(kN, 1 / 2.2);
            keep(fresh([&](double* r) { vmath::pow(r, e.data(), x().data(), n32()); }));
        },
        [&] { keep(loops::powScalar(x(), 1 / 2.2)); });
    bench::add(
        "pow<float>(x, s)", "arithmetic", [&] { keep(pow(inputXf(), 1 / 2.2f)); },
        [&] {
            const std::vector<float> e(kN, 1 / 2.2f);
            std::vector<float> r(kN);
            vmath::pow(r.data(), e.data(), inputXf().data(), n32());
            keep(r);
        },
        [&] { keep(loops::powf(inputXf(), 1 / 2.2f)); });
    bench::add(
        "add(x, y)", "arithmetic", [&] { keep(add(x(), y())); },
        [&] {
            Array r = x();
            cblas_daxpy(n32(), 1.0, y().data(), 1, r.data(), 1);
            keep(r);
        },
        [&] { keep(loops::add(x(), y())); });
    bench::add(
        "sub(x, y)", "arithmetic", [&] { keep(sub(x(), y())); },
        [&] {
            Array r = x();
            cblas_daxpy(n32(), -1.0, y().data(), 1, r.data(), 1);
            keep(r);
        });
    bench::add(
        "elmul(x, y)", "arithmetic", [&] { keep(elmul(x(), y())); },
        [&] { keep(fresh([&](double* r) { vec::multiply(x().data(), 1, y().data(), 1, r, 1, kN); })); },
        [&] { keep(loops::mul(x(), y())); });
    bench::add(
        "div(x, y)", "arithmetic", [&] { keep(div(x(), y())); },
        [&] { keep(fresh([&](double* r) { vec::divide(y().data(), 1, x().data(), 1, r, 1, kN); })); },
        [&] { keep(loops::div(x(), y())); });
    bench::add(
        "mod(x, y)", "arithmetic", [&] { keep(mod(x(), y())); },
        [&] { keep(fresh([&](double* r) { vmath::fmod(r, x().data(), y().data(), n32()); })); });
    bench::add(
        "remainder(x, y)", "arithmetic", [&] { keep(remainder(x(), y())); },
        [&] { keep(fresh([&](double* r) { vmath::remainder(r, x().data(), y().data(), n32()); })); });
    bench::add(
        "pow(x, y)", "arithmetic", [&] { keep(pow(x(), y())); },
        [&] { keep(fresh([&](double* r) { vmath::pow(r, y().data(), x().data(), n32()); })); },
        [&] { keep(loops::pow(x(), y())); });
    {
        static Array a = inputX(), b = inputX(), c = inputX();
        bench::add(
            "x += y (in place)", "arithmetic",
            [&] {
                a += y();
                keep(a);
            },
            [&] {
                cblas_daxpy(n32(), 1.0, y().data(), 1, b.data(), 1);
                keep(b);
            },
            [&] {
                loops::addInPlace(c, y());
                keep(c);
            });
        static Array d = inputX(), e = inputX();
        bench::add(
            "x *= s (in place)", "arithmetic",
            [&] {
                d *= 1.0000001;
                keep(d);
            },
            [&] {
                const double f = 1.0000001;
                vec::multiplyScalar(e.data(), 1, &f, e.data(), 1, kN);
                keep(e);
            });
    }

    // ---- element-wise functions (copying shape) ----
#define UNARY(name, routine, input)                                                                                    \
    bench::add(                                                                                                        \
        #name, "elementwise", [&] { keep(name(input())); },                                                            \
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
        "exp<float>", "elementwise", [&] { keep(exp(inputXf())); },
        [&] {
            std::vector<float> r(kN);
            vmath::exp(r.data(), inputXf().data(), n32());
            keep(r);
        },
        [&] { keep(loops::expf(inputXf())); });
    bench::add(
        "sq", "elementwise", [&] { keep(sq(x())); },
        [&] { keep(fresh([&](double* r) { vec::square(x().data(), 1, r, 1, kN); })); }, [&] { keep(loops::sq(x())); });
    bench::add(
        "neg", "elementwise", [&] { keep(neg(x())); },
        [&] { keep(fresh([&](double* r) { vec::negate(x().data(), 1, r, 1, kN); })); }, [&] { keep(loops::neg(x())); });
    bench::add(
        "clip", "elementwise", [&] { keep(clip(x(), 0.2, 0.8)); },
        [&] {
            const double lo = 0.2, hi = 0.8;
            keep(fresh([&](double* r) { vec::clip(x().data(), 1, &lo, &hi, r, 1, kN); }));
        },
        [&] { keep(loops::clip(x(), 0.2, 0.8)); });
    bench::add(
        "sincos", "elementwise", [&] { keep(sincos(x()).sin); },
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
            "sqrt(x, into:)", "elementwise",
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
        "copysign", "elementwise", [&] { keep(copysign(y(), x())); },
        [&] { keep(fresh([&](double* r) { vmath::copysign(r, x().data(), y().data(), n32()); })); },
        [&] { keep(loops::copysign(y(), x())); });
    return true;
}();

} // namespace
