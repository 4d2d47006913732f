#pragma once
#include <QByteArray>
#include <QImage>
#include <optional>

namespace charts {

// The image's pixels as PNG bytes (with alpha when it has one); none for a
// null image or when encoding fails.
std::optional<QByteArray> imagePNGData(const QImage& image);

// The image's pixels as JPEG bytes at a quality of 0 to 1 (Qt's 0 to 100;
// out-of-range values are pinned); none for a null image, a quality that is
// not a number, or when encoding fails.
std::optional<QByteArray> imageJPEGData(const QImage& image, double quality);

} // namespace charts
