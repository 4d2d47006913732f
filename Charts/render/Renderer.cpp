#include "Charts/render/Renderer.h"

#include "platform/FatalError.h"

namespace charts {

Renderer::Renderer(std::shared_ptr<ViewPortHandler> viewPortHandler) : viewPortHandler_(std::move(viewPortHandler)) {
    if (!viewPortHandler_) platform::fatalError("A renderer needs a view port handler");
}

} // namespace charts
