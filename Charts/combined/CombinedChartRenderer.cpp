#include "Charts/combined/CombinedChartRenderer.h"

#include "Charts/combined/CombinedChartData.h"
#include "Charts/combined/CombinedChartView.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartRenderer.h"
#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartRenderer.h"
#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleStickChartRenderer.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartRenderer.h"

namespace charts {

namespace {

// The kind's renderer drawing through the chart, when the chart has the
// kind's sub-data; none otherwise.
std::shared_ptr<DataRenderer> rendererOfKind(CombinedDrawOrder kind, const std::shared_ptr<CombinedChartView>& chart,
                                             const std::shared_ptr<Animator>& animator,
                                             const std::shared_ptr<ViewPortHandler>& viewPort) {
    switch (kind) {
    case CombinedDrawOrder::bar:
        if (!chart->barData()) return nullptr;
        return std::make_shared<BarChartRenderer>(std::weak_ptr<BarChartDataProvider>(chart), animator, viewPort);
    case CombinedDrawOrder::bubble:
        if (!chart->bubbleData()) return nullptr;
        return std::make_shared<BubbleChartRenderer>(std::weak_ptr<BubbleChartDataProvider>(chart), animator, viewPort);
    case CombinedDrawOrder::line:
        if (!chart->lineData()) return nullptr;
        return std::make_shared<LineChartRenderer>(std::weak_ptr<LineChartDataProvider>(chart), animator, viewPort);
    case CombinedDrawOrder::candle:
        if (!chart->candleData()) return nullptr;
        return std::make_shared<CandleStickChartRenderer>(std::weak_ptr<CandleChartDataProvider>(chart), animator,
                                                          viewPort);
    case CombinedDrawOrder::scatter:
        if (!chart->scatterData()) return nullptr;
        return std::make_shared<ScatterChartRenderer>(std::weak_ptr<ScatterChartDataProvider>(chart), animator,
                                                      viewPort);
    }
    return nullptr;
}

// The sub-data a renderer of one kind reads of its provider.
template <class KindRenderer, class Read>
std::optional<std::shared_ptr<ChartData>> subDataIf(const DataRenderer& renderer, Read read) {
    const auto* kind = dynamic_cast<const KindRenderer*>(&renderer);
    if (!kind) return std::nullopt;
    const auto provider = kind->dataProvider();
    return provider ? std::shared_ptr<ChartData>(read(*provider)) : nullptr;
}

} // namespace

std::vector<HighlightPtr> highlightsForSubData(const std::vector<HighlightPtr>& highlights,
                                               std::optional<int> dataIndex) {
    std::vector<HighlightPtr> routed;
    for (const HighlightPtr& high : highlights)
        if (high && (high->dataIndex() == -1 || (dataIndex && high->dataIndex() == *dataIndex))) routed.push_back(high);
    return routed;
}

CombinedChartRenderer::CombinedChartRenderer(std::weak_ptr<CombinedChartView> chart, std::shared_ptr<Animator> animator,
                                             std::shared_ptr<ViewPortHandler> viewPortHandler)
    : DataRenderer(std::move(animator), std::move(viewPortHandler)),
      chart_(std::move(chart)) {
    createRenderers();
}

void CombinedChartRenderer::createRenderers() {
    renderers_.clear();
    const std::shared_ptr<CombinedChartView> view = chart();
    if (!view) return;
    for (const CombinedDrawOrder kind : drawOrder_)
        if (std::shared_ptr<DataRenderer> renderer = rendererOfKind(kind, view, animator(), viewPortHandler()))
            renderers_.push_back(std::move(renderer));
}

std::shared_ptr<DataRenderer> CombinedChartRenderer::getSubRenderer(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= renderers_.size()) return nullptr;
    return renderers_[static_cast<std::size_t>(index)];
}

void CombinedChartRenderer::setDrawOrder(std::vector<CombinedDrawOrder> order) {
    if (!order.empty()) drawOrder_ = std::move(order);
}

std::shared_ptr<ChartData> CombinedChartRenderer::subDataOf(const DataRenderer& renderer) {
    for (const auto& found : {
             subDataIf<BarChartRenderer>(renderer, [](const BarChartDataProvider& p) { return p.barData(); }),
             subDataIf<LineChartRenderer>(renderer, [](const LineChartDataProvider& p) { return p.lineData(); }),
             subDataIf<CandleStickChartRenderer>(renderer,
                                                 [](const CandleChartDataProvider& p) { return p.candleData(); }),
             subDataIf<ScatterChartRenderer>(renderer,
                                             [](const ScatterChartDataProvider& p) { return p.scatterData(); }),
             subDataIf<BubbleChartRenderer>(renderer, [](const BubbleChartDataProvider& p) { return p.bubbleData(); }),
         })
        if (found) return *found;
    return nullptr;
}

void CombinedChartRenderer::beginFrame(const CartesianFrame& frame) {
    DataRenderer::beginFrame(frame);
    framed_ = renderers_;
    for (const std::shared_ptr<DataRenderer>& renderer : framed_) renderer->beginFrame(frame);
}

void CombinedChartRenderer::endFrame() {
    for (const std::shared_ptr<DataRenderer>& renderer : framed_) renderer->endFrame();
    framed_.clear();
    DataRenderer::endFrame();
}

void CombinedChartRenderer::initBuffers() {
    for (const std::shared_ptr<DataRenderer>& renderer : renderers_) renderer->initBuffers();
}

void CombinedChartRenderer::drawData(DrawingContext& context) {
    accessibleChartElements().clear();
    const std::shared_ptr<CombinedChartView> view = chart();
    if (view && view->data())
        accessibleChartElements().push_back(
            createAccessibleHeader(*view, *view->data(), QStringLiteral("Combined Chart")));
    for (const std::shared_ptr<DataRenderer>& renderer : renderers_) renderer->drawData(context);
}

void CombinedChartRenderer::drawValues(DrawingContext& context) {
    for (const std::shared_ptr<DataRenderer>& renderer : renderers_) renderer->drawValues(context);
}

void CombinedChartRenderer::drawExtras(DrawingContext& context) {
    for (const std::shared_ptr<DataRenderer>& renderer : renderers_) renderer->drawExtras(context);
}

void CombinedChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<CombinedChartView> view = chart();
    const std::shared_ptr<CombinedChartData> combined = view ? view->combinedData() : nullptr;
    for (const std::shared_ptr<DataRenderer>& renderer : renderers_) {
        const std::shared_ptr<ChartData> subData = subDataOf(*renderer);
        const std::optional<int> dataIndex = combined && subData ? combined->dataIndex(subData) : std::nullopt;
        renderer->drawHighlighted(context, highlightsForSubData(indices, dataIndex));
    }
}

} // namespace charts
