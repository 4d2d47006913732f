#pragma once
#include <string>

namespace charts {

// The shortest decimal text that reads back as the same double; whole numbers
// keep one fraction digit ("1.0", "2.5", "1e+16"); NaN and infinities are
// "nan", "inf" and "-inf".
std::string roundTripText(double value);

} // namespace charts
