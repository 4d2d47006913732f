#include "Charts/render/LegendRenderer.h"

#include <algorithm>
#include <cmath>

#include "Charts/data/ChartData.h"
#include "Charts/data/IChartTypeDataSets.h"
#include "Charts/data/PieChartDataEntry.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/Legend.h"
#include "Charts/render/LegendPlacement.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

namespace {

constexpr double notSet = std::numeric_limits<double>::quiet_NaN();

// An entry in the set's legend style with the given label and colour.
LegendEntryPtr setEntry(const IChartDataSet& dataSet, std::optional<QString> label, std::optional<QColor> color) {
    return std::make_shared<LegendEntry>(std::move(label), dataSet.form(), dataSet.formSize(), dataSet.formLineWidth(),
                                         dataSet.formLineDashPhase(), dataSet.formLineDashLengths(), std::move(color));
}

// The set's name on its own, without a shape.
LegendEntryPtr titleEntry(const IChartDataSet& dataSet) {
    return std::make_shared<LegendEntry>(dataSet.label(), Legend::Form::none, notSet, notSet, 0.0, std::nullopt,
                                         std::nullopt);
}

std::size_t boundedCount(std::size_t colorCount, std::int64_t entryCount) {
    return std::min<std::size_t>(colorCount, static_cast<std::size_t>(std::max<std::int64_t>(entryCount, 0)));
}

} // namespace

LegendRenderer::LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend)
    : Renderer(std::move(viewPortHandler)),
      legend_(std::move(legend)) {}

void LegendRenderer::appendEntries(std::vector<LegendEntryPtr>& entries, const IChartDataSet& dataSet) const {
    const std::vector<QColor>& colors = dataSet.colors();
    const std::int64_t entryCount = dataSet.entryCount();

    if (const auto* bars = dynamic_cast<const IBarChartDataSet*>(&dataSet); bars && bars->isStacked()) {
        const std::vector<QString> stackLabels = bars->stackLabels();
        const std::size_t count = boundedCount(colors.size(), bars->stackSize());
        for (std::size_t j = 0; j < count; ++j) {
            std::optional<QString> label;
            if (!stackLabels.empty() && j % count < stackLabels.size()) label = stackLabels[j % count];
            entries.push_back(setEntry(dataSet, label, colors[j]));
        }
        if (dataSet.label()) entries.push_back(titleEntry(dataSet));
        return;
    }
    if (dynamic_cast<const IPieChartDataSet*>(&dataSet)) {
        const std::size_t count = boundedCount(colors.size(), entryCount);
        for (std::size_t j = 0; j < count; ++j) {
            const auto slice =
                std::dynamic_pointer_cast<PieChartDataEntry>(dataSet.entryForIndex(static_cast<std::int64_t>(j)));
            entries.push_back(setEntry(dataSet, slice ? slice->label() : std::nullopt, colors[j]));
        }
        if (dataSet.label()) entries.push_back(titleEntry(dataSet));
        return;
    }
    if (const auto* candles = dynamic_cast<const ICandleChartDataSet*>(&dataSet);
        candles && candles->decreasingColor()) {
        entries.push_back(setEntry(dataSet, std::nullopt, candles->decreasingColor()));
        entries.push_back(setEntry(dataSet, dataSet.label(), candles->increasingColor()));
        return;
    }
    // A run of shapes, one per colour, labelled at its last.
    const std::size_t count = boundedCount(colors.size(), entryCount);
    for (std::size_t j = 0; j < count; ++j) {
        const bool last = j + 1 >= colors.size() || static_cast<std::int64_t>(j) + 1 >= entryCount;
        entries.push_back(setEntry(dataSet, last ? dataSet.label() : std::nullopt, colors[j]));
    }
}

void LegendRenderer::computeLegend(const ChartData& data) {
    const std::shared_ptr<Legend> model = legend();
    if (!model) return;
    if (!model->isLegendCustom()) {
        std::vector<LegendEntryPtr> entries;
        for (int i = 0; i < data.dataSetCount(); ++i) {
            if (const IChartDataSetPtr set = data.getDataSetByIndex(i)) appendEntries(entries, *set);
        }
        const std::vector<LegendEntryPtr>& extra = model->extraEntries();
        entries.insert(entries.end(), extra.begin(), extra.end());
        model->setEntries(std::move(entries));
    }
    model->calculateDimensions(model->font(), *viewPortHandler());
}

void LegendRenderer::renderLegend(DrawingContext& context) {
    const std::shared_ptr<Legend> model = legend();
    if (!model || !model->isEnabled()) return;
    const Legend& legendModel = *model;
    const ViewPortHandler& port = *viewPortHandler();
    const TextMeasurer& measurer = context.textMeasurer();
    const QFont& font = legendModel.font();
    const std::vector<LegendEntryPtr>& entries = legendModel.entries();
    const std::vector<Size>& labelSizes = legendModel.calculatedLabelSizes();
    const bool horizontal = legendModel.orientation() == Legend::Orientation::horizontal;

    LegendPlacementInput input;
    input.orientation = legendModel.orientation();
    input.horizontalAlignment = legendModel.horizontalAlignment();
    input.verticalAlignment = legendModel.verticalAlignment();
    input.direction = legendModel.direction();
    input.xOffset = legendModel.xOffset();
    input.yOffset = legendModel.yOffset();
    input.lineHeight = measurer.lineHeight(font);
    input.formToTextSpace = legendModel.formToTextSpace();
    input.xEntrySpace = legendModel.xEntrySpace();
    input.yEntrySpace = legendModel.yEntrySpace();
    input.stackSpace = legendModel.stackSpace();
    input.neededWidth = legendModel.neededWidth();
    input.neededHeight = legendModel.neededHeight();
    input.lineSizes = legendModel.calculatedLineSizes();
    input.breakPoints = legendModel.calculatedLabelBreakPoints();
    input.chartWidth = port.chartWidth();
    input.chartHeight = port.chartHeight();
    input.content = port.contentRect();
    input.items.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const LegendEntry& entry = *entries[i];
        LegendItem item;
        item.drawsForm = entry.form() != Legend::Form::none;
        item.formSize = std::isnan(entry.formSize()) ? legendModel.formSize() : entry.formSize();
        item.hasLabel = entry.label().has_value();
        if (item.hasLabel) {
            // Horizontal legends draw with the widths of their layout; an
            // entry added after the layout was computed is measured here.
            item.labelWidth =
                horizontal && i < labelSizes.size() ? labelSizes[i].width : measurer.size(*entry.label(), font).width;
        }
        input.items.push_back(item);
    }

    const std::vector<LegendItemPlacement> placements = placeLegendItems(input);
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const LegendEntry& entry = *entries[i];
        if (placements[i].form) drawForm(context, placements[i].form->x, placements[i].form->y, entry, legendModel);
        if (placements[i].label)
            drawLabel(context, placements[i].label->x, placements[i].label->y, *entry.label(), font,
                      legendModel.textColor());
    }
}

void LegendRenderer::drawForm(DrawingContext& context, double x, double y, const LegendEntry& entry,
                              const Legend& legend) {
    const std::optional<QColor>& color = entry.formColor();
    if (!color || *color == named::clear()) return;
    const Legend::Form form = entry.form() == Legend::Form::standard ? legend.form() : entry.form();
    const double size = std::isnan(entry.formSize()) ? legend.formSize() : entry.formSize();
    const Rect box(x, y - size / 2, size, size);

    GStateSaver saver(context);
    switch (form) {
    case Legend::Form::none:
    case Legend::Form::empty: break;
    case Legend::Form::standard:
    case Legend::Form::circle:
        context.setFillColor(*color);
        context.fillEllipse(box);
        break;
    case Legend::Form::square:
        context.setFillColor(*color);
        context.fillRect(box);
        break;
    case Legend::Form::line: {
        const double width = std::isnan(entry.formLineWidth()) ? legend.formLineWidth() : entry.formLineWidth();
        const double phase =
            std::isnan(entry.formLineDashPhase()) ? legend.formLineDashPhase() : entry.formLineDashPhase();
        const std::optional<std::vector<double>>& lengths =
            entry.formLineDashLengths() ? entry.formLineDashLengths() : legend.formLineDashLengths();
        context.setLineWidth(width);
        if (lengths && !lengths->empty())
            context.setLineDash(phase, *lengths);
        else
            context.setLineDash(0, {});
        context.setStrokeColor(*color);
        formLineSegmentsBuffer_ = {Point{x, y}, Point{x + size, y}};
        context.strokeLineSegments(formLineSegmentsBuffer_);
        break;
    }
    }
}

void LegendRenderer::drawLabel(DrawingContext& context, double x, double y, const QString& label, const QFont& font,
                               const QColor& textColor) {
    TextAttributes attributes;
    attributes.font = font;
    attributes.foregroundColor = textColor;
    ChartUtils::drawText(context, label, Point{x, y}, TextAlignment::left, attributes);
}

} // namespace charts
