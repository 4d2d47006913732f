#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/curves/core/Enumerations.h"

namespace inks {

class TonerColorModel;

// The nine toner controls of the blending screen, in the order every preset
// writes them.
enum class TonerPosition {
    cyanHighlight,
    cyanMidtone,
    cyanShadow,
    magentaHighlight,
    magentaMidtone,
    magentaShadow,
    yellowHighlight,
    yellowMidtone,
    yellowShadow,
};

inline constexpr std::array<TonerPosition, 9> tonerPositions = {
    TonerPosition::cyanHighlight,    TonerPosition::cyanMidtone,    TonerPosition::cyanShadow,
    TonerPosition::magentaHighlight, TonerPosition::magentaMidtone, TonerPosition::magentaShadow,
    TonerPosition::yellowHighlight,  TonerPosition::yellowMidtone,  TonerPosition::yellowShadow,
};

// The screen's names of a position's limit label, slider and fraction.
struct TonerPositionOutlets {
    std::string_view limitLabel;
    std::string_view slider;
    std::string_view fraction;
};

TonerPositionOutlets outletsOf(TonerPosition position);

// What the toner presets read and write on the blending screen. The screen
// implements it; the presets never see a widget.
class BlendingScreen {
public:
    virtual ~BlendingScreen() = default;

    // The screen's blend model (only its media type is read by the presets).
    virtual TonerColorModel& blendModel() = 0;
    virtual curves::Inkset inkset() const = 0;
    virtual curves::TonerType toner() const = 0;
    // Title of the media popup's selected item; nothing when none is selected.
    virtual std::optional<std::string> selectedMediaTitle() const = 0;

    // Whole percentages 0 to 100, and the fraction (percentage / 100).
    virtual void setLimitLabelValue(TonerPosition position, int percent) = 0;
    virtual void setSliderValue(TonerPosition position, int percent) = 0;
    virtual void setFraction(TonerPosition position, double fraction) = 0;

    virtual void renderBlendPreview() = 0;
    // Copies the nine fractions into the blend model and recomputes the blend.
    virtual void refreshBlend() = 0;
};

} // namespace inks
