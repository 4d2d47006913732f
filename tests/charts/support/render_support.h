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
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibleChart.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartViewInterface.h"

namespace render_test {

using namespace charts;

// A line chart as its renderers see it: data, one transformer per y axis set
// up for a fixed value range, the visible x range taken from the content's
// edges as a bar-line view takes it.
class FakeLineChart : public LineChartViewInterface {
public:
    // A 400 x 300 view with content (40, 20)-(370, 260) showing x 0 to 10 and
    // y 0 to 100 on both axes.
    static std::shared_ptr<FakeLineChart> make() {
        auto chart = std::shared_ptr<FakeLineChart>(new FakeLineChart());
        chart->viewPort->restrainViewPort(40, 20, 30, 40);
        chart->setRange(0, 10, 0, 100);
        return chart;
    }

    void setRange(double xMin, double xMax, double yMin, double yMax) {
        xMin_ = xMin;
        xMax_ = xMax;
        for (const auto& trans : {left, right}) {
            trans->prepareMatrixValuePx(xMin, xMax - xMin, yMax - yMin, yMin);
            trans->prepareMatrixOffset(false);
        }
        xAxisModel->setAxisMinimum(xMin);
        xAxisModel->setAxisMaximum(xMax);
    }

    void setDataSets(std::vector<std::shared_ptr<LineChartDataSet>> sets) {
        ChartData::DataSets list(sets.begin(), sets.end());
        lineChartData = std::make_shared<LineChartData>(list);
    }

    // ChartViewInterface
    Rect bounds() const override { return Rect(0, 0, viewPort->chartWidth(), viewPort->chartHeight()); }
    void setNeedsDisplay(const Rect&) override {}
    // AccessibleChart
    std::optional<QString> chartDescriptionText() const override { return descriptionText; }
    QWidget* accessibilityContainer() const override { return widget.get(); }
    // ChartDataProvider
    double chartXMin() const override { return xMin_; }
    double chartXMax() const override { return xMax_; }
    double chartYMin() const override { return lineChartData ? lineChartData->yMin() : 0; }
    double chartYMax() const override { return lineChartData ? lineChartData->yMax() : 0; }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return xMax_ - xMin_; }
    Point centerOffsets() const override { return viewPort->contentCenter(); }
    std::shared_ptr<ChartData> data() const override { return lineChartData; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return lineChartData; }
    int maxVisibleCount() const override { return visibleCount; }
    // BarLineScatterCandleBubbleChartDataProvider
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency axis) const override {
        return axis == YAxis::AxisDependency::left ? left : right;
    }
    bool isInverted(YAxis::AxisDependency) const override { return false; }
    double lowestVisibleX() const override {
        if (lowestX) return *lowestX;
        return std::max(xMin_, left->valueForTouchPoint(viewPort->contentLeft(), viewPort->contentBottom()).x);
    }
    double highestVisibleX() const override {
        if (highestX) return *highestX;
        return std::min(xMax_, left->valueForTouchPoint(viewPort->contentRight(), viewPort->contentBottom()).x);
    }
    // LineChartDataProvider
    std::shared_ptr<LineChartData> lineData() const override { return lineChartData; }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override {
        return axis == YAxis::AxisDependency::left ? leftAxis : rightAxis;
    }
    // LineChartViewInterface
    std::shared_ptr<XAxis> xAxis() const override { return xAxisModel; }

    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::shared_ptr<ViewPortHandler> viewPort = ViewPortHandler::create(400, 300);
    std::shared_ptr<Transformer> left = std::make_shared<Transformer>(viewPort);
    std::shared_ptr<Transformer> right = std::make_shared<Transformer>(viewPort);
    std::shared_ptr<XAxis> xAxisModel = std::make_shared<XAxis>();
    std::shared_ptr<YAxis> leftAxis = std::make_shared<YAxis>(YAxis::AxisDependency::left);
    std::shared_ptr<YAxis> rightAxis = std::make_shared<YAxis>(YAxis::AxisDependency::right);
    std::shared_ptr<LineChartData> lineChartData;
    std::shared_ptr<Animator> animator = std::make_shared<Animator>();
    std::optional<QString> descriptionText;
    int visibleCount = 100;
    // In place of the visible x range the view port gives.
    std::optional<double> lowestX;
    std::optional<double> highestX;

private:
    FakeLineChart() = default;
    double xMin_ = 0;
    double xMax_ = 10;
};

// A data provider that is a chart of another kind: the line renderer makes no
// accessibility elements for it.
class PlainLineProvider : public LineChartDataProvider {
public:
    explicit PlainLineProvider(std::shared_ptr<FakeLineChart> chart) : chart_(std::move(chart)) {}
    double chartXMin() const override { return chart_->chartXMin(); }
    double chartXMax() const override { return chart_->chartXMax(); }
    double chartYMin() const override { return chart_->chartYMin(); }
    double chartYMax() const override { return chart_->chartYMax(); }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return chart_->xRange(); }
    Point centerOffsets() const override { return chart_->centerOffsets(); }
    std::shared_ptr<ChartData> data() const override { return chart_->data(); }
    std::shared_ptr<ChartDataValues> dataValues() const override { return chart_->dataValues(); }
    int maxVisibleCount() const override { return chart_->maxVisibleCount(); }
    std::shared_ptr<Transformer> getTransformer(YAxis::AxisDependency axis) const override {
        return chart_->getTransformer(axis);
    }
    bool isInverted(YAxis::AxisDependency axis) const override { return chart_->isInverted(axis); }
    double lowestVisibleX() const override { return chart_->lowestVisibleX(); }
    double highestVisibleX() const override { return chart_->highestVisibleX(); }
    std::shared_ptr<LineChartData> lineData() const override { return chart_->lineData(); }
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override { return chart_->getAxis(axis); }

private:
    std::shared_ptr<FakeLineChart> chart_;
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

} // namespace render_test
