#include "Charts/types/scatter/ScatterChartRenderer.h"

#include "Charts/data/ChartData.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/EntryIcon.h"
#include "Charts/render/VisiblePoints.h"
#include "Charts/types/scatter/ScatterChartData.h"
#include "Charts/types/scatter/ScatterChartViewInterface.h"
#include "Charts/types/scatter/ShapeRenderers.h"
#include "platform/FatalError.h"
#include "platform/Log.h"

namespace charts {

ScatterChartRenderer::ScatterChartRenderer(std::weak_ptr<ScatterChartDataProvider> dataProvider,
                                           std::shared_ptr<Animator> animator,
                                           std::shared_ptr<ViewPortHandler> viewPortHandler)
    : FrameStyledRenderer(std::move(animator), std::move(viewPortHandler)),
      dataProvider_(std::move(dataProvider)) {}

void ScatterChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<ScatterChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<ScatterChartData> data = provider->scatterData();
    if (!data) return;
    const CallFrame call(*this, *provider);

    accessibleChartElements().clear();
    if (const auto* chart = dynamic_cast<const ScatterChartViewInterface*>(provider.get()))
        accessibleChartElements().push_back(createAccessibleHeader(*chart, *data, QStringLiteral("Scatter Chart")));

    for (const IChartDataSetPtr& set : data->dataSets()) {
        if (!set || !set->isVisible()) continue;
        const auto* scatterSet = dynamic_cast<const IScatterChartDataSet*>(set.get());
        if (!scatterSet) platform::fatalError("Datasets for ScatterChartRenderer must conform to IScatterChartDataSet");
        drawDataSet(context, *scatterSet);
    }
}

void ScatterChartRenderer::drawDataSet(DrawingContext& context, const IScatterChartDataSet& dataSet) {
    const std::shared_ptr<ScatterChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const ScatterSetStyle& style = styles_.of(dataSet);
    if (!style.shapeRenderer) {
        platform::printToStandardOutput("There's no IShapeRenderer specified for ScatterDataSet");
        return;
    }
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;

    GStateSaver saver(context);
    const ViewPortHandler& port = *viewPortHandler();
    // The points are those the animation has reached from the first entry
    // on; the walk still ends at the first one right of the content. It
    // starts at the visible range, where the points left of it are passed
    // over unseen: a chart panned far along its data walks no more than
    // what it shows.
    const EntryValues values(dataSet);
    xBounds_.set(frame(), dataSet);
    XBounds reached;
    reached.setMin(firstEntryNotLeftOfContent(values, xBounds_.min(), frame().phaseY, *matrix, frame().bounds));
    reached.setRange(animatedEntryCount(values.size(), frame().phaseX) - 1 - reached.min());
    forEachVisiblePoint(values, reached, frame().phaseY, *matrix, frame().bounds,
                        [&](std::int64_t j, const ChartDataEntryPtr&, Point pixel) {
                            const QColor color = style.colors.at(j);
                            if (style.builtInShape)
                                style.builtInShape->draw(context, style.shape, pixel, color);
                            else
                                style.shapeRenderer->renderShape(context, dataSet, port, pixel, color);
                        });
}

void ScatterChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<ScatterChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<ScatterChartData> data = provider->scatterData();
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    for (const IChartDataSetPtr& set : data->dataSets())
        if (!dynamic_cast<const IScatterChartDataSet*>(set.get())) return;
    const CallFrame call(*this, *provider);
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();

    forEachValueSet(*data, [&](int i, const IScatterChartDataSet& set, const ScatterSetStyle& style,
                               const AffineTransform& matrix) {
        const ValueLabelStyle& values = style.values;
        TextAttributes attributes;
        attributes.font = values.font;
        // The label's top stands a shape size and a line above the point.
        const double rise = style.shape.size + measurer.lineHeight(attributes.font);
        xBounds_.set(frame(), set);
        forEachVisiblePoint(EntryValues(set), xBounds_, frame().phaseY, matrix, frame().bounds,
                            [&](std::int64_t j, const ChartDataEntryPtr& e, Point pixel) {
                                if (values.drawValues) {
                                    attributes.foregroundColor = values.textColors.at(j);
                                    ChartUtils::drawText(context, values.formatter->stringForValue(e->y(), e, i, &port),
                                                         Point{pixel.x, pixel.y - rise}, TextAlignment::center,
                                                         attributes);
                                }
                                if (values.drawIcons && e->icon())
                                    drawEntryIcon(context, *e->icon(), pixel, values.iconsOffset);
                            });
    });
}

void ScatterChartRenderer::drawExtras(DrawingContext&) {}

void ScatterChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<ScatterChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<ScatterChartData> data = provider->scatterData();
    if (!data) return;
    const CallFrame call(*this, *provider);
    GStateSaver saver(context);
    forEachHighlightedEntry<IScatterChartDataSet, ChartDataEntry>(
        *data, indices,
        [&](Highlight& high, const IScatterChartDataSet& set, const ChartDataEntry& e, const AffineTransform& matrix) {
            HighlightLineStyle::of(set).applyTo(context);
            const Point pixel = pixelPoint(Point{e.x(), e.y()}, frame().phaseY, matrix);
            high.setDraw(pixel);
            drawHighlightLines(context, pixel, set);
            return true;
        });
}

} // namespace charts
