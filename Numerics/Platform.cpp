#include "Numerics/Platform.h"

#include <cblas.h>
#include <fftw3.h>
#include <lapack.h>

#include <mutex>

namespace numerics {

namespace blas {

namespace {
CBLAS_TRANSPOSE toCblas(BlasTranspose t) { return t == BlasTranspose::none ? CblasNoTrans : CblasTrans; }
} // namespace

void axpy(int n, float alpha, const float* x, int incx, float* y, int incy) { cblas_saxpy(n, alpha, x, incx, y, incy); }
void axpy(int n, double alpha, const double* x, int incx, double* y, int incy) {
    cblas_daxpy(n, alpha, x, incx, y, incy);
}

float asum(int n, const float* x, int incx) { return cblas_sasum(n, x, incx); }
double asum(int n, const double* x, int incx) { return cblas_dasum(n, x, incx); }

void scal(int n, float alpha, float* x, int incx) { cblas_sscal(n, alpha, x, incx); }
void scal(int n, double alpha, double* x, int incx) { cblas_dscal(n, alpha, x, incx); }

void gemm(BlasTranspose ta, BlasTranspose tb, int m, int n, int k, float alpha, const float* a, int lda, const float* b,
          int ldb, float beta, float* c, int ldc) {
    cblas_sgemm(CblasRowMajor, toCblas(ta), toCblas(tb), m, n, k, alpha, a, lda, b, ldb, beta, c, ldc);
}
void gemm(BlasTranspose ta, BlasTranspose tb, int m, int n, int k, double alpha, const double* a, int lda,
          const double* b, int ldb, double beta, double* c, int ldc) {
    cblas_dgemm(CblasRowMajor, toCblas(ta), toCblas(tb), m, n, k, alpha, a, lda, b, ldb, beta, c, ldc);
}

void gemv(BlasTranspose ta, int m, int n, float alpha, const float* a, int lda, const float* x, int incx, float beta,
          float* y, int incy) {
    cblas_sgemv(CblasRowMajor, toCblas(ta), m, n, alpha, a, lda, x, incx, beta, y, incy);
}
void gemv(BlasTranspose ta, int m, int n, double alpha, const double* a, int lda, const double* x, int incx,
          double beta, double* y, int incy) {
    cblas_dgemv(CblasRowMajor, toCblas(ta), m, n, alpha, a, lda, x, incx, beta, y, incy);
}

} // namespace blas

namespace lapack {

void getrf(int* m, int* n, float* a, int* lda, int* ipiv, int* info) { LAPACK_sgetrf(m, n, a, lda, ipiv, info); }
void getrf(int* m, int* n, double* a, int* lda, int* ipiv, int* info) { LAPACK_dgetrf(m, n, a, lda, ipiv, info); }

void getri(int* n, float* a, int* lda, int* ipiv, float* work, int* lwork, int* info) {
    LAPACK_sgetri(n, a, lda, ipiv, work, lwork, info);
}
void getri(int* n, double* a, int* lda, int* ipiv, double* work, int* lwork, int* info) {
    LAPACK_dgetri(n, a, lda, ipiv, work, lwork, info);
}

void geev(const char* jobvl, const char* jobvr, int* n, double* a, int* lda, double* wr, double* wi, double* vl,
          int* ldvl, double* vr, int* ldvr, double* work, int* lwork, int* info) {
    LAPACK_dgeev(jobvl, jobvr, n, a, lda, wr, wi, vl, ldvl, vr, ldvr, work, lwork, info);
}

} // namespace lapack

namespace radix2 {

// FFTW's planner is not thread-safe; planning and destroying plans happen
// under this lock, execution does not need it. Each call still owns its
// setup and plan, so concurrent transforms are independent.
namespace {
std::mutex& plannerMutex() {
    static std::mutex m;
    return m;
}
} // namespace

struct Setup {
    std::size_t log2n;
    bool doublePrecision;
};

Setup* createSetup(std::size_t log2n, bool doublePrecision) {
    // 2^log2n points must be addressable (and FFTW takes an int size).
    if (log2n > 30) return nullptr;
    return new Setup{log2n, doublePrecision};
}

void destroySetup(Setup* setup) { delete setup; }

void zipForward(Setup* setup, double* re, double* im, std::ptrdiff_t stride, std::size_t log2n) {
    if (setup == nullptr || log2n > setup->log2n) return;
    fftw_iodim dim{1 << log2n, static_cast<int>(stride), static_cast<int>(stride)};
    fftw_plan plan;
    {
        std::lock_guard<std::mutex> lock(plannerMutex());
        // FFTW's split-array interface computes the forward (sign -1) DFT.
        plan = fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
    }
    fftw_execute_split_dft(plan, re, im, re, im);
    std::lock_guard<std::mutex> lock(plannerMutex());
    fftw_destroy_plan(plan);
}

void zipForward(Setup* setup, float* re, float* im, std::ptrdiff_t stride, std::size_t log2n) {
    if (setup == nullptr || log2n > setup->log2n) return;
    fftwf_iodim dim{1 << log2n, static_cast<int>(stride), static_cast<int>(stride)};
    fftwf_plan plan;
    {
        std::lock_guard<std::mutex> lock(plannerMutex());
        plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
    }
    fftwf_execute_split_dft(plan, re, im, re, im);
    std::lock_guard<std::mutex> lock(plannerMutex());
    fftwf_destroy_plan(plan);
}

} // namespace radix2

} // namespace numerics
