// The combined chart takes the shared suite of degenerate inputs, every kind
// drawn from the same values in one chart.
#include "tests/charts/combined/combined_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace test_support {
namespace {

struct CombinedKind {
    using View = charts::CombinedChartView;
    // Five kinds draw each value, each in a few calls.
    static constexpr int callsPerEntry = 5 * 8;
    static std::unique_ptr<View> makeView(double width, double height) {
        auto view = combined_test::makeCombined(width, height);
        view->setDrawBarShadowEnabled(true);
        return view;
    }
    // Bars, a line, scatter points, candles about the values and bubbles on
    // them; every kind's values labelled.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<bar_test::Bar> bars;
        std::vector<render_test::Candle> candles;
        std::vector<render_test::Bubble> bubbles;
        for (const charts::Point& v : values) {
            bars.push_back({v.x, v.y, {}});
            candles.push_back({v.x, v.y + 5, v.y - 5, v.y - 2, v.y + 2});
            bubbles.push_back({v.x, v.y, 1});
        }
        auto data = std::make_shared<charts::CombinedChartData>();
        data->setLineData(combined_test::lineOf(values));
        data->setBarData(combined_test::barsOf(bars));
        data->setScatterData(combined_test::scatterOf(values));
        data->setCandleData(combined_test::candlesOf(candles));
        data->setBubbleData(combined_test::bubblesOf(bubbles));
        for (const auto& set : data->dataSets()) set->setDrawValuesEnabled(true);
        return data;
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Combined, DegenerateChartInputs, CombinedKind);
} // namespace test_support
