#include "app/ui/preview/GreyLevelMapping.h"

#include <QThreadPool>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/ui/preview/ParallelBands.h"

namespace appui {

namespace {

// Rec. 709 weights in 16-bit fixed point; they sum to 65536, so a grey pixel
// keeps its level exactly.
constexpr std::uint32_t redWeight = 13933;
constexpr std::uint32_t greenWeight = 46871;
constexpr std::uint32_t blueWeight = 4732;

std::uint32_t luminanceOf(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    // At most 65536 x 65535 + 32768: fits 32 bits for 16-bit components too.
    return (redWeight * r + greenWeight * g + blueWeight * b + 32768) >> 16;
}

// A 16-bit level to the nearest 8-bit level (halves up).
std::uint32_t to8Bit(std::uint32_t level16) { return (level16 * 2 + 257) / 514; }

// One row of a picture as 8-bit levels. Eight-bit grey and indexed rows are
// their own levels; the others are written into `levels`.
using LevelReader = const uchar* (*)(const uchar* row, uchar* levels, int width);

const uchar* ownLevels(const uchar* row, uchar*, int) { return row; }

const uchar* grey16Levels(const uchar* bytes, uchar* levels, int width) {
    const auto* in = reinterpret_cast<const std::uint16_t*>(bytes);
    for (int x = 0; x < width; ++x) levels[x] = static_cast<uchar>(to8Bit(in[x]));
    return levels;
}

const uchar* rgb32Levels(const uchar* bytes, uchar* levels, int width) {
    const auto* in = reinterpret_cast<const QRgb*>(bytes);
    for (int x = 0; x < width; ++x) {
        const QRgb p = in[x];
        levels[x] = static_cast<uchar>(luminanceOf(qRed(p), qGreen(p), qBlue(p)));
    }
    return levels;
}

const uchar* rgb64Levels(const uchar* bytes, uchar* levels, int width) {
    const auto* in = reinterpret_cast<const QRgba64*>(bytes);
    for (int x = 0; x < width; ++x) {
        const QRgba64 p = in[x];
        levels[x] = static_cast<uchar>(to8Bit(luminanceOf(p.red(), p.green(), p.blue())));
    }
    return levels;
}

LevelReader levelReaderFor(QImage::Format format) {
    switch (format) {
    case QImage::Format_Grayscale8:
    case QImage::Format_Indexed8: return ownLevels; // indexed: through a table of its palette
    case QImage::Format_Grayscale16: return grey16Levels;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32: return rgb32Levels;
    case QImage::Format_RGBX64:
    case QImage::Format_RGBA64: return rgb64Levels;
    default: return nullptr;
    }
}

// Formats read directly stay; deep or floating-point ones become 64-bit RGB,
// the rest (premultiplied, packed, mono, ...) 32-bit ARGB.
QImage inDirectFormat(const QImage& input) {
    if (levelReaderFor(input.format()) != nullptr) return input;
    const QPixelFormat pixel = input.pixelFormat();
    const bool deep = pixel.typeInterpretation() == QPixelFormat::FloatingPoint || pixel.redSize() > 8 ||
                      pixel.greenSize() > 8 || pixel.blueSize() > 8;
    return input.convertToFormat(deep ? QImage::Format_RGBA64 : QImage::Format_ARGB32);
}

// An indexed image's palette entries looked up once, so that each pixel is
// one lookup of its index.
GradientMapTable paletteTable(const QImage& indexed, const GradientMapTable& table) {
    GradientMapTable byIndex{};
    const QList<QRgb> palette = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        byIndex[static_cast<std::size_t>(i)] = table[luminanceOf(qRed(c), qGreen(c), qBlue(c))];
    }
    return byIndex;
}

} // namespace

std::optional<GradientMapTable> gradientMapTable(const QImage& gradient) {
    if (gradient.isNull() || gradient.width() < 1) return std::nullopt;
    const QImage row = gradient.convertToFormat(QImage::Format_RGB32);
    const auto* colors = reinterpret_cast<const QRgb*>(row.constScanLine(0));
    const int last = row.width() - 1;
    GradientMapTable table{};
    for (int level = 0; level < 256; ++level) {
        // The level's place along the gradient, as colour index plus a
        // remainder in 255ths: exact integer steps, so level 255 is the last colour.
        const int place = level * last;
        const int index = place / 255;
        const int remainder = place % 255;
        const QRgb lower = colors[index];
        const QRgb upper = colors[std::min(index + 1, last)];
        const auto mix = [remainder](int a, int b) { return (a * (255 - remainder) + b * remainder + 127) / 255; };
        table[static_cast<std::size_t>(level)] =
            qRgb(mix(qRed(lower), qRed(upper)), mix(qGreen(lower), qGreen(upper)), mix(qBlue(lower), qBlue(upper)));
    }
    return table;
}

int rowsPerMappingBand(int width) { return std::max(1, (1 << 18) / std::max(1, width)); }

bool mapGreyLevels(const QImage& input, const GradientMapTable& table, QImage& output, QThreadPool& pool,
                   GreyLevelKernel kernel) {
    if (input.isNull()) return false;
    const QImage source = inDirectFormat(input);
    const LevelReader readLevels = levelReaderFor(source.format());
    if (readLevels == nullptr) return false;
    const PreparedTable prepared(source.format() == QImage::Format_Indexed8 ? paletteTable(source, table) : table,
                                 kernel);

    const bool reusable =
        output.size() == source.size() && output.format() == QImage::Format_RGB32 && output.isDetached();
    QImage target = reusable ? std::move(output) : QImage(source.size(), QImage::Format_RGB32);
    if (target.isNull()) {
        if (reusable) output = std::move(target);
        return false;
    }

    const int width = source.width();
    const uchar* inBits = source.constBits();
    const qsizetype inStride = source.bytesPerLine();
    uchar* outBits = target.bits();
    const qsizetype outStride = target.bytesPerLine();
    forEachBand(source.height(), rowsPerMappingBand(width), pool, [&](int first, int count) {
        std::vector<uchar> levels(readLevels == ownLevels ? 0 : static_cast<std::size_t>(width));
        for (int y = first; y < first + count; ++y) {
            const uchar* rowLevels = readLevels(inBits + y * inStride, levels.data(), width);
            prepared.mapRow(rowLevels, reinterpret_cast<std::uint32_t*>(outBits + y * outStride), width);
        }
    });
    output = std::move(target);
    return true;
}

} // namespace appui
