// Every drawing entry point of every renderer gives the context back as it
// found it: saves matched by restores, no clip left in force, the same
// graphics state. And the line renderer's strokes land on real pixels.
#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QPainter>

#include "Charts/drawing/PainterContext.h"
#include "Charts/foundation/Legend.h"
#include "Charts/foundation/ValueFormatter.h"
#include "Charts/render/LegendRenderer.h"
#include "Charts/render/XAxisRenderer.h"
#include "Charts/render/YAxisRenderer.h"
#include "Charts/types/line/FillFormatter.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "tests/charts/support/render_support.h"
#include "tests/support/chart_environment.h"

namespace {

using namespace charts;
using namespace render_test;

// A chart with everything switched on: fills, dashes, circles, values,
// icons, both axes with grid, zero and limit lines, a legend.
struct RichChart {
    RichChart() {
        auto linear = lineSet({{1, 10}, {2, 50}, {3, 20}, {4, 80}}, QString("A"));
        auto stepped = lineSet({{1, 30}, {3, 60}, {5, 40}}, QString("B"));
        stepped->setMode(LineChartMode::stepped);
        auto cubic = lineSet({{2, 70}, {4, 20}, {6, 90}, {8, 10}}, QString("C"));
        cubic->setMode(LineChartMode::cubicBezier);
        auto horizontal = lineSet({{5, 5}, {7, 95}, {9, 50}}, QString("D"));
        horizontal->setMode(LineChartMode::horizontalBezier);
        horizontal->setCircleHoleColor(std::nullopt);
        for (const auto& set : {linear, stepped, cubic, horizontal}) {
            set->setDrawFilledEnabled(true);
            set->setLineDashLengths(std::vector<double>{4, 2});
            set->setValueFormatter(std::make_shared<DefaultValueFormatter>(0));
            set->entryForIndex(0)->setIcon(QImage(4, 4, QImage::Format_ARGB32));
        }
        chart->setDataSets({linear, stepped, cubic, horizontal});
        for (const auto& axis : {chart->leftAxis, chart->rightAxis}) {
            axis->setDrawZeroLineEnabled(true);
            axis->addLimitLine(std::make_shared<ChartLimitLine>(40, QStringLiteral("Forty")));
            axis->setGridLineDashLengths(std::vector<double>{1, 1});
        }
        chart->xAxisModel->addLimitLine(std::make_shared<ChartLimitLine>(5, QStringLiteral("Five")));
        chart->xAxisModel->setLabelRotationAngle(30);
        xRenderer.computeAxis(0, 10, false);
        leftRenderer.computeAxis(0, 100, false);
        rightRenderer.computeAxis(0, 100, false);
        legendRenderer.computeLegend(*chart->lineData());
    }

    charts::testing::FixedTextMetrics measurer;
    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    LineChartRenderer line{chart, chart->animator, chart->viewPort};
    XAxisRenderer xRenderer{chart->viewPort, chart->xAxisModel, chart->left};
    YAxisRenderer leftRenderer{chart->viewPort, chart->leftAxis, chart->left};
    YAxisRenderer rightRenderer{chart->viewPort, chart->rightAxis, chart->right};
    std::shared_ptr<Legend> legend = std::make_shared<Legend>();
    LegendRenderer legendRenderer{chart->viewPort, legend};
};

struct EntryPoint {
    const char* name;
    std::function<void(RichChart&, DrawingContext&)> draw;
};

class StateBalanceTest : public ::testing::TestWithParam<EntryPoint> {};

TEST_P(StateBalanceTest, LeavesTheContextAsFound) {
    RichChart rich;
    RecordingContext context;
    context.setLineWidth(3);
    context.setStrokeColor(QColor(1, 2, 3));
    const GraphicsState before = context.graphicsState();
    GetParam().draw(rich, context);
    EXPECT_FALSE(context.paintings().empty()) << "nothing was drawn";
    EXPECT_TRUE(balancedSaves(context));
    EXPECT_EQ(context.graphicsState(), before);
    EXPECT_TRUE(context.clips().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Renderers, StateBalanceTest,
    ::testing::Values(
        EntryPoint{"lineData", [](RichChart& r, DrawingContext& c) { r.line.drawData(c); }},
        EntryPoint{"lineValues", [](RichChart& r, DrawingContext& c) { r.line.drawValues(c); }},
        EntryPoint{"lineExtras", [](RichChart& r, DrawingContext& c) { r.line.drawExtras(c); }},
        EntryPoint{"lineHighlights",
                   [](RichChart& r, DrawingContext& c) {
                       r.line.drawHighlighted(
                           c, {std::make_shared<Highlight>(2, 50, 0), std::make_shared<Highlight>(4, 20, 2)});
                   }},
        EntryPoint{"xLabels", [](RichChart& r, DrawingContext& c) { r.xRenderer.renderAxisLabels(c); }},
        EntryPoint{"xLine", [](RichChart& r, DrawingContext& c) { r.xRenderer.renderAxisLine(c); }},
        EntryPoint{"xGrid", [](RichChart& r, DrawingContext& c) { r.xRenderer.renderGridLines(c); }},
        EntryPoint{"xLimits", [](RichChart& r, DrawingContext& c) { r.xRenderer.renderLimitLines(c); }},
        EntryPoint{"yLabels", [](RichChart& r, DrawingContext& c) { r.rightRenderer.renderAxisLabels(c); }},
        EntryPoint{"yLine", [](RichChart& r, DrawingContext& c) { r.leftRenderer.renderAxisLine(c); }},
        EntryPoint{"yGrid", [](RichChart& r, DrawingContext& c) { r.leftRenderer.renderGridLines(c); }},
        EntryPoint{"yLimits", [](RichChart& r, DrawingContext& c) { r.rightRenderer.renderLimitLines(c); }},
        EntryPoint{"legend", [](RichChart& r, DrawingContext& c) { r.legendRenderer.renderLegend(c); }}),
    [](const ::testing::TestParamInfo<EntryPoint>& param) { return std::string(param.param.name); });

TEST(LineRendererPixels, StrokesAndFillsLandOnTheImage) {
    auto chart = FakeLineChart::make();
    auto set = lineSet({{0, 50}, {10, 50}});
    set->setColor(QColor(255, 0, 0));
    set->setLineWidth(2);
    set->setDrawCirclesEnabled(false);
    auto filled = lineSet({{0, 20}, {10, 20}});
    filled->setLineWidth(0);
    filled->setDrawFilledEnabled(true);
    filled->setFillColor(QColor(0, 0, 255));
    filled->setFillAlpha(1);
    filled->setFillFormatter(
        DefaultFillFormatter::with([](const DataSetValues&, const LineChartDataProvider&) { return 0.0; }));
    chart->setDataSets({filled, set});
    LineChartRenderer renderer{chart, chart->animator, chart->viewPort};

    QImage image(400, 300, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PainterContext context(painter);
        renderer.drawData(context);
    }
    // The line at y 50 (pixel 140), the area from y 0 to 20 (pixels 260 to 212).
    EXPECT_EQ(image.pixelColor(200, 140), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(200, 130), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(200, 240), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(200, 200), QColor(Qt::white));
    // A width of 0 strokes nothing: the area's top edge stays blue, not a line.
    EXPECT_EQ(image.pixelColor(200, 213), QColor(0, 0, 255));
}

} // namespace
