// Reductions and statistics.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;

namespace {

template <class T>
using ReductionTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(ReductionTwins, test_support::RealTypes);

TYPED_TEST(ReductionTwins, SumAndMeanOfKnownValues) {
    const std::vector<TypeParam> x{1.5, 2.5, -1.0};
    EXPECT_EQ(sum(x), TypeParam(3));
    EXPECT_EQ(mean(x), TypeParam(1));
    EXPECT_EQ(x, (std::vector<TypeParam>{1.5, 2.5, -1.0})); // argument untouched
}

TYPED_TEST(ReductionTwins, SumOfManyValuesMatchesAnExactSum) {
    std::vector<TypeParam> x;
    for (int i = 1; i <= 1001; ++i) x.push_back(TypeParam(i));
    EXPECT_EQ(sum(x), TypeParam(1001 * 1002 / 2));
    EXPECT_EQ(mean(x), TypeParam(501));
}

TYPED_TEST(ReductionTwins, VarianceAndStd) {
    const std::vector<TypeParam> x{1, 2, 3, 4};
    EXPECT_EQ(variance(x), TypeParam(1.25));
    EXPECT_EQ(numerics::std(x), std::sqrt(TypeParam(1.25)));
    EXPECT_EQ(stddev(x), std::sqrt(TypeParam(1.25)));
    EXPECT_EQ(variance(x, TypeParam(0)), TypeParam(7.5));
    EXPECT_EQ(numerics::std(x, TypeParam(0)), std::sqrt(TypeParam(7.5)));
}

TYPED_TEST(ReductionTwins, MagnitudeAndSquareMeans) {
    const std::vector<TypeParam> x{3, -4};
    EXPECT_EQ(rmsq(x), std::sqrt(TypeParam(12.5)));
    EXPECT_EQ(meamg(x), TypeParam(3.5));
    EXPECT_EQ(asum(x), TypeParam(7));
    EXPECT_EQ(sumsq(x), TypeParam(25));
    EXPECT_EQ(measq(x), TypeParam(12.5));
    EXPECT_EQ(max(x), TypeParam(3));
    EXPECT_EQ(min(x), TypeParam(-4));
}

TYPED_TEST(ReductionTwins, MaxAndMinFindTheExtremeAnywhere) {
    for (int at = 0; at < 19; ++at) {
        std::vector<TypeParam> x(19, TypeParam(1));
        x[at] = 5;
        EXPECT_EQ(max(x), 5) << at;
        x[at] = -5;
        EXPECT_EQ(min(x), -5) << at;
    }
}

TYPED_TEST(ReductionTwins, MaxAndMinSkipNaNButAnswerNaNWhenNothingElseIsThere) {
    using T = TypeParam;
    const T nan = std::numeric_limits<T>::quiet_NaN(), inf = std::numeric_limits<T>::infinity();
    struct Case {
        std::vector<T> x;
        T max, min; // NaN: the answer is NaN
    };
    const Case cases[] = {
        {{nan}, nan, nan},          {std::vector<T>(19, nan), nan, nan}, // past the eight-wide blocks
        {{nan, 2, nan, -1}, 2, -1}, {{nan, -inf}, -inf, -inf},           {{inf, nan}, inf, inf},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(test_support::sameValue(max(c.x), c.max)) << c.x.size() << " elements, max " << max(c.x);
        EXPECT_TRUE(test_support::sameValue(min(c.x), c.min)) << c.x.size() << " elements, min " << min(c.x);
    }
    std::vector<T> storage{nan, 7, nan, 7, nan};
    EXPECT_TRUE(std::isnan(max(UnsafeMemory<T>(storage.data(), 2, 3))));
    EXPECT_TRUE(std::isnan(min(UnsafeMemory<T>(storage.data() + 4, -2, 3))));
}

TYPED_TEST(ReductionTwins, LinregressExact) {
    const std::vector<TypeParam> x{0, 1, 2, 3}, y{1, 3, 5, 7};
    auto r = linregress(x, y);
    EXPECT_EQ(r.slope, TypeParam(2));
    EXPECT_EQ(r.intercept, TypeParam(1));
}

TYPED_TEST(ReductionTwins, LinregressOfEqualXIsNotFinite) {
    const std::vector<TypeParam> x{1, 1, 1}, y{1, 2, 4};
    EXPECT_FALSE(std::isfinite(linregress(x, y).slope));
}

TYPED_TEST(ReductionTwins, EmptyCollection) {
    const std::vector<TypeParam> e;
    EXPECT_EQ(sum(e), 0);
    EXPECT_EQ(asum(e), 0);
    EXPECT_EQ(sumsq(e), 0);
    EXPECT_EQ(max(e), -std::numeric_limits<TypeParam>::infinity());
    EXPECT_EQ(min(e), std::numeric_limits<TypeParam>::infinity());
    EXPECT_TRUE(std::isnan(mean(e)));
}

TYPED_TEST(ReductionTwins, StridedViewsReduceTheRightElements) {
    // Interleaved storage: even positions 1..6, odd positions 100.
    std::vector<TypeParam> s;
    for (int i = 1; i <= 6; ++i) {
        s.push_back(TypeParam(i));
        s.push_back(TypeParam(100));
    }
    UnsafeMemory<TypeParam> even(s.data(), 2, 6);
    EXPECT_EQ(sum(even), 21);
    EXPECT_EQ(mean(even), TypeParam(3.5));
    EXPECT_EQ(max(even), 6);
    EXPECT_EQ(min(even), 1);
    EXPECT_EQ(sumsq(even), 91);
    EXPECT_EQ(asum(even), 21);
    UnsafeMemory<TypeParam> backwards(s.data() + 10, -2, 6);
    EXPECT_EQ(sum(backwards), 21);
    EXPECT_EQ(asum(backwards), 21);
    EXPECT_EQ(dot(even, backwards), 1 * 6 + 2 * 5 + 3 * 4 + 4 * 3 + 5 * 2 + 6 * 1);
}

TEST(ReductionTwinsAgree, FloatAndDoubleAgreeWithinFloatPrecision) {
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> d(10000);
    for (auto& v : d) v = u(gen);
    std::vector<float> f(d.begin(), d.end());
    std::vector<double> fd(f.begin(), f.end()); // the float values, exactly, in double
    const double scale = asum(fd);
    EXPECT_NEAR(sum(f), sum(fd), 1e-6 * scale);
    EXPECT_NEAR(mean(f), mean(fd), 1e-6 * scale / 10000);
    EXPECT_NEAR(variance(f), variance(fd), 1e-5);
    EXPECT_NEAR(rmsq(f), rmsq(fd), 1e-5);
    EXPECT_EQ(max(f), float(max(fd)));
    EXPECT_EQ(min(f), float(min(fd)));
}

TEST(ReductionDeathTest, LinregressOfDifferentCountsStops) {
    const std::vector<double> x{1, 2}, y{1, 2, 3};
    EXPECT_DEATH(linregress(x, y), "");
}

} // namespace
