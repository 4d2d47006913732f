// Whole line chart frames recorded and kept as text under golden/: every
// call of the frame, its arguments and the state it paints with, compared
// line by line. A change to what a frame draws shows here as the lines that
// differ; after an intended change TINTSMITH_UPDATE_GOLDEN=1 rewrites the
// files (see tests/support/golden_text.h).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Charts/drawing/NamedColors.h"
#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/RecordingText.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/foundation/Fill.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/support/golden_text.h"

namespace charts {
namespace {

using namespace charts::testing;

const std::string goldenFolder = std::string(TINTSMITH_SOURCE_DIR) + "/tests/charts/types/line/golden/";

struct GoldenFrame {
    std::string name;
    // Sets the chart up; the frame is drawn after it.
    std::function<void(LineChartView&)> setUp;
};

// Five points, rising and falling, on a chart of x 0 to 100.
std::vector<Point> wave() { return {{0, 10}, {25, 80}, {50, 30}, {75, 60}, {100, 20}}; }

void styledLinear(LineChartView& view) {
    auto set = lineSet(wave(), "Curve");
    set->setColor(QColor(10, 20, 30));
    set->setCircleColor(QColor(30, 20, 10));
    set->setValueTextColor(QColor(40, 40, 40));
    view.setDrawGridBackgroundEnabled(true);
    view.setDrawBordersEnabled(true);
    auto behind = std::make_shared<ChartLimitLine>(40.0, QStringLiteral("Floor"));
    auto front = std::make_shared<ChartLimitLine>(70.0);
    front->setLineDashLengths(std::vector<double>{5, 3});
    view.leftAxis()->addLimitLine(behind);
    view.leftAxis()->setDrawLimitLinesBehindDataEnabled(true);
    view.rightAxis()->addLimitLine(front);
    view.chartDescription()->setText(QStringLiteral("Caption"));
    view.setData(lineData({set}));
    view.highlightValue(50, 0, -1, false);
}

void steppedFilledOnTwoAxesZoomed(LineChartView& view) {
    auto left = lineSet(wave(), "Left");
    left->setMode(LineChartMode::stepped);
    left->setDrawFilledEnabled(true);
    left->setFillColor(QColor(0, 120, 200));
    left->setFillAlpha(0.4);
    left->setDrawCirclesEnabled(false);
    auto right = lineSet({{0, 500}, {30, 900}, {60, 700}, {100, 1000}}, "Right");
    right->setAxisDependency(YAxis::AxisDependency::right);
    right->setColors({QColor(200, 0, 0), QColor(0, 150, 0)});
    right->setDrawValuesEnabled(false);
    view.xAxis()->setLabelPosition(XAxis::LabelPosition::top);
    view.xAxis()->setDrawGridLinesBehindDataEnabled(false);
    view.setData(lineData({left, right}));
    view.zoom(2, 1, 100, 0);
}

void cubicDashedMidAnimation(LineChartView& view) {
    auto set = lineSet(wave(), "Cubic");
    set->setMode(LineChartMode::cubicBezier);
    set->setCubicIntensity(0.3);
    set->setLineDashLengths(std::vector<double>{6, 2});
    set->setLineCapType(Qt::RoundCap);
    set->setLineWidth(2);
    set->setDrawFilledEnabled(true);
    set->setFill(Fill::withLinearGradient(Gradient{{QColor(250, 200, 0), QColor(250, 200, 0, 0)}, {}}, 90));
    set->setCircleHoleColor(std::nullopt);
    view.setClipValuesToContentEnabled(true);
    view.setData(lineData({set}));
    view.chartAnimator()->setPhaseX(0.6);
    view.chartAnimator()->setPhaseY(0.8);
}

void horizontalBezierInverted(LineChartView& view) {
    auto set = lineSet(wave(), "Horizontal");
    set->setMode(LineChartMode::horizontalBezier);
    set->setCircleColors({QColor(255, 0, 0), QColor(0, 0, 255)});
    set->setCircleHoleColor(named::white());
    set->setCircleRadius(5);
    set->setCircleHoleRadius(2);
    set->setHighlightLineDashLengths(std::vector<double>{2, 2});
    view.leftAxis()->setInverted(true);
    view.legend()->setEnabled(false);
    view.setData(lineData({set}));
    view.highlightValue(75, 0, -1, false);
}

class LineGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(LineGolden, TheFrameDrawsAsRecorded) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    GetParam().setUp(*view);
    RecordingContext context;
    view->draw(context);
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(context.operations()), goldenFolder + GetParam().name + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(Frames, LineGolden,
                         ::testing::Values(GoldenFrame{"styled_linear", styledLinear},
                                           GoldenFrame{"stepped_filled_two_axes_zoomed", steppedFilledOnTwoAxesZoomed},
                                           GoldenFrame{"cubic_dashed_mid_animation", cubicDashedMidAnimation},
                                           GoldenFrame{"horizontal_bezier_inverted", horizontalBezierInverted}),
                         [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
} // namespace charts
