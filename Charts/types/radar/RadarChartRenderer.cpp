#include "Charts/types/radar/RadarChartRenderer.h"

#include <cmath>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Path.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/StrokeStyling.h"
#include "Charts/types/radar/RadarChartDataEntry.h"
#include "Charts/types/radar/RadarChartView.h"
#include "Charts/types/radar/RadarSetStyle.h"

namespace charts {

namespace {

// The side of a point's accessibility frame.
constexpr double pointFrameSide = 44;

Rect pointFrame(Point p) {
    return Rect(p.x - pointFrameSide / 2, p.y - pointFrameSide / 2, pointFrameSide, pointFrameSide);
}

} // namespace

RadarChartRenderer::RadarChartRenderer(std::weak_ptr<RadarChartView> chart, std::shared_ptr<Animator> animator,
                                       std::shared_ptr<ViewPortHandler> viewPortHandler)
    : LineRadarRenderer(std::move(animator), std::move(viewPortHandler)),
      chart_(std::move(chart)) {}

const std::vector<QString>& RadarChartRenderer::accessibilityXLabels() {
    const std::shared_ptr<RadarChartView> view = chart();
    const std::int64_t spokes = view ? view->spokeCount() : 0;
    if (spokes == accessibilityXLabelSpokes_) return accessibilityXLabels_;
    accessibilityXLabelSpokes_ = spokes;
    accessibilityXLabels_.clear();
    const std::shared_ptr<XAxis> axis = view ? view->xAxis() : nullptr;
    const std::shared_ptr<IAxisValueFormatter> formatter = axis ? axis->valueFormatter() : nullptr;
    if (!formatter) return accessibilityXLabels_;
    accessibilityXLabels_.reserve(static_cast<std::size_t>(spokes));
    for (std::int64_t i = 0; i < spokes; ++i)
        accessibilityXLabels_.push_back(formatter->stringForValue(static_cast<double>(i), axis.get()));
    return accessibilityXLabels_;
}

// Polygons

void RadarChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<RadarChartView> view = chart();
    const std::shared_ptr<ChartData> data = view ? view->data() : nullptr;
    if (!data) return;
    const std::int64_t mostEntries = view->spokeCount();
    accessibleChartElements().clear();
    if (const auto radar = view->radarData())
        accessibleChartElements().push_back(createAccessibleHeader(*view, *radar, QStringLiteral("Radar Chart")));
    const RadarFrameGeometry geometry = view->frameGeometry();
    for (const IChartDataSetPtr& set : data->dataSets()) {
        const auto* radarSet = dynamic_cast<const IRadarChartDataSet*>(set.get());
        if (radarSet && radarSet->isVisible()) drawDataSet(context, *radarSet, mostEntries, *view, geometry);
    }
}

void RadarChartRenderer::drawDataSet(DrawingContext& context, const IRadarChartDataSet& dataSet,
                                     std::int64_t mostEntries) {
    const std::shared_ptr<RadarChartView> view = chart();
    if (view && view->data()) drawDataSet(context, dataSet, mostEntries, *view, view->frameGeometry());
}

void RadarChartRenderer::drawDataSet(DrawingContext& context, const IRadarChartDataSet& dataSet,
                                     std::int64_t mostEntries, const RadarChartView& view,
                                     const RadarFrameGeometry& g) {
    const std::shared_ptr<ChartData> data = view.data();
    const RadarSetStyle style = RadarSetStyle::of(dataSet);
    const std::int64_t n = dataSet.entryCount();
    GStateSaver saver(context);

    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(n));
    for (std::int64_t j = 0; j < n; ++j) {
        const ChartDataEntryPtr e = dataSet.entryForIndex(j);
        values.push_back(e ? e->y() : 0.0);
    }
    const std::vector<RadarSpokeValue> ordered = radarSpokesByValue(values, accessibilityXLabels());
    const std::optional<QString> suffix = data->accessibilityEntryLabelSuffix();

    Path path;
    std::vector<AccessibilityElementPtr> points;
    for (std::int64_t j = 0; j < n; ++j) {
        const ChartDataEntryPtr e = dataSet.entryForIndex(j);
        if (!e) continue;
        const Point p = g.point(static_cast<double>(j), e->y());
        if (std::isnan(p.x)) continue;
        if (path.isEmpty()) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
        if (static_cast<std::size_t>(j) < ordered.size()) {
            const RadarSpokeValue& spoke = ordered[static_cast<std::size_t>(j)];
            auto element = std::make_shared<AccessibilityElement>(view.accessibilityContainer());
            element->setLabel(radarPointLabel(style.label, spoke.xLabel, spoke.value, suffix));
            element->setFrame(pointFrame(g.point(static_cast<double>(spoke.index), spoke.value)));
            points.push_back(std::move(element));
        }
    }
    // A set shorter than the largest closes through the centre.
    if (n < mostEntries) path.lineTo(g.center);
    path.closeSubpath();

    if (style.filled) {
        if (style.fill) {
            drawFilledPath(context, path, *style.fill, style.fillAlpha);
        } else {
            drawFilledPath(context, path, style.fillColor, style.fillAlpha);
        }
    }
    if (!style.filled || style.fillAlpha < 1) {
        context.setStrokeColor(style.outlineColor);
        context.setLineWidth(style.lineWidth);
        context.setAlpha(1);
        context.beginPath();
        context.addPath(path);
        context.strokePath();

        auto header = std::make_shared<AccessibilityElement>(view.accessibilityContainer());
        header->setLabel(radarSetHeaderLabel(style.label, n, data->accessibilityEntryLabelPrefix()));
        header->setHeader(true);
        header->setFrame(path.boundingBox());
        accessibleChartElements().push_back(std::move(header));
        accessibleChartElements().insert(accessibleChartElements().end(), points.begin(), points.end());
    }
}

// The web

void RadarChartRenderer::drawExtras(DrawingContext& context) { drawWeb(context); }

void RadarChartRenderer::drawWeb(DrawingContext& context) {
    const std::shared_ptr<RadarChartView> view = chart();
    if (!view || !view->data()) return;
    RadarFrameGeometry g = view->frameGeometry();
    // The web stands still while the data animates.
    g.phaseX = 1;
    g.phaseY = 1;
    const std::int64_t spokes = view->spokeCount();
    GStateSaver saver(context);

    context.setLineWidth(view->webLineWidth());
    context.setStrokeColor(view->webColor());
    context.setAlpha(view->webAlpha());
    const std::int64_t step = radarWebSpokeStep(view->skipWebLineCount(), spokes);
    const double rim = view->yRange() * g.factor;
    webSegments_.clear();
    for (std::int64_t i = 0; i < spokes; i += step) {
        webSegments_.push_back(g.center);
        webSegments_.push_back(pointOnCircle(g.center, rim, g.spokeAngle(static_cast<double>(i))));
    }
    context.strokeLineSegments(webSegments_);

    // One ring per radial label, segment by segment, as many segments as the
    // data holds entries over all its sets: with several sets a ring is
    // traced round more than once.
    context.setLineWidth(view->innerWebLineWidth());
    context.setStrokeColor(view->innerWebColor());
    context.setAlpha(view->webAlpha());
    const std::int64_t segments = view->data()->entryCount();
    for (const double value : view->yAxis()->entries()) {
        const double r = (value - g.yMin) * g.factor;
        for (std::int64_t i = 0; i < segments; ++i) {
            ringSegment_[0] = pointOnCircle(g.center, r, g.spokeAngle(static_cast<double>(i)));
            ringSegment_[1] = pointOnCircle(g.center, r, g.spokeAngle(static_cast<double>(i + 1)));
            context.strokeLineSegments(ringSegment_);
        }
    }
}

// Values and icons

void RadarChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<RadarChartView> view = chart();
    const std::shared_ptr<ChartData> data = view ? view->data() : nullptr;
    if (!data) return;
    const RadarFrameGeometry g = view->frameGeometry();
    const ViewPortHandler* port = viewPortHandler().get();
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const IChartDataSetPtr found = data->getDataSetByIndex(i);
        const auto* set = dynamic_cast<const IRadarChartDataSet*>(found.get());
        if (!set || !shouldDrawValues(*set)) continue;
        const std::shared_ptr<IValueFormatter> formatter = set->valueFormatter();
        if (!formatter) continue;
        const RadarSetStyle style = RadarSetStyle::of(*set);
        const double lineHeight = context.textMeasurer().lineHeight(style.valueFont);
        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            const ChartDataEntryPtr e = set->entryForIndex(j);
            if (!e) continue;
            const Point p = g.point(static_cast<double>(j), e->y());
            if (style.drawValues) {
                TextAttributes attributes;
                attributes.font = style.valueFont;
                attributes.foregroundColor = set->valueTextColorAt(j);
                ChartUtils::drawText(context, formatter->stringForValue(e->y(), e, i, port),
                                     Point{p.x, p.y - 5 - lineHeight}, TextAlignment::center, attributes);
            }
            if (e->icon() && style.drawIcons) {
                // The icon stands on the point's own spoke, the offset's y
                // further out and its x lower down.
                const double r = g.distance(e->y()) + style.iconsOffset.y();
                const Point at = pointOnCircle(g.center, r, g.spokeAngle(static_cast<double>(j)));
                const QSizeF size = e->icon()->deviceIndependentSize();
                ChartUtils::drawImage(context, *e->icon(), at.x, at.y + style.iconsOffset.x(),
                                      Size{size.width(), size.height()});
            }
        }
    }
}

// Highlights

void RadarChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<RadarChartView> view = chart();
    const std::shared_ptr<RadarChartData> data = view ? view->radarData() : nullptr;
    if (!data) return;
    const RadarFrameGeometry g = view->frameGeometry();
    GStateSaver saver(context);
    for (const HighlightPtr& h : indices) {
        if (!h) continue;
        const IChartDataSetPtr found = data->getDataSetByIndex(h->dataSetIndex());
        const auto* set = dynamic_cast<const IRadarChartDataSet*>(found.get());
        if (!set || !set->isHighlightEnabled()) continue;
        // A highlight whose x names no position marks nothing.
        const std::optional<std::int64_t> index = entryIndexForX(h->x());
        if (!index) continue;
        const ChartDataEntryPtr e = set->entryForIndex(*index);
        if (!dynamic_cast<const RadarChartDataEntry*>(e.get())) continue;
        // Entries the x animation has not reached yet.
        if (!(static_cast<double>(*index) < static_cast<double>(set->entryCount()) * g.phaseX)) continue;

        setChartLineStyle(context, set->highlightColor(), data->highlightLineWidth(), data->highlightLineDashLengths(),
                          data->highlightLineDashPhase());
        const Point p = g.point(static_cast<double>(*index), e->y());
        h->setDraw(p);
        drawHighlightLines(context, p, *set);

        if (!set->isDrawHighlightCircleEnabled() || std::isnan(p.x) || std::isnan(p.y)) continue;
        const RadarHighlightCircleStyle circle = RadarHighlightCircleStyle::of(*set);
        GStateSaver circleSaver(context);
        if (circle.fillColor) {
            context.beginPath();
            context.addCircle(p, circle.outerRadius);
            if (circle.innerRadius > 0) context.addCircle(p, circle.innerRadius);
            context.setFillColor(*circle.fillColor);
            context.fillPath(FillRule::evenOdd);
        }
        context.setStrokeColor(circle.strokeColor);
        context.setLineWidth(circle.strokeWidth);
        context.beginPath();
        context.addCircle(p, circle.outerRadius);
        context.strokePath();
    }
}

} // namespace charts
