#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "Charts/drawing/StrokeStyle.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/foundation/ComponentBase.h"

namespace charts {

// The model of one chart axis: label, axis-line and grid styling, limit
// lines, the settings that steer the choice of label values, the label values
// the axis renderer writes back, and the range with optional custom bounds.
//
// The bounds never hold a non-finite value (the renderer takes logarithms of
// the range and converts it to integers): a custom bound that is not finite
// is refused, and a calculation whose bounds or range would not be finite,
// as for data without entries, sets the bounds it took from the data to 0,
// so the axis shows no labels rather than those of earlier data.
class AxisBase : public ComponentBase {
public:
    AxisBase();

    const QFont& labelFont() const { return labelFont_; }
    void setLabelFont(const QFont& font) { labelFont_ = font; }
    const QColor& labelTextColor() const { return labelTextColor_; }
    void setLabelTextColor(const QColor& color) { labelTextColor_ = color; }
    const QColor& axisLineColor() const { return axisLineColor_; }
    void setAxisLineColor(const QColor& color) { axisLineColor_ = color; }
    double axisLineWidth() const { return axisLineWidth_; }
    void setAxisLineWidth(double width) { axisLineWidth_ = width; }
    double axisLineDashPhase() const { return axisLineDashPhase_; }
    void setAxisLineDashPhase(double phase) { axisLineDashPhase_ = phase; }
    // None draws the line solid.
    const std::optional<std::vector<double>>& axisLineDashLengths() const { return axisLineDashLengths_; }
    void setAxisLineDashLengths(std::optional<std::vector<double>> lengths) {
        axisLineDashLengths_ = std::move(lengths);
    }
    const QColor& gridColor() const { return gridColor_; }
    void setGridColor(const QColor& color) { gridColor_ = color; }
    double gridLineWidth() const { return gridLineWidth_; }
    void setGridLineWidth(double width) { gridLineWidth_ = width; }
    double gridLineDashPhase() const { return gridLineDashPhase_; }
    void setGridLineDashPhase(double phase) { gridLineDashPhase_ = phase; }
    const std::optional<std::vector<double>>& gridLineDashLengths() const { return gridLineDashLengths_; }
    void setGridLineDashLengths(std::optional<std::vector<double>> lengths) {
        gridLineDashLengths_ = std::move(lengths);
    }
    LineCap gridLineCap() const { return gridLineCap_; }
    void setGridLineCap(LineCap cap) { gridLineCap_ = cap; }

    bool drawGridLinesEnabled() const { return drawGridLinesEnabled_; }
    void setDrawGridLinesEnabled(bool enabled) { drawGridLinesEnabled_ = enabled; }
    bool isDrawGridLinesEnabled() const { return drawGridLinesEnabled_; }
    bool drawAxisLineEnabled() const { return drawAxisLineEnabled_; }
    void setDrawAxisLineEnabled(bool enabled) { drawAxisLineEnabled_ = enabled; }
    bool isDrawAxisLineEnabled() const { return drawAxisLineEnabled_; }
    bool drawLabelsEnabled() const { return drawLabelsEnabled_; }
    void setDrawLabelsEnabled(bool enabled) { drawLabelsEnabled_ = enabled; }
    bool isDrawLabelsEnabled() const { return drawLabelsEnabled_; }
    // Reads true only while there are entries to centre between.
    bool centerAxisLabelsEnabled() const { return centerAxisLabelsEnabled_ && entryCount() > 0; }
    void setCenterAxisLabelsEnabled(bool enabled) { centerAxisLabelsEnabled_ = enabled; }
    bool isCenterAxisLabelsEnabled() const { return centerAxisLabelsEnabled(); }
    bool drawLimitLinesBehindDataEnabled() const { return drawLimitLinesBehindDataEnabled_; }
    void setDrawLimitLinesBehindDataEnabled(bool enabled) { drawLimitLinesBehindDataEnabled_ = enabled; }
    bool isDrawLimitLinesBehindDataEnabled() const { return drawLimitLinesBehindDataEnabled_; }
    bool drawGridLinesBehindDataEnabled() const { return drawGridLinesBehindDataEnabled_; }
    void setDrawGridLinesBehindDataEnabled(bool enabled) { drawGridLinesBehindDataEnabled_ = enabled; }
    bool isDrawGridLinesBehindDataEnabled() const { return drawGridLinesBehindDataEnabled_; }
    bool gridAntialiasEnabled() const { return gridAntialiasEnabled_; }
    void setGridAntialiasEnabled(bool enabled) { gridAntialiasEnabled_ = enabled; }

    // Written by the axis renderer.
    const std::vector<double>& entries() const { return entries_; }
    std::vector<double>& entries() { return entries_; }
    void setEntries(std::vector<double> entries) { entries_ = std::move(entries); }
    const std::vector<double>& centeredEntries() const { return centeredEntries_; }
    std::vector<double>& centeredEntries() { return centeredEntries_; }
    void setCenteredEntries(std::vector<double> entries) { centeredEntries_ = std::move(entries); }
    std::int64_t entryCount() const { return static_cast<std::int64_t>(entries_.size()); }
    int decimals() const { return decimals_; }
    void setDecimals(int decimals) { decimals_ = decimals; }

    // Kept within axisMinLabels to axisMaxLabels; writing it clears the
    // forced labels.
    std::int64_t labelCount() const { return labelCount_; }
    void setLabelCount(std::int64_t count);
    void setLabelCount(std::int64_t count, bool force);
    bool forceLabelsEnabled() const { return forceLabelsEnabled_; }
    void setForceLabelsEnabled(bool enabled) { forceLabelsEnabled_ = enabled; }
    bool isForceLabelsEnabled() const { return forceLabelsEnabled_; }
    // Values of 0 or less are refused.
    std::int64_t axisMinLabels() const { return axisMinLabels_; }
    void setAxisMinLabels(std::int64_t count) {
        if (count > 0) axisMinLabels_ = count;
    }
    std::int64_t axisMaxLabels() const { return axisMaxLabels_; }
    void setAxisMaxLabels(std::int64_t count) {
        if (count > 0) axisMaxLabels_ = count;
    }

    // Writing the granularity switches it on.
    bool granularityEnabled() const { return granularityEnabled_; }
    void setGranularityEnabled(bool enabled) { granularityEnabled_ = enabled; }
    bool isGranularityEnabled() const { return granularityEnabled_; }
    double granularity() const { return granularity_; }
    void setGranularity(double granularity) {
        granularity_ = granularity;
        granularityEnabled_ = true;
    }

    double spaceMin() const { return spaceMin_; }
    void setSpaceMin(double space) { spaceMin_ = space; }
    double spaceMax() const { return spaceMax_; }
    void setSpaceMax(double space) { spaceMax_ = space; }

    // Writing a bound makes it custom until reset; a non-finite value is
    // refused. Resetting keeps the stored bound until the next calculation.
    double axisMinimum() const { return axisMinimum_; }
    void setAxisMinimum(double value);
    double axisMaximum() const { return axisMaximum_; }
    void setAxisMaximum(double value);
    bool isAxisMinCustom() const { return customAxisMin_; }
    bool isAxisMaxCustom() const { return customAxisMax_; }
    void resetCustomAxisMin() { customAxisMin_ = false; }
    void resetCustomAxisMax() { customAxisMax_ = false; }
    double axisRange() const { return axisRange_; }
    void setAxisRange(double range) { axisRange_ = range; }
    // Bounds an axis renderer calculated itself (the radar's radial axis
    // ends its range at its outermost labels): stored with their distance as
    // the range, and not made custom.
    void setCalculatedBounds(double minimum, double maximum) { storeRange(minimum, maximum); }

    // The same line may be added twice; removal takes the first with that
    // identity.
    const std::vector<ChartLimitLinePtr>& limitLines() const { return limitLines_; }
    void addLimitLine(ChartLimitLinePtr line);
    void removeLimitLine(const ChartLimitLinePtr& line);
    void removeAllLimitLines() { limitLines_.clear(); }

    // Never none: a default formatter with the axis's decimals is made when
    // none is stored, and automatic decimals follow the axis at every read.
    virtual std::shared_ptr<IAxisValueFormatter> valueFormatter();
    // None stores a new default formatter.
    virtual void setValueFormatter(std::shared_ptr<IAxisValueFormatter> formatter);

    // The longest label by user-perceived characters; the first of equals.
    virtual QString getLongestLabel();
    // The label of the entry at the index; the empty text outside them.
    virtual QString getFormattedLabel(std::int64_t index);

    // The range from the data's minimum and maximum, with the spaces and the
    // custom bounds.
    virtual void calculate(double dataMin, double dataMax);

protected:
    // Stores calculated bounds and their distance as the range. Bounds or a
    // range that would not be finite make each bound that is not custom 0.
    void storeRange(double minimum, double maximum);

private:
    std::shared_ptr<IAxisValueFormatter> axisValueFormatter_;
    QFont labelFont_;
    QColor labelTextColor_;
    QColor axisLineColor_;
    double axisLineWidth_ = 0.5;
    double axisLineDashPhase_ = 0;
    std::optional<std::vector<double>> axisLineDashLengths_;
    QColor gridColor_;
    double gridLineWidth_ = 0.5;
    double gridLineDashPhase_ = 0;
    std::optional<std::vector<double>> gridLineDashLengths_;
    LineCap gridLineCap_ = LineCap::butt;
    bool drawGridLinesEnabled_ = true;
    bool drawAxisLineEnabled_ = true;
    bool drawLabelsEnabled_ = true;
    bool centerAxisLabelsEnabled_ = false;
    std::vector<ChartLimitLinePtr> limitLines_;
    bool drawLimitLinesBehindDataEnabled_ = false;
    bool drawGridLinesBehindDataEnabled_ = true;
    bool gridAntialiasEnabled_ = true;
    std::vector<double> entries_;
    std::vector<double> centeredEntries_;
    std::int64_t labelCount_ = 6;
    int decimals_ = 0;
    bool granularityEnabled_ = false;
    double granularity_ = 1.0;
    bool forceLabelsEnabled_ = false;
    double spaceMin_ = 0;
    double spaceMax_ = 0;
    bool customAxisMin_ = false;
    bool customAxisMax_ = false;
    double axisMinimum_ = 0;
    double axisMaximum_ = 0;
    double axisRange_ = 0;
    std::int64_t axisMinLabels_ = 2;
    std::int64_t axisMaxLabels_ = 25;
};

} // namespace charts
