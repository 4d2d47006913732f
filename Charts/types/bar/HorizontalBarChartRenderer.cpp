#include "Charts/types/bar/HorizontalBarChartRenderer.h"

#include <algorithm>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/IBarChartDataSet.h"

namespace charts {

void HorizontalBarChartRenderer::prepareBuffer(const IBarChartDataSet& dataSet, int index) {
    fillBuffer(dataSet, index, BarDirection::horizontal, false);
}

void HorizontalBarChartRenderer::drawDataSet(DrawingContext& context, const IBarChartDataSet& dataSet, int index) {
    drawBars(context, dataSet, index, BarDirection::horizontal);
}

Rect HorizontalBarChartRenderer::prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                                                     const Transformer& trans) const {
    return highlightRect(BarDirection::horizontal, x, y1, y2, barWidthHalf, trans.valueToPixelMatrix(),
                         animator()->phaseY());
}

void HorizontalBarChartRenderer::setHighlightDrawPos(Highlight& highlight, const Rect& barRect) {
    highlight.setDraw(barRect.origin.y + barRect.size.height / 2.0, barRect.origin.x + barRect.size.width);
}

bool HorizontalBarChartRenderer::isDrawingValuesAllowed(const ChartDataProvider* dataProvider) const {
    return isDrawingValuesAllowedAtScale(dataProvider, viewPortHandler()->scaleY());
}

void HorizontalBarChartRenderer::drawValues(DrawingContext& context) {
    forEachLabelledSet([&](const LabelledSet& labelled) {
        const ContentBounds& bounds = frame().bounds;
        const TextMeasurer& measurer = context.textMeasurer();
        const BarSetStyle& style = labelled.style;
        const std::span<const Rect> rects = labelled.rects;
        const std::span<const ChartDataEntryPtr> entries = labelled.entries;
        const double halfTextHeight = measurer.lineHeight(style.values.font) / 2.0;
        // The text of a value, left-aligned beyond (or inside) `end`, the
        // pixel x of its bar's or segment's end; `centre` is the text's
        // middle line. A stacked value's label is culled where it lands (a
        // plain bar's, by its bar before).
        const auto label = [&](double value, bool below, const ChartDataEntryPtr& entry, double end, double centre,
                               std::int64_t j, bool cullLabel) {
            const QString text = valueText(labelled, value, entry);
            const ValueLabelOffsets offsets = horizontalValueOffsets(labelled.aboveBar, labelled.inverted,
                                                                     measurer.size(text, style.values.font).width);
            const double x = end + (below ? offsets.negative : offsets.positive);
            if (cullLabel && (!bounds.isInBoundsX(x) || !bounds.isInBoundsBottom(centre))) return;
            drawValueAndIcon(context, style, text, Point{x, centre - halfTextHeight}, TextAlignment::left,
                             Point{x, centre}, j, *entry);
        };

        std::size_t bufferIndex = 0;
        bool setDone = false;
        for (std::int64_t j = 0; j < labelled.count && !setDone; ++j) {
            const ChartDataEntryPtr& entryPtr = entries[static_cast<std::size_t>(j)];
            const BarChartDataEntry* entry = asBarEntry(entryPtr.get());
            if (!entry) continue;
            const std::size_t slot = style.stacked ? bufferIndex : static_cast<std::size_t>(j);
            if (slot >= rects.size()) break;
            const Rect& rect = rects[slot];
            const std::optional<BarChartDataEntry::Values>& values = entry->yValues();

            if (!style.stacked || !values) {
                if (!bounds.isInBoundsTop(rect.origin.y)) break;
                ++bufferIndex;
                if (!bounds.isInBoundsX(rect.origin.x) || !bounds.isInBoundsBottom(rect.origin.y)) continue;
                const double value = entry->y();
                // From the bar's end, wherever the axis turns it, on the
                // bar's middle line, in a plain and in a stacked set alike.
                const double end =
                    barEndsAtTop(value, labelled.inverted) ? rect.origin.x + rect.size.width : rect.origin.x;
                label(value, !(value >= 0), entryPtr, end, rect.origin.y + rect.size.height / 2.0, j, false);
                continue;
            }

            const std::size_t shown = std::min(values->size(), rects.size() - bufferIndex);
            bufferIndex += values->size();
            const double centre = rect.origin.y + rect.size.height / 2.0;
            const StackTotals totals =
                forEachStackSegment(*values, entry->negativeSum(), [](std::size_t, StackSegment) {});
            forEachStackSegment(*values, entry->negativeSum(), [&](std::size_t k, StackSegment segment) {
                if (setDone || k >= shown) return;
                if (!bounds.isInBoundsTop(centre)) {
                    setDone = true;
                    return;
                }
                const double value = (*values)[k];
                const double pixelX =
                    labelled.matrix.apply(Point{stackLabelValue(value, segment) * frame().phaseY, 0}).x;
                label(value, stackLabelBelow(value, totals), entryPtr, pixelX, centre, j, true);
            });
        }
    });
}

} // namespace charts
