#pragma once
#include <memory>
#include <vector>

#include "Charts/foundation/ChartHighlighter.h"

namespace charts {

class BarChartDataProvider;
class BarHighlighter;

// The touch highlighter of combined charts: candidates from every sub-data,
// each carrying its sub-data's position as its data index, of which the
// nearest to the touch wins. Bars are found as a bar chart finds them (the
// bar under the touch, the stacked value in it) when the chart had bar data
// as the highlighter was made; every other kind, by the entries nearest the
// touch's x.
class CombinedHighlighter : public ChartHighlighter {
public:
    // The chart is kept weakly. The bar highlighter is made now when the bar
    // provider has bar data now.
    CombinedHighlighter(std::weak_ptr<ChartDataProvider> chart,
                        const std::shared_ptr<BarChartDataProvider>& barProvider);

    const std::shared_ptr<BarHighlighter>& barHighlighter() const { return barHighlighter_; }
    void setBarHighlighter(std::shared_ptr<BarHighlighter> highlighter) { barHighlighter_ = std::move(highlighter); }

    // In allData() order: a bar sub-data's highlight from the bar highlighter
    // (when it finds one), otherwise for every highlight-enabled set the
    // entries at the x nearest xValue. None without combined data.
    std::vector<HighlightPtr> getHighlights(double xValue, double x, double y) override;

private:
    std::shared_ptr<BarHighlighter> barHighlighter_;
};

} // namespace charts
