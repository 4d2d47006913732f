#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "Charts/data/BarLineScatterCandleBubbleChartData.h"

namespace charts {

class BarChartData;
class BubbleChartData;
class CandleChartData;
class LineChartData;
class ScatterChartData;

// The data of a combined chart: up to five sub-data of different kinds
// (line, bar, scatter, candle, bubble) drawn in one plot area. It keeps the
// bookkeeping of any chart data (the flat list of sets, the bounds overall
// and per y axis) for the whole, recomputed from the sub-data, so that axes,
// legend and view port treat it like any bar-line data.
//
// A sub-data is known by its position in allData(), which lists only the
// sub-data that are set, always in the order line, bar, scatter, candle,
// bubble: setting or clearing one shifts the positions of those after it.
// Highlights carry that position as their data index.
class CombinedChartData : public BarLineScatterCandleBubbleChartData {
public:
    CombinedChartData() = default;
    // A combined data is filled through its five sub-data: the given sets
    // are dropped, and it starts as empty as the plain constructor leaves it.
    explicit CombinedChartData(DataSets dataSets)
        : BarLineScatterCandleBubbleChartData(DeferBounds{}, std::move(dataSets)) {
        notifyDataChanged();
    }

    // Each setter stores the sub-data (none allowed) and recomputes the whole.
    virtual std::shared_ptr<LineChartData> lineData() const { return lineData_; }
    virtual void setLineData(std::shared_ptr<LineChartData> data);
    virtual std::shared_ptr<BarChartData> barData() const { return barData_; }
    virtual void setBarData(std::shared_ptr<BarChartData> data);
    virtual std::shared_ptr<ScatterChartData> scatterData() const { return scatterData_; }
    virtual void setScatterData(std::shared_ptr<ScatterChartData> data);
    virtual std::shared_ptr<CandleChartData> candleData() const { return candleData_; }
    virtual void setCandleData(std::shared_ptr<CandleChartData> data);
    virtual std::shared_ptr<BubbleChartData> bubbleData() const { return bubbleData_; }
    virtual void setBubbleData(std::shared_ptr<BubbleChartData> data);

    // The sub-data that are set, in the order line, bar, scatter, candle,
    // bubble.
    virtual std::vector<std::shared_ptr<ChartData>> allData() const;
    // The sub-data at a position of allData(); none outside it.
    virtual std::shared_ptr<ChartData> dataByIndex(int index) const;
    // The position in allData() of that very sub-data; none when it is not
    // one of them.
    virtual std::optional<int> dataIndex(const std::shared_ptr<ChartData>& data) const;
    // The set at the highlight's data-set index within the sub-data at its
    // data index; none when either index is out of range (-1 included).
    IChartDataSetPtr getDataSetByHighlight(const Highlight& highlight) const override;

    // Every sub-data's own, then the whole's bounds.
    void notifyDataChanged() override;
    // The flat list of sets (the sub-data's, in allData() order) and the
    // bounds, recomputed from the sub-data; per y axis from the sets on it.
    // Bounds no value reached stay at their reset values.
    using BarLineScatterCandleBubbleChartData::calcMinMax;
    void calcMinMax() override;
    // Among the entries at the highlight's x in the set it names, the first
    // whose y is the highlight's (the first of all for a NaN y).
    ChartDataEntryPtr entryForHighlight(const Highlight& highlight) const override;
    // Asks each sub-data in turn to remove the set; the first that does ends
    // the search, and the whole is recomputed, so the set leaves the flat
    // list (and with it the legend) and the bounds.
    bool removeDataSet(const IChartDataSetPtr& dataSet) override;
    // Positions and entries name nothing unambiguous across sub-data: each
    // prints why on standard output, changes nothing and answers false.
    bool removeDataSetByIndex(int index) override;
    bool removeEntry(const ChartDataEntryPtr& entry, int dataSetIndex) override;
    bool removeEntry(double xValue, int dataSetIndex) override;

private:
    std::shared_ptr<LineChartData> lineData_;
    std::shared_ptr<BarChartData> barData_;
    std::shared_ptr<ScatterChartData> scatterData_;
    std::shared_ptr<CandleChartData> candleData_;
    std::shared_ptr<BubbleChartData> bubbleData_;
};

} // namespace charts
