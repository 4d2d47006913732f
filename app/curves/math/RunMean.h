#pragma once
#include <cstddef>

namespace curves {

// The mean of values[0 ... count - 1] summed exactly as numerics::mean sums
// it: element i goes to running sum i % 8 over whole blocks of eight, the
// rest to the first sum, the eight are combined pairwise and divided by the
// count (NaN for none). Written in line for the smoothers, whose hundreds of
// short windows per slider move cost more in calls into the library than in
// additions; the recomputation tests hold it to the library's bits.
inline double runMean(const double* values, std::size_t count) {
    double sum[8] = {};
    std::size_t i = 0;
    for (; i + 8 <= count; i += 8)
        for (std::size_t k = 0; k < 8; ++k) sum[k] += values[i + k];
    for (; i < count; ++i) sum[0] += values[i];
    return (((sum[0] + sum[1]) + (sum[2] + sum[3])) + ((sum[4] + sum[5]) + (sum[6] + sum[7]))) /
           static_cast<double>(count);
}

} // namespace curves
