#include "Charts/types/bubble/BubbleChartRenderer.h"

#include <algorithm>
#include <cmath>

#include "Charts/data/ChartData.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/EntryIcon.h"
#include "Charts/render/EntryValues.h"
#include "Charts/render/VisiblePoints.h"
#include "Charts/types/bubble/BubbleAccessibilityElement.h"
#include "Charts/types/bubble/BubbleChartData.h"
#include "Charts/types/bubble/BubbleChartDataEntry.h"
#include "Charts/types/bubble/BubbleChartViewInterface.h"
#include "Charts/types/bubble/BubbleGeometry.h"

namespace charts {

namespace {

// A phase as a text's opacity: within 0 to 1, and 1 for one that is not a
// number.
double unitPhase(double phase) { return std::isnan(phase) ? 1.0 : std::clamp(phase, 0.0, 1.0); }

} // namespace

BubbleChartRenderer::BubbleChartRenderer(std::weak_ptr<BubbleChartDataProvider> dataProvider,
                                         std::shared_ptr<Animator> animator,
                                         std::shared_ptr<ViewPortHandler> viewPortHandler)
    : FrameStyledRenderer(std::move(animator), std::move(viewPortHandler)),
      dataProvider_(std::move(dataProvider)) {}

std::vector<std::vector<AccessibilityElementPtr>>& BubbleChartRenderer::accessibilityOrderedElements() {
    if (!accessibilityOrderedElementsMade_) resetAccessibilityOrderedElements();
    return accessibilityOrderedElements_;
}

void BubbleChartRenderer::resetAccessibilityOrderedElements() {
    accessibilityOrderedElementsMade_ = true;
    accessibilityOrderedElements_.clear();
    const std::shared_ptr<BubbleChartDataProvider> provider = dataProvider();
    if (!dynamic_cast<const BubbleChartViewInterface*>(provider.get())) return;
    if (const std::shared_ptr<BubbleChartData> data = provider->bubbleData())
        accessibilityOrderedElements_.resize(static_cast<std::size_t>(std::max(data->dataSetCount(), 0)));
}

double BubbleChartRenderer::referenceSize(const AffineTransform& matrix) {
    sizeBuffer_ = {Point{0, 0}, Point{1, 0}};
    for (Point& p : sizeBuffer_) matrix.applyInPlace(p);
    const double xUnitWidth = std::abs(sizeBuffer_[1].x - sizeBuffer_[0].x);
    return bubbleReferenceSize(xUnitWidth, std::abs(frame().content().height()));
}

void BubbleChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<BubbleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<BubbleChartData> data = provider->bubbleData();
    if (!data) return;
    const CallFrame call(*this, *provider);

    accessibleChartElements().clear();
    resetAccessibilityOrderedElements();
    if (const auto* chart = dynamic_cast<const BubbleChartViewInterface*>(provider.get()))
        accessibleChartElements().push_back(createAccessibleHeader(*chart, *data, QStringLiteral("Bubble Chart")));

    const ChartData::DataSets& dataSets = data->dataSets();
    for (std::size_t i = 0; i < dataSets.size(); ++i) {
        const auto* set = dynamic_cast<const IBubbleChartDataSet*>(dataSets[i].get());
        if (set && set->isVisible()) drawDataSet(context, *set, static_cast<int>(i));
    }

    for (std::vector<AccessibilityElementPtr>& list : accessibilityOrderedElements_)
        accessibleChartElements().insert(accessibleChartElements().end(), list.begin(), list.end());
}

void BubbleChartRenderer::drawDataSet(DrawingContext& context, const IBubbleChartDataSet& dataSet, int dataSetIndex) {
    const std::shared_ptr<BubbleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const CallFrame call(*this, *provider);
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;
    const BubbleSetStyle& style = styles_.of(dataSet);
    const double reference = referenceSize(*matrix);

    // The bubbles' elements, for a bubble chart view only.
    const auto* chart = dynamic_cast<const BubbleChartViewInterface*>(provider.get());
    const std::size_t listIndex = static_cast<std::size_t>(dataSetIndex);
    std::vector<AccessibilityElementPtr>* elements =
        chart && dataSetIndex >= 0 && listIndex < accessibilityOrderedElements().size()
            ? &accessibilityOrderedElements_[listIndex]
            : nullptr;
    std::shared_ptr<const BubbleLabelContext> labels;
    if (elements) {
        const std::shared_ptr<BubbleChartData> data = provider->bubbleData();
        const std::shared_ptr<XAxis> xAxis = chart->xAxis();
        labels = std::make_shared<const BubbleLabelContext>(BubbleLabelContext{
            xAxis, xAxis ? xAxis->valueFormatter() : nullptr, dataSet.valueFormatter(), dataSet.label(), dataSetIndex,
            data ? data->dataSetCount() : 0, viewPortHandler(), style.maxSize});
    }

    xBounds_.set(frame(), dataSet);
    const EntryValues values(dataSet);
    GStateSaver saver(context);
    for (const std::int64_t j : xBounds_) {
        if (!values.contains(j)) continue;
        const ChartDataEntryPtr& e = values.entry(j);
        const auto* bubble = dynamic_cast<const BubbleChartDataEntry*>(e.get());
        if (!bubble) continue;
        pointBuffer_ = Point{bubble->x(), bubble->y() * frame().phaseY};
        matrix->applyInPlace(pointBuffer_);
        const double shapeSize = bubbleShapeSize(bubble->size(), style.maxSize, style.normalizeSize, reference);
        const BubbleVisibility visibility = bubbleVisibility(pointBuffer_, shapeSize, frame().bounds);
        if (visibility == BubbleVisibility::pastRight) break;
        if (visibility == BubbleVisibility::skipped) continue;

        const Rect rect = bubbleRect(pointBuffer_, shapeSize);
        context.setFillColor(style.colors.at(j));
        context.fillEllipse(rect);
        if (elements) {
            auto element =
                std::make_shared<BubbleAccessibilityElement>(chart->accessibilityContainer(), labels, e, shapeSize);
            element->setFrame(rect);
            elements->push_back(std::move(element));
        }
    }
}

void BubbleChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<BubbleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<BubbleChartData> data = provider->bubbleData();
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    for (const IChartDataSetPtr& set : data->dataSets())
        if (!dynamic_cast<const IBubbleChartDataSet*>(set.get())) return;
    const CallFrame call(*this, *provider);
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();

    // The texts fade in with the x animation, then follow the y animation.
    const double phaseX = unitPhase(frame().phaseX);
    const double alpha = phaseX == 1 ? unitPhase(frame().phaseY) : phaseX;

    forEachValueSet(
        *data, [&](int i, const IBubbleChartDataSet& set, const BubbleSetStyle& style, const AffineTransform& matrix) {
            const ValueLabelStyle& values = style.values;
            TextAttributes attributes;
            attributes.font = values.font;
            const double halfLine = measurer.lineHeight(attributes.font) / 2;
            xBounds_.set(frame(), set);
            const double phaseY = frame().phaseY;
            forEachVisibleAnchor<BubbleChartDataEntry>(
                EntryValues(set), xBounds_,
                [phaseY](const BubbleChartDataEntry& b) {
                    return Point{b.x(), b.y() * phaseY};
                },
                matrix, frame().bounds,
                [&](std::int64_t j, const ChartDataEntryPtr& e, const BubbleChartDataEntry& bubble, Point centre) {
                    // A size that is not finite is no value to show.
                    if (values.drawValues && std::isfinite(bubble.size())) {
                        const QString text = values.formatter->stringForValue(bubble.size(), e, i, &port);
                        QColor color = values.textColors.at(j);
                        color.setAlphaF(static_cast<float>(alpha));
                        attributes.foregroundColor = color;
                        ChartUtils::drawText(context, text, Point{centre.x, centre.y - halfLine}, TextAlignment::center,
                                             attributes);
                    }
                    if (values.drawIcons && e->icon()) drawEntryIcon(context, *e->icon(), centre, values.iconsOffset);
                });
        });
}

void BubbleChartRenderer::drawExtras(DrawingContext&) {}

void BubbleChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<BubbleChartDataProvider> provider = dataProvider();
    if (!provider) return;
    const std::shared_ptr<BubbleChartData> data = provider->bubbleData();
    if (!data) return;
    const CallFrame call(*this, *provider);
    GStateSaver saver(context);
    forEachHighlightedEntry<IBubbleChartDataSet, BubbleChartDataEntry>(
        *data, indices,
        [&](Highlight& high, const IBubbleChartDataSet& set, const BubbleChartDataEntry& bubble,
            const AffineTransform& matrix) {
            const BubbleSetStyle& style = styles_.of(set);
            pointBuffer_ = Point{bubble.x(), bubble.y() * frame().phaseY};
            matrix.applyInPlace(pointBuffer_);
            const double shapeSize =
                bubbleShapeSize(bubble.size(), style.maxSize, style.normalizeSize, referenceSize(matrix));
            const BubbleVisibility visibility = bubbleVisibility(pointBuffer_, shapeSize, frame().bounds);
            if (visibility == BubbleVisibility::pastRight) return false;
            // The colour of the position the bubble's x names, not of its
            // index.
            const std::optional<std::int64_t> colorIndex = entryIndexForX(bubble.x());
            if (visibility == BubbleVisibility::skipped || !colorIndex) return true;

            context.setStrokeColor(halfBrightness(style.colors.at(*colorIndex)));
            context.setLineWidth(set.highlightCircleWidth());
            context.strokeEllipse(bubbleRect(pointBuffer_, shapeSize));
            high.setDraw(pointBuffer_);
            return true;
        });
}

} // namespace charts
