#include "app/inks/BlendingScreen.h"

#include <cstddef>

namespace inks {

namespace {

constexpr TonerPositionOutlets outlets[] = {
    {"cyanHighlightLimitLabel", "cyanHighlightSlider", "cHP"},
    {"cyanMidtoneLimitLabel", "cyanMidtoneSlider", "cMP"},
    {"cyanShadowLimitLabel", "cyanShadowSlider", "cSP"},
    {"mHighlightLabel", "magentaHighlightSlider", "mHP"},
    {"mMidtoneLabel", "magentaMidtoneSlider", "mMP"},
    {"mShadowLabel", "magentaShadowSlider", "mSP"},
    {"yHighlightLabel", "yellowHighlightSlider", "yHP"},
    {"yMidtoneLabel", "yellowMidtoneSlider", "yMP"},
    {"yShadowLabel", "yellowShadowSlider", "ySP"},
};

} // namespace

TonerPositionOutlets outletsOf(TonerPosition position) { return outlets[static_cast<std::size_t>(position)]; }

} // namespace inks
