#include "Charts/foundation/ChartUtils.h"

#include <cmath>

#include "Charts/foundation/ScaledImageCache.h"

namespace charts {

double ChartUtils::roundToNextSignificant(double value) {
    if (value == 0 || !std::isfinite(value)) return value;
    const double d = std::ceil(std::log10(std::fabs(value)));
    const double pw = 1 - d;
    const double magnitude = std::pow(10.0, pw);
    // std::round rounds halves away from zero.
    return std::round(value * magnitude) / magnitude;
}

int ChartUtils::decimals(double value) {
    if (value == 0 || !std::isfinite(value)) return 0;
    const double rounded = roundToNextSignificant(std::fabs(value));
    if (!std::isfinite(rounded) || rounded == 0) return 0;
    const double digits = std::ceil(-std::log10(rounded)) + 2;
    return std::isfinite(digits) ? static_cast<int>(digits) : 0;
}

void ChartUtils::drawImage(DrawingContext& context, const QImage& image, double x, double y, Size size) {
    const Rect target(Point{x - size.width / 2, y - size.height / 2}, size);
    const QSizeF own = image.deviceIndependentSize();
    GStateSaver saved(context);
    if (own.width() != size.width && own.height() != size.height) {
        if (std::optional<QImage> copy = ScaledImageCache::shared().scaledCopy(image, size)) {
            context.drawImage(*copy, target);
        }
    } else {
        context.drawImage(image, target);
    }
}

void ChartUtils::drawText(DrawingContext& context, const QString& text, Point point, TextAlignment align,
                          const TextAttributes& attributes) {
    if (align == TextAlignment::right || align == TextAlignment::center) {
        const double width = context.textMeasurer().size(text, attributes.font).width;
        point.x -= align == TextAlignment::right ? width : width / 2;
    }
    GStateSaver saved(context);
    context.drawText(text, point, attributes);
}

void ChartUtils::drawText(DrawingContext& context, const QString& text, Point point, const TextAttributes& attributes,
                          Point anchor, double angleRadians) {
    GStateSaver saved(context);
    if (angleRadians != 0) {
        const Size size = context.textMeasurer().size(text, attributes.font);
        Point t = point;
        if (anchor.x != 0.5 || anchor.y != 0.5) {
            const double rotatedWidth =
                std::fabs(size.width * std::cos(angleRadians)) + std::fabs(size.height * std::sin(angleRadians));
            const double rotatedHeight =
                std::fabs(size.width * std::sin(angleRadians)) + std::fabs(size.height * std::cos(angleRadians));
            t.x -= rotatedWidth * (anchor.x - 0.5);
            t.y -= rotatedHeight * (anchor.y - 0.5);
        }
        context.saveGState();
        context.translateBy(t.x, t.y);
        context.rotateBy(angleRadians);
        context.drawText(text, Point{-size.width / 2, -size.height / 2}, attributes);
        context.restoreGState();
        return;
    }
    Point offset{0, 0};
    if (anchor.x != 0 || anchor.y != 0) {
        const Size size = context.textMeasurer().size(text, attributes.font);
        offset = Point{-size.width * anchor.x, -size.height * anchor.y};
    }
    context.drawText(text, Point{point.x + offset.x, point.y + offset.y}, attributes);
}

std::shared_ptr<DefaultValueFormatter> ChartUtils::defaultValueFormatter() {
    static const std::shared_ptr<DefaultValueFormatter> shared = std::make_shared<DefaultValueFormatter>(1);
    return shared;
}

} // namespace charts
