#include "app/curves/CorrectionExport.h"

#include <algorithm>
#include <cmath>

namespace curves {

std::vector<double> imageSpaceCurve(const std::vector<double>& correction) {
    std::vector<double> image;
    image.reserve(correction.size());
    for (auto c = correction.rbegin(); c != correction.rend(); ++c) image.push_back(std::fabs(*c - 100));
    return image;
}

PhotoshopCurve_UInt16 makeAcvCurvePoints(const std::vector<double>& imageCurve) {
    using Point = PhotoshopCurve_UInt16::PointPair;
    PhotoshopCurve_UInt16 curve;
    std::vector<Point> points{{0, 0}};
    Point last{0, 0};
    for (std::size_t input = 1;; input += 18) {
        if (input < imageCurve.size() && std::isfinite(imageCurve[input])) {
            // Truncated toward zero, as the levels of the file are whole, and
            // kept to the levels there are.
            const double v = std::trunc(std::clamp(imageCurve[input] / 100 * 255, -255.0, 255.0));
            const double inputGap = std::fabs(static_cast<double>(last.second) - static_cast<double>(input));
            if (std::fabs(last.first - v) > 3 && inputGap > 3) {
                last = {static_cast<std::uint16_t>(std::fabs(v)), static_cast<std::uint16_t>(input)};
                points.push_back(last);
            }
        }
        if (input >= 237) break;
    }
    points.push_back({255, 255});
    curve.compCurvePoints = std::move(points);
    return curve;
}

} // namespace curves
