#pragma once
// The scalar types' standard text, as the Matrix and Vector descriptions use
// it: the shortest decimal that reads back as the same value; integral values
// keep ".0" (2.0); exponent notation below 1e-4 and from 2^(mantissa digits)
// up (1e-05, 1e+16);
// "inf", "-inf" and "nan" for the non-finite values.

#include <concepts>
#include <string>

#include "platform/NumberText.h"

namespace numerics {

template <std::floating_point T>
std::string scalarText(T value) {
    return platform::shortestDecimalText(value);
}

} // namespace numerics
