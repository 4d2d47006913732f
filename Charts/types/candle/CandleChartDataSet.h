#pragma once
#include <optional>

#include <QColor>

#include "Charts/data/LineScatterCandleRadarChartDataSet.h"
#include "Charts/types/candle/ICandleChartDataSet.h"

namespace charts {

// A candlestick chart's data set: candles (CandleChartDataEntry) with the
// space beside each, the shadow line, the colours of falling, rising and
// unchanged candles and which bodies are filled. Its y bounds run from the
// lowest low to the highest high; entries of another class count for
// nothing.
class CandleChartDataSet : public LineScatterCandleRadarChartDataSet, public virtual ICandleChartDataSet {
public:
    CandleChartDataSet();
    CandleChartDataSet(Entries entries, std::optional<QString> label);

    using ChartDataSet::calcMinMax;
    using ChartDataSet::calcMinMaxY;
    // Low and high into the y bounds, x into the x bounds.
    void calcMinMax(const ChartDataEntry& entry) override;
    // High, then low, into the y bounds.
    void calcMinMaxY(const ChartDataEntry& entry) override;

    double barSpace() const override { return barSpace_; }
    // Kept within 0 to 0.45 (a value that is not a number is kept as it is).
    void setBarSpace(double space) override;
    bool showCandleBar() const override { return showCandleBar_; }
    void setShowCandleBar(bool show) override { showCandleBar_ = show; }
    double shadowWidth() const override { return shadowWidth_; }
    void setShadowWidth(double width) override { shadowWidth_ = width; }
    std::optional<QColor> shadowColor() const override { return shadowColor_; }
    void setShadowColor(std::optional<QColor> color) override { shadowColor_ = std::move(color); }
    bool shadowColorSameAsCandle() const override { return shadowColorSameAsCandle_; }
    void setShadowColorSameAsCandle(bool same) override { shadowColorSameAsCandle_ = same; }
    bool isShadowColorSameAsCandle() const override { return shadowColorSameAsCandle(); }
    std::optional<QColor> neutralColor() const override { return neutralColor_; }
    void setNeutralColor(std::optional<QColor> color) override { neutralColor_ = std::move(color); }
    std::optional<QColor> increasingColor() const override { return increasingColor_; }
    void setIncreasingColor(std::optional<QColor> color) override { increasingColor_ = std::move(color); }
    std::optional<QColor> decreasingColor() const override { return decreasingColor_; }
    void setDecreasingColor(std::optional<QColor> color) override { decreasingColor_ = std::move(color); }
    bool increasingFilled() const override { return increasingFilled_; }
    void setIncreasingFilled(bool filled) override { increasingFilled_ = filled; }
    bool isIncreasingFilled() const override { return increasingFilled(); }
    bool decreasingFilled() const override { return decreasingFilled_; }
    void setDecreasingFilled(bool filled) override { decreasingFilled_ = filled; }
    bool isDecreasingFilled() const override { return decreasingFilled(); }

    // With a falling colour, the falling then the rising colour, labelled at
    // the second; otherwise the colour run of any set.
    void appendLegendEntries(std::vector<LegendEntryPtr>& entries) const override;

protected:
    CandleChartDataSet(DeferBounds, Entries entries, std::optional<QString> label);
    std::shared_ptr<ChartBaseDataSet> makeBlank() const override;
    // The copy keeps the candle fields too.
    void copyInto(ChartBaseDataSet& target) const override;

private:
    double barSpace_ = 0.1;
    bool showCandleBar_ = true;
    double shadowWidth_ = 1.5;
    std::optional<QColor> shadowColor_;
    bool shadowColorSameAsCandle_ = false;
    std::optional<QColor> neutralColor_;
    std::optional<QColor> increasingColor_;
    std::optional<QColor> decreasingColor_;
    bool increasingFilled_ = false;
    bool decreasingFilled_ = true;
};

} // namespace charts
