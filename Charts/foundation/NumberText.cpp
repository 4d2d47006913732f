#include "Charts/foundation/NumberText.h"

#include <charconv>
#include <cmath>

namespace charts {

std::string roundTripText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (text.find_first_of(".e") == std::string::npos) text += ".0";
    return text;
}

} // namespace charts
