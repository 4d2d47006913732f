#pragma once
#include <memory>

#include "Charts/foundation/ViewPortHandler.h"

namespace charts {

// The root of everything that draws a part of a chart: data, axes, legend.
// A renderer owns no widget; it draws through the drawing interface into
// whatever context the chart view hands it, and reads the chart's geometry
// from the view port it was made with.
class Renderer {
public:
    // The view port is required.
    explicit Renderer(std::shared_ptr<ViewPortHandler> viewPortHandler);
    virtual ~Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    const std::shared_ptr<ViewPortHandler>& viewPortHandler() const { return viewPortHandler_; }

private:
    std::shared_ptr<ViewPortHandler> viewPortHandler_;
};

} // namespace charts
