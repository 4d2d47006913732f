#include "app/curves/NumberText.h"

#include <charconv>
#include <cmath>

#include "platform/NumberText.h"

namespace curves {

std::string shortestDecimalText(double value) { return platform::shortestDecimalText(value); }

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
    // Out-of-range magnitudes, infinities and NaN are no measurement.
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

std::string_view trimWhitespace(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\v\f";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace curves
