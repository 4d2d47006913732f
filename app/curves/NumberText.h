#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace curves {

// Number text in C-locale syntax, whatever the process locale.

// The shortest decimal text that reads back exactly, always with a digit after
// the point in plain notation ("95.0", "0.25"); very large or very small
// magnitudes use an exponent ("1e-05", "1e+16"). Non-finite values give "nan",
// "inf" and "-inf".
std::string shortestDecimalText(double value);

// The whole text as a finite real number (optional sign, digits, point,
// exponent); nothing when any character is left over, the text is empty or
// starts with white space, or the value is infinite, NaN or out of range.
std::optional<double> parseFiniteDouble(std::string_view text);

// The whole text as a decimal integer with an optional leading "+" or "-";
// nothing when empty, out of range or any other character is present.
std::optional<long long> parseWholeInteger(std::string_view text);

// The text without leading and trailing white space and line ends.
std::string_view trimWhitespace(std::string_view text);

} // namespace curves
