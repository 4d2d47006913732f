// The Matrix type.
#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;
using test_support::V;

namespace {

template <class T>
using MatrixTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(MatrixTwins, test_support::RealTypes);

TYPED_TEST(MatrixTwins, RepeatedValueAndShape) {
    using T = TypeParam;
    Matrix<T> m(2, 3, T(7));
    EXPECT_EQ(m.grid(), V<T>(6, 7));
    EXPECT_EQ(m.shape(), MatrixShape::wide);
    EXPECT_EQ(Matrix<T>(3, 2, T(7)).shape(), MatrixShape::tall);
    EXPECT_EQ(Matrix<T>(2, 2, T(0)).shape(), MatrixShape::square);
    EXPECT_EQ(Matrix<T>().shape(), MatrixShape::square);
}

TYPED_TEST(MatrixTwins, RowAndColumnMatrices) {
    using T = TypeParam;
    const auto r = Matrix<T>::fromRow({});
    EXPECT_EQ(r.rows(), 1);
    EXPECT_EQ(r.columns(), 0);
    const auto c = Matrix<T>::fromColumn({});
    EXPECT_EQ(c.rows(), 0);
    EXPECT_EQ(c.columns(), 1);
    const auto c3 = Matrix<T>::fromColumn({1, 2, 3});
    EXPECT_EQ(c3.rows(), 3);
    EXPECT_EQ(c3(2, 0), 3);
}

TYPED_TEST(MatrixTwins, FromRowsIsRowMajor) {
    using T = TypeParam;
    Matrix<T> m{{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(m.rows(), 2);
    EXPECT_EQ(m.columns(), 3);
    EXPECT_EQ(m.grid(), (V<T>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(m(1, 0), 4);
    const std::vector<std::vector<T>> rows{{1, 2}, {3, 4}, {5, 6}};
    Matrix<T> n(rows);
    EXPECT_EQ(n.grid(), (V<T>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(n.shape(), MatrixShape::tall);
}

TYPED_TEST(MatrixTwins, ElementRowAndColumnAccess) {
    using T = TypeParam;
    Matrix<T> m{{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(m.column(1), (V<T>{2, 4, 6}));
    EXPECT_EQ(m.row(2), (V<T>{5, 6}));
    m(0, 1) = 20;
    m.setRow(1, {30, 40});
    m.setColumn(0, {10, 31, 50});
    EXPECT_EQ(m.grid(), (V<T>{10, 20, 31, 40, 50, 6}));
}

TYPED_TEST(MatrixTwins, DiagonalFamily) {
    using T = TypeParam;
    const auto e = Matrix<T>::eye(2, 3);
    EXPECT_EQ(e.grid(), (V<T>{1, 0, 0, 0, 1, 0}));
    const auto d = Matrix<T>::diagonal(3, 2, V<T>{5, 6});
    EXPECT_EQ(d.grid(), (V<T>{5, 0, 0, 6, 0, 0}));
    EXPECT_EQ(Matrix<T>::identity(2), (Matrix<T>{{1, 0}, {0, 1}}));
    EXPECT_EQ(Matrix<T>::diagonal(2, 2, T(3)).grid(), (V<T>{3, 0, 0, 3}));
}

TYPED_TEST(MatrixTwins, GeneratorIsCalledInRowMajorOrder) {
    using T = TypeParam;
    std::vector<std::pair<int64_t, int64_t>> calls;
    Matrix<T> m(2, 3, [&](int64_t r, int64_t c) {
        calls.emplace_back(r, c);
        return T(r * 10 + c);
    });
    EXPECT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[1], (std::pair<int64_t, int64_t>(0, 1)));
    EXPECT_EQ(calls[3], (std::pair<int64_t, int64_t>(1, 0)));
    EXPECT_EQ(m.grid(), (V<T>{0, 1, 2, 10, 11, 12}));
}

TYPED_TEST(MatrixTwins, GeneratorFailurePassesThrough) {
    using T = TypeParam;
    int calls = 0;
    auto make = [&] {
        return Matrix<T>(2, 2, [&](int64_t, int64_t) -> T {
            ++calls;
            throw std::runtime_error("no");
        });
    };
    EXPECT_THROW(make(), std::runtime_error);
    EXPECT_EQ(calls, 1);
}

TYPED_TEST(MatrixTwins, Description) {
    using T = TypeParam;
    EXPECT_EQ((Matrix<T>{{1, 2}, {3, 4}}).description(), "\u239B\t1.0\t2.0\t\u239E\n\u239D\t3.0\t4.0\t\u23A0\n");
    EXPECT_EQ(Matrix<T>::fromRow({1, 2}).description(), "(\t1.0\t2.0\t)\n");
    EXPECT_EQ(Matrix<T>::fromColumn({1, 2.5, -3}).description(),
              "\u239B\t1.0\t\u239E\n\u239C\t2.5\t\u23A5\n\u239D\t-3.0\t\u23A0\n");
    EXPECT_EQ(Matrix<T>().description(), "");
    EXPECT_EQ(Matrix<T>::fromRow({}).description(), "(\t\t)\n");
}

TYPED_TEST(MatrixTwins, IterationYieldsRowViews) {
    using T = TypeParam;
    Matrix<T> m{{1, 2, 3}, {4, 5, 6}};
    std::vector<V<T>> rows;
    for (auto row : m) rows.emplace_back(row.begin(), row.end());
    EXPECT_EQ(rows, (std::vector<V<T>>{{1, 2, 3}, {4, 5, 6}}));
    // A matrix without columns yields nothing, though its indices are valid.
    Matrix<T> empty(2, 0, T(0));
    EXPECT_EQ(empty.begin(), empty.end());
    EXPECT_EQ(empty.rowCount(), 2);
    EXPECT_TRUE(empty.rowView(1).empty());
    EXPECT_EQ(sum(m.rowView(1)), 15); // a row view is a collection of the library
}

TYPED_TEST(MatrixTwins, Equality) {
    using T = TypeParam;
    Matrix<T> a(2, 3, V<T>{1, 2, 3, 4, 5, 6});
    Matrix<T> b(3, 2, V<T>{1, 2, 3, 4, 5, 6});
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a == (Matrix<T>{{1, 2, 3}, {4, 5, 6}}));
    Matrix<T> c = a;
    c(0, 0) = 9; // copies are independent values
    EXPECT_EQ(a(0, 0), 1);
}

TYPED_TEST(MatrixTwins, RandomMatrices) {
    using T = TypeParam;
    std::mt19937_64 g(3);
    const auto m = Matrix<T>::random(3, 4, ClosedRange<T>{1, 2}, g);
    EXPECT_EQ(m.rows(), 3);
    EXPECT_EQ(m.columns(), 4);
    for (T v : m.grid()) EXPECT_TRUE(v >= 1 && v <= 2);
    std::mt19937_64 g1(8), g2(8);
    EXPECT_EQ(Matrix<T>::randomNormal(2, 2, T(0), T(1), g1).grid(), randomNormal(4, T(0), T(1), g2));
    EXPECT_EQ(Matrix<T>::random(2, 2, ClosedRange<T>{5, 5}).grid(), V<T>(4, 5));
}

TEST(MatrixGenericScalar, LongDoubleConstructorsAndText) {
    Matrix<long double> m{{1, 2}};
    EXPECT_EQ(m.description(), "(\t1.0\t2.0\t)\n");
}

TEST(MatrixDeathTest, PreconditionsStop) {
    EXPECT_DEATH(Matrix<double>(2, 2, std::vector<double>{1, 2, 3}), "");
    EXPECT_DEATH((Matrix<double>{{1, 2}, {3}}), "");
    EXPECT_DEATH(Matrix<double>(std::vector<std::vector<double>>{}), "");
    EXPECT_DEATH(Matrix<double>::diagonal(3, 2, std::vector<double>{1, 2, 3}), "");
    EXPECT_DEATH(Matrix<double>(int64_t(1) << 40, int64_t(1) << 40, 0.0), "");
    EXPECT_DEATH(Matrix<double>(-1, 2, 0.0), "");
    Matrix<double> m(2, 2, 0.0);
    EXPECT_DEATH(m(2, 0), "");
    EXPECT_DEATH(m.setColumn(0, {1}), "");
    EXPECT_DEATH(m.setRow(0, {1, 2, 3}), "");
}

} // namespace
