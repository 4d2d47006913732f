#pragma once
#include <QImage>
#include <array>
#include <cstdint>
#include <optional>

#include "app/ui/preview/GreyLevelKernels.h"

class QThreadPool;

namespace appui {

// The colour each of the 256 grey levels becomes, as 0xffRRGGBB words.
using GradientMapTable = std::array<std::uint32_t, 256>;

// The table of a gradient image (its first row, darkest colour first): level 0
// takes the first colour and level 255 the last, and every level between takes
// the colour at its place along the row, interpolated linearly between the
// two neighbouring colours and rounded. Nothing for an empty gradient.
std::optional<GradientMapTable> gradientMapTable(const QImage& gradient);

// The grey level of every pixel looked up in the table, written into `output`
// as an opaque RGB32 image of the input's size. Grey input is used as it is
// (16-bit levels rounded to 8 bits), colour input by its Rec. 709 luminance,
// 0.2126 R + 0.7152 G + 0.0722 B of the stored (gamma-encoded) components;
// alpha is ignored. Eight-bit grey, 16-bit grey, 32-bit and 64-bit RGB and
// indexed images are read directly, any other format is converted first.
//
// `output` is written in place when it already has that size and format and
// shares its pixels with no other image; otherwise it is replaced by a new
// image. The rows are mapped in bands on the pool's threads, by the given row
// kernel (the fastest this processor has unless told). False, with `output`
// untouched, for a null input or when the output cannot be made.
bool mapGreyLevels(const QImage& input, const GradientMapTable& table, QImage& output, QThreadPool& pool,
                   GreyLevelKernel kernel = fastestGreyLevelKernel());

// Rows per band for an image of the given width: about a megabyte of output.
int rowsPerMappingBand(int width);

} // namespace appui
