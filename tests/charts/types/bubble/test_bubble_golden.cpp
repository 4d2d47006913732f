// Whole bubble chart frames recorded and kept as text under golden/ (see
// tests/charts/support/golden_frame.h): bubbles of two sets with their size
// texts and a highlighted outline, and plain sizes mid-animation with the
// texts fading in.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Charts/types/bubble/BubbleChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/golden_frame.h"
#include "tests/charts/types/bubble/bubble_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::bubbleSet;

struct GoldenFrame {
    std::string name;
    std::function<void(BubbleChartView&)> setUp;
};

void twoSetsHighlighted(BubbleChartView& view) {
    auto small = bubbleSet({{1, 20, 1}, {2, 45, 4}, {3, 30, 9}}, "Small");
    small->setColor(QColor(30, 90, 200, 180));
    small->setValueTextColor(QColor(255, 255, 255));
    auto large = bubbleSet({{1.5, 60, 16}, {2.5, 75, 25}}, "Large");
    large->setColor(QColor(220, 120, 0, 180));
    large->setHighlightCircleWidth(3);
    view.xAxis()->setAxisMinimum(0);
    view.xAxis()->setAxisMaximum(6);
    view.setData(std::make_shared<BubbleChartData>(ChartData::DataSets{small, large}));
    view.highlightValue(2.5, 75, 1, -1, false);
}

void plainSizesMidAnimation(BubbleChartView& view) {
    auto set = bubbleSet({{0, 10, 0.1}, {1, 40, 0.4}, {2, 25, 0.25}, {3, 55, 0.2}}, "Plain");
    set->setNormalizeSizeEnabled(false);
    set->setValueTextColor(QColor(20, 20, 20));
    view.setData(std::make_shared<BubbleChartData>(ChartData::DataSets{set}));
    view.chartAnimator()->setPhaseX(0.5);
    view.chartAnimator()->setPhaseY(0.8);
}

class BubbleGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(BubbleGolden, TheFrameDrawsAsRecorded) {
    FixedMetrics metrics;
    const auto view = makeChart<BubbleChartView>(400, 300);
    GetParam().setUp(*view);
    EXPECT_TRUE(frameMatchesGolden(*view, "bubble", GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, BubbleGolden,
                         ::testing::Values(GoldenFrame{"two_sets_sizes_highlighted", twoSetsHighlighted},
                                           GoldenFrame{"plain_sizes_mid_animation", plainSizesMidAnimation}),
                         [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
} // namespace charts
