#pragma once
#include <memory>

#include "Charts/drawing/TextMeasurer.h"
#include "Charts/foundation/DisplayLink.h"
#include "Charts/foundation/ImageContext.h"
#include "Charts/foundation/MediaClock.h"

namespace charts {

// What the chart library takes from the desktop: the media clock, the display
// refreshes that tick the display links, the bitmaps of image contexts and the
// text metrics of layout outside a drawing. An empty member stands for the
// desktop's own, which is all the application ever uses; tests put fakes in
// place (time that moves by hand, refreshes fired by hand, a bitmap that
// cannot be made, fixed text metrics), the way the application's services are
// installed. Set it on the main thread while no chart is at work.
struct ChartEnvironment {
    MediaClock mediaClock;                            // empty: steady-clock seconds
    std::shared_ptr<RefreshSource> refreshSource;     // none: a precise timer of the application
    std::shared_ptr<ImageAllocator> imageAllocator;   // none: plain QImage bitmaps
    std::shared_ptr<const TextMeasurer> textMeasurer; // none: the desktop's font metrics
};

// The process-wide environment; all defaults until a test installs fakes.
ChartEnvironment& chartEnvironment();

// The measurer layout code uses outside a drawing (axis and legend sizes).
const TextMeasurer& textMeasurer();

} // namespace charts
