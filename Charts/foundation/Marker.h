#pragma once
#include <memory>
#include <optional>

#include <QImage>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ChartViewInterface.h"
#include "Charts/foundation/DataSetValues.h"
#include "Charts/foundation/Highlight.h"

namespace charts {

// The callout a chart draws at a highlighted value: first told the entry and
// highlight about to be shown, then drawn at the highlight's point, working
// out its own shift from it.
class IMarker {
public:
    virtual ~IMarker() = default;

    // The preferred shift of the marker's top-left corner from the point.
    virtual Point offset() const = 0;
    // The shift actually used when drawn at the point.
    virtual Point offsetForDrawing(const Point& point) const = 0;
    virtual void refreshContent(const ChartDataEntryPtr& entry, const Highlight& highlight) = 0;
    virtual void draw(DrawingContext& context, const Point& point) = 0;

protected:
    IMarker() = default;
    IMarker(const IMarker&) = default;
    IMarker& operator=(const IMarker&) = default;
};

// The shift that keeps a marker of the size inside the chart's bounds: a
// marker that would leave the left or top edge is pushed back onto it, one
// that would leave the right or bottom edge (only tested with bounds) is
// pulled in. Left and top come first, so they win for a marker larger than
// the chart. Each axis on its own.
Point markerOffsetInside(Point offset, const Point& point, const Size& size, const std::optional<Size>& chartBounds);

// A marker that draws a fixed image. A size component of 0 takes the
// image's own, in points (its device-independent size).
class MarkerImage : public IMarker {
public:
    MarkerImage() = default;

    const std::optional<QImage>& image() const { return image_; }
    void setImage(std::optional<QImage> image) { image_ = std::move(image); }
    Point offset() const override { return offset_; }
    void setOffset(const Point& offset) { offset_ = offset; }
    // Held weakly; only its bounds are used.
    std::shared_ptr<ChartViewInterface> chartView() const { return chartView_.lock(); }
    void setChartView(std::weak_ptr<ChartViewInterface> view) { chartView_ = std::move(view); }
    const Size& size() const { return size_; }
    void setSize(const Size& size) { size_ = size; }

    Point offsetForDrawing(const Point& point) const override;
    void refreshContent(const ChartDataEntryPtr&, const Highlight&) override {}
    // Nothing without an image.
    void draw(DrawingContext& context, const Point& point) override;

private:
    Size drawnSize() const;

    std::optional<QImage> image_;
    Point offset_;
    std::weak_ptr<ChartViewInterface> chartView_;
    Size size_;
};

} // namespace charts
