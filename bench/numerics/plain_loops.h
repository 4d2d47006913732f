#pragma once
// Plain loops, compiled at -O2 (plain_loops.cpp), against which the library's
// element-wise functions and reductions are measured. Each returns a fresh
// result as the library does.

#include <cstdint>
#include <vector>

namespace loops {

using Array = std::vector<double>;

double sum(const Array& x);
double sumsq(const Array& x);
double max(const Array& x);
double mean(const Array& x);
double dot(const Array& x, const Array& y);
double variance(const Array& x);

Array addScalar(const Array& x, double s);
Array mulScalar(const Array& x, double s);
Array divScalar(const Array& x, double s);
Array fmodScalar(const Array& x, double s);
Array powScalar(const Array& x, double e);
Array add(const Array& x, const Array& y);
Array mul(const Array& x, const Array& y);
Array div(const Array& x, const Array& y);
Array pow(const Array& x, const Array& y);
void addInPlace(Array& x, const Array& y);

#define PLAIN_UNARY(name) Array name(const Array& x);
PLAIN_UNARY(exp)
PLAIN_UNARY(exp2)
PLAIN_UNARY(log)
PLAIN_UNARY(log2)
PLAIN_UNARY(log10)
PLAIN_UNARY(logb)
PLAIN_UNARY(sqrt)
PLAIN_UNARY(sin)
PLAIN_UNARY(cos)
PLAIN_UNARY(tan)
PLAIN_UNARY(asin)
PLAIN_UNARY(acos)
PLAIN_UNARY(atan)
PLAIN_UNARY(sinh)
PLAIN_UNARY(cosh)
PLAIN_UNARY(tanh)
PLAIN_UNARY(asinh)
PLAIN_UNARY(acosh)
PLAIN_UNARY(atanh)
PLAIN_UNARY(abs)
PLAIN_UNARY(floor)
PLAIN_UNARY(ceil)
PLAIN_UNARY(round)
PLAIN_UNARY(trunc)
PLAIN_UNARY(rec)
PLAIN_UNARY(sq)
PLAIN_UNARY(neg)
#undef PLAIN_UNARY

std::vector<float> expf(const std::vector<float>& x);
std::vector<float> powf(const std::vector<float>& x, float e);
float sumf(const std::vector<float>& x);

Array clip(const Array& x, double low, double high);
void sincos(const Array& x, Array& s, Array& c);
Array copysign(const Array& sign, const Array& magnitude);

// Full convolution, straightforward nested loop.
Array conv(const Array& x, const Array& k);
// Row-major transpose of a rows x columns grid.
Array transpose(const Array& grid, int64_t rows, int64_t columns);

} // namespace loops
