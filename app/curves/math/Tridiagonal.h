#pragma once
#include <vector>

namespace curves {

// The solution of a tridiagonal system by the Thomas algorithm (forward
// elimination, back substitution): row i reads below[i] x[i-1] +
// diagonal[i] x[i] + above[i] x[i+1] = rhs[i]; below[0] and above[n-1] are
// not used. The systems of the curve code are diagonally dominant, so no
// pivoting is needed.
std::vector<double> solveTridiagonal(std::vector<double> below, std::vector<double> diagonal,
                                     const std::vector<double>& above, std::vector<double> rhs);

} // namespace curves
