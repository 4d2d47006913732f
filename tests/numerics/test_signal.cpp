// Convolution, correlation and FFT.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <thread>
#include <vector>

#include "Numerics/Numerics.h"
#include "tests/support/real_twins.h"

using namespace numerics;
using test_support::V;

namespace {

template <class T>
using SignalTwins = test_support::RealTwins<T>;
TYPED_TEST_SUITE(SignalTwins, test_support::RealTypes);

TYPED_TEST(SignalTwins, ConvolutionOfKnownValues) {
    using T = TypeParam;
    EXPECT_EQ(conv(V<T>{1, 2, 3}, V<T>{0, 1, 0.5}), (V<T>{0, 1, 2.5, 4, 1.5}));
    EXPECT_EQ(conv(V<T>{1, 2, 3}, V<T>{2}), (V<T>{2, 4, 6}));
    EXPECT_EQ(conv(V<T>{1, 1}, V<T>{1, 1}), (V<T>{1, 2, 1}));
}

TYPED_TEST(SignalTwins, ConvolutionMatchesTheDefinitionOnRandomInput) {
    using T = TypeParam;
    std::mt19937_64 gen(3);
    std::uniform_int_distribution<int> u(-8, 8); // small integers: exact sums
    V<T> x(1500), k(37);
    for (auto& v : x) v = T(u(gen));
    for (auto& v : k) v = T(u(gen));
    const auto r = conv(x, k);
    ASSERT_EQ(r.size(), x.size() + k.size() - 1);
    for (std::size_t n = 0; n < r.size(); ++n) {
        T expected = 0;
        for (std::size_t q = 0; q < k.size(); ++q)
            if (n >= q && n - q < x.size()) expected += x[n - q] * k[q];
        ASSERT_EQ(r[n], expected) << n;
    }
}

TYPED_TEST(SignalTwins, ConvolutionAtEverySignalAndKernelLength) {
    // The ends and the interior of the result are formed separately; check
    // every split against the definition, kernels as long as the signal too.
    using T = TypeParam;
    std::mt19937_64 gen(4);
    std::uniform_int_distribution<int> u(-5, 5);
    for (std::size_t nx = 1; nx <= 12; ++nx)
        for (std::size_t nk = 1; nk <= nx; ++nk) {
            V<T> x(nx), k(nk);
            for (auto& v : x) v = T(u(gen));
            for (auto& v : k) v = T(u(gen));
            const auto r = conv(x, k);
            ASSERT_EQ(r.size(), nx + nk - 1);
            for (std::size_t n = 0; n < r.size(); ++n) {
                T expected = 0;
                for (std::size_t q = 0; q < nk; ++q)
                    if (n >= q && n - q < nx) expected += x[n - q] * k[q];
                ASSERT_EQ(r[n], expected) << nx << " " << nk << " " << n;
            }
        }
}

TYPED_TEST(SignalTwins, ConvolutionOfAStridedSignal) {
    using T = TypeParam;
    V<T> storage{1, 0, 2, 0, 3, 0};
    UnsafeMemory<T> x(storage.data(), 2, 3);              // 1, 2, 3
    UnsafeMemory<T> backwards(storage.data() + 4, -2, 3); // 3, 2, 1
    EXPECT_EQ(conv(x, V<T>{0, 1, 0.5}), (V<T>{0, 1, 2.5, 4, 1.5}));
    EXPECT_EQ(conv(backwards, V<T>{1, 1}), (V<T>{3, 5, 3, 1}));
}

TYPED_TEST(SignalTwins, ConvolutionPropagatesAnInfiniteKernelThroughThePadding) {
    // The padded definition multiplies the zeros of the padding by every
    // kernel element: an infinite kernel element makes NaN at the ends.
    using T = TypeParam;
    const T inf = std::numeric_limits<T>::infinity();
    const auto r = conv(V<T>{1, 1, 1}, V<T>{1, inf});
    ASSERT_EQ(r.size(), 4u);
    EXPECT_TRUE(std::isnan(r[0])); // 0 * inf from the left padding
    EXPECT_EQ(r[1], inf);
    EXPECT_EQ(r[2], inf);
    EXPECT_EQ(r[3], inf);
}

TYPED_TEST(SignalTwins, ConvolutionWithAStridedKernelReadsItBackwards) {
    using T = TypeParam;
    V<T> storage{0, 99, 1, 99, 0.5, 99};
    UnsafeMemory<T> kernel(storage.data(), 2, 3); // 0, 1, 0.5
    EXPECT_EQ(conv(V<T>{1, 2, 3}, kernel), (V<T>{0, 1, 2.5, 4, 1.5}));
}

TYPED_TEST(SignalTwins, CrossCorrelation) {
    using T = TypeParam;
    EXPECT_EQ(xcorr(V<T>{1, 2, 3}, V<T>{0, 1}), (V<T>{0, 1, 2, 3, 0}));
    EXPECT_EQ(xcorr(V<T>{1, 2, 3}), (V<T>{3, 8, 14, 8, 3}));
    EXPECT_EQ(xcorr(V<T>{1, 2, 3}, V<T>{1, 2, 3}), xcorr(V<T>{1, 2, 3}));
}

TYPED_TEST(SignalTwins, FftOfAConstant) {
    using T = TypeParam;
    EXPECT_EQ(fft(V<T>{1, 1, 1, 1}), (V<T>{2, 0, 0, 0}));
}

TYPED_TEST(SignalTwins, FftOfACosineIsOneAtItsBins) {
    using T = TypeParam;
    const int n = 256, k = 10;
    V<T> x(n);
    for (int i = 0; i < n; ++i) x[i] = T(std::cos(2 * std::numbers::pi * k * i / n));
    const auto spectrum = fft(x);
    ASSERT_EQ(spectrum.size(), std::size_t(n));
    for (int b = 0; b < n; ++b) {
        const double expected = (b == k || b == n - k) ? 1.0 : 0.0;
        EXPECT_NEAR(spectrum[b], expected, 1e-4) << b;
    }
}

TYPED_TEST(SignalTwins, FftMatchesADirectTransformOnRandomInput) {
    using T = TypeParam;
    std::mt19937_64 gen(5);
    std::uniform_real_distribution<double> u(-1, 1);
    const int n = 64;
    V<T> x(n);
    for (auto& v : x) v = T(u(gen));
    const auto spectrum = fft(x);
    for (int k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (int j = 0; j < n; ++j) sum += double(x[j]) * std::polar(1.0, -2 * std::numbers::pi * k * j / n);
        EXPECT_NEAR(spectrum[k], std::abs(sum) * 2 / n, 1e-5) << k;
    }
}

TYPED_TEST(SignalTwins, FftOfFiveValuesTransformsTheFirstFour) {
    using T = TypeParam;
    const V<T> x{1, 1, 1, 1, -3};
    const auto r = fft(x);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_EQ(r[0], T(4) * (T(2) / T(5)));
    EXPECT_EQ(r[1], 0);
    EXPECT_EQ(r[2], 0);
    EXPECT_EQ(r[3], 0);
    EXPECT_EQ(r[4], T(3) * (T(2) / T(5)));
    EXPECT_EQ(x, (V<T>{1, 1, 1, 1, -3}));
}

TYPED_TEST(SignalTwins, FftJustBelowAPowerOfTwoTransformsTheLargerHalfOnly) {
    // 2^21 - 1 rounds up to 2^21 in single precision: the transform must
    // still cover 2^20 points, not run one element past the arrays.
    using T = TypeParam;
    const std::size_t n = (std::size_t(1) << 21) - 1, half = std::size_t(1) << 20;
    const auto r = fft(V<T>(n, T(1)));
    ASSERT_EQ(r.size(), n);
    const T factor = T(2) / T(n);
    EXPECT_EQ(r[0], T(half) * factor);
    T largestOtherBin = 0;
    for (std::size_t k = 1; k < half; ++k) largestOtherBin = std::max(largestOtherBin, r[k]);
    EXPECT_LT(largestOtherBin, T(1e-4));
    for (std::size_t k = half; k < n; ++k) ASSERT_EQ(r[k], factor) << k;
}

TEST(SignalTwinsAgree, FftFloatAndDoubleAgree) {
    std::mt19937_64 gen(9);
    std::uniform_real_distribution<double> u(-1, 1);
    std::vector<double> d(1 << 12);
    for (auto& v : d) v = u(gen);
    std::vector<float> f(d.begin(), d.end());
    std::vector<double> fd(f.begin(), f.end());
    const auto a = fft(f);
    const auto b = fft(fd);
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-5) << i;
}

TYPED_TEST(SignalTwins, FftAtEveryLengthMatchesADirectTransform) {
    // Every length up to 130: the kept plans of each size (and of each
    // alignment of its arrays) transform the first 2^floor(log2 n) points;
    // the points beyond keep their scaled magnitudes.
    using T = TypeParam;
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> u(-1, 1);
    for (std::size_t n = 1; n <= 130; ++n) {
        V<T> x(n);
        for (auto& v : x) v = T(u(gen));
        const std::size_t m = std::size_t(1) << (std::bit_width(n) - 1);
        const auto spectrum = fft(x);
        ASSERT_EQ(spectrum.size(), n);
        for (std::size_t k = 0; k < m; ++k) {
            std::complex<double> sum = 0;
            for (std::size_t j = 0; j < m; ++j)
                sum += double(x[j]) * std::polar(1.0, -2 * std::numbers::pi * double(k * j) / double(m));
            ASSERT_NEAR(spectrum[k], std::abs(sum) * 2 / double(n), 1e-5) << n << " points, bin " << k;
        }
        for (std::size_t k = m; k < n; ++k) ASSERT_EQ(spectrum[k], std::fabs(x[k]) * (T(2) / T(n))) << n << ", " << k;
    }
}

TEST(SignalConcurrency, FirstTransformsOfNewSizesOnManyThreadsAgree) {
    // Sizes no other test uses, so that the threads make their plans at once.
    const std::vector<std::size_t> sizes{(1 << 13) + 3, (1 << 14) + 5, (1 << 15) + 7};
    std::vector<std::vector<double>> inputs;
    for (std::size_t n : sizes) {
        std::vector<double> x(n);
        for (std::size_t i = 0; i < n; ++i) x[i] = std::cos(0.01 * double(i * i % 977));
        inputs.push_back(std::move(x));
    }
    std::vector<std::vector<std::vector<double>>> got(8);
    std::vector<std::vector<std::vector<float>>> gotFloat(8);
    std::vector<std::thread> threads;
    for (std::size_t t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            for (std::size_t k = 0; k < sizes.size(); ++k) {
                const auto& x = inputs[(k + t) % sizes.size()];
                got[t].push_back(fft(x));
                gotFloat[t].push_back(fft(std::vector<float>(x.begin(), x.end())));
            }
        });
    for (auto& t : threads) t.join();
    for (std::size_t t = 0; t < 8; ++t)
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            const auto& x = inputs[(k + t) % sizes.size()];
            EXPECT_EQ(got[t][k], fft(x)) << "thread " << t << ", " << x.size() << " points";
            EXPECT_EQ(gotFloat[t][k], fft(std::vector<float>(x.begin(), x.end())))
                << "thread " << t << ", " << x.size() << " points";
        }
}

TEST(SignalConcurrency, ConcurrentTransformsAreIndependent) {
    std::vector<double> x(1024);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = std::sin(0.1 * double(i));
    const auto expected = fft(x);
    std::vector<std::thread> threads;
    std::vector<int> ok(8, 0);
    for (int t = 0; t < 8; ++t)
        threads.emplace_back([&, t] {
            bool same = true;
            for (int r = 0; r < 20; ++r) same = same && fft(x) == expected;
            ok[t] = same;
        });
    for (auto& t : threads) t.join();
    for (int t = 0; t < 8; ++t) EXPECT_TRUE(ok[t]) << t;
}

TEST(SignalDeathTest, PreconditionsStop) {
    EXPECT_DEATH(conv(std::vector<double>{1}, std::vector<double>{1, 1}), "");
    EXPECT_DEATH(conv(std::vector<double>{1}, std::vector<double>{}), "");
    EXPECT_DEATH(xcorr(std::vector<double>{1}, std::vector<double>{1, 2}), "");
    EXPECT_DEATH(xcorr(std::vector<double>{}, std::vector<double>{}), "");
    EXPECT_DEATH(xcorr(std::vector<double>{}), "");
    EXPECT_DEATH(fft(std::vector<double>{}), "");
    EXPECT_DEATH(fft(std::vector<float>{}), "");
}

TEST(SignalDeathTest, ABrokenPreconditionNamesTheFileAndLineThatFoundIt) {
    EXPECT_DEATH(fft(std::vector<double>{}), "a precondition of the call does not hold \\(.+:[0-9]+\\)");
}

} // namespace
