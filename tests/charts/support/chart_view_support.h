#pragma once
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/drawing/TextMeasurer.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "tests/support/chart_environment.h"

namespace charts::testing {

// Points (x, y) as entries.
inline std::vector<ChartDataEntryPtr> entries(const std::vector<Point>& points) {
    std::vector<ChartDataEntryPtr> list;
    for (const Point& p : points) list.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    return list;
}

// x 0, 10, ..., 10 (count - 1) with y rising by 10 from 0.
inline std::vector<Point> ramp(int count) {
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) points.push_back(Point{10.0 * i, 10.0 * i});
    return points;
}

inline std::shared_ptr<LineChartDataSet> lineSet(const std::vector<Point>& points, const QString& label = "Set") {
    return std::make_shared<LineChartDataSet>(entries(points), label);
}

inline std::shared_ptr<LineChartData> lineData(std::vector<std::shared_ptr<LineChartDataSet>> sets) {
    auto data = std::make_shared<LineChartData>();
    for (auto& set : sets) data->addDataSet(set);
    return data;
}

// A chart view of a kind, of its own (no parent), laid out at a size without
// an event loop.
template <class View>
std::unique_ptr<View> makeChart(double width = 400, double height = 300) {
    std::unique_ptr<View> view(ChartViewBase::create<View>());
    view->setChartSize(width, height);
    return view;
}

inline std::unique_ptr<LineChartView> makeLineChart(double width = 400, double height = 300) {
    return makeChart<LineChartView>(width, height);
}

// Layout (label sizes, legend) measured with fixed metrics for as long as it
// lives.
struct FixedMetrics {
    FixedTextMetrics measurer;
};

// What a chart tells its delegate, one word per message.
class RecordingDelegate : public ChartViewDelegate {
public:
    std::vector<std::string> messages;
    std::vector<HighlightPtr> selected;
    std::vector<Point> scales;
    std::vector<Point> translations;

    void chartValueSelected(ChartViewBase&, const std::shared_ptr<ChartDataEntry>&,
                            const Highlight& highlight) override {
        messages.push_back("selected");
        selected.push_back(std::make_shared<Highlight>(highlight));
    }
    void chartViewDidEndPanning(ChartViewBase&) override { messages.push_back("endPanning"); }
    void chartValueNothingSelected(ChartViewBase&) override { messages.push_back("nothing"); }
    void chartScaled(ChartViewBase&, double scaleX, double scaleY) override {
        messages.push_back("scaled");
        scales.push_back(Point{scaleX, scaleY});
    }
    void chartTranslated(ChartViewBase&, double dX, double dY) override {
        messages.push_back("translated");
        translations.push_back(Point{dX, dY});
    }
    void chartViewAnimatorDidStop(ChartViewBase&, Animator&) override { messages.push_back("animatorStopped"); }
};

inline GestureStep step(GestureState state, Point location, Point translation = {}, Point velocity = {},
                        double magnification = 0) {
    GestureStep s;
    s.state = state;
    s.location = location;
    s.translation = translation;
    s.velocity = velocity;
    s.magnification = magnification;
    return s;
}

} // namespace charts::testing
