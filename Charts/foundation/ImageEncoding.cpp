#include "Charts/foundation/ImageEncoding.h"

#include <QBuffer>
#include <QImageWriter>
#include <algorithm>
#include <cmath>

namespace charts {

namespace {

std::optional<QByteArray> encode(const QImage& image, const char* format, int quality) {
    if (image.isNull()) return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
    QImageWriter writer(&buffer, format);
    if (quality >= 0) writer.setQuality(quality);
    if (!writer.write(image) || bytes.isEmpty()) return std::nullopt;
    return bytes;
}

} // namespace

std::optional<QByteArray> imagePNGData(const QImage& image) { return encode(image, "png", -1); }

std::optional<QByteArray> imageJPEGData(const QImage& image, double quality) {
    if (std::isnan(quality)) return std::nullopt;
    const int percent = static_cast<int>(std::lround(std::clamp(quality, 0.0, 1.0) * 100));
    return encode(image, "jpeg", percent);
}

} // namespace charts
