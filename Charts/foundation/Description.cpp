#include "Charts/foundation/Description.h"

#include "Charts/foundation/PlatformStyle.h"

namespace charts {

namespace {
// The desktop's standard size for general text.
constexpr double standardFontSize = 13;
} // namespace

Description::Description() : font_(systemFont(standardFontSize)), textColor_(labelColor()) {}

} // namespace charts
