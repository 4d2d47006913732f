#include "Charts/foundation/Legend.h"

#include <algorithm>

#include "Charts/foundation/ChartEnvironment.h"
#include "Charts/foundation/PlatformStyle.h"
#include "Charts/foundation/ViewPortHandler.h"

namespace charts {

Legend::Legend() : font_(systemFont(10)), textColor_(labelColor()) {
    setXOffset(5.0);
    setYOffset(3.0);
}

Legend::Legend(std::vector<LegendEntryPtr> entries) : Legend() {
    // Back to the component's own offsets.
    setXOffset(5.0);
    setYOffset(5.0);
    entries_ = std::move(entries);
}

void Legend::setCustom(std::vector<LegendEntryPtr> entries) {
    setEntries(std::move(entries));
    isLegendCustom_ = true;
}

Size Legend::getMaximumEntrySize(const QFont& font) const {
    double maxFormSize = 0;
    double maxWidth = 0;
    double maxHeight = 0;
    for (const LegendEntryPtr& entry : entries_) {
        const double formSize = std::isnan(entry->formSize()) ? formSize_ : entry->formSize();
        maxFormSize = std::max(formSize, maxFormSize);
        if (!entry->label()) continue;
        const Size size = textMeasurer().size(*entry->label(), font);
        maxWidth = std::max(size.width, maxWidth);
        maxHeight = std::max(size.height, maxHeight);
    }
    return Size{maxWidth + maxFormSize + formToTextSpace_, maxHeight};
}

void Legend::calculateDimensions(const QFont& labelFont, const ViewPortHandler& viewPortHandler) {
    const Size maxEntrySize = getMaximumEntrySize(labelFont);
    textWidthMax_ = maxEntrySize.width;
    textHeightMax_ = maxEntrySize.height;
    const double lineHeight = textMeasurer().lineHeight(labelFont);
    if (orientation_ == Orientation::vertical) {
        calculateVertical(labelFont, lineHeight, formSize_);
    } else {
        calculateHorizontal(labelFont, lineHeight, viewPortHandler);
    }
    neededWidth_ += xOffset();
    neededHeight_ += yOffset();
}

void Legend::calculateVertical(const QFont& font, double lineHeight, double defaultFormSize) {
    const std::size_t count = entries_.size();
    double maxWidth = 0;
    double width = 0;
    double maxHeight = 0;
    bool wasStacked = false;
    const double lineStep = lineHeight + yEntrySpace_;
    for (std::size_t i = 0; i < count; ++i) {
        const LegendEntry& entry = *entries_[i];
        const bool drawingForm = entry.form() != Form::none;
        const double formSize = std::isnan(entry.formSize()) ? defaultFormSize : entry.formSize();
        if (!wasStacked) width = 0;
        if (drawingForm) {
            if (wasStacked) width += stackSpace_;
            width += formSize;
        }
        if (entry.label()) {
            if (drawingForm && !wasStacked) {
                width += formToTextSpace_;
            } else if (wasStacked) {
                // The stack gets a line of its own before the label's.
                maxWidth = std::max(maxWidth, width);
                maxHeight += lineStep;
                width = 0;
                wasStacked = false;
            }
            width += textMeasurer().size(*entry.label(), font).width;
            maxHeight += lineStep;
        } else {
            wasStacked = true;
            width += formSize;
            if (i < count - 1) width += stackSpace_;
        }
        maxWidth = std::max(maxWidth, width);
    }
    neededWidth_ = maxWidth;
    neededHeight_ = maxHeight;
}

void Legend::calculateHorizontal(const QFont& font, double lineHeight, const ViewPortHandler& viewPortHandler) {
    const std::size_t count = entries_.size();
    const double contentWidth = viewPortHandler.contentWidth() * maxSizePercent_;
    // Lists of the right length are rewritten in place.
    if (calculatedLabelSizes_.size() != count) calculatedLabelSizes_.assign(count, Size{});
    if (calculatedLabelBreakPoints_.size() != count) calculatedLabelBreakPoints_.assign(count, false);
    calculatedLineSizes_.clear();

    double maxLineWidth = 0;
    double currentLineWidth = 0;
    double requiredWidth = 0;
    long stackedStartIndex = -1;
    for (std::size_t i = 0; i < count; ++i) {
        const LegendEntry& entry = *entries_[i];
        const bool drawingForm = entry.form() != Form::none;
        calculatedLabelBreakPoints_[i] = false;
        if (stackedStartIndex == -1) {
            requiredWidth = 0;
        } else {
            requiredWidth += stackSpace_;
        }
        // This orientation measures every form with the legend's own size.
        if (entry.label()) {
            calculatedLabelSizes_[i] = textMeasurer().size(*entry.label(), font);
            requiredWidth += (drawingForm ? formToTextSpace_ + formSize_ : 0) + calculatedLabelSizes_[i].width;
        } else {
            calculatedLabelSizes_[i] = Size{};
            requiredWidth += drawingForm ? formSize_ : 0;
            if (stackedStartIndex == -1) stackedStartIndex = static_cast<long>(i);
        }
        if (entry.label() || i == count - 1) {
            const double requiredSpacing = currentLineWidth == 0 ? 0 : xEntrySpace_;
            if (!wordWrapEnabled_ || currentLineWidth == 0 ||
                contentWidth - currentLineWidth >= requiredSpacing + requiredWidth) {
                currentLineWidth += requiredSpacing + requiredWidth;
            } else {
                calculatedLineSizes_.push_back(Size{currentLineWidth, lineHeight});
                maxLineWidth = std::max(maxLineWidth, currentLineWidth);
                // A stack moves to the new line together with its label.
                const std::size_t breakAt = stackedStartIndex != -1 ? static_cast<std::size_t>(stackedStartIndex) : i;
                calculatedLabelBreakPoints_[breakAt] = true;
                currentLineWidth = requiredWidth;
            }
            if (i == count - 1) {
                calculatedLineSizes_.push_back(Size{currentLineWidth, lineHeight});
                maxLineWidth = std::max(maxLineWidth, currentLineWidth);
            }
        }
        if (entry.label()) stackedStartIndex = -1;
    }
    neededWidth_ = maxLineWidth;
    const auto lines = static_cast<double>(calculatedLineSizes_.size());
    neededHeight_ = lines == 0 ? 0 : lineHeight * lines + yEntrySpace_ * (lines - 1);
}

} // namespace charts
