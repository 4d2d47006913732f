#include "Charts/types/pie/PieChartRenderer.h"

#include <cmath>
#include <limits>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/drawing/Path.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/types/pie/PieAccessibility.h"
#include "Charts/types/pie/PieChartDataEntry.h"
#include "Charts/types/pie/PieChartView.h"
#include "Charts/types/pie/PieFrame.h"

namespace charts {

namespace {

constexpr double epsilon = std::numeric_limits<double>::epsilon();

bool isClear(const QColor& color) { return color.alpha() == 0; }

TextAttributes textAttributes(const QFont& font, const QColor& color) {
    TextAttributes attributes;
    attributes.font = font;
    attributes.foregroundColor = color;
    return attributes;
}

// One line of text with its top at point.y, ending at point.x (right),
// centred there, or starting there. Drawing text changes no state, so a pie
// of many slices draws each text as one call.
void drawLabel(DrawingContext& context, const QString& text, Point point, TextAlignment align,
               const TextAttributes& attributes) {
    if (align != TextAlignment::left) {
        const double width = context.textMeasurer().size(text, attributes.font).width;
        point.x -= align == TextAlignment::right ? width : width / 2;
    }
    context.drawText(text, point, attributes);
}

// The entry's label, when it is a slice with one.
std::optional<QString> sliceLabel(const ChartDataEntryPtr& entry) {
    const auto* slice = dynamic_cast<const PieChartDataEntry*>(entry.get());
    return slice ? slice->label() : std::nullopt;
}

} // namespace

PieChartRenderer::PieChartRenderer(std::weak_ptr<PieChartView> chart, std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : DataRenderer(std::move(animator), std::move(viewPortHandler)),
      chart_(std::move(chart)) {}

double PieChartRenderer::getSliceSpace(const IPieChartDataSet& dataSet) const {
    const std::shared_ptr<PieChartView> view = chart();
    const std::shared_ptr<PieChartData> data = view ? view->pieData() : nullptr;
    if (!data) return dataSet.sliceSpace();
    const ViewPortHandler& port = *viewPortHandler();
    return effectiveSliceSpace(dataSet.sliceSpace(), dataSet.automaticallyDisableSliceSpacing(),
                               Size{port.contentWidth(), port.contentHeight()}, dataSet.yMin(), data->yValueSum());
}

// Wedges

void PieChartRenderer::drawData(DrawingContext& context) {
    accessibleChartElements().clear();
    const std::shared_ptr<PieChartView> view = chart();
    const std::shared_ptr<ChartData> data = view ? view->data() : nullptr;
    if (!data) return;
    const PieFrame frame = PieFrame::of(*view, *animator());
    if (!frame.hasCircle()) return;
    for (const IChartDataSetPtr& set : data->dataSets()) {
        const auto* pieSet = dynamic_cast<const IPieChartDataSet*>(set.get());
        if (pieSet && pieSet->isVisible() && pieSet->entryCount() > 0) drawDataSet(context, *pieSet, *view, frame);
    }
}

void PieChartRenderer::drawDataSet(DrawingContext& context, const IPieChartDataSet& dataSet) {
    const std::shared_ptr<PieChartView> view = chart();
    if (!view || !view->data()) return;
    const PieFrame frame = PieFrame::of(*view, *animator());
    if (frame.hasCircle()) drawDataSet(context, dataSet, *view, frame);
}

void PieChartRenderer::drawDataSet(DrawingContext& context, const IPieChartDataSet& dataSet, const PieChartView& view,
                                   const PieFrame& frame) {
    const std::int64_t visibleAngleCount = visibleSliceCount(dataSet);
    const double sliceSpace = visibleAngleCount <= 1 ? 0.0 : getSliceSpace(dataSet);
    const bool highlightEnabled = dataSet.isHighlightEnabled();

    GStateSaver saver(context);
    context.beginPath();
    accessibleChartElements().push_back(createSetHeader(view, dataSet));

    PieWedge wedge;
    wedge.center = frame.center;
    wedge.radius = frame.radius;
    wedge.arcRadius = frame.radius;
    wedge.rotationAngle = frame.rotationAngle;
    wedge.phaseY = frame.phaseY;
    wedge.sliceSpace = sliceSpace;
    wedge.innerRadius = frame.userInnerRadius;
    wedge.drawInnerArc = frame.drawInnerArc;

    double angle = 0;
    const std::int64_t count = dataSet.entryCount();
    for (std::int64_t j = 0; j < count; ++j) {
        const ChartDataEntryPtr entry = dataSet.entryForIndex(j);
        if (!entry) continue;
        if (static_cast<std::size_t>(j) >= frame.angleCount()) break;
        const double sliceAngle = frame.drawAngle(static_cast<std::size_t>(j));
        if (std::fabs(entry->y()) >= epsilon && !(highlightEnabled && frame.isHighlighted(j))) {
            wedge.angle = angle;
            wedge.sliceAngle = sliceAngle;
            const Path path = pieWedgePath(wedge);
            context.setFillColor(dataSet.color(j));
            // Each fill consumes its path: the next wedge starts afresh.
            context.addPath(path);
            context.fillPath(FillRule::evenOdd);
            accessibleChartElements().push_back(createAccessibleElement(view, dataSet, j, path));
        }
        angle += sliceAngle * frame.phaseX;
    }
}

void PieChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<PieChartView> view = chart();
    const std::shared_ptr<ChartData> data = view ? view->data() : nullptr;
    if (!data) return;
    const PieFrame frame = PieFrame::of(*view, *animator());
    if (!frame.hasCircle()) return;

    GStateSaver saver(context);
    std::vector<AccessibilityElementPtr> selected;
    for (const HighlightPtr& h : indices) {
        // A highlight whose x names no slice marks nothing.
        const std::optional<std::int64_t> index = h ? entryIndexForX(h->x()) : std::nullopt;
        if (!index || *index < 0 || static_cast<std::size_t>(*index) >= frame.angleCount()) continue;
        const IChartDataSetPtr found = data->getDataSetByIndex(h->dataSetIndex());
        const auto* set = dynamic_cast<const IPieChartDataSet*>(found.get());
        if (!set || !set->isHighlightEnabled()) continue;

        const auto i = static_cast<std::size_t>(*index);
        PieWedge wedge;
        wedge.center = frame.center;
        wedge.radius = frame.radius;
        wedge.arcRadius = frame.radius + set->selectionShift();
        wedge.rotationAngle = frame.rotationAngle;
        wedge.angle = frame.startAngle(i);
        wedge.sliceAngle = frame.drawAngle(i);
        wedge.phaseY = frame.phaseY;
        // The automatic dropping of the gap does not apply to a highlight.
        wedge.sliceSpace = visibleSliceCount(*set) <= 1 ? 0.0 : set->sliceSpace();
        wedge.innerRadius = frame.userInnerRadius;
        wedge.drawInnerArc = frame.drawInnerArc;
        const Path path = pieWedgePath(wedge);

        context.setFillColor(set->highlightColor().value_or(set->color(*index)));
        context.beginPath();
        context.addPath(path);
        context.fillPath(FillRule::evenOdd);
        AccessibilityElementPtr element = createAccessibleElement(*view, *set, *index, path);
        element->setSelected(true);
        selected.push_back(std::move(element));
    }
    std::vector<AccessibilityElementPtr>& elements = accessibleChartElements();
    if (!elements.empty()) elements.insert(elements.begin() + 1, selected.begin(), selected.end());
}

// Hole and centre text

void PieChartRenderer::drawExtras(DrawingContext& context) {
    drawHole(context);
    drawCenterText(context);
}

void PieChartRenderer::drawHole(DrawingContext& context) {
    const std::shared_ptr<PieChartView> view = chart();
    if (!view || !view->data() || !view->isDrawHoleEnabled()) return;
    const Point center = view->centerCircleBox();
    const double radius = view->radius();
    const double holeRadius = radius * view->holeRadiusPercent();
    GStateSaver saver(context);
    if (const std::optional<QColor>& hole = view->holeColor(); hole && !isClear(*hole)) {
        context.setFillColor(*hole);
        context.beginPath();
        context.addCircle(center, holeRadius);
        context.fillPath(FillRule::winding);
    }
    const std::optional<QColor>& ring = view->transparentCircleColor();
    if (ring && !isClear(*ring) && view->transparentCircleRadiusPercent() > view->holeRadiusPercent()) {
        const double phases = animator()->phaseX() * animator()->phaseY();
        context.setAlpha(phases);
        context.setFillColor(*ring);
        context.beginPath();
        context.addCircle(center, radius * view->transparentCircleRadiusPercent());
        context.addCircle(center, holeRadius);
        context.fillPath(FillRule::evenOdd);
    }
}

void PieChartRenderer::drawCenterText(DrawingContext& context) {
    const std::shared_ptr<PieChartView> view = chart();
    if (!view || !view->data()) return;
    const std::optional<AttributedText>& text = view->centerAttributedText();
    if (!text || !view->isDrawCenterTextEnabled() || text->string.isEmpty()) return;

    const Point offset = view->centerTextOffset();
    const Point box = view->centerCircleBox();
    const Point center{box.x + offset.x, box.y + offset.y};
    const double radius = view->radius();
    const double innerRadius = view->isDrawHoleEnabled() && !view->isDrawSlicesUnderHoleEnabled()
                                   ? radius * view->holeRadiusPercent()
                                   : radius;
    const Rect holeRect(center.x - innerRadius, center.y - innerRadius, innerRadius * 2, innerRadius * 2);
    Rect boundingRect = holeRect;
    if (const double percent = view->centerTextRadiusPercent(); percent > 0) {
        boundingRect = insetBy(boundingRect, (boundingRect.width() - boundingRect.width() * percent) / 2,
                               (boundingRect.height() - boundingRect.height() * percent) / 2);
    }
    TextDrawOptions options;
    options.truncatesLastVisibleLine = true;
    const Size textSize =
        context.textMeasurer().boundingSize(text->string, text->attributes, boundingRect.size, options);
    const Rect drawingRect(boundingRect.x() + (boundingRect.width() - textSize.width) / 2,
                           boundingRect.y() + (boundingRect.height() - textSize.height) / 2, textSize.width,
                           textSize.height);

    GStateSaver saver(context);
    context.beginPath();
    context.addEllipse(holeRect);
    context.clip(FillRule::winding);
    context.drawText(text->string, drawingRect, text->attributes, options);
}

// Values, entry labels, value lines and icons

void PieChartRenderer::drawValues(DrawingContext& context) {
    const std::shared_ptr<PieChartView> view = chart();
    const std::shared_ptr<PieChartData> data = view ? view->pieData() : nullptr;
    if (!data) return;
    const PieFrame frame = PieFrame::of(*view, *animator());
    if (!frame.hasCircle()) return;
    const double labelRadius = pieLabelRadius(frame.radius, frame.drawHole, frame.holeRadiusPercent);
    const double sliceTotal = view->sliceTotal();
    const bool drawEntryLabels = view->isDrawEntryLabelsEnabled();
    const bool usePercent = view->isUsePercentValuesEnabled();
    const std::int64_t dataEntryCount = data->entryCount();
    const ViewPortHandler* port = viewPortHandler().get();
    const TextMeasurer& measurer = context.textMeasurer();

    GStateSaver saver(context);
    std::size_t xIndex = 0;
    const ChartData::DataSets& sets = data->dataSets();
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const auto* set = dynamic_cast<const IPieChartDataSet*>(sets[i].get());
        if (!set) continue;
        const PieSetStyle style = PieSetStyle::of(*set, *view);
        const std::shared_ptr<IValueFormatter> formatter = set->valueFormatter();
        if ((!style.drawValues && !drawEntryLabels && !style.drawIcons) || !formatter) continue;

        const QFont& labelFont = style.entryLabelFont ? *style.entryLabelFont : style.valueFont;
        const double lineHeight = measurer.lineHeight(style.valueFont);
        const bool drawXOutside = drawEntryLabels && style.xValuePosition == PieValuePosition::outsideSlice;
        const bool drawYOutside = style.drawValues && style.yValuePosition == PieValuePosition::outsideSlice;
        const bool drawXInside = drawEntryLabels && style.xValuePosition == PieValuePosition::insideSlice;
        const bool drawYInside = style.drawValues && style.yValuePosition == PieValuePosition::insideSlice;
        const double sliceSpace = getSliceSpace(*set);
        const double sliceSpaceMiddleAngle = sliceSpaceAngle(sliceSpace, labelRadius);
        // The value lines' width once per set, their colour when it changes.
        context.setLineWidth(style.valueLineWidth);
        context.beginPath();
        std::optional<QColor> strokeColor;

        for (std::int64_t j = 0; j < set->entryCount(); ++j) {
            const ChartDataEntryPtr entry = set->entryForIndex(j);
            if (!entry) continue;
            if (xIndex >= frame.angleCount()) return;
            const double sliceAngle = frame.drawAngle(xIndex);
            const double angleOffset = (sliceAngle - sliceSpaceMiddleAngle / 2) / 2;
            const double transformedAngle =
                frame.rotationAngle + (frame.startAngle(xIndex) + angleOffset) * frame.phaseY;
            ++xIndex;
            // A value that is not finite is a slice of 0 with nothing to say.
            if (!std::isfinite(entry->y())) continue;

            const double value = usePercent ? piePercentage(entry->y(), sliceTotal) : entry->y();
            const QString valueText = formatter->stringForValue(value, entry, static_cast<int>(i), port);
            const std::optional<QString> label = j < dataEntryCount ? sliceLabel(entry) : std::nullopt;
            const QColor valueColor = set->valueTextColorAt(j);
            const TextAttributes valueAttributes = textAttributes(style.valueFont, valueColor);
            const TextAttributes labelAttributes =
                textAttributes(labelFont, style.entryLabelColor.value_or(valueColor));
            const Point direction = pointOnCircle(Point{}, 1, transformedAngle);

            if (drawXOutside || drawYOutside) {
                const PieValueLine line =
                    pieValueLine(frame.center, frame.radius, labelRadius, transformedAngle, frame.drawHole,
                                 frame.holeRadiusPercent, style.valueLine, lineHeight);
                // A set without a line colour draws its texts without lines.
                const std::optional<QColor> lineColor =
                    style.useValueColorForLine ? std::optional<QColor>(set->color(j)) : style.valueLineColor;
                if (lineColor) {
                    if (lineColor != strokeColor) {
                        context.setStrokeColor(*lineColor);
                        strokeColor = lineColor;
                    }
                    const Point polyline[] = {line.pt0, line.pt1, line.pt2};
                    context.addLines(polyline);
                    context.strokePath();
                }
                const TextAlignment align = line.rightAligned ? TextAlignment::right : TextAlignment::left;
                if (drawXOutside && drawYOutside) {
                    drawLabel(context, valueText, Point{line.textX, line.labelY}, align, valueAttributes);
                    if (label)
                        drawLabel(context, *label, Point{line.textX, line.labelY + lineHeight}, align, labelAttributes);
                } else if (drawXOutside) {
                    if (label)
                        drawLabel(context, *label, Point{line.textX, line.labelY + lineHeight / 2}, align,
                                  labelAttributes);
                } else {
                    drawLabel(context, valueText, Point{line.textX, line.labelY + lineHeight / 2}, align,
                              valueAttributes);
                }
            }

            if (drawXInside || drawYInside) {
                const double x = labelRadius * direction.x + frame.center.x;
                const double y = labelRadius * direction.y + frame.center.y - lineHeight;
                if (drawXInside && drawYInside) {
                    drawLabel(context, valueText, Point{x, y}, TextAlignment::center, valueAttributes);
                    if (label)
                        drawLabel(context, *label, Point{x, y + lineHeight}, TextAlignment::center, labelAttributes);
                } else if (drawXInside) {
                    if (label)
                        drawLabel(context, *label, Point{x, y + lineHeight / 2}, TextAlignment::center,
                                  labelAttributes);
                } else {
                    drawLabel(context, valueText, Point{x, y + lineHeight / 2}, TextAlignment::center, valueAttributes);
                }
            }

            if (entry->icon() && style.drawIcons) {
                const double r = labelRadius + style.iconsOffset.y();
                const QImage& icon = *entry->icon();
                const QSizeF size = icon.deviceIndependentSize();
                ChartUtils::drawImage(context, icon, r * direction.x + frame.center.x,
                                      r * direction.y + frame.center.y + style.iconsOffset.x(),
                                      Size{size.width(), size.height()});
            }
        }
    }
}

// Accessibility

AccessibilityElementPtr PieChartRenderer::createSetHeader(const PieChartView& view,
                                                          const IPieChartDataSet& dataSet) const {
    const std::shared_ptr<ChartData> data = view.data();
    QString title = QStringLiteral("Pie Chart");
    if (const std::optional<QString> description = view.chartDescriptionText()) {
        title = *description;
    } else if (const std::optional<QString> label = dataSet.label()) {
        title = *label;
    } else if (const std::optional<QString> center = view.centerText()) {
        title = *center;
    }
    auto element = std::make_shared<AccessibilityElement>(view.accessibilityContainer());
    element->setLabel(pieHeaderLabel(title, dataSet.entryCount(), data->accessibilityEntryLabelPrefix()));
    element->setFrame(view.bounds());
    element->setHeader(true);
    return element;
}

AccessibilityElementPtr PieChartRenderer::createAccessibleElement(const PieChartView& view,
                                                                  const IPieChartDataSet& dataSet, std::int64_t index,
                                                                  const Path& wedge) const {
    auto element = std::make_shared<AccessibilityElement>(view.accessibilityContainer());
    const ChartDataEntryPtr entry = dataSet.entryForIndex(index);
    const std::shared_ptr<IValueFormatter> formatter = dataSet.valueFormatter();
    const std::shared_ptr<PieChartData> data = view.pieData();
    if (entry && formatter && data) {
        const double value =
            view.isUsePercentValuesEnabled() ? piePercentage(entry->y(), view.sliceTotal()) : entry->y();
        const QString formatted =
            formatter->stringForValue(value, entry, static_cast<int>(index), viewPortHandler().get());
        QString description;
        if (const std::optional<QString> prefix = data->accessibilityEntryLabelPrefix()) {
            description = *prefix + QString::number(index + 1);
        } else if (const std::optional<QString> label = sliceLabel(entry)) {
            description = *label;
        }
        element->setLabel(pieSliceLabel(description, formatted, data->accessibilityEntryLabelSuffix(),
                                        data->accessibilityEntryLabelSuffixIsCount(), entry->y()));
    }
    element->setFrame(wedge.boundingBox());
    return element;
}

} // namespace charts
