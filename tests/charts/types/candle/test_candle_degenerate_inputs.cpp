// The candlestick chart takes the shared suite of degenerate inputs.
#include "Charts/types/candle/CandleStickChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/candle/candle_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace test_support {
namespace {

struct CandleKind {
    using View = charts::CandleStickChartView;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::makeChart<View>(width, height);
    }
    // One set of candles about each value, rising and falling in turn, with
    // their highs written above them.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<render_test::Candle> candles;
        bool rising = true;
        for (const charts::Point& v : values) {
            candles.push_back({v.x, v.y + 5, v.y - 5, rising ? v.y - 2 : v.y + 2, rising ? v.y + 2 : v.y - 2});
            rising = !rising;
        }
        return std::make_shared<charts::CandleChartData>(charts::ChartData::DataSets{render_test::candleSet(candles)});
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Candle, DegenerateChartInputs, CandleKind);
} // namespace test_support
