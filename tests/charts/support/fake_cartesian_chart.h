#pragma once
// A chart with x and y axes as a kind's data renderer sees it, for the
// renderer tests of every cartesian kind: the kind's view interface over a
// fixed geometry, and a provider of the kind that is not its view (as the
// combined chart is).
#include <algorithm>
#include <memory>
#include <optional>

#include <QWidget>

#include "Charts/data/ChartData.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "Charts/foundation/XAxis.h"

namespace render_test {

using namespace charts;

// A 400 x 300 view with content (40, 20)-(370, 260) showing x 0 to 10 and y
// 0 to 100 on both axes (render_support.h's pixel() maps values there); the
// visible x range is taken from the content's edges as a bar-line view takes
// it. A kind's fake adds its data getter (typed from `chartData`).
template <class ViewInterface>
class FakeCartesianChart : public ViewInterface {
public:
    template <class Fake>
    static std::shared_ptr<Fake> make() {
        auto chart = std::make_shared<Fake>();
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

    // ChartViewInterface
    Rect bounds() const override { return Rect(0, 0, viewPort->chartWidth(), viewPort->chartHeight()); }
    void setNeedsDisplay(const Rect&) override {}
    // AccessibleChart
    std::optional<QString> chartDescriptionText() const override { return descriptionText; }
    QWidget* accessibilityContainer() const override { return widget.get(); }
    // ChartDataProvider
    double chartXMin() const override { return xMin_; }
    double chartXMax() const override { return xMax_; }
    double chartYMin() const override { return chartData ? chartData->yMin() : 0; }
    double chartYMax() const override { return chartData ? chartData->yMax() : 0; }
    double maxHighlightDistance() const override { return 500; }
    double xRange() const override { return xMax_ - xMin_; }
    Point centerOffsets() const override { return viewPort->contentCenter(); }
    std::shared_ptr<ChartData> data() const override { return chartData; }
    std::shared_ptr<ChartDataValues> dataValues() const override { return chartData; }
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

    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::shared_ptr<ViewPortHandler> viewPort = ViewPortHandler::create(400, 300);
    std::shared_ptr<Transformer> left = std::make_shared<Transformer>(viewPort);
    std::shared_ptr<Transformer> right = std::make_shared<Transformer>(viewPort);
    std::shared_ptr<XAxis> xAxisModel = std::make_shared<XAxis>();
    std::shared_ptr<ChartData> chartData;
    std::shared_ptr<Animator> animator = std::make_shared<Animator>();
    std::optional<QString> descriptionText;
    int visibleCount = 100;
    // In place of the visible x range the view port gives.
    std::optional<double> lowestX;
    std::optional<double> highestX;

private:
    double xMin_ = 0;
    double xMax_ = 10;
};

// A provider of a kind that is a chart of another kind (a combined chart
// drawing this kind among others): it answers what the chart answers, but is
// not the kind's view. A kind's test adds its data getter.
template <class Provider, class Chart>
class ForwardingProvider : public Provider {
public:
    explicit ForwardingProvider(std::shared_ptr<Chart> chart) : chart_(std::move(chart)) {}
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

protected:
    const std::shared_ptr<Chart>& chart() const { return chart_; }

private:
    std::shared_ptr<Chart> chart_;
};

} // namespace render_test
