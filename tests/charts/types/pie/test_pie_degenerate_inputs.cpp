// The shared suite of degenerate inputs, for the pie: one slice per value.
#include "tests/charts/types/pie/pie_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace {

struct PieKind {
    using View = charts::PieChartView;
    static constexpr bool hasXAxis = false;
    // Every slice is drawn with its texts: ten thousand make a large pie.
    static constexpr int manyEntries = 10'000;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::pieView(width, height);
    }
    // Slices with values and entry labels outside on value lines, spaced
    // (dropped when too large), in percent.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<double> ys;
        for (const charts::Point& p : values) ys.push_back(p.y);
        auto set = charts::testing::pieSet(ys);
        set->setSliceSpace(3);
        set->setAutomaticallyDisableSliceSpacing(true);
        set->setXValuePosition(charts::PieValuePosition::outsideSlice);
        set->setYValuePosition(charts::PieValuePosition::outsideSlice);
        return std::make_shared<charts::PieChartData>(set);
    }
};

} // namespace

namespace test_support {
INSTANTIATE_TYPED_TEST_SUITE_P(Pie, DegenerateChartInputs, PieKind);
} // namespace test_support
