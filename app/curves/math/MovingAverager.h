#pragma once
#include <vector>

namespace curves {

// Moving average with a window that grows from the first sample, slides, and
// shrinks towards the last, so both ends keep their measured values.
class v2MovingAverager {
public:
    std::vector<double> inputMeausurements;
    int windowSize = 0;
    std::vector<double> avg;

    v2MovingAverager(std::vector<double> input, int window)
        : inputMeausurements(std::move(input)),
          windowSize(window) {}

    // As many values as the input. The window is made odd and kept below the
    // input count; a window under 3 returns the input unchanged.
    std::vector<double> average() const;
};

} // namespace curves
