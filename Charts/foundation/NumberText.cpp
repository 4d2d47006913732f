#include "Charts/foundation/NumberText.h"

#include <charconv>
#include <cmath>

namespace charts {

std::string roundTripText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
    char buffer[64];
    const double magnitude = std::fabs(value);
    // Plain notation from 1e-4 up to 2^53, where every integer is exact; left
    // to itself, to_chars would pick whichever form is shorter and write
    // 100000 as "1e+05".
    if (magnitude == 0 || (magnitude >= 1e-4 && magnitude < 9007199254740992.0)) {
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
        std::string text(buffer, end);
        if (text.find('.') == std::string::npos) text += ".0";
        return text;
    }
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
    return std::string(buffer, end);
}

} // namespace charts
