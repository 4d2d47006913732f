// Element-wise arithmetic and operators.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <span>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;
using test_support::V;

namespace {

template <class T>
using ArithmeticTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(ArithmeticTwins, test_support::RealTypes);

TYPED_TEST(ArithmeticTwins, PowOfCollectionAndScalar) {
    const V<TypeParam> x{0, 0.25, 1};
    EXPECT_EQ(pow(x, TypeParam(0.5)), (V<TypeParam>{0, 0.5, 1}));
    EXPECT_EQ(x, (V<TypeParam>{0, 0.25, 1}));
    EXPECT_TRUE(std::isnan(pow(V<TypeParam>{-2}, TypeParam(0.5))[0]));
    EXPECT_EQ(pow(V<TypeParam>{}, TypeParam(2)), V<TypeParam>{});
}

TYPED_TEST(ArithmeticTwins, GammaRampMatchesStdPow) {
    V<TypeParam> ramp;
    for (int i = 0; i < 256; ++i) ramp.push_back(TypeParam(i) / 255);
    const TypeParam g = TypeParam(1) / TypeParam(2.2);
    auto r = pow(ramp, g);
    ASSERT_EQ(r.size(), 256u);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(r[i], std::pow(ramp[i], g)) << i;
}

TYPED_TEST(ArithmeticTwins, ScalarMathFormsAcrossManyElements) {
    // Longer than the routine's chunks of repeated scalars, not a multiple.
    using T = TypeParam;
    V<T> x(2500);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = T(i % 97) / 7 - 3;
    const auto p = pow(x, T(3));
    const auto m = mod(x, T(1.25));
    V<T> pa = x, ma = x;
    powAssign(pa, T(3));
    ma %= T(1.25);
    for (std::size_t i = 0; i < x.size(); ++i) {
        ASSERT_EQ(p[i], std::pow(x[i], T(3))) << i;
        ASSERT_EQ(pa[i], p[i]) << i;
        ASSERT_EQ(m[i], std::fmod(x[i], T(1.25))) << i;
        ASSERT_EQ(ma[i], m[i]) << i;
    }
}

TYPED_TEST(ArithmeticTwins, ScalarForms) {
    const V<TypeParam> x{1, 2};
    EXPECT_EQ(add(x, TypeParam(3)), (V<TypeParam>{4, 5}));
    EXPECT_EQ(sub(x, TypeParam(3)), (V<TypeParam>{-2, -1}));
    EXPECT_EQ(mul(x, TypeParam(3)), (V<TypeParam>{3, 6}));
    EXPECT_EQ(div(x, TypeParam(2)), (V<TypeParam>{0.5, 1}));
    EXPECT_EQ(mul(TypeParam(2), x), (V<TypeParam>{2, 4}));
    EXPECT_EQ(TypeParam(2) * x, x * TypeParam(2));
    EXPECT_EQ(x + TypeParam(1), (V<TypeParam>{2, 3}));
    EXPECT_EQ(x - TypeParam(1), (V<TypeParam>{0, 1}));
    EXPECT_EQ(x / TypeParam(4), (V<TypeParam>{0.25, 0.5}));
    EXPECT_EQ(mod(V<TypeParam>{-7, 7}, TypeParam(3)), (V<TypeParam>{-1, 1}));
    EXPECT_EQ(V<TypeParam>({-7, 7}) % TypeParam(3), (V<TypeParam>{-1, 1}));
    EXPECT_EQ(x, (V<TypeParam>{1, 2}));
}

TYPED_TEST(ArithmeticTwins, InPlaceScalarForms) {
    V<TypeParam> x{1, 2};
    x -= TypeParam(3);
    EXPECT_EQ(x, (V<TypeParam>{-2, -1}));
    x += TypeParam(3);
    x *= TypeParam(4);
    EXPECT_EQ(x, (V<TypeParam>{4, 8}));
    x /= TypeParam(8);
    EXPECT_EQ(x, (V<TypeParam>{0.5, 1}));
    V<TypeParam> m{-7, 7};
    m %= TypeParam(3);
    EXPECT_EQ(m, (V<TypeParam>{-1, 1}));
    V<TypeParam> p{2, 3};
    powAssign(p, TypeParam(2));
    EXPECT_EQ(p, (V<TypeParam>{4, 9}));
}

TYPED_TEST(ArithmeticTwins, TwoCollectionForms) {
    const V<TypeParam> x{6, 8}, y{3, 2};
    EXPECT_EQ(add(x, y), (V<TypeParam>{9, 10}));
    EXPECT_EQ(sub(x, y), (V<TypeParam>{3, 6}));
    EXPECT_EQ(elmul(x, y), (V<TypeParam>{18, 16}));
    EXPECT_EQ(div(x, y), (V<TypeParam>{2, 4})); // left divided by right
    EXPECT_EQ(mod(x, y), (V<TypeParam>{0, 0}));
    EXPECT_EQ(pow(x, y), (V<TypeParam>{216, 64}));
    EXPECT_EQ(remainder(V<TypeParam>{7}, V<TypeParam>{4}), (V<TypeParam>{-1}));
    EXPECT_EQ(x + y, add(x, y));
    EXPECT_EQ(x - y, sub(x, y));
    EXPECT_EQ(x * y, elmul(x, y));
    EXPECT_EQ(x / y, div(x, y));
    EXPECT_EQ(x % y, mod(x, y));
    EXPECT_EQ(x, (V<TypeParam>{6, 8}));
    EXPECT_EQ(y, (V<TypeParam>{3, 2}));
}

TYPED_TEST(ArithmeticTwins, InPlaceCollectionFormsChangeOnlyTheLeftOperand) {
    const V<TypeParam> y{3, 2};
    V<TypeParam> x{6, 8};
    x += y;
    EXPECT_EQ(x, (V<TypeParam>{9, 10}));
    x -= y;
    x *= y;
    EXPECT_EQ(x, (V<TypeParam>{18, 16}));
    x /= y;
    EXPECT_EQ(x, (V<TypeParam>{6, 8}));
    x %= V<TypeParam>{4, 5};
    EXPECT_EQ(x, (V<TypeParam>{2, 3}));
    powAssign(x, y);
    EXPECT_EQ(x, (V<TypeParam>{8, 9}));
    EXPECT_EQ(y, (V<TypeParam>{3, 2}));
}

TYPED_TEST(ArithmeticTwins, DotAndDistance) {
    EXPECT_EQ(dot(V<TypeParam>{1, 2, 3}, V<TypeParam>{4, 5, 6}), 32);
    EXPECT_EQ(dist(V<TypeParam>{0, 0}, V<TypeParam>{3, 4}), 5);
    EXPECT_EQ(distSq(V<TypeParam>{0, 0}, V<TypeParam>{3, 4}), 25);
}

TYPED_TEST(ArithmeticTwins, DotAndScalingAtEveryLengthAndStride) {
    // Short runs and long ones take different routines; every stride (backward
    // ones too) must pair and scale the same elements, and scaling by zero
    // must still multiply (NaN and infinity give NaN, -x gives -0).
    using T = TypeParam;
    const T nan = std::numeric_limits<T>::quiet_NaN(), inf = std::numeric_limits<T>::infinity();
    for (int64_t count : {1, 31, 32, 33, 200})
        for (int64_t stride : {1, 3, -1, -2}) {
            const int64_t span = (count - 1) * (stride < 0 ? -stride : stride) + 1;
            V<T> xs(std::size_t(span), T(-7)), ys(std::size_t(span), T(5));
            T* x0 = xs.data() + (stride < 0 ? span - 1 : 0);
            T* y0 = ys.data() + (stride < 0 ? span - 1 : 0);
            T expected = 0;
            for (int64_t i = 0; i < count; ++i) {
                x0[i * stride] = T(i % 7 - 3); // small integers: every sum is exact
                y0[i * stride] = T(i % 5 + 1);
                expected += x0[i * stride] * y0[i * stride];
            }
            const UnsafeMemory<T> x(x0, stride, count), y(y0, stride, count);
            EXPECT_EQ(dot(x, y), expected) << count << " elements, stride " << stride;
            EXPECT_EQ(dot(V<T>(x.begin(), x.end()), y), expected) << count << " elements, stride " << stride;

            x0[0] = nan;
            if (count > 1) x0[stride] = -inf;
            const V<T> before = xs;
            for (T s : {T(2), T(0), T(-0.5)}) {
                xs = before;
                UnsafeMutableMemory<T> view(x0, stride, count);
                view *= s;
                std::vector<bool> inView(xs.size(), false);
                for (int64_t i = 0; i < count; ++i) {
                    const auto k = std::size_t(x0 + i * stride - xs.data());
                    inView[k] = true;
                    const T product = before[k] * s;
                    EXPECT_TRUE(test_support::sameValue(xs[k], product) && std::signbit(xs[k]) == std::signbit(product))
                        << before[k] << " * " << s << " gave " << xs[k] << " (" << count << " elements, stride "
                        << stride << ")";
                }
                for (std::size_t k = 0; k < xs.size(); ++k)
                    EXPECT_TRUE(inView[k] || xs[k] == T(-7)) << "element " << k << " between the view's elements";
            }
        }
}

TYPED_TEST(ArithmeticTwins, ContiguousDotAndScalingAtEveryLengthAndPlacement) {
    // Contiguous runs go to routines that work in blocks of 8 to 64 bytes and
    // line the run up on a cache line first: every length around a block or a
    // routine's limit, starting anywhere in a line, must pair and scale each
    // element once and leave the elements beside the run alone. Scaling by
    // zero must still multiply.
    using T = TypeParam;
    const T nan = std::numeric_limits<T>::quiet_NaN(), inf = std::numeric_limits<T>::infinity();
    constexpr int64_t perLine = 64 / sizeof(T);
    constexpr int64_t kLongest = detail::kLongestOwnScale<T>;
    constexpr auto kLongRun = int64_t(vec::kScaleLongRunFromBytes / sizeof(T)); // from a line's start
    const int64_t counts[] = {0,        1,           7,   8,    9,        15,           16,
                              17,       31,          32,  33,   63,       64,           65,
                              127,      128,         129, 1000, kLongRun, kLongRun + 1, kLongRun + perLine,
                              kLongest, kLongest + 1};
    for (int64_t count : counts) {
        const int64_t step = count <= 1000 ? 1 : perLine - 1; // the longest: at a line's start and end only
        for (int64_t offset = 0; offset < perLine; offset += step) {
            V<T> xs(std::size_t(count + 2 * perLine), T(-7)), ys(xs.size(), T(5));
            int64_t lead = 0; // elements up to the storage's first cache-line boundary
            while ((reinterpret_cast<std::uintptr_t>(xs.data() + lead) % 64) != 0) ++lead;
            const int64_t ylead = lead + (offset % 3); // y placed unlike x
            T* x0 = xs.data() + lead + offset;
            T* y0 = ys.data() + ylead;
            T expected = 0;
            for (int64_t i = 0; i < count; ++i) {
                x0[i] = T(i % 7 - 3); // small integers: every sum is exact
                y0[i] = T(i % 5 + 1);
                expected += x0[i] * y0[i];
            }
            const std::span<const T> x(x0, std::size_t(count)), y(y0, std::size_t(count));
            ASSERT_EQ(dot(x, y), expected) << count << " elements at " << offset;

            if (count > 0) x0[0] = nan;
            if (count > 1) x0[count - 1] = -inf;
            if (count > 2) x0[count / 2] = T(-0.0);
            const V<T> before = xs;
            for (T s : {T(2), T(0), T(-0.5)}) {
                xs = before;
                std::span<T> view(x0, std::size_t(count));
                view *= s;
                for (std::size_t k = 0; k < xs.size(); ++k) {
                    const bool inRun = xs.data() + k >= x0 && xs.data() + k < x0 + count;
                    const T want = inRun ? before[k] * s : before[k];
                    ASSERT_TRUE(test_support::sameValue(xs[k], want) && std::signbit(xs[k]) == std::signbit(want))
                        << before[k] << " * " << s << " gave " << xs[k] << " at " << k << " (" << count
                        << " elements at " << offset << ")";
                }
            }
        }
    }
}

TYPED_TEST(ArithmeticTwins, DotOfTwoArraysGivesTheRoutinesSums) {
    // Two arrays go to the BLAS dot or the kernel's loop by a road of their
    // own: at every length around the routines' limit, with sums that round,
    // the result must be the routine's to the last bit and the views' road's.
    using T = TypeParam;
    std::mt19937_64 generator(11);
    std::uniform_real_distribution<double> uniform(-1, 1);
    for (std::size_t count : {0, 1, 8, 31, 32, 33, 64, 65, 1000}) {
        V<T> x(count), y(count);
        for (std::size_t i = 0; i < count; ++i) {
            x[i] = T(uniform(generator));
            y[i] = T(uniform(generator));
        }
        const int n = static_cast<int>(count);
        const T routine = count >= std::size_t(detail::kBlasDotFromCount)
                              ? blas::dot(n, x.data(), 1, y.data(), 1)
                              : vec::dotProductContiguous(x.data(), y.data(), count);
        EXPECT_EQ(dot(x, y), routine) << count << " elements";
        EXPECT_EQ(dot(std::span<const T>(x), std::span<const T>(y)), routine) << count << " elements";
    }
}

TYPED_TEST(ArithmeticTwins, EmptyOperands) {
    const V<TypeParam> e;
    EXPECT_EQ(add(e, e), e);
    EXPECT_EQ(add(e, TypeParam(1)), e);
    EXPECT_EQ(mul(TypeParam(2), e), e);
    EXPECT_EQ(pow(e, e), e);
    EXPECT_EQ(dot(e, e), 0);
}

TYPED_TEST(ArithmeticTwins, StridedOperandsUseTheirStrides) {
    // Columns of a 3 x 2 row-major block.
    V<TypeParam> grid{1, 10, 2, 20, 3, 30};
    UnsafeMutableMemory<TypeParam> col0(grid.data(), 2, 3);
    UnsafeMemory<TypeParam> col1(grid.data() + 1, 2, 3);
    EXPECT_EQ(add(col0, col1), (V<TypeParam>{11, 22, 33}));
    EXPECT_EQ(col0 * TypeParam(2), (V<TypeParam>{2, 4, 6}));
    col0 += col1; // axpy with stride 2 on both sides
    EXPECT_EQ(grid, (V<TypeParam>{11, 10, 22, 20, 33, 30}));
    col0 *= TypeParam(2);
    EXPECT_EQ(grid, (V<TypeParam>{22, 10, 44, 20, 66, 30}));
    UnsafeMemory<TypeParam> reversed(grid.data() + 5, -2, 3); // 30, 20, 10
    V<TypeParam> z{0, 0, 0};
    z += reversed;
    EXPECT_EQ(z, (V<TypeParam>{30, 20, 10}));
    z -= reversed;
    EXPECT_EQ(z, (V<TypeParam>{0, 0, 0}));
}

TYPED_TEST(ArithmeticTwins, StridedOperandsOfEveryCopyingForm) {
    // Every copying form reads a strided operand in its iteration order,
    // whether its kernel takes strides (vec) or bare pointers (vmath).
    using T = TypeParam;
    V<T> storage{4, -1, 9, -1, 16, -1};
    UnsafeMemory<T> x(storage.data(), 2, 3);         // 4, 9, 16
    UnsafeMemory<T> back(storage.data() + 4, -2, 3); // 16, 9, 4
    const V<T> y{2, 3, 4};
    EXPECT_EQ(pow(x, T(0.5)), (V<T>{2, 3, 4}));
    EXPECT_EQ(mod(x, T(5)), (V<T>{4, 4, 1}));
    EXPECT_EQ(add(back, T(1)), (V<T>{17, 10, 5}));
    EXPECT_EQ(div(x, T(2)), (V<T>{2, 4.5, 8}));
    EXPECT_EQ(pow(x, y), (V<T>{16, 729, 65536}));
    EXPECT_EQ(mod(x, y), (V<T>{0, 0, 0}));
    EXPECT_EQ(remainder(x, y), (V<T>{0, 0, 0}));
    EXPECT_EQ(elmul(y, back), (V<T>{32, 27, 16}));
    EXPECT_EQ(div(y, back), (V<T>{T(2) / 16, T(3) / 9, 1}));
    EXPECT_EQ(sub(back, y), (V<T>{14, 6, 0}));
    EXPECT_EQ(copysign(V<T>{-1, 1, -1}, x), (V<T>{-4, 9, -16}));
    EXPECT_EQ(storage, (V<T>{4, -1, 9, -1, 16, -1})); // operands untouched
}

TYPED_TEST(ArithmeticTwins, SpansAreCollections) {
    V<TypeParam> a{1, 2, 3, 4};
    std::span<const TypeParam> head(a.data(), 2), tail(a.data() + 2, 2);
    EXPECT_EQ(head + tail, (V<TypeParam>{4, 6}));
    EXPECT_EQ(pow(tail, TypeParam(2)), (V<TypeParam>{9, 16}));
}

TEST(ArithmeticDeathTest, DifferentCountsStopAndChangeNothing) {
    V<double> x{1, 2, 3, 4}, y{1, 2, 3, 4, 5};
    EXPECT_DEATH(add(x, y), "");
    EXPECT_DEATH(add(V<double>{1, 2}, V<double>{1, 2, 3}), "");
    EXPECT_DEATH(elmul(x, y), "");
    EXPECT_DEATH(dot(x, y), "");
    EXPECT_DEATH(dot(V<double>(40, 1.0), V<double>(41, 1.0)), ""); // counts the BLAS dot would take
    EXPECT_DEATH(pow(x, y), "");
    EXPECT_DEATH(x += y, "");
    EXPECT_DEATH(distSq(x, y), "");
    EXPECT_EQ(x, (V<double>{1, 2, 3, 4}));
    EXPECT_EQ(y, (V<double>{1, 2, 3, 4, 5}));
}

TEST(ArithmeticDeathTest, NegativeCountsStop) {
    // A view of a negative count is a caller's fault on every route, the
    // in-line ones included.
    V<double> s{1, 2};
    EXPECT_DEATH(dot(UnsafeMemory<double>(s.data(), 1, -1), UnsafeMemory<double>(s.data(), 1, -1)), "");
    UnsafeMutableMemory<double> negative(s.data(), 1, -1);
    EXPECT_DEATH(negative *= 2.0, "");
    EXPECT_DEATH(negative *= 0.0, "");
    EXPECT_EQ(s, (V<double>{1, 2}));
}

TEST(ArithmeticDeathTest, StridedOperandOfPowStops) {
    V<double> s{1, 2, 3, 4};
    UnsafeMemory<double> strided(s.data(), 2, 2);
    V<double> x{1, 2};
    EXPECT_DEATH(pow(x, strided), "");
    EXPECT_DEATH(powAssign(x, strided), "");
    UnsafeMutableMemory<double> stridedLeft(s.data(), 2, 2);
    EXPECT_DEATH(powAssign(stridedLeft, 2.0), "");
    EXPECT_DEATH(stridedLeft %= 2.0, "");
    EXPECT_EQ(s, (V<double>{1, 2, 3, 4}));
}

} // namespace
