#pragma once
#include <charconv>
#include <cmath>
#include <concepts>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The shortest decimal text that reads back as the same value, in C-locale
// syntax: plain notation with a digit after the point from 1e-4 up to the
// largest range of exact integers (95.0, 0.25, 100000.0), exponent notation
// outside it (1e-05, 1e+16); "nan", "inf" and "-inf" for non-finite values.
template <std::floating_point T>
std::string shortestDecimalText(T value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const T magnitude = std::fabs(value);
    const T exactIntegers = std::ldexp(T(1), std::numeric_limits<T>::digits);
    const bool exponent = magnitude != 0 && (magnitude < T(1e-4) || magnitude >= exactIntegers);
    char buffer[64];
    const auto format = exponent ? std::chars_format::scientific : std::chars_format::fixed;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format);
    std::string text(buffer, result.ptr);
    if (!exponent && text.find('.') == std::string::npos) text += ".0";
    return text;
}

// The whole text as a finite real number in C-locale syntax (optional sign,
// digits, point, exponent); nothing when any character is left over, the text
// is empty or starts with white space, or the value is infinite, NaN or out of
// range.
std::optional<double> parseFiniteDouble(std::string_view text);

// The whole text as a decimal integer with an optional leading "+" or "-";
// nothing when empty, out of range or any other character is present.
std::optional<long long> parseWholeInteger(std::string_view text);

} // namespace platform
