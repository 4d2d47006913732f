// The baseline loops, compiled at -O2 whatever the build type, as the
// benchmark goal states ("within 1.5x of a plain loop compiled at -O2").
#pragma GCC optimize("O2")

#include "plain_loops.h"

#include <cmath>

namespace loops {

double sum(const Array& x) {
    double s = 0;
    for (double v : x) s += v;
    return s;
}

double sumsq(const Array& x) {
    double s = 0;
    for (double v : x) s += v * v;
    return s;
}

double max(const Array& x) {
    double m = -INFINITY;
    for (double v : x) m = v > m ? v : m;
    return m;
}

double mean(const Array& x) { return sum(x) / double(x.size()); }

double dot(const Array& x, const Array& y) {
    double s = 0;
    for (std::size_t i = 0; i < x.size(); ++i) s += x[i] * y[i];
    return s;
}

double variance(const Array& x) {
    const double m = mean(x);
    double s = 0;
    for (double v : x) s += (v - m) * (v - m);
    return s / double(x.size());
}

#define PLAIN_MAP(name, expr)                                                                                          \
    Array name(const Array& x) {                                                                                       \
        Array r(x.size());                                                                                             \
        for (std::size_t i = 0; i < x.size(); ++i) {                                                                   \
            const double v = x[i];                                                                                     \
            r[i] = expr;                                                                                               \
        }                                                                                                              \
        return r;                                                                                                      \
    }

PLAIN_MAP(exp, std::exp(v))
PLAIN_MAP(exp2, std::exp2(v))
PLAIN_MAP(log, std::log(v))
PLAIN_MAP(log2, std::log2(v))
PLAIN_MAP(log10, std::log10(v))
PLAIN_MAP(logb, std::logb(v))
PLAIN_MAP(sqrt, std::sqrt(v))
PLAIN_MAP(sin, std::sin(v))
PLAIN_MAP(cos, std::cos(v))
PLAIN_MAP(tan, std::tan(v))
PLAIN_MAP(asin, std::asin(v))
PLAIN_MAP(acos, std::acos(v))
PLAIN_MAP(atan, std::atan(v))
PLAIN_MAP(sinh, std::sinh(v))
PLAIN_MAP(cosh, std::cosh(v))
PLAIN_MAP(tanh, std::tanh(v))
PLAIN_MAP(asinh, std::asinh(v))
PLAIN_MAP(acosh, std::acosh(v))
PLAIN_MAP(atanh, std::atanh(v))
PLAIN_MAP(abs, std::fabs(v))
PLAIN_MAP(floor, std::floor(v))
PLAIN_MAP(ceil, std::ceil(v))
PLAIN_MAP(round, std::nearbyint(v))
PLAIN_MAP(trunc, std::trunc(v))
PLAIN_MAP(rec, 1.0 / v)
PLAIN_MAP(sq, v* v)
PLAIN_MAP(neg, -v)
#undef PLAIN_MAP

#define PLAIN_SCALAR(name, expr)                                                                                       \
    Array name(const Array& x, double s) {                                                                             \
        Array r(x.size());                                                                                             \
        for (std::size_t i = 0; i < x.size(); ++i) {                                                                   \
            const double v = x[i];                                                                                     \
            r[i] = expr;                                                                                               \
        }                                                                                                              \
        return r;                                                                                                      \
    }

PLAIN_SCALAR(addScalar, v + s)
PLAIN_SCALAR(mulScalar, v* s)
PLAIN_SCALAR(divScalar, v / s)
PLAIN_SCALAR(fmodScalar, std::fmod(v, s))
PLAIN_SCALAR(powScalar, std::pow(v, s))
#undef PLAIN_SCALAR

#define PLAIN_BINARY(name, expr)                                                                                       \
    Array name(const Array& x, const Array& y) {                                                                       \
        Array r(x.size());                                                                                             \
        for (std::size_t i = 0; i < x.size(); ++i) {                                                                   \
            const double a = x[i], b = y[i];                                                                           \
            r[i] = expr;                                                                                               \
        }                                                                                                              \
        return r;                                                                                                      \
    }

PLAIN_BINARY(add, a + b)
PLAIN_BINARY(mul, a* b)
PLAIN_BINARY(div, a / b)
PLAIN_BINARY(pow, std::pow(a, b))
#undef PLAIN_BINARY

void addInPlace(Array& x, const Array& y) {
    for (std::size_t i = 0; i < x.size(); ++i) x[i] += y[i];
}

std::vector<float> expf(const std::vector<float>& x) {
    std::vector<float> r(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) r[i] = std::exp(x[i]);
    return r;
}

std::vector<float> powf(const std::vector<float>& x, float e) {
    std::vector<float> r(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) r[i] = std::pow(x[i], e);
    return r;
}

float sumf(const std::vector<float>& x) {
    float s = 0;
    for (float v : x) s += v;
    return s;
}

Array clip(const Array& x, double low, double high) {
    Array r(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) r[i] = x[i] < low ? low : (x[i] > high ? high : x[i]);
    return r;
}

void sincos(const Array& x, Array& s, Array& c) {
    s.assign(x.size(), 0);
    c.assign(x.size(), 0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        s[i] = std::sin(x[i]);
        c[i] = std::cos(x[i]);
    }
}

Array copysign(const Array& sign, const Array& magnitude) {
    Array r(magnitude.size());
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = std::copysign(magnitude[i], sign[i]);
    return r;
}

Array conv(const Array& x, const Array& k) {
    const std::size_t n = x.size() + k.size() - 1;
    Array r(n, 0.0);
    for (std::size_t i = 0; i < x.size(); ++i)
        for (std::size_t q = 0; q < k.size(); ++q) r[i + q] += x[i] * k[q];
    return r;
}

Array transpose(const Array& grid, int64_t rows, int64_t columns) {
    Array r(grid.size());
    for (int64_t i = 0; i < rows; ++i)
        for (int64_t j = 0; j < columns; ++j) r[j * rows + i] = grid[i * columns + j];
    return r;
}

} // namespace loops
