// The bubble chart takes the shared suite of degenerate inputs.
#include "Charts/types/bubble/BubbleChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/types/bubble/bubble_support.h"
#include "tests/support/chart_degenerate_inputs.h"

namespace test_support {
namespace {

struct BubbleKind {
    using View = charts::BubbleChartView;
    static std::unique_ptr<View> makeView(double width, double height) {
        return charts::testing::makeChart<View>(width, height);
    }
    // One set of bubbles sized by their values (so negative and not finite
    // sizes too), with the sizes written in them.
    static std::shared_ptr<charts::ChartData> dataOf(const std::vector<charts::Point>& values) {
        std::vector<render_test::Bubble> bubbles;
        for (const charts::Point& v : values) bubbles.push_back({v.x, v.y, v.y});
        return std::make_shared<charts::BubbleChartData>(charts::ChartData::DataSets{render_test::bubbleSet(bubbles)});
    }
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(Bubble, DegenerateChartInputs, BubbleKind);
} // namespace test_support
