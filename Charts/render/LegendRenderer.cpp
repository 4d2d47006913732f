#include "Charts/render/LegendRenderer.h"

#include <algorithm>
#include <cmath>

#include "Charts/data/ChartData.h"
#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/TextAttributes.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/Legend.h"
#include "Charts/render/LegendPlacement.h"
#include "Charts/render/StrokeStyling.h"

namespace charts {

LegendRenderer::LegendRenderer(std::shared_ptr<ViewPortHandler> viewPortHandler, std::shared_ptr<Legend> legend)
    : Renderer(std::move(viewPortHandler)),
      legend_(std::move(legend)) {}

void LegendRenderer::computeLegend(const ChartData& data) {
    const std::shared_ptr<Legend> model = legend();
    if (!model) return;
    if (!model->isLegendCustom()) {
        std::vector<LegendEntryPtr> entries;
        for (int i = 0; i < data.dataSetCount(); ++i) {
            if (const IChartDataSetPtr set = data.getDataSetByIndex(i)) set->appendLegendEntries(entries);
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
