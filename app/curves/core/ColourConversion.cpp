#include "app/curves/core/ColourConversion.h"

#include <cmath>

namespace curves {

int luminance(const ARGB_8& pixel) {
    const double y = 0.2126 * pixel.r + 0.7152 * pixel.g + 0.0722 * pixel.b;
    return static_cast<int>(y);
}

namespace {

// The inverse of the Lab companding function.
double labInverse(double f) {
    const double cube = f * f * f;
    return cube > 0.008856 ? cube : (f - 16.0 / 116) / 7.787;
}

double srgbCompand(double c) { return c > 0.0031308 ? 1.055 * std::pow(c, 1 / 2.4) - 0.055 : 12.92 * c; }

std::uint8_t toByte(double c) {
    const double v = std::pow(c, 1 / 2.2) * 255;
    // NaN fails every comparison, so test "not above 0" rather than "<= 0".
    if (!(v > 0)) return 0;
    if (v >= 255) return 255;
    return static_cast<std::uint8_t>(v);
}

} // namespace

std::array<double, 3> labToXYZ(const CIELab& lab) {
    const double fy = (lab.L + 16) / 116;
    const double fx = lab.a / 500 + fy;
    const double fz = fy - lab.b / 200;
    return {96.42 * labInverse(fx), 100 * labInverse(fy), 82.49 * labInverse(fz)};
}

std::array<double, 3> xyzToSRGB(double X, double Y, double Z) {
    const double x = X / 100;
    const double y = Y / 100;
    const double z = Z / 100;
    const double r = 3.134187 * x + -1.617209 * y + -0.490694 * z;
    const double g = -0.978749 * x + 1.91613 * y + 0.033433 * z;
    const double b = 0.071964 * x + -0.228994 * y + 1.405754 * z;
    return {srgbCompand(r), srgbCompand(g), srgbCompand(b)};
}

ARGB_8 linearRGBToARGB8(double r, double g, double b) { return ARGB_8{255, toByte(r), toByte(g), toByte(b)}; }

} // namespace curves
