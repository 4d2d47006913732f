#include "app/ui/preview/GradientColors.h"

#include <algorithm>

namespace appui {

namespace {

// The inverse of the Lab companding function.
double labInverse(double f) {
    const double cube = f * f * f;
    return cube > 0.008856 ? cube : (f - 16.0 / 116) / 7.787;
}

curves::ARGB_8 gradientColor(const curves::CIELab& sample) {
    const double fy = (sample.L + 16) / 116;
    const double fx = fy + sample.a / 500;
    const double fz = fy - sample.b / 200;
    // xyzToSRGB takes the 0 to 100 scale: X = xr x 96.42 / 100 after its own division.
    const auto rgb = curves::xyzToSRGB(labInverse(fx) * 96.42, labInverse(fy) * 100, labInverse(fz) * 82.49);
    return curves::linearRGBToARGB8(rgb[0], rgb[1], rgb[2]);
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
