// The shared suite of degenerate inputs, for the bar and the horizontal bar
// chart: plain bars with values labelled and shadows behind them.
#include "tests/charts/types/bar/bar_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace {

template <class BarView>
struct BarKind {
    using View = BarView;
    static std::unique_ptr<View> makeView(double width, double height) {
        auto view = bar_test::makeView<View>(width, height);
        view->setDrawBarShadowEnabled(true);
        return view;
    }
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<bar_test::Bar> bars;
        bars.reserve(values.size());
        for (const charts::Point& p : values) bars.push_back(bar_test::Bar{p.x, p.y, {}});
        return bar_test::barData({bar_test::barSet(bars)});
    }
};

struct HorizontalBarKind : BarKind<charts::HorizontalBarChartView> {
    // Entry x runs up the content: zoomed in about its vertical middle.
    static void showMiddleHundredth(View& view) { view.zoom(1, 100, 0, view.viewPortHandler()->contentHeight() / 2); }
};

} // namespace

namespace test_support {
INSTANTIATE_TYPED_TEST_SUITE_P(Bar, DegenerateChartInputs, BarKind<charts::BarChartView>);
INSTANTIATE_TYPED_TEST_SUITE_P(HorizontalBar, DegenerateChartInputs, HorizontalBarKind);
} // namespace test_support
