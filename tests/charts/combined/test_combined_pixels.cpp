// Combined charts painted offscreen through QPainter and checked on their
// pixels: what is drawn later in the draw order lies on top, and the legend
// shows every kind's entries.
#include <gtest/gtest.h>

#include "tests/charts/combined/combined_support.h"
#include "tests/charts/support/offscreen_paint.h"

namespace {

using namespace combined_test;
using namespace charts::testing;

// A thick line at 3 across a bar of 6: at the crossing (no line point there)
// the colour of the kind drawn last shows.
TEST(CombinedPixelsTest, TheKindDrawnLastShowsWhereTheyCross) {
    struct Case {
        const char* name;
        std::vector<int> order;
        QColor atCrossing;
    };
    for (const Case& c : {Case{"bars first", {0, 1, 2, 3, 4}, lineColour}, Case{"line first", {2, 0}, barColour}}) {
        SCOPED_TRACE(c.name);
        auto view = makeCombined();
        view->setDrawOrder(c.order);
        auto data = std::make_shared<CombinedChartData>();
        auto line = lineOf({{0, 3}, {2, 3}});
        line->getDataSetByIndex(0)->setDrawValuesEnabled(false);
        std::dynamic_pointer_cast<ILineChartDataSet>(line->getDataSetByIndex(0))->setLineWidth(6);
        data->setLineData(line);
        data->setBarData(barsOf({{1, 6, {}}}));
        view->setData(data);
        fixRanges(*view, -0.5, 2.5, 0, 8);
        const QImage image = paintedView(*view);
        const Point crossing = view->pixelForValues(1, 3, YAxis::AxisDependency::left);
        const Point inBar = view->pixelForValues(1, 5, YAxis::AxisDependency::left);
        const Point onLine = view->pixelForValues(0.4, 3, YAxis::AxisDependency::left);
        EXPECT_TRUE(isNear(image.pixel(int(crossing.x), int(crossing.y)), c.atCrossing));
        EXPECT_TRUE(isNear(image.pixel(int(inBar.x), int(inBar.y)), barColour)) << "the bar above the line";
        EXPECT_TRUE(isNear(image.pixel(int(onLine.x), int(onLine.y)), lineColour)) << "the line beside the bar";
    }
}

// The legend under the plot holds an entry of every kind: the bar set's
// stack colours, the line, the scatter points, the candles' falling and
// rising colours and the bubbles.
TEST(CombinedPixelsTest, TheLegendShowsEveryKindsEntries) {
    auto view = makeCombined(500, 300);
    auto data = fiveKinds({"line", "scatter", "candle", "bubble"});
    auto stacks = bar_test::barSet({{0, 0, std::vector<double>{2, 3}}, {1, 0, std::vector<double>{1, 4}}});
    const QColor upper(230, 120, 30);
    stacks->setColors({barColour, upper});
    stacks->setStackLabels({QStringLiteral("Low"), QStringLiteral("High")});
    data->setBarData(bar_test::barData({stacks}, 0.5));
    view->setData(data);
    view->xAxis()->setSpaceMin(0.5);
    view->xAxis()->setSpaceMax(0.5);
    view->notifyDataSetChanged();
    const QImage image = paintedView(*view);
    // The legend's rows at the foot of the view, below everything the plot draws.
    const int legendHeight = int(view->legend()->neededHeight()) + 2;
    const QImage legend =
        image.copy(0, image.height() - legendHeight - int(view->legend()->yOffset()), image.width(), legendHeight);
    for (const QColor& colour :
         {barColour, upper, lineColour, scatterColour, candleFalling, candleRising, bubbleColour})
        EXPECT_TRUE(boundsOfColour(legend, colour, 20).has_value()) << colour.name().toStdString();
    EXPECT_EQ(view->legend()->entries().size(), 8u)
        << "two stacks and the set's label, line, scatter, two candle colours, bubble";
}

} // namespace
