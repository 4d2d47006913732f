#include "Charts/combined/CombinedChartView.h"

#include <string>

#include "Charts/combined/CombinedChartRenderer.h"
#include "Charts/combined/CombinedHighlighter.h"
#include "Charts/types/bar/FullBarHighlight.h"
#include "Charts/types/line/FillFormatter.h"
#include "platform/Log.h"

namespace charts {

void CombinedChartView::initialize() {
    BarLineChartViewBase::initialize();
    replaceHighlighter();
    highlightFullBarEnabled_ = true;
    fillFormatter_ = std::make_shared<DefaultFillFormatter>();
    setRenderer(std::make_shared<CombinedChartRenderer>(std::dynamic_pointer_cast<CombinedChartView>(weakView().lock()),
                                                        chartAnimator(), viewPortHandler()));
}

void CombinedChartView::replaceHighlighter() {
    const auto self = std::dynamic_pointer_cast<CombinedChartView>(weakView().lock());
    setHighlighter(std::make_shared<CombinedHighlighter>(std::weak_ptr<ChartDataProvider>(self), self));
}

void CombinedChartView::setData(std::shared_ptr<ChartData> data) {
    BarLineChartViewBase::setData(std::move(data));
    replaceHighlighter();
    if (const std::shared_ptr<CombinedChartRenderer> combined = combinedRenderer()) combined->createRenderers();
    if (renderer()) renderer()->initBuffers();
}

void CombinedChartView::setFillFormatter(std::shared_ptr<IFillFormatter> formatter) {
    fillFormatter_ = formatter ? std::move(formatter) : std::make_shared<DefaultFillFormatter>();
}

std::shared_ptr<CombinedChartRenderer> CombinedChartView::combinedRenderer() const {
    return std::dynamic_pointer_cast<CombinedChartRenderer>(renderer());
}

std::shared_ptr<CombinedChartData> CombinedChartView::combinedData() const {
    return std::dynamic_pointer_cast<CombinedChartData>(data());
}

std::shared_ptr<LineChartData> CombinedChartView::lineData() const {
    const auto combined = combinedData();
    return combined ? combined->lineData() : nullptr;
}

std::shared_ptr<BarChartData> CombinedChartView::barData() const {
    const auto combined = combinedData();
    return combined ? combined->barData() : nullptr;
}

std::shared_ptr<ScatterChartData> CombinedChartView::scatterData() const {
    const auto combined = combinedData();
    return combined ? combined->scatterData() : nullptr;
}

std::shared_ptr<CandleChartData> CombinedChartView::candleData() const {
    const auto combined = combinedData();
    return combined ? combined->candleData() : nullptr;
}

std::shared_ptr<BubbleChartData> CombinedChartView::bubbleData() const {
    const auto combined = combinedData();
    return combined ? combined->bubbleData() : nullptr;
}

bool CombinedChartView::drawValueAboveBarEnabled() const {
    const auto combined = combinedRenderer();
    return combined ? combined->drawValueAboveBarEnabled() : true;
}

void CombinedChartView::setDrawValueAboveBarEnabled(bool enabled) {
    if (const auto combined = combinedRenderer()) combined->setDrawValueAboveBarEnabled(enabled);
    setNeedsDisplay();
}

bool CombinedChartView::drawBarShadowEnabled() const {
    const auto combined = combinedRenderer();
    return combined ? combined->drawBarShadowEnabled() : false;
}

void CombinedChartView::setDrawBarShadowEnabled(bool enabled) {
    if (const auto combined = combinedRenderer()) combined->setDrawBarShadowEnabled(enabled);
    setNeedsDisplay();
}

std::vector<int> CombinedChartView::drawOrder() const {
    std::vector<int> raw;
    if (const auto combined = combinedRenderer())
        for (const DrawOrder kind : combined->drawOrder()) raw.push_back(rawValue(kind));
    return raw;
}

void CombinedChartView::setDrawOrder(const std::vector<int>& order) {
    std::vector<DrawOrder> kinds;
    for (const int raw : order) {
        if (const std::optional<DrawOrder> kind = combinedDrawOrderFromRawValue(raw)) {
            kinds.push_back(*kind);
        } else {
            platform::printToStandardOutput("Draw order value " + std::to_string(raw) +
                                            " names no kind of the combined chart (0 to 4); dropped.");
        }
    }
    if (const auto combined = combinedRenderer()) combined->setDrawOrder(std::move(kinds));
}

HighlightPtr CombinedChartView::getHighlightByTouchPoint(Point point) {
    return barTouchHighlight(BarLineChartViewBase::getHighlightByTouchPoint(point), isHighlightFullBarEnabled());
}

} // namespace charts
