#pragma once
#include <memory>

#include "Charts/foundation/ChartWidgetBase.h"
#include "Charts/foundation/Marker.h"

namespace charts {

// A marker that is a widget: its own size, its look whatever its children
// and painting make it. It is rendered into the chart's drawing context at
// the marker position; a widget of no size draws nothing. Subclasses build
// their content in code and fill it in refreshContent.
class MarkerView : public ChartWidgetBase, public IMarker {
    Q_OBJECT

public:
    explicit MarkerView(QWidget* parent = nullptr);

    Point offset() const override { return offset_; }
    void setOffset(const Point& offset) { offset_ = offset; }
    // Held weakly; only its bounds are used.
    std::shared_ptr<ChartViewInterface> chartView() const { return chartView_.lock(); }
    void setChartView(std::weak_ptr<ChartViewInterface> view) { chartView_ = std::move(view); }

    // Without a chart view the offset as it is.
    Point offsetForDrawing(const Point& point) const override;
    void refreshContent(const ChartDataEntryPtr&, const Highlight&) override {}
    void draw(DrawingContext& context, const Point& point) override;

private:
    Point offset_;
    std::weak_ptr<ChartViewInterface> chartView_;
};

} // namespace charts
