#pragma once
// Concrete stand-ins for the abstract bases of the chart library, for tests
// of what the bases do themselves: each provides the operations its base
// leaves to subclasses by calling the base's own body, which stops the
// program.
#include <vector>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/render/AxisRendererBase.h"
#include "Charts/render/DataRenderer.h"

namespace charts::testing {

template <class Base>
class BaseDrawing : public Base {
public:
    using Base::Base;
    void drawData(DrawingContext& context) override { Base::drawData(context); }
    void drawValues(DrawingContext& context) override { Base::drawValues(context); }
    void drawExtras(DrawingContext& context) override { Base::drawExtras(context); }
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override {
        Base::drawHighlighted(context, indices);
    }
};

class BaseAxisDrawing : public AxisRendererBase {
public:
    using AxisRendererBase::AxisRendererBase;
    void renderAxisLabels(DrawingContext& context) override { AxisRendererBase::renderAxisLabels(context); }
    void renderGridLines(DrawingContext& context) override { AxisRendererBase::renderGridLines(context); }
    void renderAxisLine(DrawingContext& context) override { AxisRendererBase::renderAxisLine(context); }
    void renderLimitLines(DrawingContext& context) override { AxisRendererBase::renderLimitLines(context); }
};

} // namespace charts::testing
