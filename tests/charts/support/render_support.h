#pragma once
// Shared pieces of the renderer tests: a chart that answers what the
// renderers ask of a line chart view, data builders and readers of the
// recorded drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include <QWidget>

#include "Charts/drawing/FixedTextMeasurer.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/Highlight.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibleChart.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartViewInterface.h"
#include "tests/charts/support/fake_cartesian_chart.h"

namespace render_test {

using namespace charts;

// A line chart as its renderers see it (see FakeCartesianChart): its line
// data, y axes and x axis.
class FakeLineChart : public FakeCartesianChart<LineChartViewInterface> {
public:
    static std::shared_ptr<FakeLineChart> make() { return FakeCartesianChart::make<FakeLineChart>(); }

    void setDataSets(std::vector<std::shared_ptr<LineChartDataSet>> sets) {
        chartData = std::make_shared<LineChartData>(ChartData::DataSets(sets.begin(), sets.end()));
    }

    // LineChartDataProvider
    std::shared_ptr<LineChartData> lineData() const override {
        return std::dynamic_pointer_cast<LineChartData>(chartData);
    }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override {
        return axis == YAxis::AxisDependency::left ? leftAxis : rightAxis;
    }
    // LineChartViewInterface
    std::shared_ptr<XAxis> xAxis() const override { return xAxisModel; }

    std::shared_ptr<YAxis> leftAxis = std::make_shared<YAxis>(YAxis::AxisDependency::left);
    std::shared_ptr<YAxis> rightAxis = std::make_shared<YAxis>(YAxis::AxisDependency::right);
};

// A data provider that is a chart of another kind: the line renderer makes no
// accessibility elements for it.
class PlainLineProvider : public ForwardingProvider<LineChartDataProvider, FakeLineChart> {
public:
    using ForwardingProvider::ForwardingProvider;
    std::shared_ptr<LineChartData> lineData() const override { return chart()->lineData(); }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override { return chart()->getAxis(axis); }
};

// A line set of the points (x, y).
inline std::shared_ptr<LineChartDataSet> lineSet(const std::vector<Point>& points,
                                                 std::optional<QString> label = QStringLiteral("Set")) {
    LineChartDataSet::Entries entries;
    for (const Point& p : points) entries.push_back(std::make_shared<ChartDataEntry>(p.x, p.y));
    return std::make_shared<LineChartDataSet>(entries, std::move(label));
}

// The content rectangle of FakeLineChart maps x 0..10 to 40..370 and y
// 0..100 to 260..20.
constexpr Point pixel(double x, double y) { return Point{40 + x * 33, 260 - y * 2.4}; }

// The recorded calls of one kind, in order.
inline std::vector<RecordedOperation> ofKind(const RecordingContext& context, DrawingOperation kind) {
    std::vector<RecordedOperation> found;
    for (const RecordedOperation& op : context.operations())
        if (op.kind == kind) found.push_back(op);
    return found;
}

// Every segment end stroked by strokeLineSegments calls, in order.
inline std::vector<Point> strokedSegmentEnds(const RecordingContext& context) {
    std::vector<Point> ends;
    for (const RecordedOperation& op : ofKind(context, DrawingOperation::strokeLineSegments))
        ends.insert(ends.end(), op.points.begin(), op.points.end());
    return ends;
}

// Saves and restores pair up within the recording, never going below zero.
inline ::testing::AssertionResult balancedSaves(const RecordingContext& context) {
    int depth = 0;
    for (const RecordedOperation& op : context.operations()) {
        if (op.kind == DrawingOperation::saveGState) ++depth;
        if (op.kind == DrawingOperation::restoreGState && --depth < 0)
            return ::testing::AssertionFailure() << "restore without save\n" << context.describe();
    }
    if (depth != 0) return ::testing::AssertionFailure() << depth << " saves left open\n" << context.describe();
    return ::testing::AssertionSuccess();
}

inline void expectPointsNear(const std::vector<Point>& got, const std::vector<Point>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].x, expected[i].x, 1e-9) << "point " << i;
        EXPECT_NEAR(got[i].y, expected[i].y, 1e-9) << "point " << i;
    }
}

// The fixture of a kind's renderer tests: a fake chart of the kind, its
// renderer, the recording and the sets shown, each drawing its values with
// no decimals.
template <class Chart, class Renderer>
class KindRendererTest : public ::testing::Test {
protected:
    template <class Set>
    std::shared_ptr<Set> showSet(std::shared_ptr<Set> set) {
        set->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
        sets.push_back(set);
        chart->setDataSets(sets);
        return set;
    }
    // A renderer whose chart is gone draws nothing of the chart's data.
    void expectAnOrphanDrawsNothing(std::shared_ptr<Highlight> highlight) {
        std::optional<Renderer> orphan;
        {
            auto gone = Chart::make();
            gone->chartData = chart->chartData;
            orphan.emplace(gone, chart->animator, chart->viewPort);
        }
        orphan->drawData(context);
        orphan->drawValues(context);
        orphan->drawHighlighted(context, {std::move(highlight)});
        EXPECT_TRUE(context.operations().empty());
        if constexpr (requires { orphan->accessibilityOrderedElements(); }) {
            EXPECT_TRUE(orphan->accessibilityOrderedElements().empty());
        }
    }

    std::shared_ptr<Chart> chart = Chart::make();
    Renderer renderer{chart, chart->animator, chart->viewPort};
    RecordingContext context;
    std::vector<IChartDataSetPtr> sets;
};

} // namespace render_test
