#pragma once
#include <any>
#include <cmath>
#include <memory>

#include <QImage>

#include "Charts/data/ChartDataEntry.h"

namespace charts {

// One candle: the highest, lowest, opening and closing price at an x
// position. Its y is the middle of its shadow, (high + low) / 2, fixed when
// the candle is made or y is set: setting y stores that middle whatever the
// value given, and changing high or low leaves y as it was.
class CandleChartDataEntry : public ChartDataEntry {
public:
    CandleChartDataEntry() = default;
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close, QImage icon);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close, std::any data);
    CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close, QImage icon,
                         std::any data);
    // A candle has four prices, not one y.
    CandleChartDataEntry(double x, double y) = delete;

    virtual double high() const { return high_; }
    virtual void setHigh(double high) { high_ = high; }
    virtual double low() const { return low_; }
    virtual void setLow(double low) { low_ = low; }
    virtual double close() const { return close_; }
    virtual void setClose(double close) { close_ = close; }
    virtual double open() const { return open_; }
    virtual void setOpen(double open) { open_ = open; }

    double y() const override { return ChartDataEntry::y(); }
    // Stores (high + low) / 2; the value is not used.
    void setY(double y) override;

    // Never negative: |high − low| and |open − close|.
    virtual double shadowRange() const { return std::abs(high() - low()); }
    virtual double bodyRange() const { return std::abs(open() - close()); }

    // The four prices and the y of this candle, whatever its high and low
    // are now.
    std::shared_ptr<ChartDataEntry> copy() const override;

protected:
    std::shared_ptr<ChartDataEntry> makeBlank() const override;

private:
    double high_ = 0;
    double low_ = 0;
    double close_ = 0;
    double open_ = 0;
};

} // namespace charts
