// Convolution and correlation, the 2^16-point FFT, and random arrays, each
// next to the raw routine (the correlation kernel of Numerics/Kernels.h,
// FFTW3) and a plain loop.
#include <cmath>
#include <mutex>
#include <random>
#include <vector>

#include <fftw3.h>

#include "Numerics/Numerics.h"
#include "harness.h"
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
const Array& signal16k() {
    static const Array x = makeSignal(1 << 14, 5);
    return x;
}
const Array& signal64k() {
    static const Array x = makeSignal(1 << 16, 6);
    return x;
}
const std::vector<float>& signal64kf() {
    static const std::vector<float> x(signal64k().begin(), signal64k().end());
    return x;
}

// The raw FFTW sequence the library's fft wraps: split-complex copy, an
// in-place forward plan made and destroyed per call, squared magnitudes,
// square roots, the 2/n scale.
template <class T>
std::vector<T> rawFft(const std::vector<T>& input) {
    const int n = static_cast<int>(input.size());
    std::vector<T> re(input), im(input.size(), T(0));
    if constexpr (std::is_same_v<T, double>) {
        fftw_iodim dim{n, 1, 1};
        fftw_plan p =
            fftw_plan_guru_split_dft(1, &dim, 0, nullptr, re.data(), im.data(), re.data(), im.data(), FFTW_ESTIMATE);
        fftw_execute(p);
        fftw_destroy_plan(p);
    } else {
        fftwf_iodim dim{n, 1, 1};
        fftwf_plan p =
            fftwf_plan_guru_split_dft(1, &dim, 0, nullptr, re.data(), im.data(), re.data(), im.data(), FFTW_ESTIMATE);
        fftwf_execute(p);
        fftwf_destroy_plan(p);
    }
    std::vector<T> out(input.size());
    const T scale = T(2) / T(n);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = std::sqrt(re[i] * re[i] + im[i] * im[i]) * scale;
    return out;
}

const bool registered = [] {
    using namespace numerics;

    bench::add(
        "conv(1M, 32)", "signal", [] { keep(conv(signal1M(), kernel32())); },
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
        "xcorr(16k, 16k)", "signal", [] { keep(xcorr(signal16k(), signal16k())); },
        [] {
            const std::size_t c = signal16k().size();
            Array padded(c - 1, 0.0);
            padded.insert(padded.end(), signal16k().begin(), signal16k().end());
            padded.resize(padded.size() + c - 1, 0.0);
            Array r(2 * c - 1);
            numerics::vec::correlate(padded.data(), 1, signal16k().data(), 1, r.data(), 1, r.size(), c);
            keep(r);
        });
    bench::add(
        "xcorr(16k)", "signal", [] { keep(xcorr(signal16k())); },
        [] {
            const std::size_t c = signal16k().size();
            Array padded(c - 1, 0.0);
            padded.insert(padded.end(), signal16k().begin(), signal16k().end());
            padded.resize(padded.size() + c - 1, 0.0);
            Array r(2 * c - 1);
            numerics::vec::correlate(padded.data(), 1, signal16k().data(), 1, r.data(), 1, r.size(), c);
            keep(r);
        });
    bench::add(
        "fft(2^16)", "signal", [] { keep(fft(signal64k())); }, [] { keep(rawFft(signal64k())); });
    bench::add(
        "fft<float>(2^16)", "signal", [] { keep(fft(signal64kf())); }, [] { keep(rawFft(signal64kf())); });

    // Random arrays: the library's own per-element code against the same draw
    // written as a plain loop over the same generator.
    bench::add(
        "random(1M)", "random",
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
        "randomNormal(1M)", "random",
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
