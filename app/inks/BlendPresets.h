#pragma once

#include "app/inks/BlendingScreen.h"

namespace inks {

// The toner presets of the blending screen: fixed cyan, magenta and yellow
// amounts at highlight, midtone and shadow for the toners Warm, Warm Neutral,
// Neutral and Selenium with the UCK3, PSeriesK3, PSeriesPro10 and CCProHDMK3
// ink sets on Gloss or Matte paper.

// After any change of printer, ink set, media or toner: gravure media reset
// the controls, the four toners with tables apply theirs, any other toner
// prints "set custom" and keeps the controls; then the blend is recomputed,
// the preview rendered and the blend refreshed.
void applyTonerPresets(BlendingScreen& screen);

// Every label, slider and fraction to 0.
void resetTonerSliders(BlendingScreen& screen);

// One toner's rows, chosen by the screen's ink set and the media title
// ("Gloss" or "Matte"; any other title resets).
void applyWarmPreset(BlendingScreen& screen);
void applyWarmNeutralPreset(BlendingScreen& screen);
void applyNeutralPreset(BlendingScreen& screen);
void applySeleniumPreset(BlendingScreen& screen);

} // namespace inks
