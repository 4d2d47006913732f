#pragma once
#include "Charts/data/LineRadarChartDataSet.h"
#include "Charts/types/radar/IRadarChartDataSet.h"

namespace charts {

// The entries of one radar polygon with its line, fill and the circle
// around a highlighted entry (off by default: a white ring from radius 3 to
// 4 with an outline of width 2 in the set's first colour at alpha 0.3).
class RadarChartDataSet : public LineRadarChartDataSet, public virtual IRadarChartDataSet {
public:
    RadarChartDataSet();
    RadarChartDataSet(Entries entries, std::optional<QString> label);

    bool drawHighlightCircleEnabled() const override { return drawHighlightCircleEnabled_; }
    virtual void setDrawHighlightCircleEnabled(bool enabled) { drawHighlightCircleEnabled_ = enabled; }
    bool isDrawHighlightCircleEnabled() const override { return drawHighlightCircleEnabled_; }
    std::optional<QColor> highlightCircleFillColor() const override { return highlightCircleFillColor_; }
    virtual void setHighlightCircleFillColor(std::optional<QColor> color) {
        highlightCircleFillColor_ = std::move(color);
    }
    std::optional<QColor> highlightCircleStrokeColor() const override { return highlightCircleStrokeColor_; }
    virtual void setHighlightCircleStrokeColor(std::optional<QColor> color) {
        highlightCircleStrokeColor_ = std::move(color);
    }
    double highlightCircleStrokeAlpha() const override { return highlightCircleStrokeAlpha_; }
    virtual void setHighlightCircleStrokeAlpha(double alpha) { highlightCircleStrokeAlpha_ = alpha; }
    double highlightCircleInnerRadius() const override { return highlightCircleInnerRadius_; }
    virtual void setHighlightCircleInnerRadius(double radius) { highlightCircleInnerRadius_ = radius; }
    double highlightCircleOuterRadius() const override { return highlightCircleOuterRadius_; }
    virtual void setHighlightCircleOuterRadius(double radius) { highlightCircleOuterRadius_ = radius; }
    double highlightCircleStrokeWidth() const override { return highlightCircleStrokeWidth_; }
    virtual void setHighlightCircleStrokeWidth(double width) { highlightCircleStrokeWidth_ = width; }

protected:
    RadarChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    // The copy keeps the highlight circle's settings too.
    void copyInto(ChartBaseDataSet& target) const override;

private:
    bool drawHighlightCircleEnabled_ = false;
    std::optional<QColor> highlightCircleFillColor_ = QColor(255, 255, 255);
    std::optional<QColor> highlightCircleStrokeColor_;
    double highlightCircleStrokeAlpha_ = 0.3;
    double highlightCircleInnerRadius_ = 3.0;
    double highlightCircleOuterRadius_ = 4.0;
    double highlightCircleStrokeWidth_ = 2.0;
};

} // namespace charts
