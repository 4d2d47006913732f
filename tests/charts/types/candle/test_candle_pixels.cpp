// Candlestick charts painted offscreen: body colours and filling on the
// pixels, and the candles' elements as assistive technology reads them.
#include <gtest/gtest.h>

#include <QAccessible>

#include "Charts/types/candle/CandleStickChartView.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/offscreen_paint.h"
#include "tests/charts/types/candle/candle_support.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::candleSet;

const QColor rising(0, 160, 0), falling(200, 0, 0);

struct Chart {
    FixedMetrics metrics;
    std::unique_ptr<CandleStickChartView> view{ChartViewBase::create<CandleStickChartView>()};
    std::shared_ptr<CandleChartDataSet> set =
        candleSet({{1, 90, 10, 20, 80}, {2, 90, 10, 80, 20}}, QStringLiteral("Prices"));
    Chart() {
        set->setIncreasingColor(rising);
        set->setDecreasingColor(falling);
        set->setShadowColor(QColor(0, 0, 0));
        set->setDrawValuesEnabled(false);
        view->setChartSize(400, 300);
        fixRanges(*view, 0.5, 2.5, 0, 100);
        view->setData(std::make_shared<CandleChartData>(ChartData::DataSets{set}));
    }
    // A point of the body beside the shadow.
    QPoint bodyPoint(double x) const {
        const Point p = view->pixelForValues(x + 0.2, 50, YAxis::AxisDependency::left);
        return QPoint(int(p.x), int(p.y));
    }
};

TEST(CandlePixels, BodiesTakeTheirMovesColourFilledOrHollowAsSet) {
    struct Case {
        bool increasingFilled, decreasingFilled;
    };
    for (const Case c : {Case{true, true}, Case{false, true}, Case{true, false}, Case{false, false}}) {
        Chart chart;
        chart.set->setIncreasingFilled(c.increasingFilled);
        chart.set->setDecreasingFilled(c.decreasingFilled);
        const QImage image = paintedView(*chart.view);
        const QRgb risingInside = image.pixel(chart.bodyPoint(1));
        const QRgb fallingInside = image.pixel(chart.bodyPoint(2));
        EXPECT_EQ(risingInside, c.increasingFilled ? rising.rgb() : qRgb(255, 255, 255)) << c.increasingFilled;
        EXPECT_EQ(fallingInside, c.decreasingFilled ? falling.rgb() : qRgb(255, 255, 255)) << c.decreasingFilled;
        // Filled or not, the outline is in the candle's colour.
        const auto risingBox = boundsOfColour(image, rising, 10);
        const auto fallingBox = boundsOfColour(image, falling, 10);
        ASSERT_TRUE(risingBox && fallingBox);
        const Point low = chart.view->pixelForValues(1, 20, YAxis::AxisDependency::left);
        const Point high = chart.view->pixelForValues(1, 80, YAxis::AxisDependency::left);
        EXPECT_NEAR(risingBox->top(), high.y, 1.5);
        EXPECT_NEAR(risingBox->bottom(), low.y, 1.5);
        EXPECT_LT(risingBox->right(), fallingBox->left()) << "each candle in its own slot";
    }
}

TEST(CandlePixels, AssistiveTechnologyReadsTheCandles) {
    Chart chart;
    paintedView(*chart.view);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(chart.view.get());
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->childCount(), 3);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QString("CandleStick Chart. 1 dataset. Prices"));
    EXPECT_EQ(list->child(1)->text(QAccessible::Name),
              QString(" 1.0 - increasing. low: 10.0, high: 90.0, opening: 20.0, closing: 80.0"));
    EXPECT_EQ(list->child(2)->role(), QAccessible::ListItem);
    const QPoint centre = chart.view->mapToGlobal(chart.bodyPoint(2));
    EXPECT_EQ(list->childAt(centre.x(), centre.y()), list->child(2));
}

} // namespace
} // namespace charts
