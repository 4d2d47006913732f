// The toned preview's gradient map on a 24-megapixel 8-bit greyscale image in
// memory, side by side in one run with what it competes with:
//   - ours, writing into the output buffer kept from the last refresh and
//     into a fresh one (what a refresh costs when no buffer can be reused);
//   - the image-processing peer's look-up-table map with the same 256-entry
//     table, into a fresh output image and into a reused one;
//   - a plain one-thread look-up loop;
//   - the memory floor: a multi-threaded streaming write of the output (stores
//     that bypass the caches, as ours use) while reading the input, on the
//     same bands and threads, with no look-up.
// Ours runs with the fastest row kernel of this processor, and beside it with
// the AVX2 kernel (what a processor without AVX-512 runs) and the SSE2 one
// every x86-64 processor has, each chosen explicitly.
// Goals: at least 2.5x faster than the peer into a reused buffer, and within
// 1.2x of the memory floor (with the AVX2 kernel too).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QThreadPool>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <emmintrin.h>

#include "app/ui/preview/GradientColors.h"
#include "app/ui/preview/GreyLevelMapping.h"
#include "app/ui/preview/ParallelBands.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "bench/support/side_by_side.h"
#include "bench/ui/lut_peer.h"

namespace {

constexpr int width = 6000;
constexpr int height = 4000;

QImage greyPhotograph() {
    QImage image(width, height, QImage::Format_Grayscale8);
    std::uint32_t noise = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            row[x] = static_cast<uchar>((x * 255 / width + (noise >> 28)) & 0xff);
        }
    }
    return image;
}

// A warm-toned ramp: the neutral ramp with a little yellow and red.
appui::GradientMapTable warmTable() {
    auto samples = appui::moclLab();
    for (auto& s : samples) {
        s.a = 2;
        s.b = 6;
    }
    const auto gradient = appui::gradientImage(appui::gradientColors(samples));
    return *appui::gradientMapTable(*gradient);
}

void plainLoop(const QImage& input, const appui::GradientMapTable& table, QImage& output) {
    const int w = input.width();
    const int h = input.height();
    for (int y = 0; y < h; ++y) {
        const uchar* in = input.constScanLine(y);
        auto* out = reinterpret_cast<std::uint32_t*>(output.scanLine(y));
        for (int x = 0; x < w; ++x) out[x] = table[in[x]];
    }
}

// Each grey byte becomes an opaque grey pixel, written with streaming stores.
void floorRow(const uchar* in, std::uint32_t* out, int w) {
    int x = 0;
    while (x < w && reinterpret_cast<std::uintptr_t>(out + x) % 16 != 0) {
        out[x] = 0xff000000u | (in[x] * 0x010101u);
        ++x;
    }
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    for (; x + 16 <= w; x += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + x));
        const __m128i low = _mm_unpacklo_epi8(bytes, bytes), high = _mm_unpackhi_epi8(bytes, bytes);
        auto* o = reinterpret_cast<__m128i*>(out + x);
        _mm_stream_si128(o, _mm_or_si128(_mm_unpacklo_epi16(low, low), opaque));
        _mm_stream_si128(o + 1, _mm_or_si128(_mm_unpackhi_epi16(low, low), opaque));
        _mm_stream_si128(o + 2, _mm_or_si128(_mm_unpacklo_epi16(high, high), opaque));
        _mm_stream_si128(o + 3, _mm_or_si128(_mm_unpackhi_epi16(high, high), opaque));
    }
    for (; x < w; ++x) out[x] = 0xff000000u | (in[x] * 0x010101u);
    _mm_sfence();
}

void memoryFloor(const QImage& input, QImage& output, QThreadPool& pool) {
    const uchar* inBits = input.constBits();
    uchar* outBits = output.bits();
    const qsizetype inStride = input.bytesPerLine();
    const qsizetype outStride = output.bytesPerLine();
    const int w = input.width();
    appui::forEachBand(input.height(), appui::rowsPerMappingBand(w), pool, [&](int first, int count) {
        for (int y = first; y < first + count; ++y)
            floorRow(inBits + y * inStride, reinterpret_cast<std::uint32_t*>(outBits + y * outStride), w);
    });
}

void requireSame(const QImage& a, const QImage& b, const char* what) {
    if (a.size() != b.size() || std::memcmp(a.constBits(), b.constBits(), static_cast<size_t>(a.sizeInBytes())) != 0) {
        std::fprintf(stderr, "bench: %s differs from the plain loop\n", what);
        std::exit(1);
    }
}

void BM_GradientMap24MpxSideBySide(benchmark::State& state) {
    const QImage input = greyPhotograph();
    const auto table = warmTable();
    QThreadPool& pool = *QThreadPool::globalInstance();
    const bench::LutPeer peer(input.constBits(), width, height, table.data());

    QImage reference(input.size(), QImage::Format_RGB32);
    plainLoop(input, table, reference);
    QImage ours(input.size(), QImage::Format_RGB32);
    appui::mapGreyLevels(input, table, ours, pool);
    requireSame(ours, reference, "our mapper");
    QImage peerOut(input.size(), QImage::Format_RGB32);
    peer.mapInto(peerOut.bits());
    requireSame(peerOut, reference, "the peer's map");
    if (!peer.threeBandsMatch(reference.constBits())) {
        std::fprintf(stderr, "bench: the peer's three-band map differs from the plain loop's colours\n");
        std::exit(1);
    }
    QImage loopOut(input.size(), QImage::Format_RGB32);
    QImage floorOut(input.size(), QImage::Format_RGB32);
    memoryFloor(input, floorOut, pool);
    QImage oursEveryX86(input.size(), QImage::Format_RGB32);
    appui::mapGreyLevels(input, table, oursEveryX86, pool, appui::GreyLevelKernel::streaming);
    requireSame(oursEveryX86, reference, "our streaming kernel");
    const bool avx2 = appui::kernelAvailable(appui::GreyLevelKernel::avx2);
    QImage oursAvx2(input.size(), QImage::Format_RGB32);
    if (avx2) {
        appui::mapGreyLevels(input, table, oursAvx2, pool, appui::GreyLevelKernel::avx2);
        requireSame(oursAvx2, reference, "our AVX2 kernel");
    }

    const std::vector<bench::Variant> variants{
        {"ours, reused buffer", [&] { appui::mapGreyLevels(input, table, ours, pool); }},
        {"ours, fresh buffer",
         [&] {
             QImage fresh;
             appui::mapGreyLevels(input, table, fresh, pool);
             benchmark::DoNotOptimize(fresh.constBits());
         }},
        {"peer, reused buffer", [&] { peer.mapInto(peerOut.bits()); }},
        {"peer, fresh image", [&] { peer.mapFresh(); }},
        {"plain one-thread loop", [&] { plainLoop(input, table, loopOut); }},
        {"memory floor", [&] { memoryFloor(input, floorOut, pool); }},
        {"ours, reused, SSE2 kernel",
         [&] { appui::mapGreyLevels(input, table, oursEveryX86, pool, appui::GreyLevelKernel::streaming); }},
        {"ours, reused, AVX2 kernel",
         [&] {
             if (avx2) appui::mapGreyLevels(input, table, oursAvx2, pool, appui::GreyLevelKernel::avx2);
         }},
        {"peer, fresh image, 3 bands", [&] { peer.mapFreshThreeBands(); }},
    };
    const auto medians = bench::medianMillisecondsPerRound(state, variants, "24 Mpx grey -> RGB32", 2);
    const double peerOverOurs = medians[2] / medians[0];
    const double oursOverFloor = medians[0] / medians[5];
    std::printf("peer reused / ours reused: %.2fx (goal at least 2.5x)\n", peerOverOurs);
    std::printf("ours reused / memory floor: %.2fx (goal at most 1.2x)\n", oursOverFloor);
    std::printf("peer fresh / ours fresh: %.2fx; plain loop / ours reused: %.2fx\n", medians[3] / medians[1],
                medians[4] / medians[0]);
    std::printf("our kernel here: %s; with the SSE2 kernel every x86-64 has: %.2fx of the floor, %.2fx faster than "
                "the peer reused\n",
                appui::kernelName(appui::fastestGreyLevelKernel()), medians[6] / medians[5], medians[2] / medians[6]);
    if (avx2) {
        std::printf("with the AVX2 kernel (a processor without AVX-512): %.2fx of the floor (goal at most 1.2x), "
                    "%.2fx faster than the peer reused (goal at least 2.5x)\n",
                    medians[7] / medians[5], medians[2] / medians[7]);
        state.counters["avx2_over_floor"] = medians[7] / medians[5];
    }
    std::printf("peer fresh 3 bands / ours fresh: %.2fx; peer fresh 3 bands / peer fresh 4 bands: %.2fx\n\n",
                medians[8] / medians[1], medians[8] / medians[3]);
    state.counters["ours_ms"] = medians[0];
    state.counters["peer_over_ours"] = peerOverOurs;
    state.counters["ours_over_floor"] = oursOverFloor;
}
BENCHMARK(BM_GradientMap24MpxSideBySide)->Iterations(40)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
