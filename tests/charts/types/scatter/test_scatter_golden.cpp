// Whole scatter chart frames recorded and kept as text under golden/ (see
// tests/charts/support/golden_frame.h): the seven shapes with and without
// holes at their exact geometry, values and icons, highlight lines.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Charts/types/scatter/ScatterChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/golden_frame.h"
#include "tests/charts/types/scatter/scatter_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::scatterSet;
using Shape = ScatterChartDataSet::Shape;

struct GoldenFrame {
    std::string name;
    std::function<void(ScatterChartView&)> setUp;
};

// Each shape in its own set at x 1 to 7: whole at y 70, and at y 30 with a
// hole, coloured in the even ones.
void sevenShapes(ScatterChartView& view) {
    ChartData::DataSets sets;
    for (int raw = 0; raw <= 6; ++raw) {
        const double x = raw + 1;
        auto whole = scatterSet({{x, 70}}, QString("Shape %1").arg(raw));
        auto ringed = scatterSet({{x, 30}}, QString("Ring %1").arg(raw));
        for (const auto& set : {whole, ringed}) {
            set->setScatterShape(*scatterShapeFromRaw(raw));
            set->setScatterShapeSize(16);
            set->setColor(QColor(40 * raw, 100, 200 - 25 * raw));
            set->setDrawValuesEnabled(false);
        }
        ringed->setScatterShapeHoleRadius(3);
        if (raw % 2 == 0) ringed->setScatterShapeHoleColor(QColor(250, 250, 0));
        sets.push_back(whole);
        sets.push_back(ringed);
    }
    view.legend()->setEnabled(false);
    view.setData(std::make_shared<ScatterChartData>(sets));
}

void valuesIconsHighlight(ScatterChartView& view) {
    auto circles = scatterSet({{1, 10}, {2, 60}, {3, 35}, {4, 80}}, "Circles");
    circles->setScatterShape(Shape::circle);
    circles->setColors({QColor(200, 30, 30), QColor(30, 30, 200)});
    circles->setValueTextColor(QColor(60, 60, 60));
    auto crosses = scatterSet({{1.5, 50}, {3.5, 20}}, "Crosses");
    crosses->setScatterShape(Shape::cross);
    crosses->setDrawValuesEnabled(false);
    QImage icon(8, 6, QImage::Format_ARGB32);
    icon.fill(QColor(0, 128, 0));
    crosses->entryForIndex(1)->setIcon(icon);
    crosses->setIconsOffset(QPointF(0, -10));
    crosses->setHighlightLineDashLengths(std::vector<double>{4, 2});
    view.chartDescription()->setText(QStringLiteral("Spots"));
    view.setData(std::make_shared<ScatterChartData>(ChartData::DataSets{circles, crosses}));
    view.highlightValue(3.5, 20, 1, -1, false);
}

class ScatterGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(ScatterGolden, TheFrameDrawsAsRecorded) {
    FixedMetrics metrics;
    const auto view = makeChart<ScatterChartView>(400, 300);
    GetParam().setUp(*view);
    EXPECT_TRUE(frameMatchesGolden(*view, "scatter", GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, ScatterGolden,
                         ::testing::Values(GoldenFrame{"seven_shapes_with_and_without_holes", sevenShapes},
                                           GoldenFrame{"values_icons_highlight", valuesIconsHighlight}),
                         [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
} // namespace charts
