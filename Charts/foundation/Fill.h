#pragma once

namespace charts {

// How a closed area is painted (colour, gradient, image or layer). Shared by
// reference and never changed after construction; data sets only hold one and
// hand it on to the renderers, which ask it to paint.
class Fill {
public:
    Fill() = default;
    virtual ~Fill() = default;
    Fill(const Fill&) = delete;
    Fill& operator=(const Fill&) = delete;
};

} // namespace charts
