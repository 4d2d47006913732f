#include "Charts/types/candle/CandleStickChartRenderer.h"

#include "Charts/data/ChartData.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/EntryIcon.h"
#include "Charts/render/EntryValues.h"
#include "Charts/render/VisiblePoints.h"
#include "Charts/types/candle/CandleAccessibilityElement.h"
#include "Charts/types/candle/CandleChartData.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartViewInterface.h"

namespace charts {

namespace {

CandlePrices pricesOf(const CandleChartDataEntry& candle) {
    return CandlePrices{candle.x(), candle.high(), candle.low(), candle.open(), candle.close()};
}

void mapInPlace(std::span<Point> points, const AffineTransform& matrix) {
    for (Point& p : points) matrix.applyInPlace(p);
}

} // namespace

CandleStickChartRenderer::CandleStickChartRenderer(std::weak_ptr<CandleChartDataProvider> dataProvider,
                                                   std::shared_ptr<Animator> animator,
                                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : FrameStyledRenderer(std::move(animator), std::move(viewPortHandler)),
      dataProvider_(std::move(dataProvider)) {}

void CandleStickChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<CandleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<CandleChartData> data = provider->candleData();
    if (!data) return;
    const CallFrame call(*this, *provider);

    accessibleChartElements().clear();
    if (const auto* chart = dynamic_cast<const CandleChartViewInterface*>(provider.get()))
        accessibleChartElements().push_back(createAccessibleHeader(*chart, *data, QStringLiteral("CandleStick Chart")));

    for (const IChartDataSetPtr& set : data->dataSets()) {
        const auto* candleSet = dynamic_cast<const ICandleChartDataSet*>(set.get());
        if (candleSet && candleSet->isVisible()) drawDataSet(context, *candleSet);
    }
}

void CandleStickChartRenderer::drawDataSet(DrawingContext& context, const ICandleChartDataSet& dataSet) {
    const std::shared_ptr<CandleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<CandleChartData> data = provider->candleData();
    const CallFrame call(*this, *provider);
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;
    const CandleSetStyle& style = styles_.of(dataSet);

    // The candles' elements name their set among several.
    const auto* chart = dynamic_cast<const AccessibleChart*>(provider.get());
    QWidget* const container = chart ? chart->accessibilityContainer() : nullptr;
    const QString prefix =
        data && data->dataSetCount() >= 2 ? dataSet.label().value_or(QStringLiteral("Dataset")) : QString();

    xBounds_.set(frame(), dataSet);
    const EntryValues values(dataSet);
    GStateSaver saver(context);
    context.setLineWidth(style.shadowWidth);
    for (const std::int64_t j : xBounds_) {
        if (!values.contains(j)) continue;
        const auto* candle = dynamic_cast<const CandleChartDataEntry*>(values.entry(j).get());
        if (!candle) continue;
        const CandlePrices prices = pricesOf(*candle);
        if (style.showCandleBar)
            drawCandle(context, style, prices, *matrix, j);
        else
            drawOpenCloseBar(context, style, prices, *matrix, j);

        auto element = std::make_shared<CandleAccessibilityElement>(container, prefix, prices);
        element->setFrame(matrix->apply(candleAccessibilityFrame(prices, style.barSpace)));
        accessibleChartElements().push_back(std::move(element));
    }
}

void CandleStickChartRenderer::drawCandle(DrawingContext& context, const CandleSetStyle& style,
                                          const CandlePrices& prices, const AffineTransform& matrix,
                                          std::int64_t index) {
    const CandleMove move = candleMove(prices.open, prices.close);
    shadowPoints_ = candleShadow(prices, frame().phaseY);
    mapInPlace(shadowPoints_, matrix);
    context.setStrokeColor(style.shadowColorOf(move, index));
    context.strokeLineSegments(shadowPoints_);

    bodyRect_ = matrix.apply(candleBody(prices, style.barSpace, frame().phaseY));
    const QColor color = style.candleColor(move, index);
    if (style.isFilled(move)) {
        context.setFillColor(color);
        context.fillRect(bodyRect_);
    } else {
        context.setStrokeColor(color);
        context.strokeRect(bodyRect_);
    }
}

void CandleStickChartRenderer::drawOpenCloseBar(DrawingContext& context, const CandleSetStyle& style,
                                                const CandlePrices& prices, const AffineTransform& matrix,
                                                std::int64_t index) {
    barPoints_ = openCloseBar(prices, style.barSpace, frame().phaseY);
    mapInPlace(barPoints_, matrix);
    context.setStrokeColor(style.candleColor(candleMove(prices.open, prices.close), index));
    context.strokeLineSegments(barPoints_);
}

void CandleStickChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<CandleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<CandleChartData> data = provider->candleData();
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    const CallFrame call(*this, *provider);
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();

    forEachValueSet(
        *data, [&](int i, const ICandleChartDataSet& set, const CandleSetStyle& style, const AffineTransform& matrix) {
            const ValueLabelStyle& values = style.values;
            TextAttributes attributes;
            attributes.font = values.font;
            // One line of text ends 5 points above the candle.
            const double rise = measurer.lineHeight(attributes.font) + 5;
            xBounds_.set(frame(), set);
            const double phaseY = frame().phaseY;
            forEachVisibleAnchor<CandleChartDataEntry>(
                EntryValues(set), xBounds_,
                [phaseY](const CandleChartDataEntry& c) {
                    return Point{c.x(), c.high() * phaseY};
                },
                matrix, frame().bounds,
                [&](std::int64_t j, const ChartDataEntryPtr& e, const CandleChartDataEntry& candle, Point anchor) {
                    if (values.drawValues) {
                        attributes.foregroundColor = values.textColors.at(j);
                        ChartUtils::drawText(context, values.formatter->stringForValue(candle.high(), e, i, &port),
                                             Point{anchor.x, anchor.y - rise}, TextAlignment::center, attributes);
                    }
                    if (values.drawIcons && e->icon()) drawEntryIcon(context, *e->icon(), anchor, values.iconsOffset);
                });
        });
}

void CandleStickChartRenderer::drawExtras(DrawingContext&) {}

void CandleStickChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<CandleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<CandleChartData> data = provider->candleData();
    if (!data) return;
    const CallFrame call(*this, *provider);
    GStateSaver saver(context);
    forEachHighlightedEntry<ICandleChartDataSet, CandleChartDataEntry>(
        *data, indices,
        [&](Highlight& high, const ICandleChartDataSet& set, const CandleChartDataEntry& candle,
            const AffineTransform& matrix) {
            HighlightLineStyle::of(set).applyTo(context);
            const double phaseY = frame().phaseY;
            // Halfway between the low and the high.
            const Point pixel = matrix.apply(Point{candle.x(), (candle.low() * phaseY + candle.high() * phaseY) / 2});
            high.setDraw(pixel);
            drawHighlightLines(context, pixel, set);
            return true;
        });
}

} // namespace charts
