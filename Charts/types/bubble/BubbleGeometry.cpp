#include "Charts/types/bubble/BubbleGeometry.h"

#include <charconv>

namespace charts {

std::string bubbleSizePercentText(double shapeSize, double maxSize) {
    double percent = shapeSize / maxSize * 100;
    if (!std::isfinite(percent)) percent = 0;
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 2);
    return std::string(buffer, result.ptr);
}

QColor halfBrightness(const QColor& color) {
    float hue = 0;
    float saturation = 0;
    float value = 0;
    float alpha = 0;
    color.toHsv().getHsvF(&hue, &saturation, &value, &alpha);
    return QColor::fromHsvF(hue, saturation, value / 2, alpha);
}

} // namespace charts
