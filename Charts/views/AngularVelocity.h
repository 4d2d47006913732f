#pragma once
#include <vector>

namespace charts {

// One sample of a rotating drag: when (media-clock seconds) and at which
// angle (degrees) the pointer was.
struct AngularVelocitySample {
    double time = 0;
    double angle = 0;
};

// Appends a sample, first dropping the oldest ones while more than two are
// held and the oldest is more than a second older than `now`. A sample
// whose time or angle is not finite (the pointer exactly on the centre has
// no angle) is not taken.
void addAngularVelocitySample(std::vector<AngularVelocitySample>& samples, double now, double angle);

// The turning speed of a drag in degrees per second, from its oldest to its
// newest sample; negative when the drag ran against the angle direction
// (counter-clockwise on screen). The direction comes from the last change of
// angle, and a drag across the 0/360 seam counts the short way round. One
// sample, or none, gives 0; so does a speed that is not finite.
double angularVelocity(const std::vector<AngularVelocitySample>& samples);

} // namespace charts
