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
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartViewInterface.h"
#include "Charts/types/line/LineGeometry.h"
#include "platform/FatalError.h"
#include "platform/NumberText.h"

namespace charts {

namespace {

// The line style of a data set, read once per set and frame.
struct LineStrokeStyle {
    double width = 1;
    std::optional<std::vector<double>> dashLengths;
    double dashPhase = 0;
    LineCap cap = LineCap::butt;

    static LineStrokeStyle of(const ILineChartDataSet& set) {
        return LineStrokeStyle{set.lineWidth(), set.lineDashLengths(), set.lineDashPhase(),
                               lineCapOf(set.lineCapType())};
    }
    void applyTo(DrawingContext& context) const {
        context.setLineWidth(width);
        setChartLineDash(context, dashLengths, dashPhase);
        context.setLineCap(cap);
    }
};

// The circle style of a data set, read once per set and frame.
struct CircleStyle {
    double radius = 0;
    double holeRadius = 0;
    bool drawCircles = false;
    bool drawHole = false;
    bool transparentHole = false;
    QColor holeColor;

    static CircleStyle of(const ILineChartDataSet& set) {
        CircleStyle style;
        style.radius = set.circleRadius();
        style.holeRadius = set.circleHoleRadius();
        style.drawCircles = set.isDrawCirclesEnabled();
        style.drawHole = set.isDrawCircleHoleEnabled() && style.holeRadius < style.radius && style.holeRadius > 0;
        const std::optional<QColor> hole = set.circleHoleColor();
        style.transparentHole = style.drawHole && (!hole || *hole == named::clear());
        style.holeColor = hole.value_or(named::clear());
        return style;
    }
};

// The x of an entry, 0 for an entry that is not there.
double entryX(const ChartDataEntryPtr& entry) { return entry ? entry->x() : 0.0; }

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
    GStateSaver saver(context);
    LineStrokeStyle::of(dataSet).applyTo(context);
    switch (dataSet.mode()) {
    case LineChartMode::linear:
    case LineChartMode::stepped: drawLinear(context, dataSet); break;
    case LineChartMode::cubicBezier: drawCubicBezier(context, dataSet); break;
    case LineChartMode::horizontalBezier: drawHorizontalBezier(context, dataSet); break;
    }
}

void LineChartRenderer::drawCubicBezier(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<Transformer> trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    const double phaseY = animator()->phaseY();
    xBounds_.set(*provider, dataSet, animator().get());
    const QColor drawingColor = dataSet.color(0);
    const double intensity = dataSet.cubicIntensity();
    const AffineTransform matrix = trans->valueToPixelMatrix();
    Path cubicPath;

    if (xBounds_.range() >= 1) {
        const std::int64_t firstIndex = xBounds_.min() + 1;
        ChartDataEntryPtr prevPrev;
        ChartDataEntryPtr prev = dataSet.entryForIndex(std::max<std::int64_t>(firstIndex - 2, 0));
        ChartDataEntryPtr cur = dataSet.entryForIndex(std::max<std::int64_t>(firstIndex - 1, 0));
        ChartDataEntryPtr next = cur;
        std::int64_t nextIndex = -1;
        if (!cur || !prev) return;

        cubicPath.moveTo(matrix.apply(valuePoint(cur->x(), cur->y(), phaseY)));
        const std::int64_t lastIndex = xBounds_.min() + xBounds_.range();
        for (std::int64_t j = firstIndex; j <= lastIndex; ++j) {
            prevPrev = prev;
            prev = cur;
            cur = nextIndex == j ? next : dataSet.entryForIndex(j);
            nextIndex = j + 1 < dataSet.entryCount() ? j + 1 : j;
            next = dataSet.entryForIndex(nextIndex);
            if (!next || !cur) break;
            const CubicSegment segment =
                cubicBezierSegment(Point{prevPrev->x(), prevPrev->y()}, Point{prev->x(), prev->y()},
                                   Point{cur->x(), cur->y()}, Point{next->x(), next->y()}, intensity, phaseY);
            cubicPath.curveTo(matrix.apply(segment.control1), matrix.apply(segment.control2),
                              matrix.apply(segment.end));
        }
    }

    GStateSaver saver(context);
    if (dataSet.isDrawFilledEnabled()) {
        Path spline = cubicPath;
        drawCubicFill(context, dataSet, spline, matrix, xBounds_);
    }
    context.beginPath();
    context.addPath(cubicPath);
    context.setStrokeColor(drawingColor);
    context.strokePath();
}

void LineChartRenderer::drawHorizontalBezier(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<Transformer> trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    const double phaseY = animator()->phaseY();
    xBounds_.set(*provider, dataSet, animator().get());
    const QColor drawingColor = dataSet.color(0);
    const AffineTransform matrix = trans->valueToPixelMatrix();
    Path cubicPath;

    if (xBounds_.range() >= 1) {
        ChartDataEntryPtr prev = dataSet.entryForIndex(xBounds_.min());
        if (!prev) return;
        cubicPath.moveTo(matrix.apply(valuePoint(prev->x(), prev->y(), phaseY)));
        const std::int64_t lastIndex = xBounds_.min() + xBounds_.range();
        for (std::int64_t j = xBounds_.min() + 1; j <= lastIndex; ++j) {
            const ChartDataEntryPtr cur = dataSet.entryForIndex(j);
            if (!cur) break;
            const CubicSegment segment =
                horizontalBezierSegment(Point{prev->x(), prev->y()}, Point{cur->x(), cur->y()}, phaseY);
            cubicPath.curveTo(matrix.apply(segment.control1), matrix.apply(segment.control2),
                              matrix.apply(segment.end));
            prev = cur;
        }
    }

    GStateSaver saver(context);
    if (dataSet.isDrawFilledEnabled()) {
        Path spline = cubicPath;
        drawCubicFill(context, dataSet, spline, matrix, xBounds_);
    }
    context.beginPath();
    context.addPath(cubicPath);
    context.setStrokeColor(drawingColor);
    context.strokePath();
}

void LineChartRenderer::drawCubicFill(DrawingContext& context, const ILineChartDataSet& dataSet, Path& spline,
                                      const AffineTransform& matrix, const XBounds& bounds) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider || bounds.range() <= 0) return;
    const double fillMin = fillLinePosition(dataSet, *provider);
    const Point pt1 = matrix.apply(Point{entryX(dataSet.entryForIndex(bounds.min() + bounds.range())), fillMin});
    const Point pt2 = matrix.apply(Point{entryX(dataSet.entryForIndex(bounds.min())), fillMin});
    spline.lineTo(pt1);
    spline.lineTo(pt2);
    spline.closeSubpath();
    if (const std::shared_ptr<Fill> fill = dataSet.fill())
        drawFilledPath(context, spline, *fill, dataSet.fillAlpha());
    else
        drawFilledPath(context, spline, dataSet.fillColor(), dataSet.fillAlpha());
}

void LineChartRenderer::drawLinear(DrawingContext& context, const ILineChartDataSet& dataSet) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<Transformer> trans = provider->getTransformer(dataSet.axisDependency());
    if (!trans) return;
    const AffineTransform matrix = trans->valueToPixelMatrix();
    const std::int64_t entryCount = dataSet.entryCount();
    const bool stepped = dataSet.mode() == LineChartMode::stepped;
    const double phaseY = animator()->phaseY();

    xBounds_.set(*provider, dataSet, animator().get());
    if (dataSet.isDrawFilledEnabled() && entryCount > 0) drawLinearFill(context, dataSet, *trans, xBounds_);

    // A line of width 0 strokes nothing: no segment is worth building.
    if (!(dataSet.lineWidth() > 0)) return;

    GStateSaver saver(context);
    const ViewPortHandler& port = *viewPortHandler();
    const bool singleColor = dataSet.colors().size() <= 1;
    const QColor firstColor = dataSet.color(0);
    std::optional<QColor> batchColor;
    lineSegments_.clear();
    const auto flush = [&] {
        if (!lineSegments_.empty()) context.strokeLineSegments(lineSegments_);
        lineSegments_.clear();
    };

    Point points[4];
    const int pointsPerPair = stepped ? 4 : 2;
    ChartDataEntryPtr e1;
    ChartDataEntryPtr e2;
    const std::int64_t end = xBounds_.min() + xBounds_.range();
    for (std::int64_t j = xBounds_.min(); j < end; ++j) {
        // The second entry of one pair is the first of the next.
        e1 = e2 && j > xBounds_.min() ? std::move(e2) : dataSet.entryForIndex(j);
        e2.reset();
        if (!e1) continue;
        points[0] = valuePoint(e1->x(), e1->y(), phaseY);
        if (j < xBounds_.max()) {
            e2 = dataSet.entryForIndex(j + 1);
            if (!e2) break;
            const Point to = valuePoint(e2->x(), e2->y(), phaseY);
            if (stepped) {
                const SteppedSegments step = steppedSegments(points[0], to);
                std::copy(std::begin(step.points), std::end(step.points), points);
            } else {
                points[1] = to;
            }
        } else {
            points[1] = points[0];
            if (stepped) points[2] = points[3] = points[0];
        }
        for (int k = 0; k < pointsPerPair; ++k) matrix.applyInPlace(points[k]);

        // Everything further right is off screen.
        if (!port.isInBoundsRight(points[0].x)) break;
        const Point& first = points[0];
        const Point& last = points[pointsPerPair - 1];
        if (first == last) continue;
        if (!port.isInBoundsLeft(last.x) || !port.isInBoundsTop(std::max(first.y, last.y)) ||
            !port.isInBoundsBottom(std::min(first.y, last.y)))
            continue;

        const QColor color = singleColor ? firstColor : dataSet.color(j);
        if (!batchColor || *batchColor != color) {
            flush();
            context.setStrokeColor(color);
            batchColor = color;
        }
        lineSegments_.insert(lineSegments_.end(), points, points + pointsPerPair);
    }
    flush();
}

void LineChartRenderer::drawLinearFill(DrawingContext& context, const ILineChartDataSet& dataSet,
                                       const Transformer& trans, const XBounds& bounds) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const double fillMin = fillLinePosition(dataSet, *provider);
    const Path filled = generateFilledPath(dataSet, fillMin, bounds, trans.valueToPixelMatrix());
    if (const std::shared_ptr<Fill> fill = dataSet.fill())
        drawFilledPath(context, filled, *fill, dataSet.fillAlpha());
    else
        drawFilledPath(context, filled, dataSet.fillColor(), dataSet.fillAlpha());
}

Path LineChartRenderer::generateFilledPath(const ILineChartDataSet& dataSet, double fillMin, const XBounds& bounds,
                                           const AffineTransform& matrix) {
    const double phaseY = animator()->phaseY();
    const bool stepped = dataSet.mode() == LineChartMode::stepped;
    Path filled;
    if (const ChartDataEntryPtr e = dataSet.entryForIndex(bounds.min())) {
        filled.moveTo(matrix.apply(Point{e->x(), fillMin}));
        filled.lineTo(matrix.apply(valuePoint(e->x(), e->y(), phaseY)));
    }
    const std::int64_t last = bounds.min() + bounds.range();
    ChartDataEntryPtr previous = dataSet.entryForIndex(bounds.min());
    for (std::int64_t x = bounds.min() + 1; x <= last; ++x) {
        const ChartDataEntryPtr e = dataSet.entryForIndex(x);
        const ChartDataEntryPtr ePrev = std::exchange(previous, e);
        if (!e) continue;
        if (stepped) {
            if (!ePrev) continue;
            filled.lineTo(matrix.apply(valuePoint(e->x(), ePrev->y(), phaseY)));
        }
        filled.lineTo(matrix.apply(valuePoint(e->x(), e->y(), phaseY)));
    }
    if (const ChartDataEntryPtr e = dataSet.entryForIndex(last)) filled.lineTo(matrix.apply(Point{e->x(), fillMin}));
    filled.closeSubpath();
    return filled;
}

void LineChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    const double phaseY = animator()->phaseY();
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();

    const ChartData::DataSets& dataSets = data->dataSets();
    for (std::size_t i = 0; i < dataSets.size(); ++i) {
        const auto* set = dynamic_cast<const ILineChartDataSet*>(dataSets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        const std::shared_ptr<IValueFormatter> formatter = set->valueFormatter();
        if (!formatter) continue;
        const std::shared_ptr<Transformer> trans = provider->getTransformer(set->axisDependency());
        if (!trans) continue;
        const AffineTransform matrix = trans->valueToPixelMatrix();
        const QPointF iconsOffset = set->iconsOffset();
        const std::int64_t valOffset = valueLabelOffset(set->circleRadius(), set->isDrawCirclesEnabled());
        const bool drawValues = set->isDrawValuesEnabled();
        const bool drawIcons = set->isDrawIconsEnabled();
        TextAttributes attributes;
        attributes.font = set->valueFont();
        const double lineHeight = measurer.lineHeight(attributes.font);

        xBounds_.set(*provider, *set, animator().get());
        const std::int64_t last = xBounds_.min() + xBounds_.range();
        for (std::int64_t j = xBounds_.min(); j <= last; ++j) {
            const ChartDataEntryPtr e = set->entryForIndex(j);
            if (!e) break;
            const Point pt = matrix.apply(valuePoint(e->x(), e->y(), phaseY));
            if (!port.isInBoundsRight(pt.x)) break;
            if (!port.isInBoundsLeft(pt.x) || !port.isInBoundsY(pt.y)) continue;
            if (drawValues) {
                const QString text = formatter->stringForValue(e->y(), e, static_cast<int>(i), &port);
                attributes.foregroundColor = set->valueTextColorAt(j);
                ChartUtils::drawText(context, text, valueLabelPoint(pt, valOffset, lineHeight), TextAlignment::center,
                                     attributes);
            }
            if (drawIcons && e->icon()) {
                const QImage& icon = *e->icon();
                const QSizeF size = icon.deviceIndependentSize();
                ChartUtils::drawImage(context, icon, pt.x + iconsOffset.x(), pt.y + iconsOffset.y(),
                                      Size{size.width(), size.height()});
            }
        }
    }
}

void LineChartRenderer::drawExtras(DrawingContext& context) { drawCircles(context); }

void LineChartRenderer::drawCircles(DrawingContext& context) {
    const std::shared_ptr<LineChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<LineChartData> data = provider->lineData();
    if (!data) return;
    const double phaseY = animator()->phaseY();
    const ViewPortHandler& port = *viewPortHandler();

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
            const std::shared_ptr<Transformer> trans = provider->getTransformer(set->axisDependency());
            if (!trans) continue;
            const AffineTransform matrix = trans->valueToPixelMatrix();
            xBounds_.set(*provider, *set, animator().get());
            const CircleStyle style = CircleStyle::of(*set);
            const std::shared_ptr<IValueFormatter> valueFormatter = chart ? set->valueFormatter() : nullptr;
            const std::optional<QString> label = chart ? set->label() : std::nullopt;

            const std::int64_t last = xBounds_.min() + xBounds_.range();
            for (std::int64_t j = xBounds_.min(); j <= last; ++j) {
                const ChartDataEntryPtr e = set->entryForIndex(j);
                if (!e) break;
                const Point pt = matrix.apply(valuePoint(e->x(), e->y(), phaseY));
                if (!port.isInBoundsRight(pt.x)) break;
                if (!port.isInBoundsLeft(pt.x) || !port.isInBoundsY(pt.y) || !style.drawCircles) continue;

                if (chart) {
                    auto element = std::make_shared<AccessibilityElement>(chart->accessibilityContainer());
                    const QString xText = xFormatter ? xFormatter->stringForValue(e->x(), xAxis.get())
                                                     : QString::fromStdString(platform::shortestDecimalText(e->x()));
                    const QString valueText =
                        valueFormatter ? valueFormatter->stringForValue(e->y(), e, static_cast<int>(i), &port)
                                       : QString::fromStdString(platform::shortestDecimalText(e->y()));
                    element->setLabel(accessiblePointLabel(label, data->dataSetCount(), xText, valueText));
                    element->setFrame(accessibilityFrame(pt, style.radius));
                    if (i < accessibilityOrderedElements_.size()) accessibilityOrderedElements_[i].push_back(element);
                }

                // A set without circle colours has nothing to paint its circles with.
                const std::optional<QColor> circleColor = set->getCircleColor(j);
                if (!circleColor) continue;
                context.setFillColor(*circleColor);
                if (style.transparentHole) {
                    context.beginPath();
                    context.addEllipse(circleRect(pt, style.radius));
                    context.addEllipse(circleRect(pt, style.holeRadius));
                    context.fillPath(FillRule::evenOdd);
                } else {
                    context.fillEllipse(circleRect(pt, style.radius));
                    if (style.drawHole) {
                        context.setFillColor(style.holeColor);
                        context.fillEllipse(circleRect(pt, style.holeRadius));
                    }
                }
            }
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
    const double chartXMax = provider->chartXMax();
    const double phaseX = animator()->phaseX();
    const double phaseY = animator()->phaseY();
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

        setChartLineStyle(context, set->highlightColor(), set->highlightLineWidth(), set->highlightLineDashLengths(),
                          set->highlightLineDashPhase());
        const double x = e->x();
        const double y = e->y() * phaseY;
        if (x > chartXMax * phaseX) continue;
        const std::shared_ptr<Transformer> trans = provider->getTransformer(set->axisDependency());
        if (!trans) continue;
        const Point pt = trans->pixelForValues(x, y);
        high->setDraw(pt);
        drawHighlightLines(context, pt, *set);
    }
}

} // namespace charts
