#pragma once
#include <map>
#include <stdexcept>
#include <string>

#include "app/curves/core/CIELab.h"

namespace curves {

// Keyed-record coding of the curve values: a record maps keys to numbers.
using KeyedDoubles = std::map<std::string, double>;

// The decoder's error: a required key is missing or a value is out of range.
class DecodingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A Lab value under the keys "L", "a" and "b".
KeyedDoubles encode(const CIELab& lab);
// Throws DecodingError when one of the three keys is missing.
CIELab decodeCIELab(const KeyedDoubles& record);

} // namespace curves
