#include "app/curves/math/MovingAverager.h"

#include "app/curves/math/RunMean.h"

namespace curves {

namespace {

// The mean of values[first ... last], read in place.
double meanOf(const std::vector<double>& values, std::size_t first, std::size_t last) {
    return runMean(values.data() + first, last - first + 1);
}

} // namespace

std::vector<double> v2MovingAverager::average() const {
    const auto& in = inputMeausurements;
    const long long n = static_cast<long long>(in.size());
    long long w = windowSize | 1;
    // The window must fit inside the input, or it would read and write past it.
    if (w >= n) w = (n - 1) % 2 == 1 ? n - 1 : n - 2;
    if (w < 3) return in;

    std::vector<double> out(in.size(), 0.0);
    std::size_t next = 0;
    out[next++] = in[0];
    for (long long k = 1; k <= (w - 1) / 2; ++k) out[next++] = meanOf(in, 0, 2 * k - 1);
    long long j = 0;
    for (; j + w <= n - 1; ++j) out[next++] = meanOf(in, j, j + w);
    for (; j < n - 3; j += 2) out[next++] = meanOf(in, j, n - 1);
    out[next] = in[n - 1];
    return out;
}

} // namespace curves
