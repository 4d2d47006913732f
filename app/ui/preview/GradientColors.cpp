#include "app/ui/preview/GradientColors.h"

#include <algorithm>
#include <cmath>

#include "app/curves/core/ScreenGamut.h"

namespace appui {

namespace {

std::uint8_t eightBit(double component) { return static_cast<std::uint8_t>(std::lround(component * 255)); }

curves::ARGB_8 gradientColor(const curves::CIELab& sample) {
    const auto rgb = curves::srgbWithinGamut(sample);
    return curves::ARGB_8{255, eightBit(rgb[0]), eightBit(rgb[1]), eightBit(rgb[2])};
}

} // namespace

std::vector<curves::ARGB_8> gradientColors(const std::vector<curves::CIELab>& samples) {
    std::vector<curves::ARGB_8> colors;
    colors.reserve(samples.size());
    for (const auto& sample : samples) colors.push_back(gradientColor(sample));
    return colors;
}

std::vector<curves::ARGB_8> sortedByLuminance(std::vector<curves::ARGB_8> colors) {
    std::stable_sort(colors.begin(), colors.end(), [](const curves::ARGB_8& x, const curves::ARGB_8& y) {
        return curves::luminance(x) < curves::luminance(y);
    });
    return colors;
}

std::optional<QImage> gradientImage(const std::optional<std::vector<curves::ARGB_8>>& colors) {
    if (!colors || colors->empty()) return std::nullopt;
    const auto sorted = sortedByLuminance(*colors);
    QImage image(static_cast<int>(sorted.size()), 1, QImage::Format_RGB32);
    if (image.isNull()) return std::nullopt;
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(0));
    for (std::size_t i = 0; i < sorted.size(); ++i) row[i] = qRgb(sorted[i].r, sorted[i].g, sorted[i].b);
    return image;
}

} // namespace appui
