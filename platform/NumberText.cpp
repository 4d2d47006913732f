#include "platform/NumberText.h"

#include <charconv>
#include <cmath>

namespace platform {

std::optional<double> parseFiniteDouble(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const char* begin = text.data();
    const char* end = begin + text.size();
    // from_chars takes no leading "+"; accept it like the usual number syntax.
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-' || *begin == '+') return std::nullopt;
    }
    double value = 0;
    auto result = std::from_chars(begin, end, value, std::chars_format::general);
    // Out-of-range magnitudes, infinities and NaN are no finite number.
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<long long> parseWholeInteger(std::string_view text) {
    if (text.empty()) return std::nullopt;
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-') return std::nullopt;
    }
    long long value = 0;
    auto result = std::from_chars(begin, end, value, 10);
    if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
    return value;
}

} // namespace platform
