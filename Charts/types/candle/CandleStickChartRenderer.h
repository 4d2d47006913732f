#pragma once
#include <array>
#include <memory>
#include <vector>

#include "Charts/render/FrameStyles.h"
#include "Charts/render/LineScatterCandleRadarRenderer.h"
#include "Charts/types/candle/CandleChartDataProvider.h"
#include "Charts/types/candle/CandleSetStyle.h"
#include "Charts/types/candle/ICandleChartDataSet.h"

namespace charts {

class AccessibleChart;
class CandleChartDataEntry;

// The data renderer of candlestick charts: for every visible candle set its
// candles (shadow and body) or open/close bars with one accessibility
// element per candle, the high prices above the candles, and the cross-hair
// lines of highlighted candles.
//
// Every drawing call reads the frame (content, transforms, visible range,
// phases) and each set's style (CandleSetStyle) as values, once per frame;
// a candle's geometry comes from the pure functions of CandleGeometry.h into
// the scratch fields below, mapped to pixels in place.
class CandleStickChartRenderer
    : public FrameStyledRenderer<LineScatterCandleRadarRenderer, ICandleChartDataSet, CandleSetStyle> {
public:
    // The provider (the chart) is held weakly: a renderer whose chart is gone
    // draws nothing.
    CandleStickChartRenderer(std::weak_ptr<CandleChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                             std::shared_ptr<ViewPortHandler> viewPortHandler);
    // A candle renderer draws for a chart.
    CandleStickChartRenderer(std::shared_ptr<Animator> animator,
                             std::shared_ptr<ViewPortHandler> viewPortHandler) = delete;

    virtual std::shared_ptr<CandleChartDataProvider> dataProvider() const { return dataProvider_.lock(); }
    virtual void setDataProvider(std::weak_ptr<CandleChartDataProvider> dataProvider) {
        dataProvider_ = std::move(dataProvider);
    }

    // The candles, after the chart's accessibility header (for a candlestick
    // view only). Sets of another kind are passed over.
    void drawData(DrawingContext& context) override;
    // The high price above each candle, its last line 5 points clear of it,
    // and the entries' icons.
    void drawValues(DrawingContext& context) override;
    // Nothing.
    void drawExtras(DrawingContext& context) override;
    // Cross-hair lines through the middle of the shadow.
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override;

    // Every candle of the set's visible range, clipped by the view.
    virtual void drawDataSet(DrawingContext& context, const ICandleChartDataSet& dataSet);

private:
    // One candle from its prices: shadow, then body; or its open/close bar.
    void drawCandle(DrawingContext& context, const CandleSetStyle& style, const CandlePrices& prices,
                    const AffineTransform& matrix, std::int64_t index);
    void drawOpenCloseBar(DrawingContext& context, const CandleSetStyle& style, const CandlePrices& prices,
                          const AffineTransform& matrix, std::int64_t index);

    std::weak_ptr<CandleChartDataProvider> dataProvider_;
    // Scratch of one candle, in values and then, in place, in pixels.
    std::array<Point, 4> shadowPoints_{};
    std::array<Point, 6> barPoints_{};
    Rect bodyRect_;
};

} // namespace charts
