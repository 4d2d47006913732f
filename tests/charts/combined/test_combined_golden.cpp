// Whole combined chart frames recorded and kept as text under golden/ (see
// tests/charts/support/golden_frame.h): the kinds' renderers in draw order,
// each drawing only its own highlights and those meant for any sub-data, a
// stacked bar highlighted whole by a touch, markers at the highlighted
// entries only, and the elements (the combined header and the candles' only).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Charts/foundation/Marker.h"
#include "tests/charts/combined/combined_support.h"
#include "tests/charts/support/golden_frame.h"

namespace {

using namespace combined_test;
using namespace charts::testing;

// A marker that draws a small square at its point, so the frame shows
// where markers went and for which entries.
class SquareMarker : public IMarker {
public:
    Point offset() const override { return {}; }
    Point offsetForDrawing(const Point&) const override { return {}; }
    void refreshContent(const ChartDataEntryPtr&, const Highlight&) override {}
    void draw(DrawingContext& context, const Point& point) override {
        context.setFillColor(QColor(0, 0, 0));
        context.fillRect(Rect(point.x - 3, point.y - 3, 6, 6));
    }
};

HighlightPtr highlightOf(double x, double y, int dataIndex) { return std::make_shared<Highlight>(x, y, 0, dataIndex); }

struct GoldenFrame {
    std::string name;
    std::function<void(CombinedChartView&)> setUp;
};

// Every kind in the default order, highlights for the line (data index 0),
// the candles (3), any sub-data (-1) and a sub-data that is not there (9):
// markers go to the first two only.
void fiveKindsHighlighted(CombinedChartView& view) {
    view.chartDescription()->setText(QStringLiteral("Five kinds"));
    view.setData(fiveKinds());
    view.setMarker(std::make_shared<SquareMarker>());
    view.highlightValues(std::vector<HighlightPtr>{highlightOf(2, 5, 0), highlightOf(3, 4.5, 3), highlightOf(1, 2, -1),
                                                   highlightOf(4, 9, 9)});
}

// The order reversed (scatter first, bars last), stacked bars under a line
// and candles; a touch near the top of the second bar highlights the
// whole bar.
void stackedBarTouchedReversed(CombinedChartView& view) {
    view.setDrawOrder({4, 3, 2, 1, 0});
    auto data = fiveKinds({"line", "candle"});
    auto stacks = bar_test::barSet({{0, 0, std::vector<double>{2, 3}},
                                    {1, 0, std::vector<double>{1, 4}},
                                    {2, 0, std::vector<double>{3, 3}},
                                    {3, 0, std::vector<double>{2, 1}}});
    stacks->setColors({barColour, QColor(230, 120, 30)});
    stacks->setStackLabels({QStringLiteral("Low"), QStringLiteral("High")});
    stacks->setDrawValuesEnabled(false);
    auto bars = bar_test::barData({stacks}, 0.5);
    data->setBarData(bars);
    view.setData(data);
    view.highlightValue(view.getHighlightByTouchPoint(view.pixelForValues(1, 4.9, YAxis::AxisDependency::left)));
}

// Bars and a line only (no renderer for the missing kinds), the bars with
// shadows and values inside them, cut by no axis maximum.
void lineOverShadowedBars(CombinedChartView& view) {
    view.setDrawBarShadowEnabled(true);
    view.setDrawValueAboveBarEnabled(false);
    auto data = fiveKinds({"line", "bar"});
    data->barData()->getDataSetByIndex(0)->setDrawValuesEnabled(true);
    view.setData(data);
    view.leftAxis()->setAxisMaximum(5);
    view.notifyDataSetChanged();
}

class CombinedGolden : public ::testing::TestWithParam<GoldenFrame> {};

TEST_P(CombinedGolden, TheFrameDrawsAsRecorded) {
    FixedMetrics metrics;
    const auto view = makeCombined(400, 300);
    GetParam().setUp(*view);
    EXPECT_TRUE(frameMatchesGoldenIn(*view, "combined", GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Frames, CombinedGolden,
                         ::testing::Values(GoldenFrame{"five_kinds_highlighted", fiveKindsHighlighted},
                                           GoldenFrame{"stacked_bar_touched_reversed", stackedBarTouchedReversed},
                                           GoldenFrame{"line_over_shadowed_bars", lineOverShadowedBars}),
                         [](const ::testing::TestParamInfo<GoldenFrame>& frame) { return frame.param.name; });

} // namespace
