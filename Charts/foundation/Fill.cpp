#include "Charts/foundation/Fill.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace charts {

std::shared_ptr<Fill> Fill::withColor(const QColor& color) {
    auto fill = std::make_shared<Fill>();
    fill->type_ = FillType::color;
    fill->color_ = color;
    return fill;
}

std::shared_ptr<Fill> Fill::withLinearGradient(const Gradient& gradient, double angle) {
    auto fill = std::make_shared<Fill>();
    fill->type_ = FillType::linearGradient;
    fill->gradient_ = gradient;
    fill->gradientAngle_ = angle;
    return fill;
}

std::shared_ptr<Fill> Fill::withRadialGradient(const Gradient& gradient, Point startOffsetPercent,
                                               double startRadiusPercent, Point endOffsetPercent,
                                               double endRadiusPercent) {
    auto fill = std::make_shared<Fill>();
    fill->type_ = FillType::radialGradient;
    fill->gradient_ = gradient;
    fill->gradientStartOffsetPercent_ = startOffsetPercent;
    fill->gradientStartRadiusPercent_ = startRadiusPercent;
    fill->gradientEndOffsetPercent_ = endOffsetPercent;
    fill->gradientEndRadiusPercent_ = endRadiusPercent;
    return fill;
}

std::shared_ptr<Fill> Fill::withRadialGradient(const Gradient& gradient) {
    return withRadialGradient(gradient, Point{0, 0}, 0, Point{0, 0}, 1);
}

std::shared_ptr<Fill> Fill::withImage(const QImage& image, bool tiled) {
    auto fill = std::make_shared<Fill>();
    fill->type_ = tiled ? FillType::tiledImage : FillType::image;
    fill->image_ = image;
    return fill;
}

std::shared_ptr<Fill> Fill::withLayer(const QImage& layer) {
    auto fill = std::make_shared<Fill>();
    fill->type_ = FillType::layer;
    fill->layer_ = layer;
    return fill;
}

void Fill::fillPath(DrawingContext& context, const Rect& rect) const {
    if (type_ == FillType::empty) return;
    GStateSaver saved(context);
    const double cx = midX(standardized(rect)), cy = midY(standardized(rect));
    const double w = width(rect), h = height(rect);
    switch (type_) {
    case FillType::empty: break;
    case FillType::color:
        if (color_) {
            context.setFillColor(*color_);
            context.fillPath(FillRule::winding);
        }
        break;
    case FillType::linearGradient: {
        context.clip(FillRule::winding);
        if (!gradient_) break;
        const double a = (360.0 - gradientAngle_) * std::numbers::pi / 180.0;
        const double dx = std::cos(a) * w * 0.5;
        const double dy = std::sin(a) * h * 0.5;
        context.drawLinearGradient(*gradient_, Point{cx - dx, cy - dy}, Point{cx + dx, cy + dy});
        break;
    }
    case FillType::radialGradient: {
        context.clip(FillRule::winding);
        if (!gradient_) break;
        const double r = std::max(w, h) / 2;
        const Point startCenter{cx + w * gradientStartOffsetPercent_.x, cy + h * gradientStartOffsetPercent_.y};
        const Point endCenter{cx + w * gradientEndOffsetPercent_.x, cy + h * gradientEndOffsetPercent_.y};
        context.drawRadialGradient(*gradient_, startCenter, r * gradientStartRadiusPercent_, endCenter,
                                   r * gradientEndRadiusPercent_);
        break;
    }
    case FillType::image:
        context.clip(FillRule::winding);
        if (image_) context.drawImage(*image_, rect);
        break;
    case FillType::tiledImage:
        context.clip(FillRule::winding);
        if (image_) context.drawTiledImage(*image_, rect);
        break;
    case FillType::layer:
        context.clip(FillRule::winding);
        if (layer_) context.drawImage(*layer_, rect);
        break;
    }
}

} // namespace charts
