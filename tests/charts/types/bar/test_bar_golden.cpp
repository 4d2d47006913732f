// Whole bar chart frames recorded and kept as text under golden/: every call
// of the frame, its arguments and the state it paints with, compared line
// by line. After an intended change TINTSMITH_UPDATE_GOLDEN=1 rewrites the
// files (see tests/support/golden_text.h); review the difference with git.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Charts/drawing/RecordingText.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "tests/charts/types/bar/bar_support.h"
#include "tests/support/golden_text.h"

namespace {

using namespace bar_test;

const std::string goldenFolder = std::string(TINTSMITH_SOURCE_DIR) + "/tests/charts/types/bar/golden/";

struct GoldenFrame {
    std::string name;
    bool sideways;
    // Sets the chart up; the frame is drawn after it.
    std::function<void(BarChartView&)> setUp;
};

std::shared_ptr<ChartLimitLine> limitLine(double value, const QString& label, ChartLimitLine::LabelPosition position) {
    auto line = std::make_shared<ChartLimitLine>(value, label);
    line->setLabelPosition(position);
    return line;
}

void plainNegativeShadowsBorders(BarChartView& view) {
    auto set = plainBars({4, -3, 7, 0, -6}, "Plain");
    set->setColors({QColor(200, 40, 40), QColor(40, 40, 200)});
    set->setBarBorderWidth(1.5);
    set->setBarBorderColor(QColor(20, 20, 20));
    view.setDrawBarShadowEnabled(true);
    view.leftAxis()->addLimitLine(limitLine(5, "Goal", ChartLimitLine::LabelPosition::topLeft));
    view.chartDescription()->setText(QStringLiteral("Monthly"));
    view.setData(barData({set}, 0.6));
    view.highlightValue(2.0, 0, -1);
}

void stackedLabelsInsideHighlight(BarChartView& view) {
    auto set = stackedBars({{2, -1, 3, -4}, {1, 2, 0, -1}, {-2, -3, 4, 1}}, "Stacked");
    set->setColors({QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255), QColor(200, 200, 0)});
    set->setStackLabels({"a", "b", "c", "d"});
    view.setDrawValueAboveBarEnabled(false);
    view.setData(barData({set}));
    view.highlightValue(1.0, 0, 1);
}

void groupedInvertedFullBar(BarChartView& view) {
    auto first = plainBars({3, 5, 2}, "First");
    auto second = stackedBars({{1, 2}, {2, -1}, {3, 1}}, "Second");
    auto third = plainBars({-1, 4, 6}, "Third");
    third->setColor(QColor(90, 0, 90));
    view.leftAxis()->setInverted(true);
    view.setHighlightFullBarEnabled(true);
    view.setData(barData({first, second, third}, 0.25));
    view.groupBars(0, 0.1, 0.05);
    view.highlightValues(std::vector<HighlightPtr>{std::make_shared<Highlight>(Highlight::forStack(1.5, 1, -1))});
}

void halfwayAfterAFullFrame(BarChartView& view) {
    auto plain = plainBars({1, 2, 3, 4, 5}, "Growing");
    auto stacked = stackedBars({{1, 1, 1}, {2, 2, 2}, {1, 2, 3}, {3, 2, 1}, {1, 1, 1}}, "Stacks");
    stacked->setAxisDependency(YAxis::AxisDependency::right);
    view.setData(barData({plain, stacked}, 0.4));
    RecordingContext fullFrame;
    view.draw(fullFrame);
    view.chartAnimator()->setPhaseX(0.5);
    view.chartAnimator()->setPhaseY(0.75);
}

void sidewaysWithAxes(BarChartView& view) {
    auto plain = plainBars({5, -3, 8}, "Plain");
    auto stacked = stackedBars({{2, -1, 3}, {-2, 4}, {1, 1}}, "Stacked");
    stacked->setColors({QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255)});
    view.xAxis()->setLabelPosition(XAxis::LabelPosition::bothSided);
    view.xAxis()->addLimitLine(limitLine(1.5, "Middle", ChartLimitLine::LabelPosition::bottomRight));
    view.xAxis()->addLimitLine(limitLine(0.5, "Low", ChartLimitLine::LabelPosition::topLeft));
    view.leftAxis()->setDrawZeroLineEnabled(true);
    view.leftAxis()->setZeroLineColor(QColor(0, 0, 0));
    view.leftAxis()->addLimitLine(limitLine(6, "Six", ChartLimitLine::LabelPosition::topRight));
    view.leftAxis()->addLimitLine(limitLine(-2, "Minus two", ChartLimitLine::LabelPosition::bottomLeft));
    view.rightAxis()->setEnabled(true);
    view.setDrawBarShadowEnabled(true);
    view.setData(barData({plain, stacked}, 0.4));
    view.groupBars(0, 0.1, 0.05);
    view.highlightValue(1.725, 1, 1);
}

void sidewaysInverted(BarChartView& view) {
    auto set = plainBars({5, -3, 8, -1}, "Turned");
    view.leftAxis()->setInverted(true);
    view.rightAxis()->setInverted(true);
    view.setDrawValueAboveBarEnabled(false);
    view.legend()->setEnabled(false);
    view.setData(barData({set}, 0.7));
    view.highlightValue(2.0, 0, -1);
}

class BarGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(BarGolden, TheFrameDrawsAsRecorded) {
    charts::testing::FixedMetrics metrics;
    const auto view = makeEitherView(GetParam().sideways);
    GetParam().setUp(*view);
    RecordingContext context;
    view->draw(context);
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(context.operations()), goldenFolder + GetParam().name + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, BarGolden,
    ::testing::Values(GoldenFrame{"plain_negative_shadows_borders", false, plainNegativeShadowsBorders},
                      GoldenFrame{"stacked_labels_inside_highlight", false, stackedLabelsInsideHighlight},
                      GoldenFrame{"grouped_inverted_full_bar", false, groupedInvertedFullBar},
                      GoldenFrame{"halfway_after_a_full_frame", false, halfwayAfterAFullFrame},
                      GoldenFrame{"sideways_with_axes", true, sidewaysWithAxes},
                      GoldenFrame{"sideways_inverted", true, sidewaysInverted}),
    [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
