#pragma once
#include <optional>
#include <vector>

#include <QColor>
#include <QString>

#include "Charts/data/ChartData.h"

namespace charts {

// The data of a radar chart: its sets, the look of the highlight lines and
// labels kept for callers (the chart names its spokes through the x axis's
// formatter). A highlight's x is the entry's position in its set.
class RadarChartData : public ChartData {
public:
    RadarChartData() = default;
    explicit RadarChartData(DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) { notifyDataChanged(); }

    const QColor& highlightColor() const { return highlightColor_; }
    virtual void setHighlightColor(const QColor& color) { highlightColor_ = color; }
    double highlightLineWidth() const { return highlightLineWidth_; }
    virtual void setHighlightLineWidth(double width) { highlightLineWidth_ = width; }
    double highlightLineDashPhase() const { return highlightLineDashPhase_; }
    virtual void setHighlightLineDashPhase(double phase) { highlightLineDashPhase_ = phase; }
    // None draws the highlight lines solid.
    const std::optional<std::vector<double>>& highlightLineDashLengths() const { return highlightLineDashLengths_; }
    virtual void setHighlightLineDashLengths(std::optional<std::vector<double>> lengths) {
        highlightLineDashLengths_ = std::move(lengths);
    }
    const std::vector<QString>& labels() const { return labels_; }
    virtual void setLabels(std::vector<QString> labels) { labels_ = std::move(labels); }

    // The entry at the position the highlight's x names (truncated toward
    // zero) in the highlight's set; none outside the set or for an x that
    // names no position.
    ChartDataEntryPtr entryForHighlight(const Highlight& highlight) const override;

protected:
    RadarChartData(DeferBounds, DataSets dataSets) : ChartData(DeferBounds{}, std::move(dataSets)) {}

private:
    QColor highlightColor_ = QColor(255, 187, 115);
    double highlightLineWidth_ = 1.0;
    double highlightLineDashPhase_ = 0;
    std::optional<std::vector<double>> highlightLineDashLengths_;
    std::vector<QString> labels_;
};

} // namespace charts
