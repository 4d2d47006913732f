// The bar renderer's value labels and icons, and the accessibility elements
// of its rectangles.
#include <algorithm>
#include <cmath>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/XAxis.h"
#include "Charts/render/AccessibilityText.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartRenderer.h"
#include "Charts/types/bar/BarChartView.h"
#include "Charts/types/bar/IBarChartDataSet.h"
#include "platform/NumberText.h"

namespace charts {

namespace {

QString decimalText(double value) { return QString::fromStdString(platform::shortestDecimalText(value)); }

} // namespace

void BarChartRenderer::drawValue(DrawingContext& context, const QString& value, double xPos, double yPos,
                                 const QFont& font, TextAlignment align, const QColor& color) {
    TextAttributes attributes;
    attributes.font = font;
    attributes.foregroundColor = color;
    ChartUtils::drawText(context, value, Point{xPos, yPos}, align, attributes);
}

void BarChartRenderer::drawValueAndIcon(DrawingContext& context, const BarSetStyle& style, const QString& text,
                                        Point textPoint, TextAlignment align, Point iconCentre, std::int64_t colorIndex,
                                        const ChartDataEntry& entry) {
    const ValueLabelStyle& values = style.values;
    if (values.drawValues)
        drawValue(context, text, textPoint.x, textPoint.y, values.font, align, values.textColors.at(colorIndex));
    if (values.drawIcons && entry.icon()) {
        const QImage& icon = *entry.icon();
        const QSizeF size = icon.deviceIndependentSize();
        ChartUtils::drawImage(context, icon, iconCentre.x + values.iconsOffset.x(),
                              iconCentre.y + values.iconsOffset.y(), Size{size.width(), size.height()});
    }
}

void BarChartRenderer::forEachLabelledSet(const std::function<void(const LabelledSet&)>& drawSet) {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data || !isDrawingValuesAllowed(provider.get())) return;
    const CallFrame call(*this, *provider);
    const bool above = provider->isDrawValueAboveBarEnabled();
    const ChartData::DataSets& dataSets = data->dataSets();
    for (std::size_t i = 0; i < dataSets.size() && i < buffers_.size(); ++i) {
        const auto* set = dynamic_cast<const IBarChartDataSet*>(dataSets[i].get());
        if (!set || !shouldDrawValues(*set)) continue;
        const BarSetStyle& style = styleOf(*set);
        if (!style.values.formatter) continue;
        const std::optional<AffineTransform>& matrix = frame().valueToPixel(set->axisDependency());
        if (!matrix) continue;
        const std::span<const ChartDataEntryPtr> entries = set->entriesInOrder();
        drawSet(LabelledSet{*set, static_cast<int>(i), style, *matrix, provider->isInverted(set->axisDependency()),
                            above, preparedRects(static_cast<int>(i)), entries,
                            animatedEntryCount(static_cast<std::int64_t>(entries.size()), frame().phaseX)});
    }
}

QString BarChartRenderer::valueText(const LabelledSet& labelled, double value, const ChartDataEntryPtr& entry) const {
    return labelled.style.values.formatter->stringForValue(value, entry, labelled.index, viewPortHandler().get());
}

void BarChartRenderer::drawValues(DrawingContext& context) {
    forEachLabelledSet([&](const LabelledSet& labelled) {
        const ContentBounds& bounds = frame().bounds;
        const BarSetStyle& style = labelled.style;
        const std::span<const Rect> rects = labelled.rects;
        const std::span<const ChartDataEntryPtr> entries = labelled.entries;
        const AffineTransform& matrix = labelled.matrix;
        const ValueLabelOffsets offsets = verticalValueOffsets(labelled.aboveBar, labelled.inverted,
                                                               context.textMeasurer().lineHeight(style.values.font));
        const auto label = [&](double value, const ChartDataEntryPtr& entry, double x, double y, std::int64_t j) {
            // A value that is not finite has no bar to stand at, and no text.
            if (!std::isfinite(value)) return;
            drawValueAndIcon(context, style, valueText(labelled, value, entry), Point{x, y}, TextAlignment::center,
                             Point{x, y}, j, *entry);
        };

        std::size_t bufferIndex = 0;
        for (std::int64_t j = 0; j < labelled.count; ++j) {
            const ChartDataEntryPtr& entryPtr = entries[static_cast<std::size_t>(j)];
            const BarChartDataEntry* entry = asBarEntry(entryPtr.get());
            if (!entry) continue;
            // A plain set's rectangles stand at their entries' positions; a
            // stacked set's follow one another.
            const std::size_t slot = style.stacked ? bufferIndex : static_cast<std::size_t>(j);
            if (slot >= rects.size()) break;
            const Rect& rect = rects[slot];
            const double x = rect.origin.x + rect.size.width / 2.0;
            const std::optional<BarChartDataEntry::Values>& values = entry->yValues();

            if (!style.stacked || !values) {
                if (!bounds.isInBoundsRight(x)) break;
                ++bufferIndex;
                if (!bounds.isInBoundsY(rect.origin.y) || !bounds.isInBoundsLeft(x)) continue;
                const double value = entry->y();
                // From the bar's end, wherever the axis turns it, in a
                // plain and in a stacked set alike.
                const double end =
                    barEndsAtTop(value, labelled.inverted) ? rect.origin.y : rect.origin.y + rect.size.height;
                label(value, entryPtr, x, end + (value >= 0 ? offsets.positive : offsets.negative), j);
                continue;
            }

            // Only the values whose rectangles this frame prepared.
            const std::size_t shown = std::min(values->size(), rects.size() - bufferIndex);
            bufferIndex += values->size();
            // Where a value's label goes depends on where the whole stack ends.
            const StackTotals totals =
                forEachStackSegment(*values, entry->negativeSum(), [](std::size_t, StackSegment) {});
            forEachStackSegment(*values, entry->negativeSum(), [&](std::size_t k, StackSegment segment) {
                if (k >= shown || !bounds.isInBoundsRight(x)) return;
                const double value = (*values)[k];
                const double pixelY = matrix.apply(Point{0, stackLabelValue(value, segment) * frame().phaseY}).y;
                const double y = pixelY + (stackLabelBelow(value, totals) ? offsets.negative : offsets.positive);
                if (!bounds.isInBoundsY(y) || !bounds.isInBoundsLeft(x)) return;
                label(value, entryPtr, x, y, j);
            });
        }
    });
}

AccessibilityElementPtr
BarChartRenderer::createAccessibleElement(std::int64_t index, const BarChartView& container,
                                          const IBarChartDataSet& dataSet, int dataSetIndex, std::int64_t stackSize,
                                          const std::function<void(AccessibilityElement&)>& modifier) const {
    auto element = std::make_shared<AccessibilityElement>(container.accessibilityContainer());
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::span<const ChartDataEntryPtr> entries = dataSet.entriesInOrder();
    const std::int64_t perEntry = std::max<std::int64_t>(stackSize, 1);
    const std::int64_t position = index / perEntry;
    if (!provider || index < 0 || position >= static_cast<std::int64_t>(entries.size())) return element;
    const ChartDataEntryPtr& entryPtr = entries[static_cast<std::size_t>(position)];
    const BarChartDataEntry* entry = asBarEntry(entryPtr.get());
    if (!entry) return element;

    const std::shared_ptr<XAxis> xAxis = container.xAxis();
    const std::shared_ptr<IAxisValueFormatter> xFormatter = xAxis ? xAxis->valueFormatter() : nullptr;
    const QString xText = xFormatter ? xFormatter->stringForValue(entry->x(), xAxis.get()) : decimalText(entry->x());
    const std::shared_ptr<IValueFormatter> formatter = dataSet.valueFormatter();
    const ViewPortHandler* port = viewPortHandler().get();
    QString valueText =
        formatter ? formatter->stringForValue(entry->y(), entryPtr, dataSetIndex, port) : decimalText(entry->y());

    const std::optional<BarChartDataEntry::Values>& values = entry->yValues();
    if (dataSet.isStacked() && values) {
        const std::int64_t labelCount = std::min(static_cast<std::int64_t>(dataSet.colors().size()), perEntry);
        std::optional<QString> stackLabel;
        const std::vector<QString> stackLabels = dataSet.stackLabels();
        if (!stackLabels.empty() && labelCount >= 1) {
            const auto at = static_cast<std::size_t>(index % labelCount);
            if (at < stackLabels.size()) stackLabel = stackLabels[at];
        }
        const double value =
            values->empty() ? 0.0
                            : (*values)[static_cast<std::size_t>(index % static_cast<std::int64_t>(values->size()))];
        valueText =
            formatter ? formatter->stringForValue(value, entryPtr, dataSetIndex, port) : decimalText(entry->y());
        if (stackLabel) valueText = *stackLabel + QStringLiteral(" ") + valueText;
    }

    const std::shared_ptr<BarChartData> data = provider->barData();
    const int dataSetCount = data ? data->dataSetCount() : 0;
    element->setLabel(accessiblePointLabel(dataSet.label(), dataSetCount, xText, valueText));
    if (modifier) modifier(*element);
    return element;
}

} // namespace charts
