// The lightness graph, the ink-curve graph and the ink-curve panel as chart
// views: what a plot hands the view, the axes it sets, the panel's
// notifications, and pixels of a drawn curve.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <functional>
#include <memory>
#include <utility>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/foundation/Description.h"
#include "Charts/foundation/Legend.h"
#include "Charts/foundation/ViewPortHandler.h"
#include "app/curves/core/NotificationNames.h"
#include "app/curves/math/Resampling.h"
#include "app/ui/blending/QuadCurveGraphPanelController.h"
#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/widgets/InkDisplayColors.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"
#include "platform/testing/LogCapture.h"
#include "tests/ui/ui_test_support.h"

namespace appui {

namespace {

template <class Graph>
std::unique_ptr<Graph> made() {
    std::unique_ptr<Graph> graph(charts::ChartViewBase::create<Graph>());
    graph->resize(500, 360);
    return graph;
}

std::vector<std::vector<double>> eightCurves() {
    std::vector<std::vector<double>> curves(8, std::vector<double>(256, 0.0));
    curves[0] = curves::linspace(256, 0, 65535);
    curves[1] = curves::linspace(256, 0, 20000);
    return curves;
}

const std::vector<std::string> eightNames{"# K Curve",  "# C Curve",  "# M Curve",  "# Y Curve",
                                          "# LC Curve", "# LM Curve", "# LK Curve", "# LLK Curve"};

// Pixels of the image whose colour is near the given one.
int pixelsNear(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++count;
        }
    return count;
}

} // namespace

TEST(MeasurementGraph, APlotHandsTheViewFourSetsAndFixesTheAxes) {
    auto graph = made<MeasurementGraph>();
    graph->measuredValues = curves::linspace(256, 95, 20);
    graph->smoothedValues = curves::linspace(256, 94, 21);
    graph->targetValues = curves::linspace(256, 95, 20);
    graph->plotMeasurements();
    ASSERT_NE(graph->data(), nullptr);
    EXPECT_EQ(graph->data()->dataSetCount(), 4);
    EXPECT_EQ(graph->data()->getDataSetByIndex(0)->entryCount(), 129);
    EXPECT_EQ(graph->chartDescription()->text(), QString());
    for (const auto& axis : {graph->leftAxis(), graph->rightAxis()}) {
        EXPECT_EQ(axis->axisMinimum(), 0);
        EXPECT_EQ(axis->axisMaximum(), 100);
        EXPECT_EQ(axis->granularity(), 25);
        EXPECT_EQ(axis->labelCount(), 5);
    }
    EXPECT_EQ(graph->xAxis()->granularity(), 25.5);
    EXPECT_EQ(graph->xAxis()->labelCount(), 11);
    EXPECT_EQ(graph->xAxis()->valueFormatter()->stringForValue(127.5, graph->xAxis().get()), QStringLiteral("50"));
    EXPECT_FALSE(graph->scaleXEnabled());
    EXPECT_FALSE(graph->scaleYEnabled());
    EXPECT_TRUE(graph->drawGridBackgroundEnabled());
    EXPECT_EQ(graph->gridBackgroundColor(), QColor(Qt::white));

    // Each plot replaces the data; an empty one still plots.
    const auto first = graph->data();
    graph->measuredValues.clear();
    graph->plotMeasurements();
    EXPECT_NE(graph->data(), first);
    EXPECT_EQ(graph->data()->getDataSetByIndex(0)->entryCount(), 0);
}

TEST(MeasurementGraph, TheSmoothedLineIsDrawnInRed) {
    auto graph = made<MeasurementGraph>();
    graph->measuredValues = curves::linspace(256, 95, 20);
    graph->smoothedValues = curves::linspace(256, 94, 21);
    graph->targetValues = curves::linspace(256, 80, 60);
    graph->plotMeasurements();
    const auto image = uitest::render(graph.get());
    EXPECT_GT(pixelsNear(image, Qt::red), 200);
    EXPECT_GT(pixelsNear(image, Qt::green), 200);
}

TEST(QuadCurveGraph, APlotHandsTheViewOneLinePerInkAndTheLegend) {
    auto graph = made<QuadCurveGraph>();
    graph->quadCurve = eightCurves();
    graph->inkList = eightNames;
    graph->plotQuadCurves();
    ASSERT_NE(graph->data(), nullptr);
    EXPECT_EQ(graph->data()->dataSetCount(), 8);
    EXPECT_TRUE(graph->legend()->isEnabled());
    EXPECT_EQ(graph->chartDescription()->text(), QString());
    EXPECT_EQ(graph->xAxis()->axisMaximum(), 100);
    EXPECT_EQ(graph->xAxis()->labelCount(), 11);
    EXPECT_TRUE(graph->xAxis()->isForceLabelsEnabled());
    for (const auto& axis : {graph->leftAxis(), graph->rightAxis()}) {
        EXPECT_EQ(axis->axisMinimum(), 0);
        EXPECT_EQ(axis->axisMaximum(), 100);
        EXPECT_EQ(axis->labelCount(), 11);
    }
    EXPECT_FALSE(graph->scaleXEnabled());

    graph->drawLegend = false;
    graph->showTotalInkLoad = true;
    graph->totalInkLoad = std::vector<double>(256, 50);
    graph->gridColor = Qt::lightGray;
    graph->plotQuadCurves();
    EXPECT_EQ(graph->data()->dataSetCount(), 9);
    EXPECT_EQ(graph->data()->getDataSetByIndex(8)->label(), QStringLiteral("Total"));
    EXPECT_FALSE(graph->legend()->isEnabled());
    EXPECT_EQ(graph->gridBackgroundColor(), QColor(Qt::lightGray));
}

TEST(QuadCurveGraph, AnEmptyCurveListKeepsWhatIsShownByEitherGraph) {
    platform::LogCapture log;
    struct Case {
        const char* name;
        std::unique_ptr<QuadCurveGraph> graph;
    };
    Case cases[] = {{"QuadCurveGraph", made<QuadCurveGraph>()}, {"ACQuadCurveGraph", made<ACQuadCurveGraph>()}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.graph->plotQuadCurves();
        EXPECT_EQ(c.graph->data(), nullptr);
        c.graph->quadCurve = eightCurves();
        c.graph->inkList = eightNames;
        c.graph->plotQuadCurves();
        const auto shown = c.graph->data();
        ASSERT_NE(shown, nullptr);
        c.graph->quadCurve.clear();
        c.graph->plotQuadCurves();
        EXPECT_EQ(c.graph->data(), shown);
    }
}

TEST(QuadCurveGraph, EachInkCurveIsDrawnInItsInkColour) {
    for (const char* ink : {"# C Curve", "# M Curve", "# Y Curve"}) {
        SCOPED_TRACE(ink);
        auto graph = made<QuadCurveGraph>();
        graph->quadCurve = {curves::linspace(256, 0, 40000)};
        graph->inkList = {ink};
        graph->drawLegend = false;
        graph->plotQuadCurves();
        const auto image = uitest::render(graph.get());
        EXPECT_GT(pixelsNear(image, inkDisplayColor(ink)), 150);
    }
}

TEST(QuadCurveGraph, TheVariantPlotsEveryCurveAndCountsThem) {
    platform::LogCapture log;
    auto graph = made<ACQuadCurveGraph>();
    graph->quadCurve = std::vector<std::vector<double>>(3, std::vector<double>(256, 1000));
    graph->plotQuadCurves();
    ASSERT_NE(graph->data(), nullptr);
    EXPECT_EQ(graph->data()->dataSetCount(), 3);
    // Each count follows its caption after one blank.
    EXPECT_EQ(log.standardOutputLines(), (std::vector<std::string>{"Curve Count:  3", "InkList Count:  0"}));
}

// The rectangles the view is asked to paint while events are processed.
struct PaintLog : QObject {
    std::vector<QRect> rects;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
    std::vector<QRect> take() {
        QApplication::processEvents();
        return std::exchange(rects, {});
    }
};

QRect contentArea(const charts::BarLineChartViewBase& graph, double margin) {
    return charts::toQt(charts::insetBy(graph.viewPortHandler()->contentRect(), -margin, -margin)).toAlignedRect();
}

// A smoothing step gives the graphs new values of the same lines: they go
// into the shown sets, the axes stay as set, and only the plotting area is
// repainted; a plot that changes nothing repaints nothing.
TEST(GraphsInPlace, NewValuesOfTheSameLinesRepaintOnlyThePlottingArea) {
    auto measurement = made<MeasurementGraph>();
    measurement->measuredValues = curves::linspace(256, 95, 20);
    measurement->smoothedValues = curves::linspace(256, 94, 21);
    measurement->targetValues = curves::linspace(256, 95, 20);
    auto quad = made<QuadCurveGraph>();
    quad->quadCurve = eightCurves();
    quad->inkList = eightNames;
    struct Case {
        const char* name;
        charts::BarLineChartViewBase* graph;
        std::function<void()> plot;
        std::function<void()> change;
        double margin;
    };
    const Case cases[] = {
        {"lightness graph", measurement.get(), [&] { measurement->plotMeasurements(); },
         [&] { measurement->smoothedValues = curves::linspace(256, 90, 30); }, 3},
        {"ink-curve graph", quad.get(), [&] { quad->plotQuadCurves(); },
         [&] { quad->quadCurve[1] = curves::linspace(256, 0, 30000); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.plot();
        c.graph->show();
        PaintLog paints;
        c.graph->installEventFilter(&paints);
        paints.take();
        const auto data = c.graph->data();
        const auto firstSet = data->getDataSetByIndex(0);

        c.change();
        c.plot();
        EXPECT_EQ(c.graph->data(), data) << "the shown chart data stays";
        EXPECT_EQ(c.graph->data()->getDataSetByIndex(0), firstSet);
        EXPECT_EQ(paints.take(), std::vector<QRect>{contentArea(*c.graph, c.margin)});
        EXPECT_EQ(c.graph->leftAxis()->axisMaximum(), 100);

        c.plot();
        EXPECT_TRUE(paints.take().empty()) << "nothing changed, nothing repainted";
    }
    // The new values are what is drawn and bounded.
    const auto smoothed = measurement->data()->getDataSetByIndex(3);
    EXPECT_DOUBLE_EQ(smoothed->yMax(), 90);
    EXPECT_DOUBLE_EQ(smoothed->yMin(), 30);
    EXPECT_DOUBLE_EQ(quad->data()->getDataSetByIndex(1)->yMax(), 30000 / 655.35);
}

TEST(GraphsInPlace, OtherLinesOrAnotherLegendReplaceTheChartData) {
    auto quad = made<QuadCurveGraph>();
    quad->quadCurve = eightCurves();
    quad->inkList = eightNames;
    quad->plotQuadCurves();
    struct Case {
        const char* name;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"another ink name", [&] { quad->inkList[7] = "# MK Curve"; }},
        {"one curve fewer", [&] { quad->quadCurve.pop_back(); }},
        {"a total added", [&] {
             quad->showTotalInkLoad = true;
             quad->totalInkLoad = std::vector<double>(256, 10);
         }},
        {"the legend hidden", [&] { quad->drawLegend = false; }},
        {"another grid colour", [&] { quad->gridColor = Qt::lightGray; }},
    };
    for (const auto& c : cases) {
        const auto before = quad->data();
        c.change();
        quad->plotQuadCurves();
        EXPECT_NE(quad->data(), before) << c.name;
    }
    EXPECT_FALSE(quad->legend()->isEnabled());
    EXPECT_EQ(quad->gridBackgroundColor(), QColor(Qt::lightGray));
}

TEST(QuadCurveGraphPanel, SaysHowToGetCurvesThenPlotsEveryBlend) {
    QuadCurveGraphPanelController panel;
    auto* graph = panel.findChild<QuadCurveGraph*>(QStringLiteral("quadCurveGraphView"));
    ASSERT_EQ(graph, panel.quadCurveGraphView);
    EXPECT_TRUE(panel.windowFlags() & Qt::Tool);
    EXPECT_EQ(graph->noDataText(), QStringLiteral("Update any setting to show quad curve graphs."));
    EXPECT_EQ(graph->noDataTextAlignment(), charts::TextAlignment::center);
    EXPECT_EQ(graph->data(), nullptr);
    EXPECT_EQ(graph->inkList, eightNames);
    panel.showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    auto& center = platform::NotificationCenter::defaultCenter();
    center.post(curves::NotificationName::didUpdateBlendedQuadValues(), BlendedCurvesPayload(eightCurves()));
    ASSERT_NE(graph->data(), nullptr);
    EXPECT_EQ(graph->data()->dataSetCount(), 8);
    EXPECT_EQ(graph->data()->getDataSetByIndex(7)->label(), QStringLiteral("# LLK Curve"));
    // An object of another kind is no blend.
    const auto shown = graph->data();
    center.post(curves::NotificationName::didUpdateBlendedQuadValues(), std::string("not curves"));
    EXPECT_EQ(graph->data(), shown);
}

TEST(QuadCurveGraphPanel, StopsListeningWhenGone) {
    auto& center = platform::NotificationCenter::defaultCenter();
    const auto before = center.observerCount();
    { QuadCurveGraphPanelController panel; }
    EXPECT_EQ(center.observerCount(), before);
}

} // namespace appui
