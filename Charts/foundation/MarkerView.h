#pragma once
#include <memory>
#include <type_traits>

#include "Charts/foundation/ChartWidgetBase.h"
#include "Charts/foundation/FormBundle.h"
#include "Charts/foundation/Marker.h"

namespace charts {

// A marker that is a widget: its own size, its look whatever its children
// and painting make it. It is rendered into the chart's drawing context at
// the marker position; a widget of no size draws nothing. Subclasses build
// their content in code or take it from a compiled form (viewFromXib), and
// fill it in refreshContent.
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

    // The marker view of the form named exactly like the class `View` (its
    // name without namespaces, so a subclass with Q_OBJECT finds its own
    // form), loaded from the bundle without a parent. None when the bundle
    // has no such form or the form's top-level widget is not a marker view.
    template <class View = MarkerView>
    static std::shared_ptr<MarkerView> viewFromXib(const FormBundle& bundle = FormBundle::main()) {
        static_assert(std::is_base_of_v<MarkerView, View>, "a marker view loads a marker view's form");
        return viewFromXib(View::staticMetaObject, bundle);
    }
    static std::shared_ptr<MarkerView> viewFromXib(const QMetaObject& type, const FormBundle& bundle);

private:
    Point offset_;
    std::weak_ptr<ChartViewInterface> chartView_;
};

} // namespace charts
