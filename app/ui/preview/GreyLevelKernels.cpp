#include "app/ui/preview/GreyLevelKernels.h"

#include <cstddef>

#if defined(__x86_64__)
#include <immintrin.h>
#define TINTSMITH_X86_KERNELS 1
#endif

namespace appui {

namespace {

void plainRow(const std::uint8_t* levels, std::uint32_t* out, int width, const std::uint32_t* table) {
    for (int x = 0; x < width; ++x) out[x] = table[levels[x]];
}

// Pixels before `out` reaches the given alignment (in bytes).
int pixelsToAlignment(const std::uint32_t* out, std::uintptr_t alignment, int width) {
    const auto address = reinterpret_cast<std::uintptr_t>(out);
    const auto misalignment = address % alignment;
    if (misalignment == 0) return 0;
    if (misalignment % sizeof(std::uint32_t) != 0) return width; // never aligns: all plain
    const int pixels = static_cast<int>((alignment - misalignment) / sizeof(std::uint32_t));
    return pixels < width ? pixels : width;
}

#if TINTSMITH_X86_KERNELS

// SSE2 is part of every x86-64 processor.
void streamingRow(const std::uint8_t* levels, std::uint32_t* out, int width, const std::uint32_t* table) {
    int x = pixelsToAlignment(out, 16, width);
    plainRow(levels, out, x, table);
    for (; x + 16 <= width; x += 16) {
        // Four look-ups become one vector without going through memory,
        // which would stall on store forwarding.
        for (int k = 0; k < 16; k += 4) {
            const __m128i lo = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(table[levels[x + k]])),
                                                  _mm_cvtsi32_si128(static_cast<int>(table[levels[x + k + 1]])));
            const __m128i hi = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(table[levels[x + k + 2]])),
                                                  _mm_cvtsi32_si128(static_cast<int>(table[levels[x + k + 3]])));
            _mm_stream_si128(reinterpret_cast<__m128i*>(out + x + k), _mm_unpacklo_epi64(lo, hi));
        }
    }
    plainRow(levels + x, out + x, width - x, table);
    _mm_sfence();
}

// Each 64-byte vector of levels is first reordered so that the byte
// interleaving below, which works within 16-byte lanes, leaves the pixels in
// order: byte 16L + 4j + i comes from level 16j + 4L + i.
__attribute__((target("avx512f,avx512bw,avx512vbmi"))) void bytePermuteRow(const std::uint8_t* levels,
                                                                           std::uint32_t* out, int width,
                                                                           const std::uint32_t* table,
                                                                           const std::uint8_t* planes) {
    int x = pixelsToAlignment(out, 64, width);
    plainRow(levels, out, x, table);
    alignas(64) std::uint8_t order[64];
    for (int lane = 0; lane < 4; ++lane)
        for (int j = 0; j < 4; ++j)
            for (int i = 0; i < 4; ++i) order[16 * lane + 4 * j + i] = static_cast<std::uint8_t>(16 * j + 4 * lane + i);
    const __m512i reorder = _mm512_load_si512(order);
    const __m512i opaque = _mm512_set1_epi8(static_cast<char>(0xff));
    __m512i quarters[3][4];
    for (int c = 0; c < 3; ++c)
        for (int q = 0; q < 4; ++q) quarters[c][q] = _mm512_load_si512(planes + 256 * c + 64 * q);
    for (; x + 64 <= width; x += 64) {
        // (The two-table permute with the same table twice: the one-table form
        // draws a false uninitialised-value warning from this compiler.)
        const __m512i loaded = _mm512_loadu_si512(levels + x);
        const __m512i index = _mm512_permutex2var_epi8(loaded, reorder, loaded);
        // Two 128-entry look-ups per plane, chosen by the level's top bit.
        const __mmask64 upperHalf = _mm512_movepi8_mask(index);
        __m512i channel[3];
        for (int c = 0; c < 3; ++c) {
            const __m512i lower = _mm512_permutex2var_epi8(quarters[c][0], index, quarters[c][1]);
            const __m512i upper = _mm512_permutex2var_epi8(quarters[c][2], index, quarters[c][3]);
            channel[c] = _mm512_mask_blend_epi8(upperHalf, lower, upper);
        }
        const __m512i blueGreenLow = _mm512_unpacklo_epi8(channel[0], channel[1]);
        const __m512i blueGreenHigh = _mm512_unpackhi_epi8(channel[0], channel[1]);
        const __m512i redAlphaLow = _mm512_unpacklo_epi8(channel[2], opaque);
        const __m512i redAlphaHigh = _mm512_unpackhi_epi8(channel[2], opaque);
        _mm512_stream_si512(reinterpret_cast<__m512i*>(out + x), _mm512_unpacklo_epi16(blueGreenLow, redAlphaLow));
        _mm512_stream_si512(reinterpret_cast<__m512i*>(out + x + 16), _mm512_unpackhi_epi16(blueGreenLow, redAlphaLow));
        _mm512_stream_si512(reinterpret_cast<__m512i*>(out + x + 32),
                            _mm512_unpacklo_epi16(blueGreenHigh, redAlphaHigh));
        _mm512_stream_si512(reinterpret_cast<__m512i*>(out + x + 48),
                            _mm512_unpackhi_epi16(blueGreenHigh, redAlphaHigh));
    }
    plainRow(levels + x, out + x, width - x, table);
    _mm_sfence();
}

// Sixteen look-ups assembled in registers, then written as one whole cache
// line by two 32-byte streaming stores, as the floor of a streaming write
// does. (A vector gather costs more than these scalar loads on many AVX2
// processors.)
// Four look-ups become one vector without going through memory (which would
// stall on store forwarding), as in the SSE2 kernel.
__attribute__((target("avx2"))) __m128i fourLooked(const std::uint8_t* levels, const std::uint32_t* table) {
    const __m128i low = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(table[levels[0]])),
                                           _mm_cvtsi32_si128(static_cast<int>(table[levels[1]])));
    const __m128i high = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(table[levels[2]])),
                                            _mm_cvtsi32_si128(static_cast<int>(table[levels[3]])));
    return _mm_unpacklo_epi64(low, high);
}

__attribute__((target("avx2"))) void lineRow(const std::uint8_t* levels, std::uint32_t* out, int width,
                                             const std::uint32_t* table) {
    int x = pixelsToAlignment(out, 64, width);
    plainRow(levels, out, x, table);
    for (; x + 16 <= width; x += 16) {
        const __m256i low = _mm256_inserti128_si256(_mm256_castsi128_si256(fourLooked(levels + x, table)),
                                                    fourLooked(levels + x + 4, table), 1);
        const __m256i high = _mm256_inserti128_si256(_mm256_castsi128_si256(fourLooked(levels + x + 8, table)),
                                                     fourLooked(levels + x + 12, table), 1);
        _mm256_stream_si256(reinterpret_cast<__m256i*>(out + x), low);
        _mm256_stream_si256(reinterpret_cast<__m256i*>(out + x + 8), high);
    }
    plainRow(levels + x, out + x, width - x, table);
    _mm_sfence();
}

#endif

} // namespace

bool kernelAvailable(GreyLevelKernel kernel) {
    switch (kernel) {
    case GreyLevelKernel::plain: return true;
#if TINTSMITH_X86_KERNELS
    case GreyLevelKernel::streaming: return true;
    case GreyLevelKernel::bytePermute:
        return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
               __builtin_cpu_supports("avx512vbmi");
    case GreyLevelKernel::avx2: return __builtin_cpu_supports("avx2");
#else
    case GreyLevelKernel::streaming:
    case GreyLevelKernel::bytePermute:
    case GreyLevelKernel::avx2: return false;
#endif
    }
    return false;
}

const char* kernelName(GreyLevelKernel kernel) {
    switch (kernel) {
    case GreyLevelKernel::plain: return "plain";
    case GreyLevelKernel::streaming: return "SSE2";
    case GreyLevelKernel::bytePermute: return "AVX-512 VBMI";
    case GreyLevelKernel::avx2: return "AVX2";
    }
    return "unknown";
}

GreyLevelKernel fastestGreyLevelKernel() {
    static const GreyLevelKernel fastest = [] {
        for (GreyLevelKernel k : {GreyLevelKernel::bytePermute, GreyLevelKernel::avx2, GreyLevelKernel::streaming})
            if (kernelAvailable(k)) return k;
        return GreyLevelKernel::plain;
    }();
    return fastest;
}

namespace {
bool allOpaque(const std::array<std::uint32_t, 256>& table) {
    for (std::uint32_t entry : table)
        if ((entry >> 24) != 0xff) return false;
    return true;
}
} // namespace

PreparedTable::PreparedTable(const std::array<std::uint32_t, 256>& table, GreyLevelKernel kernel)
    : kernel_(kernelAvailable(kernel) ? kernel : GreyLevelKernel::plain),
      table_(table) {
    // The byte-permute kernel writes opaque pixels; a table with alpha of its
    // own (none of the preview's) takes the next fastest one.
    if (kernel_ == GreyLevelKernel::bytePermute && !allOpaque(table))
        kernel_ = kernelAvailable(GreyLevelKernel::avx2) ? GreyLevelKernel::avx2 : GreyLevelKernel::streaming;
    for (std::size_t i = 0; i < 256; ++i) {
        planes_[i] = static_cast<std::uint8_t>(table[i] & 0xff);
        planes_[256 + i] = static_cast<std::uint8_t>((table[i] >> 8) & 0xff);
        planes_[512 + i] = static_cast<std::uint8_t>((table[i] >> 16) & 0xff);
    }
}

void PreparedTable::mapRow(const std::uint8_t* levels, std::uint32_t* out, int width) const {
    switch (kernel_) {
#if TINTSMITH_X86_KERNELS
    case GreyLevelKernel::streaming: streamingRow(levels, out, width, table_.data()); return;
    case GreyLevelKernel::bytePermute: bytePermuteRow(levels, out, width, table_.data(), planes_.data()); return;
    case GreyLevelKernel::avx2: lineRow(levels, out, width, table_.data()); return;
#else
    case GreyLevelKernel::streaming:
    case GreyLevelKernel::bytePermute:
    case GreyLevelKernel::avx2:
#endif
    case GreyLevelKernel::plain: plainRow(levels, out, width, table_.data()); return;
    }
}

} // namespace appui
