#include "app/curves/exports/PhotoshopCubeLUT.h"

#include <charconv>

#include "app/curves/saving/SaveThroughPanel.h"
#include "platform/Log.h"

namespace curves {

std::string cubeNumberText(double value) {
    // Fixed notation of a double needs at most ~330 digits (denormals).
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    std::string text(buffer, result.ptr);
    const bool finite = text.find_first_of("0123456789") != std::string::npos;
    if (finite && text.find('.') == std::string::npos) text += ".0";
    return text;
}

std::optional<std::string> PhotoshopCubeLUT::header() const {
    if (curve.empty()) return std::nullopt;
    std::string text = "#Color Lookup Table \n";
    text += "TITLE \"Tintsmith Color Lookup Table for 21-step Linearity Correction\"\n";
    text += "LUT_1D_SIZE " + std::to_string(curve.size()) + "\n";
    text += "DOMAIN_MIN 0.0 0.0 0.0\n";
    text += "DOMAIN_MAX 1.0 1.0 1.0\n";
    return text;
}

std::optional<std::string> PhotoshopCubeLUT::makeCube() const {
    auto text = header();
    if (!text) return std::nullopt;
    for (const double value : curve) {
        const std::string number = cubeNumberText(value / 100);
        *text += number + " " + number + " " + number + "\n";
    }
    platform::printToStandardOutput(*text);
    return text;
}

void PhotoshopCubeLUT::showSavePanel() const {
    if (outputCube) saveThroughPanel("cube", *outputCube);
}

} // namespace curves
