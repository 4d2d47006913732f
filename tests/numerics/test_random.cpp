// Random arrays (and single normal samples).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;

namespace {

template <class T>
using RandomTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(RandomTwins, test_support::RealTypes);

// A generator that counts its draws and returns a fixed value.
struct Constant {
    uint64_t value;
    int draws = 0;
    uint64_t operator()() {
        ++draws;
        return value;
    }
};

TYPED_TEST(RandomTwins, CountZeroDrawsNothing) {
    using T = TypeParam;
    Constant g{0};
    EXPECT_TRUE(random(0, ClosedRange<T>{0, 1}, g).empty());
    EXPECT_EQ(g.draws, 0);
    EXPECT_TRUE(random(0, ClosedRange<T>{0, 1}).empty());
}

TYPED_TEST(RandomTwins, DegenerateRangeGivesItsValue) {
    using T = TypeParam;
    EXPECT_EQ(random(4, ClosedRange<T>{2, 2}), (std::vector<T>{2, 2, 2, 2}));
}

TYPED_TEST(RandomTwins, AllOneBitsGiveTheUpperBound) {
    using T = TypeParam;
    Constant g{~uint64_t(0)};
    EXPECT_EQ(random(3, ClosedRange<T>{-1, T(0.75)}, g), (std::vector<T>{T(0.75), T(0.75), T(0.75)}));
    EXPECT_EQ(g.draws, 3);
}

TYPED_TEST(RandomTwins, TheSmallestAcceptedBitsGiveTheLowerBound) {
    using T = TypeParam;
    // r = 1: the product r * (2^p + 1) has high half 0 (k = 0) and a low half
    // above the rejection threshold. (r = 0 is rejected: its low half 0 lies
    // below the threshold.)
    Constant g{1};
    EXPECT_EQ(random(2, ClosedRange<T>{T(-1.5), 3}, g), (std::vector<T>{T(-1.5), T(-1.5)}));
}

TYPED_TEST(RandomTwins, KnownDrawIsTheUnbiasedMultiplyShift) {
    using T = TypeParam;
    // Half the range of the random bits maps to k = 2^(p-1) (after the product
    // with 2^p + 1 the high half rounds down): the midpoint.
    const uint64_t half = std::same_as<T, double> ? (uint64_t(1) << 63) : (uint64_t(1) << 31);
    Constant g{half};
    EXPECT_EQ(random(1, ClosedRange<T>{0, 4}, g), std::vector<T>{2});
}

TYPED_TEST(RandomTwins, UniformValuesStayInRangeAndCoverIt) {
    using T = TypeParam;
    std::mt19937_64 g(1);
    const auto r = random(20000, ClosedRange<T>{-2, 3}, g);
    ASSERT_EQ(r.size(), 20000u);
    for (T v : r) ASSERT_TRUE(v >= -2 && v <= 3);
    EXPECT_NEAR(mean(r), 0.5, 0.05);
    EXPECT_LT(min(r), -1.99);
    EXPECT_GT(max(r), 2.99);
}

TYPED_TEST(RandomTwins, NormalWithZeroDeviationIsTheMean) {
    using T = TypeParam;
    std::mt19937_64 g(2);
    for (T v : randomNormal(100, T(4.5), T(0), g)) EXPECT_EQ(v, T(4.5));
}

TYPED_TEST(RandomTwins, NormalSampleMomentsAndReproducibility) {
    using T = TypeParam;
    std::mt19937_64 g1(42), g2(42);
    const auto a = randomNormal(50000, T(1), T(2), g1);
    const auto b = randomNormal(50000, T(1), T(2), g2);
    EXPECT_EQ(a, b);
    EXPECT_NEAR(mean(a), 1, 0.05);
    EXPECT_NEAR(numerics::std(a), 2, 0.05);
}

TYPED_TEST(RandomTwins, NormalFollowsTheBoxMullerSteps) {
    using T = TypeParam;
    std::mt19937_64 g1(77), g2(77);
    const auto r = randomNormal(8, T(0.5), T(3), g1);
    const auto u = random(8, ClosedRange<T>{0, 1}, g2);
    const auto v = random(8, ClosedRange<T>{0, 1}, g2);
    const T twoPi = std::same_as<T, double> ? T(6.283185307179586) : T(6.283185f);
    for (int i = 0; i < 8; ++i) {
        const T radius = std::sqrt(std::log(u[i]) * T(-2));
        const T expected = radius * std::cos(v[i] * twoPi) * T(3) + T(0.5);
        EXPECT_EQ(r[i], expected) << i;
    }
}

TYPED_TEST(RandomTwins, ScalarNormalSample) {
    using T = TypeParam;
    std::mt19937_64 g(5);
    double total = 0;
    for (int i = 0; i < 20000; ++i) total += randomNormalScalar(T(3), T(1), g);
    EXPECT_NEAR(total / 20000, 3, 0.05);
    Constant one{1};
    // u1 = 0 (and u2 = 0): the logarithm is -infinity and the sample infinite.
    EXPECT_TRUE(std::isinf(randomNormalScalar(T(0), T(1), one)));
}

TEST(RandomConstants, TwoPiBitPatterns) {
    EXPECT_EQ(std::bit_cast<uint64_t>(6.283185307179586), 0x401921FB54442D18ull);
    EXPECT_EQ(std::bit_cast<uint32_t>(6.283185f), 0x40C90FDAu);
}

TEST(RandomRejection, BitsBelowTheThresholdAreDrawnAgain) {
    // First value 0 is rejected, the second (all ones) gives the upper bound.
    struct Sequence {
        std::vector<uint64_t> values;
        std::size_t next = 0;
        uint64_t operator()() { return values[next++]; }
    } g{{0, ~uint64_t(0)}};
    EXPECT_EQ(random(1, ClosedRange<double>{0, 1}, g), std::vector<double>{1});
    EXPECT_EQ(g.next, 2u);
}

TEST(RandomDeathTest, PreconditionsStop) {
    EXPECT_DEATH(random(-1, ClosedRange<double>{0, 1}), "");
    const double big = std::numeric_limits<double>::max();
    EXPECT_DEATH(random(1, ClosedRange<double>{-big, big}), "");
    const float bigf = std::numeric_limits<float>::max();
    EXPECT_DEATH(random(1, ClosedRange<float>{-bigf, bigf}), "");
}

} // namespace
