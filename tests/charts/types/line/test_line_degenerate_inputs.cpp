// The shared suite of degenerate inputs, for the line chart.
#include "tests/charts/support/chart_view_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace {

struct LineKind {
    using View = charts::LineChartView;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::makeLineChart(width, height);
    }
    // One set in the line chart's default style (lines, circles, values).
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        return charts::testing::lineData({charts::testing::lineSet(values)});
    }
};

} // namespace

namespace test_support {
INSTANTIATE_TYPED_TEST_SUITE_P(Line, DegenerateChartInputs, LineKind);
} // namespace test_support
