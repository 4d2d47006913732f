// The Vector type and its operations.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <stdexcept>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;

namespace {

template <class T>
using VectorTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(VectorTwins, test_support::RealTypes);

TYPED_TEST(VectorTwins, Constructors) {
    using T = TypeParam;
    EXPECT_EQ(Vector<T>(3, T(1.5)).scalars(), (std::vector<T>{1.5, 1.5, 1.5}));
    int calls = 0;
    Vector<T> none(0, [&](int64_t) {
        ++calls;
        return T(0);
    });
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(none.dimensions(), 0);
    Vector<T> g(3, [](int64_t i) { return T(i * i); });
    EXPECT_EQ(g, (Vector<T>{0, 1, 4}));
    std::vector<int> ints{1, 2};
    EXPECT_EQ(Vector<T>(ints), (Vector<T>{1, 2}));
    EXPECT_EQ(Vector<T>(std::vector<T>{5, 6}).dimensions(), 2);
    EXPECT_THROW(Vector<T>(2, [](int64_t) -> T { throw std::runtime_error("x"); }), std::runtime_error);
}

TYPED_TEST(VectorTwins, ComponentAccessAndInvariant) {
    using T = TypeParam;
    Vector<T> v{1, 2, 3};
    v[1] = 20;
    EXPECT_EQ(v[1], 20);
    v.setScalars({4, 5, 6});
    EXPECT_EQ(v, (Vector<T>{4, 5, 6}));
    v.modifyScalars([](std::vector<T>& s) { s[0] = 0; });
    EXPECT_EQ(v[0], 0);
}

TYPED_TEST(VectorTwins, SumsAndDifferences) {
    using T = TypeParam;
    const Vector<T> v{1, 2, 3}, w{4, 5, 6};
    EXPECT_EQ(v + w, (Vector<T>{5, 7, 9}));
    EXPECT_EQ(w - v, (Vector<T>{3, 3, 3}));
    EXPECT_EQ(muladd(Vector<T>{1, 1}, Vector<T>{2, 3}, T(2)), (Vector<T>{5, 7}));
    Vector<T> x = v;
    const Vector<T> shared = x;
    x += w;
    EXPECT_EQ(x, (Vector<T>{5, 7, 9}));
    x -= w;
    EXPECT_EQ(x, v);
    EXPECT_EQ(shared, v);
}

TYPED_TEST(VectorTwins, ScalarForms) {
    using T = TypeParam;
    const Vector<T> v{1, 2};
    EXPECT_EQ(v - T(1), (Vector<T>{0, 1}));
    EXPECT_EQ(v + T(1), (Vector<T>{2, 3}));
    EXPECT_EQ(T(2) * v, (Vector<T>{2, 4}));
    EXPECT_EQ(v * T(2), (Vector<T>{2, 4}));
    EXPECT_EQ(v / T(2), (Vector<T>{0.5, 1}));
    EXPECT_EQ(v * 2, v * T(2));
    Vector<T> x = v;
    x += T(1);
    x *= T(4);
    x -= T(2);
    x /= T(2);
    EXPECT_EQ(x, (Vector<T>{3, 5}));
}

TYPED_TEST(VectorTwins, ElementWiseDotPowExpDistance) {
    using T = TypeParam;
    EXPECT_EQ(Vector<T>({1, 2}) / Vector<T>({4, 8}), (Vector<T>{0.25, 0.25}));
    EXPECT_EQ(eldiv(Vector<T>{1, 2}, Vector<T>{4, 8}), (Vector<T>{0.25, 0.25}));
    EXPECT_EQ(Vector<T>({1, 2}) * Vector<T>({4, 8}), (Vector<T>{4, 16}));
    EXPECT_EQ(dot(Vector<T>{1, 2, 3}, Vector<T>{4, 5, 6}), 32);
    EXPECT_EQ(dist(Vector<T>{0, 0}, Vector<T>{3, 4}), 5);
    EXPECT_EQ(distSq(Vector<T>{0, 0}, Vector<T>{3, 4}), 25);
    EXPECT_EQ(pow(Vector<T>{2, 3}, T(2)), (Vector<T>{4, 9}));
    EXPECT_EQ(exp(Vector<T>{0})[0], 1);
    Vector<T> x{2, 9};
    x *= Vector<T>{3, 1};
    x /= Vector<T>{2, 3};
    EXPECT_EQ(x, (Vector<T>{3, 3}));
}

TYPED_TEST(VectorTwins, DotGivesTheArraysSums) {
    // The vector dot takes its count from the dimensions: at every length
    // around the BLAS dot's limit, with sums that round, it must give the
    // arrays' sums to the last bit.
    using T = TypeParam;
    std::mt19937_64 generator(12);
    std::uniform_real_distribution<double> uniform(-1, 1);
    for (int64_t count : {0, 1, 31, 32, 33, 64, 1000}) {
        const Vector<T> v(count, [&](int64_t) { return uniform(generator); });
        const Vector<T> w(count, [&](int64_t) { return uniform(generator); });
        EXPECT_EQ(dot(v, w), dot(v.scalars(), w.scalars())) << count << " dimensions";
    }
}

TYPED_TEST(VectorTwins, ScalingByZeroStillMultiplies) {
    // NaN and infinity times 0 are NaN, -x times 0 is -0, at a length the
    // vector kernels take in whole blocks and a tail.
    using T = TypeParam;
    std::vector<T> values(100);
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = T(i % 9) - T(4);
    values[3] = std::numeric_limits<T>::quiet_NaN();
    values[99] = -std::numeric_limits<T>::infinity();
    Vector<T> v(values);
    v *= T(0);
    EXPECT_TRUE(std::isnan(v[3]));
    EXPECT_TRUE(std::isnan(v[99]));
    EXPECT_TRUE(v[0] == 0 && std::signbit(v[0])); // -4 * 0
    EXPECT_TRUE(v[5] == 0 && !std::signbit(v[5]));
    EXPECT_EQ(v.dimensions(), 100);
}

TYPED_TEST(VectorTwins, MatrixProducts) {
    using T = TypeParam;
    const Matrix<T> m{{1, 2}, {3, 4}};
    EXPECT_EQ(m * Vector<T>({1, 1}), (Vector<T>{3, 7}));
    EXPECT_EQ(Vector<T>({1, 1}) * m, (Vector<T>{4, 6}));
    const Matrix<T> r{{1, 2, 3}, {4, 5, 6}}; // non-square: catches a transposition mix-up
    EXPECT_EQ(r * Vector<T>({1, 0, -1}), (Vector<T>{-2, -2}));
    EXPECT_EQ(Vector<T>({1, -1}) * r, (Vector<T>{-3, -3, -3}));
    EXPECT_EQ(Matrix<T>(2, 0, T(0)) * Vector<T>(), (Vector<T>{0, 0}));
    EXPECT_EQ(Matrix<T>(0, 2, T(0)) * Vector<T>({1, 2}), Vector<T>());
    EXPECT_EQ(Vector<T>() * Matrix<T>(0, 2, T(0)), (Vector<T>{0, 0}));
    EXPECT_EQ(Vector<T>({1, 2}) * Matrix<T>(2, 0, T(0)), Vector<T>());
}

TYPED_TEST(VectorTwins, DescriptionAndEquality) {
    using T = TypeParam;
    EXPECT_EQ(Vector<T>({1, 2.5}).description(), "1.0\t2.5");
    EXPECT_EQ(Vector<T>().description(), "");
    EXPECT_FALSE((Vector<T>{1, 2}) == (Vector<T>{2, 1}));
    const Vector<T> v{7, 8};
    EXPECT_EQ(std::vector<T>(v.begin(), v.end()), (std::vector<T>{7, 8}));
}

TEST(VectorDescription, EachScalarInItsShortestRoundTripText) {
    // The exponent form starts at 2^24 for float and 2^53 for double.
    const struct {
        double value;
        const char* asDouble;
        const char* asFloat;
    } cases[] = {
        {2.0, "2.0", "2.0"},
        {0.1, "0.1", "0.1"},
        {-0.0, "-0.0", "-0.0"},
        {100000000.0, "100000000.0", "1e+08"},
        {16777216.0, "16777216.0", "1.6777216e+07"},
        {1e16, "1e+16", "1e+16"},
        {0.0001, "0.0001", "0.0001"},
        {0.00001, "1e-05", "1e-05"},
        {1.0 / 3, "0.3333333333333333", "0.33333334"},
        {std::numeric_limits<double>::infinity(), "inf", "inf"},
        {std::numeric_limits<double>::quiet_NaN(), "nan", "nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Vector<double>({c.value}).description(), c.asDouble) << c.value;
        EXPECT_EQ(Vector<float>({float(c.value)}).description(), c.asFloat) << c.value;
    }
}

TYPED_TEST(VectorTwins, RandomVectors) {
    using T = TypeParam;
    std::mt19937_64 g1(6), g2(6);
    EXPECT_EQ(Vector<T>::random(5, ClosedRange<T>{0, 1}, g1).scalars(), random(5, ClosedRange<T>{0, 1}, g2));
    EXPECT_EQ(Vector<T>::randomNormal(3, T(1), T(0)).scalars(), (std::vector<T>{1, 1, 1}));
}

TEST(VectorDeathTest, PreconditionsStop) {
    Vector<double> v{1, 2, 3};
    EXPECT_DEATH(v.setScalars({1, 2}), "");
    EXPECT_DEATH(v.modifyScalars([](std::vector<double>& s) { s.push_back(1); }), "");
    EXPECT_DEATH(Vector<double>({1, 2}) + Vector<double>({1, 2, 3}), "");
    EXPECT_DEATH(dot(Vector<double>({1, 2}), Vector<double>({1})), "");
    EXPECT_DEATH(dot(Vector<double>(40, 1.0), Vector<double>(41, 1.0)), ""); // dimensions the BLAS dot would take
    EXPECT_DEATH(Matrix<double>(2, 2, 0.0) * Vector<double>({1, 2, 3}), "");
    EXPECT_DEATH(Vector<double>(-1, 0.0), "");
    EXPECT_DEATH(v[3], "");
}

} // namespace
