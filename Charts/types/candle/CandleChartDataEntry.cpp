#include "Charts/types/candle/CandleChartDataEntry.h"

namespace charts {

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close)
    : ChartDataEntry(x, (shadowH + shadowL) / 2),
      high_(shadowH),
      low_(shadowL),
      close_(close),
      open_(open) {}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           QImage icon)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close) {
    setIcon(std::move(icon));
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           std::any data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close) {
    setData(std::move(data));
}

CandleChartDataEntry::CandleChartDataEntry(double x, double shadowH, double shadowL, double open, double close,
                                           QImage icon, std::any data)
    : CandleChartDataEntry(x, shadowH, shadowL, open, close) {
    setIcon(std::move(icon));
    setData(std::move(data));
}

void CandleChartDataEntry::setY(double) { ChartDataEntry::setY((high() + low()) / 2); }

std::shared_ptr<ChartDataEntry> CandleChartDataEntry::makeBlank() const {
    return std::make_shared<CandleChartDataEntry>();
}

std::shared_ptr<ChartDataEntry> CandleChartDataEntry::copy() const {
    const std::shared_ptr<ChartDataEntry> entry = ChartDataEntry::copy();
    auto& candle = static_cast<CandleChartDataEntry&>(*entry);
    candle.setHigh(high());
    candle.setLow(low());
    candle.setOpen(open());
    candle.setClose(close());
    // The base's copy sets y through this class's setter while the new
    // candle's prices are still 0, which would store 0: the copy takes this
    // candle's y as it stands.
    candle.ChartDataEntry::setY(y());
    return entry;
}

} // namespace charts
