#include "Charts/foundation/NumberText.h"

#include "platform/NumberText.h"

namespace charts {

std::string roundTripText(double value) { return platform::shortestDecimalText(value); }

} // namespace charts
