// Matrix, matrix operations and Vector on 512 x 512 matrices (and
// 512-vectors): each operation next to the raw CBLAS/LAPACK call (or kernel)
// it wraps.
#include <random>
#include <vector>

#include <cblas.h>
#include <lapack.h>

#include "Numerics/Numerics.h"
#include "harness.h"
#include "plain_loops.h"

namespace {

using Array = std::vector<double>;
using bench::keep;
using numerics::Matrix;
using numerics::Vector;

constexpr int kN = 512;

const Matrix<double>& matrixA() {
    static const Matrix<double> a = [] {
        std::mt19937_64 g(10);
        auto m = Matrix<double>::random(kN, kN, numerics::ClosedRange<double>{-1, 1}, g);
        for (int i = 0; i < kN; ++i) m(i, i) += kN; // well conditioned
        return m;
    }();
    return a;
}
const Matrix<double>& matrixB() {
    static const Matrix<double> b = [] {
        std::mt19937_64 g(11);
        return Matrix<double>::random(kN, kN, numerics::ClosedRange<double>{-1, 1}, g);
    }();
    return b;
}
const Matrix<float>& matrixAf() {
    static const Matrix<float> a(kN, kN, std::vector<float>(matrixA().grid().begin(), matrixA().grid().end()));
    return a;
}
const Vector<double>& vectorV() {
    static const Vector<double> v = [] {
        std::mt19937_64 g(12);
        return Vector<double>::random(kN, numerics::ClosedRange<double>{-1, 1}, g);
    }();
    return v;
}

const bool registered = [] {
    using namespace numerics;
    const auto& A = matrixA;
    const auto& B = matrixB;
    const int nn = kN * kN;

    bench::add(
        "Matrix add (512x512)", "matrix", [&] { keep(A() + B()); },
        [&] {
            Array r = A().grid();
            cblas_daxpy(nn, 1.0, B().grid().data(), 1, r.data(), 1);
            keep(r);
        },
        [&] { keep(loops::add(A().grid(), B().grid())); });
    bench::add(
        "Matrix sub (512x512)", "matrix", [&] { keep(A() - B()); },
        [&] {
            Array r = A().grid();
            cblas_daxpy(nn, -1.0, B().grid().data(), 1, r.data(), 1);
            keep(r);
        });
    bench::add(
        "Matrix mul (512x512 gemm)", "matrix", [&] { keep(A() * B()); },
        [&] {
            Array r(nn, 0.0);
            cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, kN, kN, kN, 1.0, A().grid().data(), kN,
                        B().grid().data(), kN, 0.0, r.data(), kN);
            keep(r);
        });
    bench::add(
        "Matrix<float> mul (512x512 gemm)", "matrix", [&] { keep(matrixAf() * matrixAf()); },
        [&] {
            std::vector<float> r(nn, 0.0f);
            cblas_sgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, kN, kN, kN, 1.0f, matrixAf().grid().data(), kN,
                        matrixAf().grid().data(), kN, 0.0f, r.data(), kN);
            keep(r);
        });
    bench::add(
        "Matrix elmul (512x512)", "matrix", [&] { keep(elmul(A(), B())); },
        [&] {
            Array r(nn);
            vec::multiply(A().grid().data(), 1, B().grid().data(), 1, r.data(), 1, nn);
            keep(r);
        },
        [&] { keep(loops::mul(A().grid(), B().grid())); });
    bench::add(
        "Matrix scale s*A (512x512)", "matrix", [&] { keep(2.5 * A()); },
        [&] {
            Array r = A().grid();
            cblas_dscal(nn, 2.5, r.data(), 1);
            keep(r);
        },
        [&] { keep(loops::mulScalar(A().grid(), 2.5)); });
    bench::add(
        "Matrix div A/s (512x512)", "matrix", [&] { keep(A() / 2.5); },
        [&] {
            Array r(nn);
            const double s = 2.5;
            vec::divideScalar(A().grid().data(), 1, &s, r.data(), 1, nn);
            keep(r);
        });
    bench::add(
        "Matrix transpose (512x512)", "matrix", [&] { keep(transpose(A())); },
        [&] {
            Array r(nn);
            vec::transpose(A().grid().data(), 1, r.data(), 1, kN, kN);
            keep(r);
        },
        [&] { keep(loops::transpose(A().grid(), kN, kN)); });
    bench::add(
        "Matrix sum rows (512x512)", "matrix", [&] { keep(sum(A(), MatrixAxies::row)); },
        [&] {
            Array r(kN);
            for (int i = 0; i < kN; ++i) vec::sum(A().grid().data() + i * kN, 1, &r[i], kN);
            keep(r);
        });
    bench::add(
        "Matrix exp (512x512)", "matrix", [&] { keep(exp(B())); },
        [&] {
            Array r(nn);
            vmath::exp(r.data(), B().grid().data(), nn);
            keep(r);
        },
        [&] { keep(loops::exp(B().grid())); });
    bench::add(
        "Matrix inv (512x512)", "matrix", [&] { keep(inv(A())); },
        [&] {
            Array a = A().grid();
            std::vector<int> piv(kN);
            int n = kN, lda = kN, info = 0, lwork = nn;
            Array work(nn);
            LAPACK_dgetrf(&n, &n, a.data(), &lda, piv.data(), &info);
            LAPACK_dgetri(&n, a.data(), &lda, piv.data(), work.data(), &lwork, &info);
            keep(a);
        });
    bench::add(
        "Matrix det (512x512)", "matrix", [&] { keep(det(A())); },
        [&] {
            Array a = A().grid();
            std::vector<int> piv(kN);
            int n = kN, lda = kN, info = 0;
            LAPACK_dgetrf(&n, &n, a.data(), &lda, piv.data(), &info);
            double d = 1;
            for (int i = 0; i < kN; ++i) {
                if (piv[i] != i + 1) d = -d;
                d *= a[i * kN + i];
            }
            keep(d);
        });
    bench::add(
        "Matrix eigenDecompose (512x512)", "matrix", [&] { keep(eigenDecompose(B()).eigenValues); },
        [&] {
            Array a(nn);
            vec::transpose(B().grid().data(), 1, a.data(), 1, kN, kN);
            Array wr(kN), wi(kN), vl(nn), vr(nn);
            int n = kN, ld = kN, lwork = -1, info = 0;
            double query = 0;
            LAPACK_dgeev("V", "V", &n, a.data(), &ld, wr.data(), wi.data(), vl.data(), &ld, vr.data(), &ld, &query,
                         &lwork, &info);
            lwork = static_cast<int>(query);
            Array work(static_cast<std::size_t>(lwork));
            LAPACK_dgeev("V", "V", &n, a.data(), &ld, wr.data(), wi.data(), vl.data(), &ld, vr.data(), &ld, work.data(),
                         &lwork, &info);
            keep(wr);
        },
        {}, 3);

    bench::add(
        "Vector M*v (512x512 gemv)", "vector", [&] { keep(A() * vectorV()); },
        [&] {
            Array r(kN, 0.0);
            cblas_dgemv(CblasRowMajor, CblasNoTrans, kN, kN, 1.0, A().grid().data(), kN, vectorV().scalars().data(), 1,
                        0.0, r.data(), 1);
            keep(r);
        });
    bench::add(
        "Vector v*M (512x512 gemv)", "vector", [&] { keep(vectorV() * A()); },
        [&] {
            Array r(kN, 0.0);
            cblas_dgemv(CblasRowMajor, CblasTrans, kN, kN, 1.0, A().grid().data(), kN, vectorV().scalars().data(), 1,
                        0.0, r.data(), 1);
            keep(r);
        });
    {
        static const Vector<double> big1(numerics::random(1 << 20, ClosedRange<double>{-1, 1}));
        static const Vector<double> big2(numerics::random(1 << 20, ClosedRange<double>{-1, 1}));
        bench::add(
            "Vector add (1M)", "vector", [&] { keep(big1 + big2); },
            [&] {
                Array r = big1.scalars();
                cblas_daxpy(1 << 20, 1.0, big2.scalars().data(), 1, r.data(), 1);
                keep(r);
            },
            [&] { keep(loops::add(big1.scalars(), big2.scalars())); });
        bench::add(
            "Vector dot (1M)", "vector", [&] { keep(dot(big1, big2)); },
            [&] {
                double r = 0;
                vec::dotProduct(big1.scalars().data(), 1, big2.scalars().data(), 1, &r, 1 << 20);
                keep(r);
            },
            [&] { keep(loops::dot(big1.scalars(), big2.scalars())); });
    }
    return true;
}();

} // namespace
