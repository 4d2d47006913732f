#include "app/ui/preview/NearestSampling.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "app/ui/preview/ParallelBands.h"

namespace appui {

namespace {

// One output row: the pixels at the given byte offsets of the source row.
template <typename Pixel>
void pickRow(const uchar* source, uchar* out, const std::vector<qsizetype>& offsets) {
    auto* pixels = reinterpret_cast<Pixel*>(out);
    for (std::size_t x = 0; x < offsets.size(); ++x) std::memcpy(pixels + x, source + offsets[x], sizeof(Pixel));
}

void pickRowOfBytes(const uchar* source, uchar* out, const std::vector<qsizetype>& offsets, int bytesPerPixel) {
    for (std::size_t x = 0; x < offsets.size(); ++x)
        std::memcpy(out + static_cast<qsizetype>(x) * bytesPerPixel, source + offsets[x],
                    static_cast<std::size_t>(bytesPerPixel));
}

// Output rows per band: about a quarter megabyte of output.
int rowsPerBand(qsizetype bytesPerLine) { return static_cast<int>(qMax<qsizetype>(1, (1 << 18) / bytesPerLine)); }

} // namespace

int nearestSourceIndex(int index, int sampled, int source) {
    return static_cast<int>((2 * static_cast<std::int64_t>(index) + 1) * source /
                            (2 * static_cast<std::int64_t>(sampled)));
}

QImage sampledByNearestPixel(const QImage& picture, QSize size, QThreadPool& pool) {
    if (picture.isNull() || size.isEmpty() || picture.depth() % 8 != 0) return {};
    QImage sampled(size, picture.format());
    if (sampled.isNull()) return {};
    sampled.setColorTable(picture.colorTable());
    const int bytesPerPixel = picture.depth() / 8;
    std::vector<qsizetype> offsets(static_cast<std::size_t>(size.width()));
    for (int x = 0; x < size.width(); ++x)
        offsets[static_cast<std::size_t>(x)] =
            static_cast<qsizetype>(nearestSourceIndex(x, size.width(), picture.width())) * bytesPerPixel;

    const uchar* source = picture.constBits();
    const qsizetype sourceStride = picture.bytesPerLine();
    uchar* target = sampled.bits();
    const qsizetype targetStride = sampled.bytesPerLine();
    forEachBand(size.height(), rowsPerBand(targetStride), pool, [&](int first, int count) {
        for (int y = first; y < first + count; ++y) {
            const uchar* row = source + nearestSourceIndex(y, size.height(), picture.height()) * sourceStride;
            uchar* out = target + y * targetStride;
            switch (bytesPerPixel) {
            case 1: pickRow<std::uint8_t>(row, out, offsets); break;
            case 2: pickRow<std::uint16_t>(row, out, offsets); break;
            case 4: pickRow<std::uint32_t>(row, out, offsets); break;
            case 8: pickRow<std::uint64_t>(row, out, offsets); break;
            default: pickRowOfBytes(row, out, offsets, bytesPerPixel); break;
            }
        }
    });
    return sampled;
}

} // namespace appui
