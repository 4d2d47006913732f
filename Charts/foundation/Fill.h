#pragma once
#include <QColor>
#include <QImage>
#include <memory>
#include <optional>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/drawing/StrokeStyle.h"

namespace charts {

// Raw values as stored.
enum class FillType {
    empty = 0,
    color = 1,
    linearGradient = 2,
    radialGradient = 3,
    image = 4,
    tiledImage = 5,
    layer = 6
};

constexpr std::optional<FillType> fillTypeFromRawValue(int raw) {
    if (raw < 0 || raw > 6) return std::nullopt;
    return static_cast<FillType>(raw);
}

// How a closed area is painted: a colour, a linear or radial gradient, an
// image (stretched or tiled) or a layer (an off-screen drawing, kept as an
// image). Shared by reference and never changed after construction; data
// sets hold one and the renderers ask it to paint.
class Fill {
public:
    // An empty fill paints nothing.
    Fill() = default;
    virtual ~Fill() = default;
    Fill(const Fill&) = delete;
    Fill& operator=(const Fill&) = delete;

    static std::shared_ptr<Fill> withColor(const QColor& color);
    // Angle in degrees: 0 runs left to right, 90 bottom to top on screen.
    static std::shared_ptr<Fill> withLinearGradient(const Gradient& gradient, double angle);
    // Offsets are fractions of the rectangle's width and height from its
    // centre, radii fractions of half its larger side.
    static std::shared_ptr<Fill> withRadialGradient(const Gradient& gradient, Point startOffsetPercent,
                                                    double startRadiusPercent, Point endOffsetPercent,
                                                    double endRadiusPercent);
    // From the centre with radius 0 out to the base radius.
    static std::shared_ptr<Fill> withRadialGradient(const Gradient& gradient);
    static std::shared_ptr<Fill> withImage(const QImage& image, bool tiled = false);
    static std::shared_ptr<Fill> withLayer(const QImage& layer);

    FillType type() const { return type_; }
    const std::optional<QColor>& color() const { return color_; }
    const std::optional<Gradient>& gradient() const { return gradient_; }
    double gradientAngle() const { return gradientAngle_; }
    Point gradientStartOffsetPercent() const { return gradientStartOffsetPercent_; }
    double gradientStartRadiusPercent() const { return gradientStartRadiusPercent_; }
    Point gradientEndOffsetPercent() const { return gradientEndOffsetPercent_; }
    double gradientEndRadiusPercent() const { return gradientEndRadiusPercent_; }
    const std::optional<QImage>& image() const { return image_; }
    const std::optional<QImage>& layer() const { return layer_; }

    // Paints the context's current path, with `rect` placing gradients and
    // images. The state is saved and restored around the painting, so only
    // the path is used up; an empty fill leaves the context untouched.
    virtual void fillPath(DrawingContext& context, const Rect& rect) const;

private:
    FillType type_ = FillType::empty;
    std::optional<QColor> color_;
    std::optional<Gradient> gradient_;
    double gradientAngle_ = 0;
    Point gradientStartOffsetPercent_{0, 0};
    double gradientStartRadiusPercent_ = 0;
    Point gradientEndOffsetPercent_{0, 0};
    double gradientEndRadiusPercent_ = 0;
    std::optional<QImage> image_;
    std::optional<QImage> layer_;
};

} // namespace charts
