// The scatter chart takes the shared suite of degenerate inputs.
#include "Charts/types/scatter/ScatterChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/scatter/scatter_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace test_support {
namespace {

struct ScatterKind {
    using View = charts::ScatterChartView;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::makeChart<View>(width, height);
    }
    // One set of squares with their values.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        return std::make_shared<charts::ScatterChartData>(charts::ChartData::DataSets{render_test::scatterSet(values)});
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Scatter, DegenerateChartInputs, ScatterKind);
} // namespace test_support
