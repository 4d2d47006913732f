#pragma once
// The scalar types' standard text, as the Matrix and Vector descriptions use
// it: the shortest decimal that reads back as the same value; integral values
// keep ".0" (2.0); exponent notation below 1e-4 and from 2^(mantissa digits)
// up (1e-05, 1e+16);
// "inf", "-inf" and "nan" for the non-finite values.

#include <charconv>
#include <cmath>
#include <concepts>
#include <limits>
#include <string>

namespace numerics {

template <std::floating_point T>
std::string scalarText(T value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    const T magnitude = std::fabs(value);
    const T upper = std::ldexp(T(1), std::numeric_limits<T>::digits);
    const bool exponent = magnitude != 0 && (magnitude < T(1e-4) || magnitude >= upper);
    char buffer[64];
    const auto format = exponent ? std::chars_format::scientific : std::chars_format::fixed;
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), value, format);
    std::string text(buffer, result.ptr);
    if (!exponent && text.find('.') == std::string::npos) text += ".0";
    return text;
}

}  // namespace numerics
