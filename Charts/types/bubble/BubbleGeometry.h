#pragma once
#include <cmath>
#include <string>

#include <QColor>

#include "Charts/drawing/Geometry.h"
#include "Charts/render/CartesianFrame.h"

namespace charts {

// The geometry of bubbles as pure functions, in pixels.

// The diameter of a bubble of the largest size: the width of one x unit, or
// the content's height when that is smaller.
constexpr double bubbleReferenceSize(double xUnitWidth, double contentHeight) {
    return xUnitWidth < contentHeight ? xUnitWidth : contentHeight;
}

// A bubble's diameter: normalised, the reference size times the square root
// of its share of the largest size (the whole reference size while the
// largest size is 0); otherwise the reference size times the size itself.
// Not finite for a negative size under normalisation: such a bubble is not
// drawn.
inline double bubbleShapeSize(double size, double maxSize, bool normalize, double referenceSize) {
    const double factor = normalize ? (maxSize == 0 ? 1 : std::sqrt(size / maxSize)) : size;
    return referenceSize * factor;
}

// Whether a bubble of the diameter at the centre shows: it is skipped when
// it lies wholly above, below or left of the content (or has no finite
// diameter), and it and every later bubble of its set are left out once it
// starts right of the content.
enum class BubbleVisibility { shown, skipped, pastRight };
inline BubbleVisibility bubbleVisibility(Point centre, double shapeSize, const ContentBounds& content) {
    if (!std::isfinite(shapeSize)) return BubbleVisibility::skipped;
    const double half = shapeSize / 2;
    if (!content.isInBoundsTop(centre.y + half) || !content.isInBoundsBottom(centre.y - half) ||
        !content.isInBoundsLeft(centre.x + half))
        return BubbleVisibility::skipped;
    if (!content.isInBoundsRight(centre.x - half)) return BubbleVisibility::pastRight;
    return BubbleVisibility::shown;
}

// The box of the bubble's circle.
constexpr Rect bubbleRect(Point centre, double shapeSize) {
    return Rect(centre.x - shapeSize / 2, centre.y - shapeSize / 2, shapeSize, shapeSize);
}

// The diameter as a percentage of the largest size, as the accessibility
// label reads it: two decimals in C-locale syntax. A largest size of 0 (or
// another quotient that is not finite) reads "0.00".
std::string bubbleSizePercentText(double shapeSize, double maxSize);

// The colour of a highlighted bubble's outline: the same hue, saturation and
// alpha at half the brightness.
QColor halfBrightness(const QColor& color);

} // namespace charts
