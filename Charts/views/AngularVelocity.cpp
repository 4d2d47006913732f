#include "Charts/views/AngularVelocity.h"

#include <cmath>

namespace charts {

void addAngularVelocitySample(std::vector<AngularVelocitySample>& samples, double now, double angle) {
    if (!std::isfinite(now) || !std::isfinite(angle)) return;
    while (samples.size() > 2 && now - samples.front().time > 1.0) samples.erase(samples.begin());
    samples.push_back(AngularVelocitySample{now, angle});
}

double angularVelocity(const std::vector<AngularVelocitySample>& samples) {
    if (samples.empty()) return 0;
    AngularVelocitySample first = samples.front();
    AngularVelocitySample last = samples.back();

    // The newest sample at another angle than the last one tells the
    // direction; without one, the first.
    AngularVelocitySample beforeLast = first;
    for (auto it = samples.rbegin(); it != samples.rend(); ++it) {
        if (it->angle != last.angle) {
            beforeLast = *it;
            break;
        }
    }

    double timeDelta = last.time - first.time;
    if (timeDelta == 0) timeDelta = 0.1;

    bool clockwise = last.angle >= beforeLast.angle;
    // A change of more than 270 degrees is a step across the seam.
    if (std::fabs(last.angle - beforeLast.angle) > 270.0) clockwise = !clockwise;

    if (last.angle - first.angle > 180.0) {
        first.angle += 360.0;
    } else if (first.angle - last.angle > 180.0) {
        last.angle += 360.0;
    }

    double velocity = std::fabs((last.angle - first.angle) / timeDelta);
    if (!clockwise) velocity = -velocity;
    return std::isfinite(velocity) ? velocity : 0.0;
}

} // namespace charts
