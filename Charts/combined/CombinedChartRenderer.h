#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "Charts/combined/CombinedDrawOrder.h"
#include "Charts/render/DataRenderer.h"

namespace charts {

class ChartData;
class CombinedChartView;

// The highlights a sub-renderer draws: those of its own sub-data (the data
// index given) and those meant for any sub-data (data index -1), in their
// order. Without an index of its own, only the latter.
std::vector<HighlightPtr> highlightsForSubData(const std::vector<HighlightPtr>& highlights,
                                               std::optional<int> dataIndex);

// The data renderer of combined charts: one renderer per kind that has data,
// each the kind's own renderer drawing through the chart as its provider,
// made in the draw order and run in it, so that what comes later lies on top.
// The frame of a paint is handed on to every sub-renderer; the highlights are
// routed to the sub-renderer of their sub-data.
class CombinedChartRenderer : public DataRenderer {
public:
    // The chart is held weakly; the sub-renderers are made at once.
    CombinedChartRenderer(std::weak_ptr<CombinedChartView> chart, std::shared_ptr<Animator> animator,
                          std::shared_ptr<ViewPortHandler> viewPortHandler);
    CombinedChartRenderer(std::shared_ptr<Animator> animator,
                          std::shared_ptr<ViewPortHandler> viewPortHandler) = delete;

    std::shared_ptr<CombinedChartView> chart() const { return chart_.lock(); }
    void setChart(std::weak_ptr<CombinedChartView> chart) { chart_ = std::move(chart); }

    // The bar switches the bar sub-renderer reads back through the chart.
    bool drawValueAboveBarEnabled() const { return drawValueAboveBarEnabled_; }
    void setDrawValueAboveBarEnabled(bool enabled) { drawValueAboveBarEnabled_ = enabled; }
    bool isDrawValueAboveBarEnabled() const { return drawValueAboveBarEnabled_; }
    bool drawBarShadowEnabled() const { return drawBarShadowEnabled_; }
    void setDrawBarShadowEnabled(bool enabled) { drawBarShadowEnabled_ = enabled; }
    bool isDrawBarShadowEnabled() const { return drawBarShadowEnabled_; }

    // Makes the sub-renderers anew: for each kind of the draw order whose
    // sub-data the chart has, that kind's renderer (a kind listed twice gets
    // two). None when the chart is gone.
    virtual void createRenderers();
    // The sub-renderer at the position; none outside the list.
    virtual std::shared_ptr<DataRenderer> getSubRenderer(int index) const;
    const std::vector<std::shared_ptr<DataRenderer>>& subRenderers() const { return renderers_; }
    void setSubRenderers(std::vector<std::shared_ptr<DataRenderer>> renderers) { renderers_ = std::move(renderers); }

    // An empty order is ignored; another replaces the order, which the
    // sub-renderers follow from the next createRenderers().
    const std::vector<CombinedDrawOrder>& drawOrder() const { return drawOrder_; }
    void setDrawOrder(std::vector<CombinedDrawOrder> order);

    void beginFrame(const CartesianFrame& frame) override;
    void endFrame() override;
    void initBuffers() override;
    // The chart's header element ("Combined Chart" without a description),
    // then every sub-renderer's data; they keep their own elements.
    void drawData(DrawingContext& context) override;
    void drawValues(DrawingContext& context) override;
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    // The sub-data a sub-renderer draws: the sub-data of its kind that its
    // provider has; none for a renderer of no kind, or one whose provider is
    // gone.
    static std::shared_ptr<ChartData> subDataOf(const DataRenderer& renderer);

private:
    std::weak_ptr<CombinedChartView> chart_;
    bool drawValueAboveBarEnabled_ = true;
    bool drawBarShadowEnabled_ = false;
    std::vector<std::shared_ptr<DataRenderer>> renderers_;
    std::vector<CombinedDrawOrder> drawOrder_ = defaultCombinedDrawOrder();
    // The sub-renderers the running paint's frame was handed to, which give
    // it back when the paint ends (even when the list was replaced within).
    std::vector<std::shared_ptr<DataRenderer>> framed_;
};

} // namespace charts
