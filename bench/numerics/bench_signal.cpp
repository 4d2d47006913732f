// Convolution and correlation, the FFT from 16 to 2^21 points in both twins,
// and random arrays, each next to the raw routine (the correlation kernel of
// Numerics/Kernels.h, FFTW3 with a kept plan) and a plain loop.
#include <algorithm>
#include <bit>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include <fftw3.h>

#include "Numerics/Numerics.h"
#include "harness.h"
#include "inputs.h"
#include "plain_loops.h"

namespace {

using Array = std::vector<double>;
using bench::keep;

Array makeSignal(std::size_t n, uint64_t seed) {
    std::mt19937_64 g(seed);
    std::uniform_real_distribution<double> u(-1, 1);
    Array a(n);
    for (auto& v : a) v = u(g);
    return a;
}

const Array& signal1M() {
    static const Array x = makeSignal(1 << 20, 3);
    return x;
}
const Array& kernel32() {
    static const Array k = makeSignal(32, 4);
    return k;
}
const Array& signal4k() {
    static const Array x = makeSignal(1 << 12, 5);
    return x;
}
// The raw FFTW road to the same spectrum: the transformed points split in one
// block (real parts from the input, zero imaginary parts: FFTW's kept plans
// require the same distance between the two at every call), an in-place
// forward plan kept from one call to the next (one per alignment of the two
// halves, as FFTW requires), and the scaled magnitudes written into a fresh
// result.
//
// The block puts the imaginary parts 256 bytes past the end of the real parts,
// the fastest layout measured. With the halves exactly 2^k elements apart (or
// any multiple of 4 KiB apart, or in two page-aligned allocations) the two
// fall into the same cache sets element for element, and the split transform
// ran 1.2 to 1.6 times slower on the same plan and values, the more so the
// larger the transform; gaps from 192 to 2048 bytes ran within a few per
// cent of this one.
template <class T>
class KeptPlanFft {
public:
    explicit KeptPlanFft(std::size_t n) : n_(n), m_(std::size_t(1) << (std::bit_width(n) - 1)) {}

    std::vector<T> operator()(const std::vector<T>& input) {
        std::vector<T> points(2 * m_ + kGap);
        T* re = points.data();
        T* im = re + m_ + kGap;
        std::copy(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(m_), re);
        execute(re, im);
        const T scale = T(2) / T(n_);
        std::vector<T> out(n_);
        for (std::size_t i = 0; i < m_; ++i) out[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]) * scale;
        for (std::size_t i = m_; i < n_; ++i) out[i] = std::sqrt(input[i] * input[i]) * scale;
        return out;
    }

private:
    void execute(T* re, T* im) {
        if constexpr (std::is_same_v<T, double>) {
            auto& plan = plans_[fftw_alignment_of(re) / sizeof(T)][fftw_alignment_of(im) / sizeof(T)];
            if (plan == nullptr) {
                fftw_iodim dim{static_cast<int>(m_), 1, 1};
                plan = fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
            }
            fftw_execute_split_dft(plan, re, im, re, im);
        } else {
            auto& plan = plans_[fftwf_alignment_of(re) / sizeof(T)][fftwf_alignment_of(im) / sizeof(T)];
            if (plan == nullptr) {
                fftwf_iodim dim{static_cast<int>(m_), 1, 1};
                plan = fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re, im, re, im, FFTW_ESTIMATE);
            }
            fftwf_execute_split_dft(plan, re, im, re, im);
        }
    }

    using Plan = std::conditional_t<std::is_same_v<T, double>, fftw_plan, fftwf_plan>;
    static constexpr std::size_t kGap = 256 / sizeof(T); // elements between the halves
    std::size_t n_, m_;
    Plan plans_[4][4] = {}; // by the halves' offsets from FFTW's 16-byte alignment
};

template <class T>
void registerFft(const char* twin) {
    struct Size {
        std::size_t n;
        const char* label;
        double goal;
    };
    // Transforms of 16 points cost little more than the call: twice the raw
    // call is allowed there, 1.1 times from 256 points up.
    constexpr Size sizes[] = {{16, "16", 2.0},        {256, "256", 1.1},      {1024, "1024", 1.1},
                              {1 << 16, "2^16", 1.1}, {1 << 18, "2^18", 1.1}, {1 << 20, "2^20", 1.1},
                              {1 << 21, "2^21", 1.1}};
    for (const auto& size : sizes) {
        const auto& x = bench::uniform<T>(size.n, -1, 1, 30);
        auto raw = std::make_shared<KeptPlanFft<T>>(size.n);
        bench::add(
            bench::Row{std::string("fft") + twin, size.label, size.goal}, [&x] { keep(numerics::fft(x)); },
            [&x, raw] { keep((*raw)(x)); });
    }
}

const bool registered = [] {
    using namespace numerics;

    bench::add(
        bench::Row{"conv(x, k)", "2^20, 32"}, [] { keep(conv(signal1M(), kernel32())); },
        [] {
            // The routine on an already padded signal, kernel reversed.
            static const Array padded = [] {
                Array p(31, 0.0);
                p.insert(p.end(), signal1M().begin(), signal1M().end());
                p.resize(p.size() + 31, 0.0);
                return p;
            }();
            const std::size_t n = signal1M().size() + 31;
            Array r(n);
            numerics::vec::correlate(padded.data(), 1, kernel32().data() + 31, -1, r.data(), 1, n, 32);
            keep(r);
        },
        [] { keep(loops::conv(signal1M(), kernel32())); });
    bench::add(
        bench::Row{"xcorr(x, y)", "2^12"}, [] { keep(xcorr(signal4k(), signal4k())); },
        [] {
            const std::size_t c = signal4k().size();
            Array padded(c - 1, 0.0);
            padded.insert(padded.end(), signal4k().begin(), signal4k().end());
            padded.resize(padded.size() + c - 1, 0.0);
            Array r(2 * c - 1);
            numerics::vec::correlate(padded.data(), 1, signal4k().data(), 1, r.data(), 1, r.size(), c);
            keep(r);
        });
    bench::add(
        bench::Row{"xcorr(x)", "2^12"}, [] { keep(xcorr(signal4k())); },
        [] {
            const std::size_t c = signal4k().size();
            Array padded(c - 1, 0.0);
            padded.insert(padded.end(), signal4k().begin(), signal4k().end());
            padded.resize(padded.size() + c - 1, 0.0);
            Array r(2 * c - 1);
            numerics::vec::correlate(padded.data(), 1, signal4k().data(), 1, r.data(), 1, r.size(), c);
            keep(r);
        });
    registerFft<double>("");
    registerFft<float>("<float>");

    // Random arrays: the library's own per-element code against the same draw
    // written as a plain loop over the same generator. The normal draws take
    // the library's separate passes (logarithm, scaling, root, cosine, ...)
    // where the loop fuses them: shown, not held to a goal.
    bench::add(
        bench::Row{"random", "2^20"},
        [] {
            static std::mt19937_64 g(1);
            keep(random(1 << 20, ClosedRange<double>{-1, 1}, g));
        },
        [] {
            static std::mt19937_64 g(1);
            Array r(1 << 20);
            constexpr uint64_t range = (uint64_t(1) << 53) + 1;
            constexpr uint64_t threshold = (0 - range) % range;
            for (auto& v : r) {
                uint64_t k;
                for (;;) {
                    const unsigned __int128 m = static_cast<unsigned __int128>(g()) * range;
                    if (static_cast<uint64_t>(m) >= threshold) {
                        k = static_cast<uint64_t>(m >> 64);
                        break;
                    }
                }
                v = k == (uint64_t(1) << 53) ? 1.0 : (double(k) * 0x1p-53) * 2.0 + -1.0;
            }
            keep(r);
        });
    bench::add(
        bench::Row{"randomNormal", "2^20", 0},
        [] {
            static std::mt19937_64 g(2);
            keep(randomNormal(1 << 20, 0.0, 1.0, g));
        },
        [] {
            static std::mt19937_64 g(2);
            auto u = random(1 << 20, ClosedRange<double>{0, 1}, g);
            auto v = random(1 << 20, ClosedRange<double>{0, 1}, g);
            for (std::size_t i = 0; i < u.size(); ++i)
                u[i] = std::sqrt(std::log(u[i]) * -2.0) * std::cos(v[i] * 6.283185307179586) * 1.0 + 0.0;
            keep(u);
        });
    return true;
}();

} // namespace
