#pragma once
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/drawing/Geometry.h"
#include "Charts/foundation/ComponentBase.h"

namespace charts {

class LegendEntry;
class ViewPortHandler;
using LegendEntryPtr = std::shared_ptr<LegendEntry>;

// The model of a chart's legend: its entries, their styling, where the
// legend sits, and its layout, which it computes itself: every label's size,
// where a horizontal legend breaks into lines, each line's size and the room
// the whole legend needs. The legend renderer fills the entries and asks for
// the layout on every data change; drawing and the chart's offsets only read
// it. Text is measured through the drawing layer's text measurer.
class Legend : public ComponentBase {
public:
    // The shape before a label. none: no shape and no room for it; empty:
    // the room is kept, nothing drawn; standard: the legend's own form.
    enum class Form { none = 0, empty = 1, standard = 2, square = 3, circle = 4, line = 5 };
    enum class HorizontalAlignment { left = 0, center = 1, right = 2 };
    enum class VerticalAlignment { top = 0, center = 1, bottom = 2 };
    enum class Orientation { horizontal = 0, vertical = 1 };
    enum class Direction { leftToRight = 0, rightToLeft = 1 };

    static constexpr int rawValue(Form form) { return static_cast<int>(form); }
    // Any integer other than 0 to 5 names no shape.
    static constexpr std::optional<Form> formFromRawValue(int raw) {
        if (raw < 0 || raw > 5) return std::nullopt;
        return static_cast<Form>(raw);
    }
    static constexpr std::optional<HorizontalAlignment> horizontalAlignmentFromRawValue(int raw) {
        if (raw < 0 || raw > 2) return std::nullopt;
        return static_cast<HorizontalAlignment>(raw);
    }
    static constexpr std::optional<VerticalAlignment> verticalAlignmentFromRawValue(int raw) {
        if (raw < 0 || raw > 2) return std::nullopt;
        return static_cast<VerticalAlignment>(raw);
    }
    static constexpr std::optional<Orientation> orientationFromRawValue(int raw) {
        if (raw < 0 || raw > 1) return std::nullopt;
        return static_cast<Orientation>(raw);
    }
    static constexpr std::optional<Direction> directionFromRawValue(int raw) {
        if (raw < 0 || raw > 1) return std::nullopt;
        return static_cast<Direction>(raw);
    }

    // Offsets 5 and 3.
    Legend();
    // Offsets left at the component defaults.
    explicit Legend(std::vector<LegendEntryPtr> entries);

    const std::vector<LegendEntryPtr>& entries() const { return entries_; }
    void setEntries(std::vector<LegendEntryPtr> entries) { entries_ = std::move(entries); }
    const std::vector<LegendEntryPtr>& extraEntries() const { return extraEntries_; }
    void setExtraEntries(std::vector<LegendEntryPtr> entries) { extraEntries_ = std::move(entries); }
    HorizontalAlignment horizontalAlignment() const { return horizontalAlignment_; }
    void setHorizontalAlignment(HorizontalAlignment alignment) { horizontalAlignment_ = alignment; }
    VerticalAlignment verticalAlignment() const { return verticalAlignment_; }
    void setVerticalAlignment(VerticalAlignment alignment) { verticalAlignment_ = alignment; }
    Orientation orientation() const { return orientation_; }
    void setOrientation(Orientation orientation) { orientation_ = orientation; }
    // Drawn over the content, reserving no offsets.
    bool drawInside() const { return drawInside_; }
    void setDrawInside(bool inside) { drawInside_ = inside; }
    bool isDrawInsideEnabled() const { return drawInside_; }
    Direction direction() const { return direction_; }
    void setDirection(Direction direction) { direction_ = direction; }
    const QFont& font() const { return font_; }
    void setFont(const QFont& font) { font_ = font; }
    const QColor& textColor() const { return textColor_; }
    void setTextColor(const QColor& color) { textColor_ = color; }
    // The shape of entries whose form is standard.
    Form form() const { return form_; }
    void setForm(Form form) { form_ = form; }
    double formSize() const { return formSize_; }
    void setFormSize(double size) { formSize_ = size; }
    double formLineWidth() const { return formLineWidth_; }
    void setFormLineWidth(double width) { formLineWidth_ = width; }
    double formLineDashPhase() const { return formLineDashPhase_; }
    void setFormLineDashPhase(double phase) { formLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& formLineDashLengths() const { return formLineDashLengths_; }
    void setFormLineDashLengths(std::optional<std::vector<double>> lengths) {
        formLineDashLengths_ = std::move(lengths);
    }
    double xEntrySpace() const { return xEntrySpace_; }
    void setXEntrySpace(double space) { xEntrySpace_ = space; }
    double yEntrySpace() const { return yEntrySpace_; }
    void setYEntrySpace(double space) { yEntrySpace_ = space; }
    double formToTextSpace() const { return formToTextSpace_; }
    void setFormToTextSpace(double space) { formToTextSpace_ = space; }
    double stackSpace() const { return stackSpace_; }
    void setStackSpace(double space) { stackSpace_ = space; }
    bool wordWrapEnabled() const { return wordWrapEnabled_; }
    void setWordWrapEnabled(bool enabled) { wordWrapEnabled_ = enabled; }
    bool isWordWrapEnabled() const { return wordWrapEnabled_; }
    double maxSizePercent() const { return maxSizePercent_; }
    void setMaxSizePercent(double percent) { maxSizePercent_ = percent; }

    // The computed layout (horizontal orientation only for the three lists).
    const std::vector<Size>& calculatedLabelSizes() const { return calculatedLabelSizes_; }
    void setCalculatedLabelSizes(std::vector<Size> sizes) { calculatedLabelSizes_ = std::move(sizes); }
    const std::vector<bool>& calculatedLabelBreakPoints() const { return calculatedLabelBreakPoints_; }
    void setCalculatedLabelBreakPoints(std::vector<bool> breaks) { calculatedLabelBreakPoints_ = std::move(breaks); }
    const std::vector<Size>& calculatedLineSizes() const { return calculatedLineSizes_; }
    void setCalculatedLineSizes(std::vector<Size> sizes) { calculatedLineSizes_ = std::move(sizes); }
    double neededWidth() const { return neededWidth_; }
    void setNeededWidth(double width) { neededWidth_ = width; }
    double neededHeight() const { return neededHeight_; }
    void setNeededHeight(double height) { neededHeight_ = height; }
    double textWidthMax() const { return textWidthMax_; }
    void setTextWidthMax(double width) { textWidthMax_ = width; }
    double textHeightMax() const { return textHeightMax_; }
    void setTextHeightMax(double height) { textHeightMax_ = height; }

    // The widest label plus the largest form and the form-to-text space; the
    // tallest label. (formToTextSpace, 0) without entries.
    virtual Size getMaximumEntrySize(const QFont& font) const;
    virtual void calculateDimensions(const QFont& labelFont, const ViewPortHandler& viewPortHandler);

    // Entries that the renderer no longer replaces from the data.
    void setCustom(std::vector<LegendEntryPtr> entries);
    void resetCustom() { isLegendCustom_ = false; }
    bool isLegendCustom() const { return isLegendCustom_; }

private:
    void calculateVertical(const QFont& font, double lineHeight, double defaultFormSize);
    void calculateHorizontal(const QFont& font, double lineHeight, const ViewPortHandler& viewPortHandler);

    std::vector<LegendEntryPtr> entries_;
    std::vector<LegendEntryPtr> extraEntries_;
    bool isLegendCustom_ = false;
    HorizontalAlignment horizontalAlignment_ = HorizontalAlignment::left;
    VerticalAlignment verticalAlignment_ = VerticalAlignment::bottom;
    Orientation orientation_ = Orientation::horizontal;
    bool drawInside_ = false;
    Direction direction_ = Direction::leftToRight;
    QFont font_;
    QColor textColor_;
    Form form_ = Form::square;
    double formSize_ = 8.0;
    double formLineWidth_ = 3.0;
    double formLineDashPhase_ = 0;
    std::optional<std::vector<double>> formLineDashLengths_;
    double xEntrySpace_ = 6.0;
    double yEntrySpace_ = 0.0;
    double formToTextSpace_ = 5.0;
    double stackSpace_ = 3.0;
    std::vector<Size> calculatedLabelSizes_;
    std::vector<bool> calculatedLabelBreakPoints_;
    std::vector<Size> calculatedLineSizes_;
    double neededWidth_ = 0;
    double neededHeight_ = 0;
    double textWidthMax_ = 0;
    double textHeightMax_ = 0;
    bool wordWrapEnabled_ = true;
    double maxSizePercent_ = 0.95;
};

// One item of a legend. An entry without a label is a stacked form that
// belongs to the next labelled entry. NaN sizes and widths, a NaN dash phase
// and absent dashes mean the legend's own values.
class LegendEntry {
public:
    LegendEntry() = default;
    LegendEntry(std::optional<QString> label, Legend::Form form, double formSize, double formLineWidth,
                double formLineDashPhase, std::optional<std::vector<double>> formLineDashLengths,
                std::optional<QColor> formColor)
        : label_(std::move(label)),
          form_(form),
          formSize_(formSize),
          formLineWidth_(formLineWidth),
          formLineDashPhase_(formLineDashPhase),
          formLineDashLengths_(std::move(formLineDashLengths)),
          formColor_(std::move(formColor)) {}
    virtual ~LegendEntry() = default;
    LegendEntry(const LegendEntry&) = delete;
    LegendEntry& operator=(const LegendEntry&) = delete;

    const std::optional<QString>& label() const { return label_; }
    void setLabel(std::optional<QString> label) { label_ = std::move(label); }
    Legend::Form form() const { return form_; }
    void setForm(Legend::Form form) { form_ = form; }
    double formSize() const { return formSize_; }
    void setFormSize(double size) { formSize_ = size; }
    double formLineWidth() const { return formLineWidth_; }
    void setFormLineWidth(double width) { formLineWidth_ = width; }
    double formLineDashPhase() const { return formLineDashPhase_; }
    void setFormLineDashPhase(double phase) { formLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& formLineDashLengths() const { return formLineDashLengths_; }
    void setFormLineDashLengths(std::optional<std::vector<double>> lengths) {
        formLineDashLengths_ = std::move(lengths);
    }
    // No colour (or a fully transparent one) draws no shape.
    const std::optional<QColor>& formColor() const { return formColor_; }
    void setFormColor(std::optional<QColor> color) { formColor_ = std::move(color); }

private:
    std::optional<QString> label_;
    Legend::Form form_ = Legend::Form::standard;
    double formSize_ = std::numeric_limits<double>::quiet_NaN();
    double formLineWidth_ = std::numeric_limits<double>::quiet_NaN();
    double formLineDashPhase_ = 0;
    std::optional<std::vector<double>> formLineDashLengths_;
    std::optional<QColor> formColor_;
};

} // namespace charts
