#pragma once
#include <memory>
#include <vector>

#include "Charts/render/FrameStyles.h"
#include "Charts/render/LineScatterCandleRadarRenderer.h"
#include "Charts/types/scatter/IScatterChartDataSet.h"
#include "Charts/types/scatter/ScatterChartDataProvider.h"
#include "Charts/types/scatter/ScatterSetStyle.h"

namespace charts {

// The data renderer of scatter charts: every visible point of every visible
// scatter set through the set's shape renderer, value labels and icons above
// the points, and the cross-hair lines of highlighted values.
//
// Every drawing call reads the frame (content, transforms, visible range,
// phases) and each set's style (ScatterSetStyle) as values, once per frame,
// and walks only the set's visible index range.
class ScatterChartRenderer
    : public FrameStyledRenderer<LineScatterCandleRadarRenderer, IScatterChartDataSet, ScatterSetStyle> {
public:
    // The provider (the chart) is held weakly: a renderer whose chart is gone
    // draws nothing.
    ScatterChartRenderer(std::weak_ptr<ScatterChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                         std::shared_ptr<ViewPortHandler> viewPortHandler);
    // A scatter renderer draws for a chart.
    ScatterChartRenderer(std::shared_ptr<Animator> animator, std::shared_ptr<ViewPortHandler> viewPortHandler) = delete;

    virtual std::shared_ptr<ScatterChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    virtual void setDataProvider(std::weak_ptr<ScatterChartDataProvider> dataProvider) {
        dataProvider_ = std::move(dataProvider);
    }

    // The points, after the chart's accessibility header (for a scatter chart
    // view only). A visible set that is not a scatter set stops the program.
    void drawData(DrawingContext& context) override;
    // The y value above each point, a shape size and a line above it, and
    // the entries' icons; nothing when a set of the data is not a scatter set.
    void drawValues(DrawingContext& context) override;
    // Nothing.
    void drawExtras(DrawingContext& context) override;
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    // A set without a shape renderer is not drawn: a line on standard output
    // says so.
    virtual void drawDataSet(DrawingContext& context, const IScatterChartDataSet& dataSet);

private:
    std::weak_ptr<ScatterChartDataProvider> dataProvider_;
};

} // namespace charts
