#pragma once
#include <memory>
#include <optional>
#include <utility>

#include "Charts/foundation/AxisBase.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/render/Renderer.h"

namespace charts {

class DrawingContext;

// The base of the axis renderers. It turns the value range in view into the
// axis's label values (entries, centred entries and decimals, written into
// the axis model); subclasses draw. Every member is virtual: the axis
// renderers of other chart kinds replace any of them.
class AxisRendererBase : public Renderer {
public:
    // The transformer and the axis may be absent; such a renderer computes
    // and draws nothing that needs them.
    AxisRendererBase(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Transformer> transformer,
                     std::shared_ptr<AxisBase> axis);

    virtual std::shared_ptr<AxisBase> axis() const { return axis_; }
    virtual void setAxis(std::shared_ptr<AxisBase> axis) { axis_ = std::move(axis); }
    virtual std::shared_ptr<Transformer> transformer() const { return transformer_; }
    virtual void setTransformer(std::shared_ptr<Transformer> transformer) { transformer_ = std::move(transformer); }

    // Every concrete axis renderer provides all four: one that leaves one out
    // does not compile. The bodies here stop the program, for a subclass
    // that calls them explicitly.
    virtual void renderAxisLabels(DrawingContext& context) = 0;
    virtual void renderGridLines(DrawingContext& context) = 0;
    virtual void renderAxisLine(DrawingContext& context) = 0;
    virtual void renderLimitLines(DrawingContext& context) = 0;

    // The visible range of a vertical axis (the given range while fully
    // zoomed out), then computeAxisValues.
    virtual void computeAxis(double min, double max, bool inverted);
    // Fills the axis's entries, centred entries and decimals for the range.
    virtual void computeAxisValues(double min, double max);

protected:
    // The axis's grid line width; 0 without an axis.
    double gridLineWidthOrNone() const {
        const std::shared_ptr<AxisBase> model = axis();
        return model ? model->gridLineWidth() : 0;
    }
    // The values the content's edges show along one direction, the smaller
    // end's first (the other way round when inverted): from the bottom edge
    // up, or from the left edge across. None without a transformer or when
    // its matrix cannot map back (an empty content rectangle).
    enum class ContentSpan { upward, across };
    std::optional<std::pair<double, double>> visibleSpan(ContentSpan span, bool inverted) const;

private:
    std::shared_ptr<AxisBase> axis_;
    std::shared_ptr<Transformer> transformer_;
};

} // namespace charts
