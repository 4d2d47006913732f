#include "Charts/drawing/TextAttributes.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace charts {

QFont pixelSizedFont(QFont font, double size) {
    // Qt sizes fonts in whole pixels; a size that is not a positive number
    // gets the smallest one rather than Qt's warning and a stale size.
    constexpr double largest = 10000;
    const int pixels = std::isfinite(size) && size >= 1 ? static_cast<int>(std::lround(std::min(size, largest))) : 1;
    font.setPixelSize(pixels);
    return font;
}

double fontPixelSize(const QFont& font) {
    return font.pixelSize() > 0 ? static_cast<double>(font.pixelSize()) : font.pointSizeF();
}

QFont defaultTextFont() { return pixelSizedFont(qGuiApp != nullptr ? QGuiApplication::font() : QFont(), 12); }

} // namespace charts
