#pragma once
#include <utility>
#include <vector>

namespace curves {

// Whether every value is a finite number.
bool allFinite(const std::vector<double>& values);

// Whether a later value of the list ever stands below the one before it.
bool everFalls(const std::vector<double>& values);
bool everRises(const std::vector<double>& values);
// A list of finite values that never falls.
bool neverFallsFinite(const std::vector<double>& values);

// The list that never rises and lies closest to `values` in least squares:
// runs that rise are pooled with their neighbours into their mean until no
// mean rises (pool adjacent violators). A list that never rises comes back
// as it is, bit for bit. The values must be finite.
std::vector<double> neverRisingFit(const std::vector<double>& values);
// The same for a list that never falls.
std::vector<double> neverFallingFit(const std::vector<double>& values);

// A curve drawn by hand through points (x, y): the points kept to low ... high
// in both coordinates and put in order of x, their heights pooled where they
// would fall (neverFallingFit), joined by the monotone cubic of
// KeyframeCurve and read at each of `at`. Before the first point and after
// the last it holds their heights. It never falls, never leaves low ... high,
// passes through every point whose height keeps the order, and is exactly the
// straight line through points that lie on one. No points give no curve.
std::vector<double> monotoneCurveThrough(std::vector<std::pair<double, double>> points, const std::vector<double>& at,
                                         double low, double high);

} // namespace curves
