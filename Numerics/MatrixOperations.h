#pragma once
// Matrix arithmetic and linear algebra on float and double matrices, on CBLAS
// (row-major), LAPACK (column-major, 32-bit integers) and the vector kernels
// of Kernels.h.
//
// Operator spellings: + - * / and += -= are C++'s own; the postfix transpose
// ′ is transpose(m).

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "Numerics/Arithmetic.h"
#include "Numerics/ElementwiseFunctions.h"
#include "Numerics/Kernels.h"
#include "Numerics/Matrix.h"
#include "Numerics/Platform.h"

namespace numerics {

// Thrown by eigenDecompose: the matrix is not square, or the decomposition
// cannot take it (no rows, or the LAPACK routine reports a failure). The
// reason compares with the error itself: error == matrixNotSquare.
class EigenDecompositionError : public std::runtime_error {
public:
    enum class Reason { matrixNotSquare, matrixNotDecomposable };
    static constexpr Reason matrixNotSquare = Reason::matrixNotSquare;
    static constexpr Reason matrixNotDecomposable = Reason::matrixNotDecomposable;

    explicit EigenDecompositionError(Reason why)
        : std::runtime_error(why == matrixNotSquare ? "eigenDecompose: the matrix is not square"
                                                    : "eigenDecompose: the matrix cannot be decomposed"),
          reason_(why) {}

    Reason reason() const { return reason_; }
    friend bool operator==(const EigenDecompositionError& error, Reason why) { return error.reason_ == why; }

private:
    Reason reason_;
};

template <std::floating_point T>
struct MatrixEigenDecompositionResult {
    using Complex = std::pair<T, T>; // (real part, imaginary part)

    std::vector<Complex> eigenValues;
    // Entry [i][j] = component i of eigenvector j.
    std::vector<std::vector<Complex>> leftEigenVectors;
    std::vector<std::vector<Complex>> rightEigenVectors;

    MatrixEigenDecompositionResult() = default;
    MatrixEigenDecompositionResult(std::vector<Complex> values, std::vector<std::vector<Complex>> left,
                                   std::vector<std::vector<Complex>> right)
        : eigenValues(std::move(values)),
          leftEigenVectors(std::move(left)),
          rightEigenVectors(std::move(right)) {}

    // From the raw output of the eigen routine: the work arrays are
    // column-major n x n; a complex conjugate pair of eigenvalues occupies two
    // columns (real part, imaginary part).
    MatrixEigenDecompositionResult(int64_t rowCount, const std::vector<T>& eigenValueRealParts,
                                   const std::vector<T>& eigenValueImaginaryParts,
                                   const std::vector<T>& leftEigenVectorWork,
                                   const std::vector<T>& rightEigenVectorWork) {
        const std::size_t pairs = std::min(eigenValueRealParts.size(), eigenValueImaginaryParts.size());
        for (std::size_t k = 0; k < pairs; ++k)
            eigenValues.emplace_back(eigenValueRealParts[k], eigenValueImaginaryParts[k]);
        leftEigenVectors = vectors(rowCount, eigenValueImaginaryParts, leftEigenVectorWork);
        rightEigenVectors = vectors(rowCount, eigenValueImaginaryParts, rightEigenVectorWork);
    }

private:
    static std::vector<std::vector<Complex>> vectors(int64_t n, const std::vector<T>& imaginary,
                                                     const std::vector<T>& work) {
        const auto size = static_cast<std::size_t>(n);
        std::vector<std::vector<Complex>> set(size, std::vector<Complex>(size, Complex(0, 0)));
        auto w = [&](int64_t index) {
            detail::require(index >= 0 && index < static_cast<int64_t>(work.size()));
            return work[static_cast<std::size_t>(index)];
        };
        for (int64_t i = 0; i < n; ++i) {
            int64_t j = 0;
            while (j < n) {
                detail::require(j < static_cast<int64_t>(imaginary.size()));
                const T im = imaginary[static_cast<std::size_t>(j)];
                auto& row = set[static_cast<std::size_t>(i)];
                if (im == T(0)) { // NaN counts as non-zero
                    row[static_cast<std::size_t>(j)] = Complex(w(i + n * j), T(0));
                    j += 1;
                } else {
                    detail::require(j + 1 < n);
                    const T re = w(i + n * j);
                    const T imv = w(i + n * (j + 1));
                    row[static_cast<std::size_t>(j)] = Complex(re, imv);
                    row[static_cast<std::size_t>(j + 1)] = Complex(re, -imv);
                    j += 2;
                }
            }
        }
        return set;
    }
};

namespace detail {

template <Real T>
void requireSameShape(const Matrix<T>& a, const Matrix<T>& b) {
    require(a.rows() == b.rows() && a.columns() == b.columns());
}

// into += alpha * from, grids of one shape (checked by the caller); the count
// is read from `from`, not from a grid the caller may just have made.
template <Real T>
void axpyGrid(std::vector<T>& into, const std::vector<T>& from, T alpha) {
    const int n = cblasInt(static_cast<int64_t>(from.size()));
    blas::axpy(n, alpha, from.data(), 1, into.data(), 1);
}

} // namespace detail

// ---- sums and differences ----

// The result starts as a copy of x, whose grid the axpy then changes.
template <Real T>
NUMERICS_ONE_BODY Matrix<T> add(const Matrix<T>& x, const Matrix<T>& y) {
    detail::requireSameShape(x, y);
    Matrix<T> result = x;
    detail::axpyGrid(result.mutableGrid(), y.grid(), T(1));
    return result;
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T> sub(const Matrix<T>& x, const Matrix<T>& y) {
    detail::requireSameShape(x, y);
    Matrix<T> result = x;
    detail::axpyGrid(result.mutableGrid(), y.grid(), T(-1));
    return result;
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T>& operator+=(Matrix<T>& x, const Matrix<T>& y) {
    detail::requireSameShape(x, y);
    detail::axpyGrid(x.mutableGrid(), y.grid(), T(1));
    return x;
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T>& operator-=(Matrix<T>& x, const Matrix<T>& y) {
    detail::requireSameShape(x, y);
    detail::axpyGrid(x.mutableGrid(), y.grid(), T(-1));
    return x;
}

template <Real T>
Matrix<T> operator+(const Matrix<T>& x, const Matrix<T>& y) {
    return add(x, y);
}
template <Real T>
Matrix<T> operator-(const Matrix<T>& x, const Matrix<T>& y) {
    return sub(x, y);
}

// ---- products ----

// Row-major M x K times K x N by cblas_?gemm.
template <Real T>
NUMERICS_ONE_BODY Matrix<T> mul(const Matrix<T>& x, const Matrix<T>& y) {
    const int64_t M = x.rows(), K = x.columns(), N = y.columns();
    detail::require(K == y.rows());
    detail::checkedMul(M, N);
    const int m = detail::cblasInt(M), k = detail::cblasInt(K), n = detail::cblasInt(N);
    Matrix<T> result(M, N, T(0));
    if (M == 0 || K == 0 || N == 0) return result;
    blas::gemm(BlasTranspose::none, BlasTranspose::none, m, n, k, T(1), x.grid().data(), k, y.grid().data(), n, T(0),
               result.mutableGrid().data(), n);
    return result;
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T> elmul(const Matrix<T>& x, const Matrix<T>& y) {
    detail::requireSameShape(x, y);
    detail::require(x.grid().size() == y.grid().size());
    return Matrix<T>(x.rows(), x.columns(), numerics::elmul(x.grid(), y.grid()));
}

// Scalar first: every element times alpha. Not by cblas_?scal, which writes
// zeros for alpha = 0 without multiplying (NaN and infinity would become 0,
// unlike the array and Vector forms).
template <Real T>
NUMERICS_ONE_BODY Matrix<T> mul(std::type_identity_t<T> alpha, const Matrix<T>& x) {
    detail::cblasInt(static_cast<int64_t>(x.grid().size()));
    return Matrix<T>(x.rows(), x.columns(), numerics::mul(x.grid(), alpha));
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T> div(const Matrix<T>& x, std::type_identity_t<T> divisor) {
    return Matrix<T>(x.rows(), x.columns(), numerics::div(x.grid(), divisor));
}

template <Real T>
Matrix<T> operator*(const Matrix<T>& x, const Matrix<T>& y) {
    return mul(x, y);
}
template <Real T>
Matrix<T> operator*(std::type_identity_t<T> alpha, const Matrix<T>& x) {
    return mul(alpha, x);
}
template <Real T>
Matrix<T> operator/(const Matrix<T>& x, std::type_identity_t<T> divisor) {
    return div(x, divisor);
}

// ---- power, exponential, sums, transpose ----

template <Real T>
NUMERICS_ONE_BODY Matrix<T> pow(const Matrix<T>& x, std::type_identity_t<T> exponent) {
    // The array power of Arithmetic.h (count limit 2^31 - 1).
    return Matrix<T>(x.rows(), x.columns(), numerics::pow(x.grid(), exponent));
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T> exp(const Matrix<T>& x) {
    // The array exponential of ElementwiseFunctions.h (count limit 2^31 - 1).
    return Matrix<T>(x.rows(), x.columns(), numerics::exp(x.grid()));
}

// Row sums (a rows x 1 matrix) or column sums (a 1 x columns matrix). A
// column is summed where it lies, the grid's row length as its stride: the
// sum kernel adds a strided run in the same order as a gathered copy of it.
template <Real T>
NUMERICS_ONE_BODY Matrix<T> sum(const Matrix<T>& x, MatrixAxies axies) {
    const int64_t rows = x.rows(), columns = x.columns();
    const T* g = x.grid().data();
    if (axies == MatrixAxies::column) {
        std::vector<T> sums(static_cast<std::size_t>(columns), T(0));
        if (rows > 0)
            for (int64_t j = 0; j < columns; ++j)
                vec::sum(g + j, columns, &sums[static_cast<std::size_t>(j)], detail::vectorLength(rows));
        return Matrix<T>(1, columns, std::move(sums));
    }
    std::vector<T> sums(static_cast<std::size_t>(rows), T(0));
    for (int64_t i = 0; i < rows; ++i)
        vec::sum(g + i * columns, 1, &sums[static_cast<std::size_t>(i)], detail::vectorLength(columns));
    return Matrix<T>(rows, 1, std::move(sums));
}

template <Real T>
NUMERICS_ONE_BODY Matrix<T> transpose(const Matrix<T>& x) {
    Matrix<T> result(x.columns(), x.rows(), T(0));
    vec::transpose(x.grid().data(), 1, result.mutableGrid().data(), 1, detail::vectorLength(x.columns()),
                   detail::vectorLength(x.rows()));
    return result;
}

// ---- inverse, division by a matrix, determinant ----

// dgetrf_ then dgetri_ on the row-major grid read as column-major (the inverse
// of the transpose is the transpose of the inverse). A singular matrix (an
// exact zero on the factor's diagonal, reported by either routine) has no
// inverse: the answer is then a matrix of NaN, never the factors the routines
// leave behind.
template <Real T>
Matrix<T> inv(const Matrix<T>& x) {
    detail::require(x.rows() == x.columns());
    const int64_t nn = detail::checkedMul(x.rows(), x.rows());
    detail::cblasInt(nn);
    int n = detail::cblasInt(x.rows());
    std::vector<int> pivots(static_cast<std::size_t>(nn), 0);
    std::vector<T> work(static_cast<std::size_t>(nn), T(0));
    int lwork = static_cast<int>(nn);
    int status = 0;
    std::vector<T> grid = x.grid();
    if (n > 0) {
        int lda = n, order = n;
        lapack::getrf(&order, &order, grid.data(), &lda, pivots.data(), &status);
        if (status == 0) lapack::getri(&order, grid.data(), &lda, pivots.data(), work.data(), &lwork, &status);
        if (status != 0) std::fill(grid.begin(), grid.end(), std::numeric_limits<T>::quiet_NaN());
    }
    return Matrix<T>(x.rows(), x.rows(), std::move(grid));
}

template <Real T>
Matrix<T> div(const Matrix<T>& x, const Matrix<T>& y) {
    const Matrix<T> inverse = inv(y);
    detail::require(x.columns() == inverse.rows());
    return mul(x, inverse);
}

template <Real T>
Matrix<T> operator/(const Matrix<T>& x, const Matrix<T>& y) {
    return div(x, y);
}

// The determinant from the LU factors, or nothing when the factorisation
// reports a non-zero status (an exactly singular factor included).
template <Real T>
std::optional<T> det(const Matrix<T>& x) {
    std::vector<T> grid = x.grid();
    int m = detail::cblasInt(x.rows());
    int n = detail::cblasInt(x.columns());
    const int k = m < n ? m : n;
    std::vector<int> pivots(static_cast<std::size_t>(k), 0);
    int status = 0;
    int lda = m;
    // With no rows the leading dimension 0 is below LAPACK's minimum of 1:
    // the routine reports a non-zero status (answered here without its
    // console complaint). With no columns it returns at once with status 0.
    if (m == 0) return std::nullopt;
    if (n > 0) lapack::getrf(&m, &n, grid.data(), &lda, pivots.data(), &status);
    if (status != 0) return std::nullopt;
    T d = 1;
    for (int i = 0; i < k; ++i) {
        if (pivots[static_cast<std::size_t>(i)] != i + 1) d = -d;
        d = d * grid[static_cast<std::size_t>(int64_t(i) * x.columns() + i)];
    }
    return d;
}

// ---- eigen decomposition ----

inline MatrixEigenDecompositionResult<double> eigenDecompose(const Matrix<double>& x) {
    if (x.rows() != x.columns()) throw EigenDecompositionError(EigenDecompositionError::matrixNotSquare);
    const int64_t n64 = x.rows();
    const int64_t nn = detail::checkedMul(n64, n64);
    int n = detail::cblasInt(n64);
    detail::cblasInt(nn);
    const auto size = static_cast<std::size_t>(nn);

    // Column-major copy.
    std::vector<double> a(size, 0.0);
    vec::transpose(x.grid().data(), 1, a.data(), 1, detail::vectorLength(n64), detail::vectorLength(n64));

    std::vector<double> wr(static_cast<std::size_t>(n64), 0.0), wi(static_cast<std::size_t>(n64), 0.0);
    std::vector<double> vl(size, 0.0), vr(size, 0.0);
    int lda = n, ldvl = n, ldvr = n;
    const char jobvl[2] = {'V', '\0'};
    const char jobvr[2] = {'V', '\0'};
    // For n = 0 the leading dimension 0 is below LAPACK's minimum of 1, so the
    // query reports a non-zero status; answer that without the routine's
    // console complaint.
    if (n == 0) throw EigenDecompositionError(EigenDecompositionError::matrixNotDecomposable);

    double query = 0;
    int lwork = -1;
    int status = 0;
    lapack::geev(jobvl, jobvr, &n, a.data(), &lda, wr.data(), wi.data(), vl.data(), &ldvl, vr.data(), &ldvr, &query,
                 &lwork, &status);
    if (status != 0) throw EigenDecompositionError(EigenDecompositionError::matrixNotDecomposable);

    detail::require(std::isfinite(query) && query >= -9.2e18 && query < 9.2e18);
    const auto optimal = static_cast<int64_t>(query);
    lwork = detail::cblasInt(optimal);
    std::vector<double> work(static_cast<std::size_t>(optimal < 0 ? 0 : optimal), 0.0);
    lapack::geev(jobvl, jobvr, &n, a.data(), &lda, wr.data(), wi.data(), vl.data(), &ldvl, vr.data(), &ldvr,
                 work.data(), &lwork, &status);
    if (status != 0) throw EigenDecompositionError(EigenDecompositionError::matrixNotDecomposable);

    return MatrixEigenDecompositionResult<double>(n64, wr, wi, vl, vr);
}

// Single precision runs through the double-precision decomposition.
inline MatrixEigenDecompositionResult<float> eigenDecompose(const Matrix<float>& x) {
    std::vector<double> grid(x.grid().begin(), x.grid().end());
    const auto d = eigenDecompose(Matrix<double>(x.rows(), x.columns(), std::move(grid)));
    using C = std::pair<float, float>;
    auto narrow = [](const std::pair<double, double>& p) {
        return C(static_cast<float>(p.first), static_cast<float>(p.second));
    };
    std::vector<C> values;
    for (const auto& v : d.eigenValues) values.push_back(narrow(v));
    auto narrowSet = [&](const std::vector<std::vector<std::pair<double, double>>>& set) {
        std::vector<std::vector<C>> out;
        for (const auto& row : set) {
            std::vector<C> r;
            for (const auto& v : row) r.push_back(narrow(v));
            out.push_back(std::move(r));
        }
        return out;
    };
    return MatrixEigenDecompositionResult<float>(std::move(values), narrowSet(d.leftEigenVectors),
                                                 narrowSet(d.rightEigenVectors));
}

} // namespace numerics
