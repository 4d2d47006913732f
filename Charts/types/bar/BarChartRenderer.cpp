#include "Charts/types/bar/BarChartRenderer.h"

#include <algorithm>
#include <cmath>

#include "Charts/drawing/DrawingContext.h"
#include "Charts/foundation/AccessibilityElement.h"
#include "Charts/foundation/Animator.h"
#include "Charts/foundation/ChartUtils.h"
#include "Charts/foundation/Transformer.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataEntry.h"
#include "Charts/types/bar/BarChartView.h"
#include "Charts/types/bar/IBarChartDataSet.h"
#include "platform/FatalError.h"

namespace charts {

BarChartRenderer::BarChartRenderer(std::weak_ptr<BarChartDataProvider> dataProvider, std::shared_ptr<Animator> animator,
                                   std::shared_ptr<ViewPortHandler> viewPortHandler)
    : BarLineScatterCandleBubbleRenderer(std::move(animator), std::move(viewPortHandler)),
      dataProvider_(std::move(dataProvider)) {}

void BarChartRenderer::beginFrame(const CartesianFrame& frame) {
    BarLineScatterCandleBubbleRenderer::beginFrame(frame);
    styles_.clear();
}

void BarChartRenderer::endFrame() {
    BarLineScatterCandleBubbleRenderer::endFrame();
    styles_.clear();
}

const BarChartView* BarChartRenderer::asBarChartView(const BarChartDataProvider* provider) {
    return dynamic_cast<const BarChartView*>(provider);
}

std::vector<std::vector<AccessibilityElementPtr>>& BarChartRenderer::accessibilityOrderedElements() {
    makePendingAccessibleElements();
    if (!accessibilityOrderedElementsMade_) {
        accessibilityOrderedElements_ = accessibilityCreateEmptyOrderedElements();
        accessibilityOrderedElementsMade_ = true;
    }
    return accessibilityOrderedElements_;
}

std::vector<std::vector<AccessibilityElementPtr>> BarChartRenderer::accessibilityCreateEmptyOrderedElements() const {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    if (!asBarChartView(provider.get())) return {};
    const std::shared_ptr<BarChartData> data = provider->barData();
    const IChartDataSetPtr longest = data ? data->maxEntryCountSet() : nullptr;
    const std::int64_t count = longest ? longest->entryCount() : 0;
    return std::vector<std::vector<AccessibilityElementPtr>>(
        static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
}

std::span<const Rect> BarChartRenderer::preparedRects(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) return {};
    const Buffer& buffer = buffers_[static_cast<std::size_t>(index)];
    return std::span<const Rect>(buffer.rects.data(), buffer.prepared);
}

void BarChartRenderer::initBuffers() {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data) {
        buffers_.clear();
        return;
    }
    buffers_.resize(static_cast<std::size_t>(std::max(data->dataSetCount(), 0)));
    for (int i = 0; i < data->dataSetCount(); ++i) {
        Buffer& buffer = buffers_[static_cast<std::size_t>(i)];
        buffer.prepared = 0;
        const IChartDataSetPtr set = data->getDataSetByIndex(i);
        const auto* barSet = dynamic_cast<const IBarChartDataSet*>(set.get());
        // A set of another kind gets no rectangles; drawing reports it.
        const std::int64_t perEntry = barSet && barSet->isStacked() ? barSet->stackSize() : 1;
        const std::int64_t size = barSet ? barSet->entryCount() * std::max<std::int64_t>(perEntry, 1) : 0;
        if (static_cast<std::int64_t>(buffer.rects.size()) != size)
            buffer.rects.assign(static_cast<std::size_t>(std::max<std::int64_t>(size, 0)), Rect{});
    }
}

void BarChartRenderer::prepareBuffer(const IBarChartDataSet& dataSet, int index) {
    fillBuffer(dataSet, index, BarDirection::vertical, true);
}

void BarChartRenderer::fillBuffer(const IBarChartDataSet& dataSet, int index, BarDirection direction,
                                  bool cutToAxisRange) {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data || index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) return;
    const CallFrame call(*this, *provider);
    Buffer& buffer = buffers_[static_cast<std::size_t>(index)];

    BarBufferInput input;
    input.direction = direction;
    input.barWidthHalf = data->barWidth() / 2.0;
    input.stacked = dataSet.isStacked();
    input.inverted = provider->isInverted(dataSet.axisDependency());
    input.phaseX = frame().phaseX;
    input.phaseY = frame().phaseY;
    if (cutToAxisRange) {
        if (const BarChartView* view = asBarChartView(provider.get())) {
            const std::shared_ptr<YAxis> axis = view->getAxis(dataSet.axisDependency());
            input.clipTo = BarBufferInput::AxisRange{axis->axisMinimum(), axis->axisMaximum()};
        }
    }
    buffer.prepared = prepareBarRects(dataSet.entriesInOrder(), input, buffer.rects);
}

void BarChartRenderer::drawData(DrawingContext& context) {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const CallFrame call(*this, *provider);

    drawnRects_.clear();
    elementsPending_ = true;
    for (int i = 0; i < data->dataSetCount(); ++i) {
        const IChartDataSetPtr set = data->getDataSetByIndex(i);
        if (!set || !set->isVisible()) continue;
        const auto* barSet = dynamic_cast<const IBarChartDataSet*>(set.get());
        if (!barSet) platform::fatalError("Datasets for BarChartRenderer must conform to IBarChartDataset");
        drawDataSet(context, *barSet, i);
    }
}

void BarChartRenderer::makePendingAccessibleElements() const {
    if (!elementsPending_) return;
    elementsPending_ = false;
    std::vector<AccessibilityElementPtr>& list = accessibleElementList();
    list.clear();
    accessibilityOrderedElements_ = accessibilityCreateEmptyOrderedElements();
    accessibilityOrderedElementsMade_ = true;
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const BarChartView* view = asBarChartView(provider.get());
    const std::shared_ptr<BarChartData> data = view ? provider->barData() : nullptr;
    if (data) {
        list.push_back(createAccessibleHeader(*view, *data, QStringLiteral("Bar Chart")));
        for (const DrawnRect& drawn : drawnRects_) {
            const IChartDataSetPtr set = data->getDataSetByIndex(drawn.dataSetIndex);
            const auto* barSet = dynamic_cast<const IBarChartDataSet*>(set.get());
            const auto group = static_cast<std::size_t>(drawn.index / drawn.stackSize);
            if (!barSet || group >= accessibilityOrderedElements_.size()) continue;
            accessibilityOrderedElements_[group].push_back(
                createAccessibleElement(drawn.index, *view, *barSet, drawn.dataSetIndex, drawn.stackSize,
                                        [&drawn](AccessibilityElement& e) { e.setFrame(drawn.frame); }));
        }
        for (const std::vector<AccessibilityElementPtr>& group : accessibilityOrderedElements_)
            list.insert(list.end(), group.begin(), group.end());
    }
    drawnRects_.clear();
}

void BarChartRenderer::drawDataSet(DrawingContext& context, const IBarChartDataSet& dataSet, int index) {
    drawBars(context, dataSet, index, BarDirection::vertical);
}

void BarChartRenderer::drawBars(DrawingContext& context, const IBarChartDataSet& dataSet, int index,
                                BarDirection direction) {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const CallFrame call(*this, *provider);
    const std::optional<AffineTransform>& matrix = frame().valueToPixel(dataSet.axisDependency());
    if (!matrix) return;
    prepareBuffer(dataSet, index);
    if (index < 0 || static_cast<std::size_t>(index) >= buffers_.size()) return;
    Buffer& buffer = buffers_[static_cast<std::size_t>(index)];
    const std::span<Rect> rects(buffer.rects.data(), buffer.prepared);
    rectsToPixels(rects, *matrix);

    const BarSetStyle& style = styleOf(dataSet);
    const ContentBounds& bounds = frame().bounds;
    GStateSaver saver(context);

    if (provider->isDrawBarShadowEnabled()) {
        context.setFillColor(style.shadowColor);
        const std::span<const ChartDataEntryPtr> entries = dataSet.entriesInOrder();
        const std::int64_t count = animatedEntryCount(static_cast<std::int64_t>(entries.size()), frame().phaseX);
        const double barWidth = data->barWidth();
        for (std::int64_t i = 0; i < count; ++i) {
            const BarChartDataEntry* entry = asBarEntry(entries[static_cast<std::size_t>(i)].get());
            if (!entry) continue;
            const Rect column = shadowColumn(direction, entry->x(), barWidth, *matrix, bounds.content);
            const BarCull cull = cullBar(direction, column, bounds);
            if (cull == BarCull::stop) break;
            if (cull == BarCull::draw) context.fillRect(column);
        }
        // Upright bars also lay the shadow under each bar's own rectangle;
        // bars on their side have the column alone.
        if (direction == BarDirection::vertical) {
            for (const Rect& rect : rects) {
                const BarCull cull = cullBar(direction, rect, bounds);
                if (cull == BarCull::stop) break;
                if (cull == BarCull::draw) context.fillRect(rect);
            }
        }
    }

    const bool oneColor = style.colors.isSingle();
    if (oneColor) context.setFillColor(style.colors.at(0));
    const bool bordered = style.borderWidth > 0;
    if (bordered) {
        context.setStrokeColor(style.borderColor);
        context.setLineWidth(style.borderWidth);
    }
    const bool describes = asBarChartView(provider.get()) != nullptr;
    for (std::size_t j = 0; j < rects.size(); ++j) {
        const Rect& rect = rects[j];
        const BarCull cull = cullBar(direction, rect, bounds);
        if (cull == BarCull::stop) break;
        if (cull == BarCull::skip) continue;
        if (!oneColor) context.setFillColor(style.colors.at(static_cast<std::int64_t>(j)));
        context.fillRect(rect);
        if (bordered) context.strokeRect(rect);
        if (describes) drawnRects_.push_back(DrawnRect{index, static_cast<std::int64_t>(j), style.stackSize, rect});
    }
}

void BarChartRenderer::drawExtras(DrawingContext&) {}

Rect BarChartRenderer::prepareBarHighlight(double x, double y1, double y2, double barWidthHalf,
                                           const Transformer& trans) const {
    return highlightRect(BarDirection::vertical, x, y1, y2, barWidthHalf, trans.valueToPixelMatrix(),
                         animator()->phaseY());
}

void BarChartRenderer::setHighlightDrawPos(Highlight& highlight, const Rect& barRect) {
    highlight.setDraw(barRect.origin.x + barRect.size.width / 2.0, barRect.origin.y);
}

void BarChartRenderer::drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) {
    const std::shared_ptr<BarChartDataProvider> provider = dataProvider();
    const std::shared_ptr<BarChartData> data = provider ? provider->barData() : nullptr;
    if (!data) return;
    const CallFrame call(*this, *provider);
    const double barWidthHalf = data->barWidth() / 2.0;
    GStateSaver saver(context);
    for (const HighlightPtr& high : indices) {
        if (!high) continue;
        const IChartDataSetPtr set = data->getDataSetByIndex(high->dataSetIndex());
        const auto* barSet = dynamic_cast<const IBarChartDataSet*>(set.get());
        if (!barSet || !barSet->isHighlightEnabled()) continue;
        const ChartDataEntryPtr found = barSet->entryForXValue(high->x(), high->y());
        const BarChartDataEntry* entry = asBarEntry(found.get());
        if (!entry || !isInBoundsX(found, *barSet)) continue;
        const std::shared_ptr<Transformer> trans = provider->getTransformer(barSet->axisDependency());
        if (!trans) continue;

        context.setFillColor(barSet->highlightColor());
        context.setAlpha(barSet->highlightAlpha());
        double y1 = entry->y();
        double y2 = 0;
        if (high->stackIndex() >= 0 && entry->isStacked()) {
            if (provider->isHighlightFullBarEnabled()) {
                y1 = entry->positiveSum();
                y2 = -entry->negativeSum();
            } else {
                const std::optional<std::vector<Range>>& ranges = entry->ranges();
                const auto stack = static_cast<std::size_t>(high->stackIndex());
                const bool known = ranges && stack < ranges->size();
                y1 = known ? (*ranges)[stack].from() : 0;
                y2 = known ? (*ranges)[stack].to() : 0;
            }
        }
        const Rect rect = prepareBarHighlight(entry->x(), y1, y2, barWidthHalf, *trans);
        setHighlightDrawPos(*high, rect);
        context.fillRect(rect);
    }
}

} // namespace charts
