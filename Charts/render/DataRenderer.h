#pragma once
#include <memory>
#include <vector>

#include <QString>

#include "Charts/foundation/Highlight.h"
#include "Charts/render/Renderer.h"

namespace charts {

class Animator;
class AccessibleChart;
class ChartData;
class ChartDataProvider;
class DrawingContext;
class AccessibilityElement;
struct CartesianFrame;

using AccessibilityElementPtr = std::shared_ptr<AccessibilityElement>;

// The base of the renderers that draw a chart's data. A chart view calls the
// four drawing entry points in every frame (data, highlights, extras,
// values) and initBuffers() whenever its data changed. The animator's phases
// limit what is drawn while an animation runs.
class DataRenderer : public Renderer {
public:
    // Both are required.
    DataRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler);

    const std::shared_ptr<Animator>& animator() const { return animator_; }

    // Rebuilt by the concrete renderers for every frame; read by the chart
    // view's accessibility children. A renderer may note in a frame what its
    // elements describe and make them when the list is first read.
    std::vector<AccessibilityElementPtr>& accessibleChartElements() {
        makePendingAccessibleElements();
        return accessibleChartElements_;
    }
    const std::vector<AccessibilityElementPtr>& accessibleChartElements() const {
        makePendingAccessibleElements();
        return accessibleChartElements_;
    }
    void setAccessibleChartElements(std::vector<AccessibilityElementPtr> elements) {
        accessibleChartElements_ = std::move(elements);
    }

    // Every concrete renderer provides all four: a kind that leaves one out
    // does not compile. The bodies here stop the program, for a subclass
    // that calls them explicitly.
    virtual void drawData(DrawingContext& context) = 0;
    virtual void drawValues(DrawingContext& context) = 0;
    virtual void drawExtras(DrawingContext& context) = 0;
    virtual void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) = 0;

    // A chart view with x and y axes hands its renderer the frame of the
    // paint about to run before the first drawing entry point and takes it
    // back after the last (FrameScope). Renderers that draw from such a frame
    // keep it for the paint; the others ignore it.
    virtual void beginFrame(const CartesianFrame& frame);
    virtual void endFrame();

    // Does nothing here.
    virtual void initBuffers();

    // Whether value labels may be drawn: fewer entries than the chart's
    // maximum visible count times the horizontal zoom. False without a
    // provider or without data.
    virtual bool isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const;

    // The chart's header element: "<description>. <n> dataset(s). <labels>".
    virtual AccessibilityElementPtr createAccessibleHeader(const AccessibleChart& chart, const ChartData& data,
                                                           const QString& defaultDescription) const;

protected:
    // Makes the elements the last frame noted and puts them into the list;
    // nothing here. Assistive technology reads the elements far less often
    // than frames are drawn, so a renderer of many items (one per bar) makes
    // them only then.
    virtual void makePendingAccessibleElements() const {}
    // The list itself, for the renderer that fills it.
    std::vector<AccessibilityElementPtr>& accessibleElementList() const { return accessibleChartElements_; }

    // The test of isDrawingValuesAllowed against a zoom factor: a chart
    // whose entries spread along the other direction measures that one.
    bool isDrawingValuesAllowedAtScale(const ChartDataProvider* dataProvider, double zoomScale) const;

private:
    mutable std::vector<AccessibilityElementPtr> accessibleChartElements_;
    std::shared_ptr<Animator> animator_;
};

// Hands a frame to a renderer for as long as it lives.
class FrameScope {
public:
    FrameScope(DataRenderer& renderer, const CartesianFrame& frame) : renderer_(renderer) {
        renderer_.beginFrame(frame);
    }
    ~FrameScope() { renderer_.endFrame(); }
    FrameScope(const FrameScope&) = delete;
    FrameScope& operator=(const FrameScope&) = delete;

private:
    DataRenderer& renderer_;
};

} // namespace charts
