// Views, iterators, conformances, drivers and limits.
#include <gtest/gtest.h>

#include <span>
#include <stdexcept>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;

namespace {

template <class T>
using MemoryTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(MemoryTwins, test_support::RealTypes);

TYPED_TEST(MemoryTwins, ArrayViewIsTheArraysOwnStorage) {
    std::vector<TypeParam> a{1, 2, 3};
    withUnsafeMemory(a, [&](UnsafeMemory<TypeParam> v) {
        EXPECT_EQ(v.pointer, a.data()); // not a copy
        EXPECT_EQ(v.stride, 1);
        EXPECT_EQ(v.count, 3);
    });
}

TYPED_TEST(MemoryTwins, EmptyArrayGivesCountZeroAndIteratorStaysExhausted) {
    std::vector<TypeParam> a;
    withUnsafeMemory(a, [](UnsafeMemory<TypeParam> v) {
        EXPECT_EQ(v.count, 0);
        auto it = v.makeIterator();
        EXPECT_FALSE(it.next().has_value());
        EXPECT_FALSE(it.next().has_value());
        EXPECT_FALSE(it.index.has_value());
    });
}

TYPED_TEST(MemoryTwins, StrideThreeIteratorReadsEveryThirdElement) {
    std::vector<TypeParam> storage{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    UnsafeMemory<TypeParam> v(storage.data(), 3, 4);
    auto it = v.makeIterator();
    std::vector<TypeParam> seen;
    while (auto e = it.next()) seen.push_back(*e);
    EXPECT_EQ(seen, (std::vector<TypeParam>{0, 3, 6, 9}));
    EXPECT_EQ(it.index, 3);
    EXPECT_FALSE(it.next().has_value());
    EXPECT_EQ(it.index, 3); // left as it was
    // C++ iteration gives the same elements.
    EXPECT_EQ(std::vector<TypeParam>(v.begin(), v.end()), seen);
}

TYPED_TEST(MemoryTwins, IteratorCopyContinuesIndependently) {
    std::vector<TypeParam> storage{5, 6, 7};
    UnsafeMemory<TypeParam> v(storage.data(), 1, 3);
    auto a = v.makeIterator();
    a.next();
    auto b = a;
    EXPECT_EQ(*a.next(), 6);
    EXPECT_EQ(*a.next(), 7);
    EXPECT_EQ(*b.next(), 6);
}

TYPED_TEST(MemoryTwins, NegativeStrideWalksBackwards) {
    std::vector<TypeParam> storage{1, 2, 3, 4};
    UnsafeMemory<TypeParam> v(storage.data() + 3, -1, 4);
    EXPECT_EQ(std::vector<TypeParam>(v.begin(), v.end()), (std::vector<TypeParam>{4, 3, 2, 1}));
}

TYPED_TEST(MemoryTwins, WriteViewOfACopyLeavesTheOriginalUnchanged) {
    std::vector<TypeParam> original{1, 2, 3};
    std::vector<TypeParam> copy = original;
    withUnsafeMutableMemory(copy, [](UnsafeMutableMemory<TypeParam> v) {
        for (int64_t i = 0; i < v.count; ++i) v[i] = 9;
    });
    EXPECT_EQ(copy, (std::vector<TypeParam>{9, 9, 9}));
    EXPECT_EQ(original, (std::vector<TypeParam>{1, 2, 3}));
    copy += TypeParam(1);
    EXPECT_EQ(original, (std::vector<TypeParam>{1, 2, 3}));
}

TYPED_TEST(MemoryTwins, SliceViewStartsAtTheSlice) {
    std::vector<TypeParam> a{1, 2, 3, 4, 5};
    std::span<const TypeParam> s(a.data() + 1, 3);
    withUnsafeMemory(s, [&](UnsafeMemory<TypeParam> v) {
        EXPECT_EQ(v.pointer, a.data() + 1);
        EXPECT_EQ(v.stride, 1);
        EXPECT_EQ(v.count, 3);
    });
    EXPECT_EQ(sum(s), 9);
    std::span<TypeParam> w(a.data() + 3, 2);
    w *= TypeParam(10);
    EXPECT_EQ(a, (std::vector<TypeParam>{1, 2, 3, 40, 50}));
}

TYPED_TEST(MemoryTwins, DriversNestInArgumentOrderAndReturnTheBodysResult) {
    std::vector<TypeParam> a{1};
    std::vector<double> b{2, 3};
    std::span<const TypeParam> c(a);
    auto r =
        withUnsafeMemory(a, b, c, [](auto va, auto vb, auto vc) { return va.count * 100 + vb.count * 10 + vc.count; });
    EXPECT_EQ(r, 121);
    std::vector<TypeParam> x{1, 2}, y{3, 4}, z{5};
    withUnsafeMutableMemory(x, y, z, [](auto vx, auto vy, auto vz) {
        vx[0] = 10;
        vy[1] = 40;
        vz[0] = 50;
    });
    EXPECT_EQ(x[0], 10);
    EXPECT_EQ(y[1], 40);
    EXPECT_EQ(z[0], 50);
    int i = 1;
    TypeParam f = 2;
    withUnsafeMutablePointers(i, f, [](int* pi, TypeParam* pf) {
        *pi = 7;
        *pf = 8;
    });
    EXPECT_EQ(i, 7);
    EXPECT_EQ(f, 8);
    EXPECT_EQ(withUnsafePointers(i, f, [](const int* pi, const TypeParam* pf) { return *pi + *pf; }), 15);
}

TYPED_TEST(MemoryTwins, FailureOfTheActionPassesThroughUnchanged) {
    std::vector<TypeParam> a{1, 2};
    EXPECT_THROW(withUnsafeMemory(a, [](auto) -> int { throw std::runtime_error("boom"); }), std::runtime_error);
    EXPECT_THROW(withUnsafeMutableMemory(a, [](auto) -> int { throw std::logic_error("boom"); }), std::logic_error);
    EXPECT_THROW(withUnsafeMemory(a, a, [](auto, auto) { throw 42; }), int);
}

using MemoryDeathTest = ::testing::Test;

TEST(MemoryDeathTest, ResizingTheArrayInsideAWriteViewStops) {
    std::vector<double> a{1, 2, 3};
    EXPECT_DEATH(withUnsafeMutableMemory(a, [&](auto) { a.assign(100, 0.0); }), "");
}

TEST(MemoryDeathTest, SliceWithoutStorageStopsWithItsText) {
    std::span<const double> s(static_cast<const double*>(nullptr), 3);
    EXPECT_DEATH(withUnsafeMemory(s, [](auto) {}), "Fatal error: ArraySlice is missing its pointer");
}

TEST(MemoryDeathTest, IteratorIndexOverflowStops) {
    double x = 1;
    UnsafeMemory<double> v(&x, std::numeric_limits<int64_t>::max() / 2 + 1, std::numeric_limits<int64_t>::max());
    auto it = v.makeIterator();
    it.next();
    it.next();
    EXPECT_DEATH(it.next(), ""); // 2 * (max / 2 + 1) overflows 64 bits
}

TEST(Limits, MathCountBoundIs2Pow31Minus1) {
    EXPECT_EQ(detail::mathCount(2147483647), 2147483647);
    EXPECT_DEATH(detail::mathCount(2147483648LL), "");
}

TEST(Limits, CblasBoundsAreTheSigned32BitRange) {
    EXPECT_EQ(detail::cblasInt(-2147483648LL), -2147483647 - 1);
    EXPECT_EQ(detail::cblasInt(2147483647), 2147483647);
    EXPECT_DEATH(detail::cblasInt(2147483648LL), "");
    EXPECT_DEATH(detail::cblasInt(-2147483649LL), "");
}

TEST(Limits, VectorLengthMustNotBeNegative) {
    EXPECT_EQ(detail::vectorLength(0), 0u);
    EXPECT_DEATH(detail::vectorLength(-1), "");
    double x = 1;
    EXPECT_DEATH(sum(UnsafeMemory<double>(&x, 1, -1)), "");
}

TEST(Limits, CblasStrideOutOfRangeStops) {
    double x = 1;
    EXPECT_DEATH(asum(UnsafeMemory<double>(&x, 2147483648LL, 1)), "");
}

} // namespace
