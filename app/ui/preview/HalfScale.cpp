#include "app/ui/preview/HalfScale.h"

#include <cstdint>

#include "app/ui/preview/ParallelBands.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace appui {

namespace {

// Bytes of one output row from two input rows, `channels` bytes a pixel.
void halveRowScalar(const uchar* upper, const uchar* lower, uchar* out, int outPixels, int channels, int from) {
    for (int x = from; x < outPixels; ++x)
        for (int c = 0; c < channels; ++c) {
            const int left = 2 * x * channels + c, right = left + channels;
            out[x * channels + c] =
                static_cast<uchar>((upper[left] + upper[right] + lower[left] + lower[right] + 2) >> 2);
        }
}

#if defined(__x86_64__)
// Four 32-bit output pixels from eight input pixels of each row.
void halveRow32(const uchar* upper, const uchar* lower, uchar* out, int outPixels) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i two = _mm_set1_epi16(2);
    // Sums of the 2 x 2 block of each pixel pair in 16-bit lanes.
    const auto blockSums = [&](__m128i a, __m128i b) {
        const __m128i low = _mm_add_epi16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero));
        const __m128i high = _mm_add_epi16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero));
        return _mm_unpacklo_epi64(_mm_add_epi16(low, _mm_srli_si128(low, 8)),
                                  _mm_add_epi16(high, _mm_srli_si128(high, 8)));
    };
    int x = 0;
    for (; x + 4 <= outPixels; x += 4) {
        const uchar* u = upper + 8 * x;
        const uchar* l = lower + 8 * x;
        const __m128i first = blockSums(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u)),
                                        _mm_loadu_si128(reinterpret_cast<const __m128i*>(l)));
        const __m128i second = blockSums(_mm_loadu_si128(reinterpret_cast<const __m128i*>(u + 16)),
                                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(l + 16)));
        const __m128i means = _mm_packus_epi16(_mm_srli_epi16(_mm_add_epi16(first, two), 2),
                                               _mm_srli_epi16(_mm_add_epi16(second, two), 2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x), means);
    }
    halveRowScalar(upper, lower, out, outPixels, 4, x);
}

// Sixteen 8-bit grey output pixels from 32 input pixels of each row.
void halveRow8(const uchar* upper, const uchar* lower, uchar* out, int outPixels) {
    const __m128i lowBytes = _mm_set1_epi16(0x00ff);
    const __m128i two = _mm_set1_epi16(2);
    // Rounded means of eight 2 x 2 blocks, one in each 16-bit lane.
    const auto means = [&](const uchar* u, const uchar* l) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(u));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(l));
        const __m128i left = _mm_add_epi16(_mm_and_si128(a, lowBytes), _mm_and_si128(b, lowBytes));
        const __m128i right = _mm_add_epi16(_mm_srli_epi16(a, 8), _mm_srli_epi16(b, 8));
        return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(left, right), two), 2);
    };
    int x = 0;
    for (; x + 16 <= outPixels; x += 16) {
        const uchar* u = upper + 2 * x;
        const uchar* l = lower + 2 * x;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_packus_epi16(means(u, l), means(u + 16, l + 16)));
    }
    halveRowScalar(upper, lower, out, outPixels, 1, x);
}
#else
void halveRow32(const uchar* upper, const uchar* lower, uchar* out, int outPixels) {
    halveRowScalar(upper, lower, out, outPixels, 4, 0);
}
void halveRow8(const uchar* upper, const uchar* lower, uchar* out, int outPixels) {
    halveRowScalar(upper, lower, out, outPixels, 1, 0);
}
#endif

int channelsOf(QImage::Format format) {
    switch (format) {
    case QImage::Format_Grayscale8: return 1;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return 4;
    default: return 0;
    }
}

} // namespace

QImage halvedByAveraging(const QImage& picture, QThreadPool& pool) {
    const int channels = channelsOf(picture.format());
    if (channels == 0 || picture.width() % 2 != 0 || picture.height() % 2 != 0 || picture.isNull()) return {};
    QImage half(picture.width() / 2, picture.height() / 2, picture.format());
    if (half.isNull()) return {};
    const auto halveRow = channels == 4 ? halveRow32 : halveRow8;
    // Bands of about a quarter megabyte of output.
    const int rowsPerBand = static_cast<int>(qMax<qsizetype>(1, (1 << 18) / half.bytesPerLine()));
    forEachBand(half.height(), rowsPerBand, pool, [&](int first, int count) {
        for (int y = first; y < first + count; ++y)
            halveRow(picture.constScanLine(2 * y), picture.constScanLine(2 * y + 1), half.scanLine(y), half.width());
    });
    return half;
}

} // namespace appui
