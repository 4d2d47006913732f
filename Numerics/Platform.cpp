#include "Numerics/Platform.h"

#include <cblas.h>
#include <fftw3.h>
#include <lapack.h>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <type_traits>

namespace numerics {

namespace blas {

// The inline doors' own declarations of the CBLAS functions are those of
// cblas.h.
static_assert(std::is_same_v<decltype(cblas::sdot), decltype(cblas_sdot)>);
static_assert(std::is_same_v<decltype(cblas::ddot), decltype(cblas_ddot)>);
static_assert(std::is_same_v<decltype(cblas::sscal), decltype(cblas_sscal)>);
static_assert(std::is_same_v<decltype(cblas::dscal), decltype(cblas_dscal)>);
static_assert(std::is_same_v<decltype(cblas::saxpy), decltype(cblas_saxpy)>);
static_assert(std::is_same_v<decltype(cblas::daxpy), decltype(cblas_daxpy)>);

namespace {
CBLAS_TRANSPOSE toCblas(BlasTranspose t) { return t == BlasTranspose::none ? CblasNoTrans : CblasTrans; }
} // namespace

float asum(int n, const float* x, int incx) { return cblas_sasum(n, x, incx); }
double asum(int n, const double* x, int incx) { return cblas_dasum(n, x, incx); }

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

namespace {

// FFTW's planner is not thread-safe: plans are made (and, for the rare block
// whose alignment the kept plans do not cover, destroyed) under this lock.
// Running a plan needs no lock.
std::mutex& plannerMutex() {
    static std::mutex m;
    return m;
}

// The two precisions of FFTW's split-array interface.
struct DoubleFftw {
    using Real = double;
    using Plan = fftw_plan;
    static std::size_t alignmentOf(double* p) { return static_cast<std::size_t>(fftw_alignment_of(p)); }
    static Plan plan(int n, double* re, double* im) {
        fftw_iodim dim{n, 1, 1};
        // FFTW's split arrays compute the forward (sign -1) DFT. An estimated
        // plan leaves the arrays untouched while it is made.
        return fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
    }
    static void execute(Plan p, double* re, double* im) { fftw_execute_split_dft(p, re, im, re, im); }
    static void destroy(Plan p) { fftw_destroy_plan(p); }
};

struct FloatFftw {
    using Real = float;
    using Plan = fftwf_plan;
    static std::size_t alignmentOf(float* p) { return static_cast<std::size_t>(fftwf_alignment_of(p)); }
    static Plan plan(int n, float* re, float* im) {
        fftwf_iodim dim{n, 1, 1};
        return fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
    }
    static void execute(Plan p, float* re, float* im) { fftwf_execute_split_dft(p, re, im, re, im); }
    static void destroy(Plan p) { fftwf_destroy_plan(p); }
};

// The kept plans of one precision, by size and by the offsets of the two
// halves from FFTW's SIMD alignment (16 bytes: 2 offsets for double, 4 for
// float). A plan is published once, after it is made; readers take it without
// the lock.
template <class Fftw>
struct KeptPlans {
    static constexpr std::size_t kSlots = 16 / sizeof(typename Fftw::Real);
    std::atomic<typename Fftw::Plan> plans[kLargestLog2 + 1][kSlots][kSlots];
};

KeptPlans<DoubleFftw> keptDouble;
KeptPlans<FloatFftw> keptFloat;

template <class Fftw>
bool transform(KeptPlans<Fftw>& kept, typename Fftw::Real* points, std::size_t log2n) {
    using Real = typename Fftw::Real;
    if (log2n > kLargestLog2) return false;
    const int n = 1 << log2n;
    Real* re = points;
    Real* im = points + imaginaryOffset<Real>(log2n);
    const std::size_t reSlot = Fftw::alignmentOf(re) / sizeof(Real);
    const std::size_t imSlot = Fftw::alignmentOf(im) / sizeof(Real);
    if (reSlot >= KeptPlans<Fftw>::kSlots || imSlot >= KeptPlans<Fftw>::kSlots) {
        // An alignment rule wider than the table: a plan for this call alone.
        typename Fftw::Plan plan;
        {
            std::lock_guard<std::mutex> lock(plannerMutex());
            plan = Fftw::plan(n, re, im);
        }
        if (plan == nullptr) return false;
        Fftw::execute(plan, re, im);
        std::lock_guard<std::mutex> lock(plannerMutex());
        Fftw::destroy(plan);
        return true;
    }
    auto& slot = kept.plans[log2n][reSlot][imSlot];
    auto plan = slot.load(std::memory_order_acquire);
    if (plan == nullptr) {
        std::lock_guard<std::mutex> lock(plannerMutex());
        plan = slot.load(std::memory_order_relaxed);
        if (plan == nullptr) {
            plan = Fftw::plan(n, re, im);
            if (plan == nullptr) return false;
            slot.store(plan, std::memory_order_release);
        }
    }
    Fftw::execute(plan, re, im);
    return true;
}

} // namespace

bool forward(double* points, std::size_t log2n) { return transform(keptDouble, points, log2n); }
bool forward(float* points, std::size_t log2n) { return transform(keptFloat, points, log2n); }

} // namespace radix2

} // namespace numerics
