#pragma once
#include <string>

namespace charts {

// The shortest decimal text that reads back as the same double, in plain
// notation from 1e-4 to 2^53 with one fraction digit kept on whole numbers
// ("1.0", "2.5", "100000.0", "0.0001"), with an exponent beyond ("1e-05",
// "1e+16"); NaN and infinities are "nan", "inf" and "-inf".
std::string roundTripText(double value);

} // namespace charts
