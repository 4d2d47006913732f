// Element-wise functions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <span>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;
using test_support::V;

namespace {

template <class T>
using ElementwiseTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(ElementwiseTwins, test_support::RealTypes);

TYPED_TEST(ElementwiseTwins, ExponentialsAndLogarithms) {
    using T = TypeParam;
    const V<T> x{0, 1};
    EXPECT_EQ(exp(x)[0], 1);
    EXPECT_EQ(exp(x)[1], std::exp(T(1)));
    EXPECT_EQ(log(V<T>{1}), V<T>{0});
    EXPECT_EQ(logb(V<T>{8, 0.5}), (V<T>{3, -1}));
    EXPECT_EQ(exp2(V<T>{3, -1}), (V<T>{8, 0.5}));
    EXPECT_EQ(log2(V<T>{8, 0.25}), (V<T>{3, -2}));
    EXPECT_EQ(log10(V<T>{1000}), V<T>{3});
    EXPECT_EQ(x, (V<T>{0, 1}));
}

TYPED_TEST(ElementwiseTwins, Rounding) {
    using T = TypeParam;
    EXPECT_EQ(round(V<T>{T(2.4), T(-2.6), T(1.5000001)}), (V<T>{2, -3, 2}));
    EXPECT_EQ(round(V<T>{T(0.5), T(1.5), T(2.5)}), (V<T>{0, 2, 2})); // ties to even
    EXPECT_EQ(trunc(V<T>{T(-1.7)}), V<T>{-1});
    EXPECT_EQ(floor(V<T>{T(-1.2)}), V<T>{-2});
    EXPECT_EQ(ceil(V<T>{T(-1.2)}), V<T>{-1});
    EXPECT_EQ(threshold(V<T>{T(2.4)}, T(100)), V<T>{2}); // low is not read
}

TYPED_TEST(ElementwiseTwins, SimpleFunctions) {
    using T = TypeParam;
    EXPECT_EQ(clip(V<T>{-5, 0.5, 5}, T(0), T(1)), (V<T>{0, 0.5, 1}));
    EXPECT_EQ(abs(V<T>{-2, 3}), (V<T>{2, 3}));
    EXPECT_EQ(neg(V<T>{-2, 3}), (V<T>{2, -3}));
    EXPECT_EQ(sq(V<T>{-2, 3}), (V<T>{4, 9}));
    EXPECT_EQ(rec(V<T>{4, -0.5}), (V<T>{0.25, -2}));
    EXPECT_EQ(sqrt(V<T>{4, 9}), (V<T>{2, 3}));
    EXPECT_TRUE(std::isnan(sqrt(V<T>{-1})[0]));
    EXPECT_TRUE(std::isnan(asin(V<T>{2})[0]));
    EXPECT_EQ(log(V<T>{0})[0], -std::numeric_limits<T>::infinity());
}

TYPED_TEST(ElementwiseTwins, TrigonometryMatchesTheScalarFunctions) {
    using T = TypeParam;
    const V<T> x{T(-0.9), T(-0.3), T(0), T(0.2), T(0.7)};
    auto check = [&](const V<T>& got, auto f) {
        ASSERT_EQ(got.size(), x.size());
        for (std::size_t i = 0; i < x.size(); ++i) EXPECT_EQ(got[i], f(x[i])) << i;
    };
    check(sin(x), [](T v) { return std::sin(v); });
    check(cos(x), [](T v) { return std::cos(v); });
    check(tan(x), [](T v) { return std::tan(v); });
    check(asin(x), [](T v) { return std::asin(v); });
    check(acos(x), [](T v) { return std::acos(v); });
    check(atan(x), [](T v) { return std::atan(v); });
    check(sinh(x), [](T v) { return std::sinh(v); });
    check(cosh(x), [](T v) { return std::cosh(v); });
    check(tanh(x), [](T v) { return std::tanh(v); });
    check(asinh(x), [](T v) { return std::asinh(v); });
    check(atanh(x), [](T v) { return std::atanh(v); });
    const V<T> y{1, 2, 3, 4, 5};
    const auto a = acosh(y);
    for (std::size_t i = 0; i < y.size(); ++i) EXPECT_EQ(a[i], std::acosh(y[i])) << i;
}

TYPED_TEST(ElementwiseTwins, KnownTrigonometricValues) {
    using T = TypeParam;
    const T pi = std::numbers::pi_v<T>;
    auto s = sin(V<T>{0, pi / 2});
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[1], 1);
    EXPECT_NEAR(cos(V<T>{pi})[0], -1, 1e-6);
    EXPECT_NEAR(atan(V<T>{1})[0], pi / 4, 1e-6);
}

TYPED_TEST(ElementwiseTwins, SinCosInOneCall) {
    using T = TypeParam;
    const V<T> x{0, 1, 2};
    auto r = sincos(x);
    EXPECT_EQ(r.sin, sin(x));
    EXPECT_EQ(r.cos, cos(x));
    auto e = sincos(V<T>{});
    EXPECT_TRUE(e.sin.empty());
    EXPECT_TRUE(e.cos.empty());
}

TYPED_TEST(ElementwiseTwins, SqrtIntoWritesOnlyTheFirstElements) {
    using T = TypeParam;
    V<T> results{0, 0, 7, 7};
    sqrt(V<T>{4, 9}, results);
    EXPECT_EQ(results, (V<T>{2, 3, 7, 7}));
    V<T> storage{1, 1, 1};
    sqrt(V<T>{16}, std::span<T>(storage.data() + 1, 2));
    EXPECT_EQ(storage, (V<T>{1, 4, 1}));
}

TYPED_TEST(ElementwiseTwins, CopySign) {
    using T = TypeParam;
    EXPECT_EQ(copysign(V<T>{-1, 1}, V<T>{2, -3}), (V<T>{-2, 3}));
}

TYPED_TEST(ElementwiseTwins, StridedInputIsCopiedInIterationOrder) {
    using T = TypeParam;
    V<T> storage{1, -1, 4, -1, 9, -1};
    UnsafeMemory<T> every2nd(storage.data(), 2, 3);
    EXPECT_EQ(sqrt(every2nd), (V<T>{1, 2, 3}));
    EXPECT_EQ(neg(every2nd), (V<T>{-1, -4, -9}));
    EXPECT_EQ(clip(every2nd, T(2), T(5)), (V<T>{2, 4, 5}));
}

TEST(ElementwiseTwinsAgree, FloatAndDoubleAgreeWithinFloatPrecision) {
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> u(0.1, 3);
    std::vector<double> d(1000);
    for (auto& v : d) v = u(gen);
    std::vector<float> f(d.begin(), d.end());
    std::vector<double> fd(f.begin(), f.end());
    auto near = [](const std::vector<float>& a, const std::vector<double>& b, double rel) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], rel * std::max(1.0, std::fabs(b[i]))) << i;
    };
    near(exp(f), exp(fd), 1e-6);
    near(log(f), log(fd), 1e-6);
    near(sqrt(f), sqrt(fd), 1e-6);
    near(sin(f), sin(fd), 1e-6);
    near(tanh(f), tanh(fd), 1e-6);
    near(pow(f, 0.45f), pow(fd, 0.45), 1e-6);
}

TEST(ElementwiseDeathTest, PreconditionsStop) {
    std::vector<double> one{0};
    EXPECT_DEATH(sqrt(std::vector<double>{4, 9}, one), ""); // results too short
    EXPECT_DEATH(copysign(std::vector<double>{1}, std::vector<double>{1, 2}), "");
    std::vector<double> s{1, 2, 3, 4};
    EXPECT_DEATH(sincos(UnsafeMemory<double>(s.data(), 2, 2)), "");
    EXPECT_DEATH(sqrt(UnsafeMemory<double>(s.data(), 2, 2), one), "");
}

TEST(ElementwiseDeathTest, MoreThan2Pow31Minus1ElementsStopBeforeTheRoutine) {
    // sqrt(x, results) checks the count before it reads anything: the bogus
    // views of 2^31 elements over a single value are never touched.
    float x = 4, y = 0;
    UnsafeMemory<float> big(&x, 1, 2147483648LL);
    EXPECT_DEATH(sqrt(big, UnsafeMutableMemory<float>(&y, 1, 2147483648LL)), "");
    EXPECT_DEATH(sincos(big), "");
}

} // namespace
