// Matrix arithmetic and linear algebra.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;
using test_support::V;

namespace {

template <class T>
using LinearAlgebraTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(LinearAlgebraTwins, test_support::RealTypes);

template <class T>
T tolerance() {
    return std::same_as<T, float> ? T(1e-4) : T(1e-10);
}

template <class T>
void expectNear(const Matrix<T>& a, const Matrix<T>& b, T tol) {
    ASSERT_EQ(a.rows(), b.rows());
    ASSERT_EQ(a.columns(), b.columns());
    for (std::size_t i = 0; i < a.grid().size(); ++i) EXPECT_NEAR(a.grid()[i], b.grid()[i], tol) << i;
}

template <class T>
Matrix<T> randomMatrix(int64_t n, uint64_t seed) {
    std::mt19937_64 g(seed);
    return Matrix<T>::random(n, n, ClosedRange<T>{-1, 1}, g);
}

TYPED_TEST(LinearAlgebraTwins, ProductOfKnownMatrices) {
    using T = TypeParam;
    Matrix<T> a{{1, 2}, {3, 4}}, b{{5, 6}, {7, 8}};
    EXPECT_EQ(a * b, (Matrix<T>{{19, 22}, {43, 50}}));
    EXPECT_EQ(mul(a, b), a * b);
    Matrix<T> wide{{1, 2, 3}, {4, 5, 6}}; // 2 x 3 times 3 x 1
    EXPECT_EQ(wide * Matrix<T>::fromColumn({1, 0, -1}), Matrix<T>::fromColumn({-2, -2}));
    EXPECT_EQ(a, (Matrix<T>{{1, 2}, {3, 4}}));
}

TYPED_TEST(LinearAlgebraTwins, EmptyProducts) {
    using T = TypeParam;
    EXPECT_EQ(Matrix<T>(2, 0, T(0)) * Matrix<T>(0, 3, T(0)), Matrix<T>(2, 3, T(0)));
    const auto r = Matrix<T>(0, 2, T(0)) * Matrix<T>(2, 3, T(1));
    EXPECT_EQ(r.rows(), 0);
    EXPECT_EQ(r.columns(), 3);
}

TYPED_TEST(LinearAlgebraTwins, SumsDifferencesAndScaling) {
    using T = TypeParam;
    Matrix<T> a{{1, 2}, {3, 4}}, b{{5, 6}, {7, 8}};
    EXPECT_EQ(a + b, (Matrix<T>{{6, 8}, {10, 12}}));
    EXPECT_EQ(b - a, (Matrix<T>{{4, 4}, {4, 4}}));
    EXPECT_EQ(elmul(a, b), (Matrix<T>{{5, 12}, {21, 32}}));
    EXPECT_EQ(T(2) * a, (Matrix<T>{{2, 4}, {6, 8}}));
    EXPECT_EQ(2 * a, T(2) * a);
    EXPECT_EQ(a / T(2), (Matrix<T>{{0.5, 1}, {1.5, 2}}));
    EXPECT_EQ(pow(a, T(2)), (Matrix<T>{{1, 4}, {9, 16}}));
    const auto e = exp(Matrix<T>{{0, 1}});
    EXPECT_EQ(e(0, 0), 1);
    EXPECT_EQ(e(0, 1), std::exp(T(1)));
    Matrix<T> c = a;
    const Matrix<T> shared = c; // the copy must not see the in-place writes
    c += b;
    EXPECT_EQ(c, (Matrix<T>{{6, 8}, {10, 12}}));
    c -= b;
    EXPECT_EQ(c, a);
    EXPECT_EQ(shared, a);
}

TYPED_TEST(LinearAlgebraTwins, ScalingByZeroKeepsNaNAndInfinityLikeTheArrayAndVectorForms) {
    using T = TypeParam;
    const T nan = std::numeric_limits<T>::quiet_NaN(), inf = std::numeric_limits<T>::infinity();
    const Matrix<T> m{{nan, inf}, {-inf, 1}};
    for (T s : {T(0), T(-0.0), T(2)}) {
        const auto scaled = s * m;
        const auto array = mul(s, m.grid());
        const auto vector = s * Vector<T>(m.grid());
        ASSERT_EQ(scaled.grid().size(), 4u);
        for (std::size_t i = 0; i < 4; ++i) {
            const T expected = s * m.grid()[i];
            for (T got : {scaled.grid()[i], array[i], vector[std::int64_t(i)]})
                EXPECT_TRUE(test_support::sameValue(got, expected)) << s << " * " << m.grid()[i] << " gave " << got;
        }
    }
}

TYPED_TEST(LinearAlgebraTwins, AxisSumsAndTranspose) {
    using T = TypeParam;
    Matrix<T> a{{1, 2}, {3, 4}};
    EXPECT_EQ(sum(a, MatrixAxies::row), Matrix<T>::fromColumn({3, 7}));
    EXPECT_EQ(sum(a, MatrixAxies::column), Matrix<T>::fromRow({4, 6}));
    const auto noColumns = sum(Matrix<T>(2, 0, T(0)), MatrixAxies::column);
    EXPECT_EQ(noColumns.rows(), 1);
    EXPECT_EQ(noColumns.columns(), 0);
    EXPECT_EQ(sum(Matrix<T>(2, 0, T(0)), MatrixAxies::row), Matrix<T>::fromColumn({0, 0}));
    EXPECT_EQ(sum(Matrix<T>(0, 3, T(0)), MatrixAxies::column), Matrix<T>::fromRow({0, 0, 0}));
    EXPECT_EQ(sum(Matrix<T>(0, 3, T(0)), MatrixAxies::row).rows(), 0);
    // Every column and row sums to exactly the sum of its own elements in
    // order, however the sums are formed (19 rows: past the 8-wide blocks).
    const auto r = randomMatrix<T>(19, 7);
    const auto columnSums = sum(r, MatrixAxies::column), rowSums = sum(r, MatrixAxies::row);
    for (int64_t j = 0; j < 19; ++j) {
        EXPECT_EQ(columnSums(0, j), sum(r.column(j))) << "column " << j;
        EXPECT_EQ(rowSums(j, 0), sum(r.row(j))) << "row " << j;
    }
    EXPECT_EQ(transpose(Matrix<T>{{1, 2, 3}, {4, 5, 6}}), (Matrix<T>{{1, 4}, {2, 5}, {3, 6}}));
}

TYPED_TEST(LinearAlgebraTwins, InverseAndDivision) {
    using T = TypeParam;
    Matrix<T> a{{4, 7}, {2, 6}};
    const Matrix<T> expected{{T(0.6), T(-0.7)}, {T(-0.2), T(0.4)}};
    expectNear(inv(a), expected, tolerance<T>());
    expectNear(Matrix<T>::identity(2) / a, expected, tolerance<T>());
    // Non-symmetric: catches a row/column-major mix-up.
    Matrix<T> b{{1, 2}, {3, 4}};
    expectNear(inv(b), Matrix<T>{{-2, 1}, {T(1.5), T(-0.5)}}, tolerance<T>());
    EXPECT_EQ(inv(Matrix<T>()).rows(), 0);
}

TYPED_TEST(LinearAlgebraTwins, InverseOfASingularMatrixIsNaN) {
    using T = TypeParam;
    const Matrix<T> singular[] = {
        {{1, 2}, {2, 4}},
        {{0}},
        {{1, 2, 3}, {2, 4, 6}, {1, 0, 1}},
    };
    for (const auto& m : singular) {
        const auto inverse = inv(m);
        ASSERT_EQ(inverse.rows(), m.rows());
        ASSERT_EQ(inverse.columns(), m.columns());
        for (T v : inverse.grid()) EXPECT_TRUE(std::isnan(v)) << m.description() << "inverse has " << v;
        const auto quotient = Matrix<T>::identity(m.rows()) / m;
        for (T v : quotient.grid()) EXPECT_TRUE(std::isnan(v)) << m.description() << "quotient has " << v;
    }
}

TYPED_TEST(LinearAlgebraTwins, MatrixTimesItsInverseIsTheIdentity) {
    using T = TypeParam;
    for (int64_t n : {1, 3, 8, 40}) {
        const auto a = randomMatrix<T>(n, 100 + n) + T(n) * Matrix<T>::identity(n); // well conditioned
        expectNear(a * inv(a), Matrix<T>::identity(n), tolerance<T>() * T(n));
        expectNear(inv(a) * a, Matrix<T>::identity(n), tolerance<T>() * T(n));
        expectNear(a / a, Matrix<T>::identity(n), tolerance<T>() * T(n));
    }
}

TYPED_TEST(LinearAlgebraTwins, Determinant) {
    using T = TypeParam;
    EXPECT_NEAR(*det(Matrix<T>{{1, 2}, {3, 4}}), -2, tolerance<T>());
    EXPECT_EQ(det(Matrix<T>::identity(2)), T(1));
    EXPECT_FALSE(det(Matrix<T>{{1, 2}, {2, 4}}).has_value());
    EXPECT_NEAR(*det(Matrix<T>{{2, 0, 0}, {0, 3, 0}, {0, 0, 4}}), 24, tolerance<T>());
    EXPECT_NEAR(*det(Matrix<T>{{0, 1}, {1, 0}}), -1, tolerance<T>()); // a row swap flips the sign
    // det(AB) = det(A) det(B) on random input.
    const auto a = randomMatrix<T>(5, 1), b = randomMatrix<T>(5, 2);
    EXPECT_NEAR(*det(a * b), *det(a) * *det(b), (std::same_as<T, float> ? 1e-3 : 1e-10));
}

template <class T>
using Complex = std::complex<double>;

// Checks A v = lambda v for every right eigenvector and u^H A = lambda u^H for
// every left one (columns of the vector sets).
template <class T>
void expectDecomposes(const Matrix<T>& a, const MatrixEigenDecompositionResult<T>& r, double tol) {
    const auto n = static_cast<std::size_t>(a.rows());
    ASSERT_EQ(r.eigenValues.size(), n);
    for (std::size_t j = 0; j < n; ++j) {
        const std::complex<double> lambda(r.eigenValues[j].first, r.eigenValues[j].second);
        for (std::size_t i = 0; i < n; ++i) {
            std::complex<double> av = 0, ua = 0;
            for (std::size_t k = 0; k < n; ++k) {
                const double aik = a(int64_t(i), int64_t(k));
                const double aki = a(int64_t(k), int64_t(i));
                av += aik * std::complex<double>(r.rightEigenVectors[k][j].first, r.rightEigenVectors[k][j].second);
                ua += std::conj(std::complex<double>(r.leftEigenVectors[k][j].first, r.leftEigenVectors[k][j].second)) *
                      aki;
            }
            const std::complex<double> v(r.rightEigenVectors[i][j].first, r.rightEigenVectors[i][j].second);
            const std::complex<double> u(r.leftEigenVectors[i][j].first, r.leftEigenVectors[i][j].second);
            EXPECT_NEAR(std::abs(av - lambda * v), 0, tol) << "right " << i << "," << j;
            EXPECT_NEAR(std::abs(ua - lambda * std::conj(u)), 0, tol) << "left " << i << "," << j;
        }
    }
}

TYPED_TEST(LinearAlgebraTwins, EigenOfADiagonalMatrix) {
    using T = TypeParam;
    const auto r = eigenDecompose(Matrix<T>{{2, 0}, {0, 3}});
    ASSERT_EQ(r.eigenValues.size(), 2u);
    EXPECT_EQ(r.eigenValues[0], (std::pair<T, T>(2, 0)));
    EXPECT_EQ(r.eigenValues[1], (std::pair<T, T>(3, 0)));
    for (std::size_t j = 0; j < 2; ++j)
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(std::fabs(r.rightEigenVectors[i][j].first), i == j ? 1 : 0);
            EXPECT_EQ(r.rightEigenVectors[i][j].second, 0);
        }
}

TYPED_TEST(LinearAlgebraTwins, EigenOfARotationGivesAConjugatePair) {
    using T = TypeParam;
    const Matrix<T> rotation{{0, -1}, {1, 0}};
    const auto r = eigenDecompose(rotation);
    ASSERT_EQ(r.eigenValues.size(), 2u);
    EXPECT_NEAR(r.eigenValues[0].first, 0, tolerance<T>());
    EXPECT_NEAR(r.eigenValues[0].second, 1, tolerance<T>());
    EXPECT_NEAR(r.eigenValues[1].second, -1, tolerance<T>());
    for (const auto* set : {&r.leftEigenVectors, &r.rightEigenVectors})
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ((*set)[i][1].first, (*set)[i][0].first);
            EXPECT_EQ((*set)[i][1].second, -(*set)[i][0].second);
        }
    expectDecomposes(rotation, r, tolerance<T>());
}

TYPED_TEST(LinearAlgebraTwins, EigenDecompositionReconstructsRandomMatrices) {
    using T = TypeParam;
    for (int64_t n : {3, 6, 12}) {
        const auto a = randomMatrix<T>(n, 50 + n); // non-symmetric: complex pairs likely
        const auto r = eigenDecompose(a);
        expectDecomposes(a, r, std::same_as<T, float> ? 1e-4 : 1e-10);
    }
}

TYPED_TEST(LinearAlgebraTwins, SymmetricEigenDecompositionReconstructsA) {
    // Symmetric: real eigenvalues and orthonormal eigenvectors (dgeev
    // normalises each to unit length), so A = V diag(lambda) V^T.
    using T = TypeParam;
    const auto b = randomMatrix<T>(7, 21);
    const auto a = b + transpose(b);
    const auto r = eigenDecompose(a);
    Matrix<T> v(7, 7, T(0)), lambda(7, 7, T(0));
    for (int64_t i = 0; i < 7; ++i) {
        EXPECT_EQ(r.eigenValues[std::size_t(i)].second, 0);
        lambda(i, i) = r.eigenValues[std::size_t(i)].first;
        for (int64_t j = 0; j < 7; ++j) v(i, j) = r.rightEigenVectors[std::size_t(i)][std::size_t(j)].first;
    }
    expectNear(v * lambda * transpose(v), a, T(std::same_as<T, float> ? 1e-4 : 1e-12));
    expectNear(transpose(v) * v, Matrix<T>::identity(7), T(std::same_as<T, float> ? 1e-5 : 1e-12));
}

TYPED_TEST(LinearAlgebraTwins, EigenErrors) {
    using T = TypeParam;
    EXPECT_THROW(eigenDecompose(Matrix<T>(2, 3, T(1))), EigenDecompositionError);
    try {
        eigenDecompose(Matrix<T>(2, 3, T(1)));
    } catch (const EigenDecompositionError& e) {
        EXPECT_EQ(e, EigenDecompositionError::matrixNotSquare);
    }
    const T nan = std::numeric_limits<T>::quiet_NaN();
    try {
        eigenDecompose(Matrix<T>{{nan, 1}, {1, 1}});
        SUCCEED(); // the routine may or may not report NaN input
    } catch (const EigenDecompositionError& e) {
        EXPECT_EQ(e, EigenDecompositionError::matrixNotDecomposable);
    }
}

TEST(EigenResult, BuildsPairsFromRawWork) {
    // n = 3: a real eigenvalue, then a conjugate pair in columns 1 and 2.
    const std::vector<double> re{1, 2, 2}, im{0, 3, -3};
    std::vector<double> work(9);
    for (int i = 0; i < 9; ++i) work[i] = i + 1; // column-major: column j = 3j+1 .. 3j+3
    MatrixEigenDecompositionResult<double> r(3, re, im, work, work);
    EXPECT_EQ(r.eigenValues[1], (std::pair<double, double>(2, 3)));
    EXPECT_EQ(r.rightEigenVectors[0][0], (std::pair<double, double>(1, 0)));
    EXPECT_EQ(r.rightEigenVectors[2][1], (std::pair<double, double>(6, 9)));
    EXPECT_EQ(r.rightEigenVectors[2][2], (std::pair<double, double>(6, -9)));
    EXPECT_EQ(r.leftEigenVectors, r.rightEigenVectors);
}

TEST(LinearAlgebraTwinsAgree, FloatAndDoubleProducts) {
    const auto d = randomMatrix<double>(30, 4);
    Matrix<float> f(30, 30, std::vector<float>(d.grid().begin(), d.grid().end()));
    const auto pf = f * f;
    Matrix<double> fd(30, 30, std::vector<double>(f.grid().begin(), f.grid().end()));
    const auto pd = fd * fd;
    for (std::size_t i = 0; i < pd.grid().size(); ++i) EXPECT_NEAR(pf.grid()[i], pd.grid()[i], 1e-4);
}

TEST(LinearAlgebraDeathTest, ShapeMismatchesStop) {
    Matrix<double> a(2, 3, 1.0), b(3, 2, 1.0);
    EXPECT_DEATH(a + b, ""); // six elements each, different shapes
    EXPECT_DEATH(a - b, "");
    EXPECT_DEATH(a * a, "");
    EXPECT_DEATH(elmul(a, b), "");
    EXPECT_DEATH(inv(a), "");
    EXPECT_DEATH(a / Matrix<double>(2, 2, 1.0), ""); // 3 columns, 2 rows
    EXPECT_DEATH(a += b, "");
}

} // namespace
