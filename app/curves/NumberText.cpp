#include "app/curves/NumberText.h"

#include <charconv>
#include <cmath>

std::string shortestDecimalText(double value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    char buffer[64];
    const double magnitude = std::fabs(value);
    // Plain notation between 1e-4 and 2^53, where every integer is exact.
    if (magnitude == 0 || (magnitude >= 1e-4 && magnitude < 9007199254740992.0)) {
        auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
        std::string text(buffer, result.ptr);
        if (text.find('.') == std::string::npos) text += ".0";
        return text;
    }
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string text(buffer, result.ptr);
    // to_chars writes "1e-05" already; keep the mantissa without a trailing ".0".
    return text;
}

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
