#include "Charts/types/line/LineChartRenderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Charts/data/ChartData.h"
#include "Charts/data/ILineFamilyDataSets.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/Path.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartDataProvider.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/Fill.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibilityText.h"
#include "Charts/render/AccessibleChart.h"
#include "Charts/render/StrokeStyling.h"
#include "Charts/render/VisiblePoints.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartViewInterface.h"
#include "Charts/types/line/LineGeometry.h"
#include "platform/FatalError.h"
#include "platform/NumberText.h"

namespace charts {

namespace {

// What the accessibility labels of one set's points read, gathered once per
// set.
struct PointLabels {
    const LineChartViewInterface& chart;
    const std::shared_ptr<XAxis>& xAxis;
    const std::shared_ptr<IAxisValueFormatter>& xFormatter;
    const std::shared_ptr<IValueFormatter>& valueFormatter;
    std::optional<QString> setLabel;
    int setIndex = 0;
    int dataSetCount = 0;
    const ViewPortHandler* viewPort = nullptr;
};

// The element of a point with a circle: "<set label>, <x>: <value>" (the set
// label only among several sets), framed three radii around the point.
AccessibilityElementPtr pointElement(const PointLabels& labels, const ChartDataEntryPtr& entry, Point pixel,
                                     double radius) {
    const QString xText = labels.xFormatter ? labels.xFormatter->stringForValue(entry->x(), labels.xAxis.get())
                                            : QString::fromStdString(platform::shortestDecimalText(entry->x()));
    const QString valueText =
        labels.valueFormatter
            ? labels.valueFormatter->stringForValue(entry->y(), entry, labels.setIndex, labels.viewPort)
            : QString::fromStdString(platform::shortestDecimalText(entry->y()));
    auto element = std::make_shared<AccessibilityElement>(labels.chart.accessibilityContainer());
    element->setLabel(accessiblePointLabel(labels.setLabel, labels.dataSetCount, xText, valueText));
    element->setFrame(accessibilityFrame(pixel, radius));
    return element;
}

// The fill line of a set: its formatter's position, 0 without one.
double fillLinePosition(const ILineChartDataSet& dataSet, const LineChartDataProvider& provider) {
    const std::shared_ptr<IFillFormatter> formatter = dataSet.fillFormatter();
    return formatter ? formatter->getFillLinePosition(dataSet, provider) : 0.0;
}

} // namespace

LineChartRenderer::LineChartRenderer(std::weak_ptr<LineChartDataProvider> dataProvider,
                                     std::shared_ptr<Animator> animator,
                                     std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler)),
      dataProvider_(std::move(dataProvider)) {}

void LineChartRenderer::beginFrame(const CartesianFrame& frame) {
    LineRadarRenderer::beginFrame(frame);
    styles_.clear();
}

void LineChartRenderer::endFrame() {
    LineRadarRenderer::endFrame();
    styles_.clear();
}

std::vector<std::vector<AccessibilityElementPtr>>& LineChartRenderer::accessibilityOrderedElements() {
    if (!accessibilityOrderedElementsMade_) resetAccessibilityOrderedElements();
    return accessibilityOrderedElements_;
}

void LineChartRenderer::resetAccessibilityOrderedElements() {
    accessibilityOrderedElementsMade_ = true;
    accessibilityOrderedElements_.clear();
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!dynamic_cast<const LineChartViewInterface*>(provider.get())) return;
    if (const std::shared_ptr<LineChartData> data = provider->lineData())
        accessibilityOrderedElements_.resize(static_cast<std::size_t>(std::max(data->dataSetCount(), 0)));
}

void LineChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data) return;
    const CallFrame call(*this, *provider);
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const IChartDataSetPtr set = data->getDataSetByIndex(i);
        if (!set || !set->isVisible()) continue;
        const auto* lineSet = dynamic_cast<const ILineChartDataSet*>(set.get());
        if (!lineSet) platform::fatalError("Datasets for LineChartRenderer must conform to ILineChartDataSet");
        drawDataSet(context, *lineSet);
    }
}

void LineChartRenderer::drawDataSet(DrawingContext& context, const ILineChartDataSet& dataSet) {
    if (dataSet.entryCount() < 1) return;
    // A renderer whose chart is gone still sets the line's state around the
    // mode's drawing, which then draws nothing.
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    std::optional<CallFrame> call;
    std::optional<LineSetStyle> ownStyle;
    if (provider) call.emplace(*this, *provider);
    const LineSetStyle& style = provider ? styles_.of(dataSet) : ownStyle.emplace(LineSetStyle::of(dataSet));
    GStateSaver saver(context);
    style.applyStrokeTo(context);
    switch (style.mode) {
    case LineChartMode::linear:
    case LineChartMode::stepped: drawLinear(context, dataSet); break;
    case LineChartMode::cubicBezier: drawCubicBezier(context, dataSet); break;
    case LineChartMode::horizontalBezier: drawHorizontalBezier(context, dataSet); break;
    }
}

void LineChartRenderer::drawCubicBezier(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;
    const LineSetStyle& style = styles_.of(dataSet);
    xBounds_.set(frame(), dataSet);
    const std::optional<CurveLine> curve =
        cubicBezierPath(EntryValues(dataSet), xBounds_, style.cubicIntensity, frame().phaseY, *matrix);
    if (curve) strokeCurve(context, dataSet, *curve, *matrix);
}

void LineChartRenderer::drawHorizontalBezier(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;
    xBounds_.set(frame(), dataSet);
    const std::optional<CurveLine> curve =
        horizontalBezierPath(EntryValues(dataSet), xBounds_, frame().phaseY, *matrix);
    if (curve) strokeCurve(context, dataSet, *curve, *matrix);
}

void LineChartRenderer::strokeCurve(DrawingContext& context, const ILineChartDataSet& dataSet,
                                    const CurveLine& curve, const AffineTransform& matrix) {
    const LineSetStyle& style = styles_.of(dataSet);
    GStateSaver saver(context);
    if (style.area.enabled) drawCubicFill(context, dataSet, curve, matrix);
    context.beginPath();
    context.addPath(curve.path);
    context.setStrokeColor(style.colors.at(0));
    context.strokePath();
}

void LineChartRenderer::drawCubicFill(DrawingContext& context, const ILineChartDataSet& dataSet,
                                      const CurveLine& curve, const AffineTransform& matrix) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider || curve.runs.empty()) return;
    const CallFrame call(*this, *provider);
    fillArea(context, curveFillPath(curve, fillLinePosition(dataSet, *provider), matrix), styles_.of(dataSet).area);
}

void LineChartRenderer::drawLinear(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const std::shared_ptr<Transformer> trans = provider->getTransformer(dataSet.axisDependency());
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!trans || !matrix) return;
    const LineSetStyle& style = styles_.of(dataSet);
    const EntryValues values(dataSet);

    xBounds_.set(frame(), dataSet);
    if (style.area.enabled && values.size() > 0) drawLinearFill(context, dataSet, *trans, xBounds_);

    // A line of width 0 strokes nothing: no segment is worth building.
    if (!(style.lineWidth > 0)) return;

    GStateSaver saver(context);
    // Segments go out in runs of one colour, the colour set before each run.
    const bool singleColor = style.colors.isSingle();
    std::optional<QColor> batchColor;
    lineSegments_.clear();
    const auto flush = [&] {
        if (!lineSegments_.empty()) context.strokeLineSegments(lineSegments_);
        lineSegments_.clear();
    };
    forEachLineSegment(values, xBounds_, style.mode == LineChartMode::stepped, frame().phaseY, *matrix, frame().bounds,
                       [&](std::span<const Point> points, std::int64_t j) {
                           if (!batchColor || (!singleColor && *batchColor != style.colors.at(j))) {
                               flush();
                               batchColor = style.colors.at(singleColor ? 0 : j);
                               context.setStrokeColor(*batchColor);
                           }
                           lineSegments_.insert(lineSegments_.end(), points.begin(), points.end());
                       });
    flush();
}

void LineChartRenderer::drawLinearFill(DrawingContext& context, const ILineChartDataSet& dataSet,
                                       const Transformer& trans, const XBounds& bounds) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const double fillMin = fillLinePosition(dataSet, *provider);
    const Path filled = generateFilledPath(dataSet, fillMin, bounds, trans.valueToPixelMatrix());
    fillArea(context, filled, styles_.of(dataSet).area);
}

Path LineChartRenderer::generateFilledPath(const ILineChartDataSet& dataSet, double fillMin, const XBounds& bounds,
                                           const AffineTransform& matrix) {
    return linearFillPath(EntryValues(dataSet), bounds, fillMin, dataSet.mode() == LineChartMode::stepped,
                          animator()->phaseY(), matrix);
}

void LineChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    const CallFrame call(*this, *provider);
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();

    const ChartData::DataSets& dataSets = data->dataSets();
    for (std::size_t i = 0; i < dataSets.size(); ++i) {
        const auto* set = dynamic_cast<const ILineChartDataSet*>(dataSets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        const LineSetStyle& style = styles_.of(*set);
        const ValueLabelStyle& values = style.values;
        if (!values.formatter) continue;
        const std::optional<AffineTransform>& matrix = frame().valueToPixel(set->axisDependency());
        if (!matrix) continue;
        const std::int64_t valOffset = valueLabelOffset(style.circles.radius, style.circles.enabled);
        TextAttributes attributes;
        attributes.font = values.font;
        const double lineHeight = measurer.lineHeight(attributes.font);

        xBounds_.set(frame(), *set);
        forEachVisiblePoint(
            EntryValues(*set), xBounds_, frame().phaseY, *matrix, frame().bounds,
            [&](std::int64_t j, const ChartDataEntryPtr& e, Point pt) {
                if (values.drawValues) {
                    const QString text = values.formatter->stringForValue(e->y(), e, static_cast<int>(i), &port);
                    attributes.foregroundColor = values.textColors.at(j);
                    ChartUtils::drawText(context, text, valueLabelPoint(pt, valOffset, lineHeight),
                                         TextAlignment::center, attributes);
                }
                if (values.drawIcons && e->icon()) {
                    const QImage& icon = *e->icon();
                    const QSizeF size = icon.deviceIndependentSize();
                    ChartUtils::drawImage(context, icon, pt.x + values.iconsOffset.x(), pt.y + values.iconsOffset.y(),
                                          Size{size.width(), size.height()});
                }
            });
    }
}

void LineChartRenderer::drawExtras(DrawingContext& context) { drawCircles(context); }

void LineChartRenderer::drawCircle(DrawingContext& context, const LineCircleStyle& style, const QColor& color,
                                   Point pixel) {
    context.setFillColor(color);
    if (style.transparentHole) {
        context.beginPath();
        context.addEllipse(circleRect(pixel, style.radius));
        context.addEllipse(circleRect(pixel, style.holeRadius));
        context.fillPath(FillRule::evenOdd);
    } else {
        context.fillEllipse(circleRect(pixel, style.radius));
        if (style.drawHole) {
            context.setFillColor(style.holeColor);
            context.fillEllipse(circleRect(pixel, style.holeRadius));
        }
    }
}

void LineChartRenderer::drawCircles(DrawingContext& context) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data) return;
    const CallFrame call(*this, *provider);

    accessibleChartElements().clear();
    resetAccessibilityOrderedElements();
    const auto* chart = dynamic_cast<const LineChartViewInterface*>(provider.get());
    if (chart) accessibleChartElements().push_back(createAccessibleHeader(*chart, *data, QStringLiteral("Line Chart")));
    const std::shared_ptr<XAxis> xAxis = chart ? chart->xAxis() : nullptr;
    const std::shared_ptr<IAxisValueFormatter> xFormatter = xAxis ? xAxis->valueFormatter() : nullptr;

    {
        GStateSaver saver(context);
        const ChartData::DataSets& dataSets = data->dataSets();
        for (std::size_t i = 0; i < dataSets.size(); ++i) {
            const auto* set = dynamic_cast<const ILineChartDataSet*>(dataSets[i].get());
            if (!set || !set->isVisible() || set->entryCount() <= 0) continue;
            const std::optional<AffineTransform>& matrix = frame().valueToPixel(set->axisDependency());
            if (!matrix) continue;
            xBounds_.set(frame(), *set);
            const LineSetStyle& style = styles_.of(*set);
            const LineCircleStyle& circles = style.circles;
            if (!circles.enabled) continue;

            std::vector<AccessibilityElementPtr>* elements =
                chart && i < accessibilityOrderedElements_.size() ? &accessibilityOrderedElements_[i] : nullptr;
            const std::optional<PointLabels> labels =
                chart ? std::optional<PointLabels>(PointLabels{*chart, xAxis, xFormatter, style.values.formatter,
                                                               set->label(), static_cast<int>(i), data->dataSetCount(),
                                                               viewPortHandler().get()})
                      : std::nullopt;
            forEachVisiblePoint(EntryValues(*set), xBounds_, frame().phaseY, *matrix, frame().bounds,
                                [&](std::int64_t j, const ChartDataEntryPtr& e, Point pt) {
                                    if (labels) {
                                        const AccessibilityElementPtr element =
                                            pointElement(*labels, e, pt, circles.radius);
                                        if (elements) elements->push_back(element);
                                    }
                                    // A set without circle colours has nothing to paint its circles with.
                                    if (const std::optional<QColor> color = circles.colorAt(j))
                                        drawCircle(context, circles, *color, pt);
                                });
        }
    }

    for (std::vector<AccessibilityElementPtr>& list : accessibilityOrderedElements_)
        accessibleChartElements().insert(accessibleChartElements().end(), list.begin(), list.end());
}

void LineChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data) return;
    const CallFrame call(*this, *provider);
    const double chartXMax = provider->chartXMax();
    GStateSaver saver(context);
    for (const HighlightPtr& high : indices) {
        if (!high) continue;
        const IChartDataSetPtr found = data->getDataSetByIndex(high->dataSetIndex());
        const auto* set = dynamic_cast<const ILineChartDataSet*>(found.get());
        if (!set || !set->isHighlightEnabled()) continue;
        // An x that is not finite marks nothing (the nearest entry to an
        // infinity would be an end entry nobody chose).
        if (!std::isfinite(high->x())) continue;
        const ChartDataEntryPtr e = set->entryForXValue(high->x(), high->y());
        if (!e || !isInBoundsX(e, *set)) continue;

        HighlightLineStyle::of(*set).applyTo(context);
        const double x = e->x();
        const double y = e->y() * frame().phaseY;
        if (x > chartXMax * frame().phaseX) continue;
        const std::optional<AffineTransform>& matrix = frame().valueToPixel(set->axisDependency());
        if (!matrix) continue;
        const Point pt = matrix->apply(Point{x, y});
        high->setDraw(pt);
        drawHighlightLines(context, pt, *set);
    }
}

} // namespace charts
