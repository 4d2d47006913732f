#pragma once
#include <memory>
#include <optional>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/YAxis.h"

namespace charts {

class XAxis;

// What the view port, its jobs and the markers ask of a chart view, which
// lives in a layer above and implements these.
class ChartViewInterface {
public:
    virtual ~ChartViewInterface() = default;

    // The view's own bounds (origin 0, 0 in its coordinates).
    virtual Rect bounds() const = 0;
    virtual void setNeedsDisplay(const Rect& rect) = 0;

    // The ranges a zoom job keeps in view: the x axis's and the given y
    // axis's. None for a chart without x and y axes, which no zoom job moves.
    struct AxisRanges {
        double x = 0;
        double y = 0;
    };
    virtual std::optional<AxisRanges> zoomAxisRanges(YAxis::AxisDependency) const { return std::nullopt; }
    // Called when a zoom job has moved the view port, before the view is
    // redrawn; a chart with axes recomputes its offsets.
    virtual void viewPortJobFinished() {}

protected:
    ChartViewInterface() = default;
    ChartViewInterface(const ChartViewInterface&) = default;
    ChartViewInterface& operator=(const ChartViewInterface&) = default;
};

// A chart view with x and y axes, as zoom jobs ask it.
class BarLineChartViewInterface : public virtual ChartViewInterface {
public:
    virtual std::shared_ptr<XAxis> xAxis() const = 0;
    virtual std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const = 0;
    virtual void calculateOffsets() = 0;

    std::optional<AxisRanges> zoomAxisRanges(YAxis::AxisDependency axis) const override;
    void viewPortJobFinished() override { calculateOffsets(); }
};

// Weak references to an object that no shared_ptr owns (a widget belongs to
// its parent): the object keeps one of these as a member and hands out
// weak_ptrs that expire when it is destroyed. The owning pointer never
// deletes anything.
template <class T>
class WeakSelf {
public:
    explicit WeakSelf(T* self) : self_(self, [](T*) {}) {}
    WeakSelf(const WeakSelf&) = delete;
    WeakSelf& operator=(const WeakSelf&) = delete;

    std::weak_ptr<T> weak() const { return self_; }
    // Expire every weak reference early, at the start of the owner's
    // destructor, before its members go.
    void expire() { self_.reset(); }

private:
    std::shared_ptr<T> self_;
};

} // namespace charts
