#include "app/curves/math/Tridiagonal.h"

namespace curves {

std::vector<double> solveTridiagonal(std::vector<double> below, std::vector<double> diagonal,
                                     const std::vector<double>& above, std::vector<double> rhs) {
    const std::size_t n = diagonal.size();
    if (n == 0) return {};
    for (std::size_t i = 1; i < n; ++i) {
        const double m = below[i] / diagonal[i - 1];
        diagonal[i] = diagonal[i] - m * above[i - 1];
        rhs[i] = rhs[i] - m * rhs[i - 1];
    }
    std::vector<double> solution(n);
    solution[n - 1] = rhs[n - 1] / diagonal[n - 1];
    for (std::size_t i = n - 1; i-- > 0;) solution[i] = (rhs[i] - above[i] * solution[i + 1]) / diagonal[i];
    return solution;
}

} // namespace curves
