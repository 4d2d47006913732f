// The horizontal bar chart's axis renderers, recorded, beyond the whole
// frames kept as golden files (which hold their axis lines, grid, value
// labels, zero line and x labels on both sides): x labels down the left
// and right edges for every single-side label position, limit lines across
// and down with their labels at every corner, and the visible ranges they
// compute once zoomed.
#include <gtest/gtest.h>

#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/types/bar/XAxisRendererHorizontalBarChart.h"
#include "Charts/types/bar/YAxisRendererHorizontalBarChart.h"
#include "tests/charts/types/bar/bar_support.h"

namespace {

using namespace bar_test;
using Position = XAxis::LabelPosition;

// A horizontal bar chart of x 0 to 4 (entries) and values -10 to 10, laid
// out with fixed metrics; its axis renderers are drawn on their own.
struct TurnedAxes : RecordedChart<HorizontalBarChartView> {
    TurnedAxes() {
        view->xAxis()->setValueFormatter(xNamed());
        view->leftAxis()->setAxisMinimum(-10);
        view->leftAxis()->setAxisMaximum(10);
        view->setData(barData({plainBars({1, 2, 3, 4, 5})}));
    }
    const ViewPortHandler& port() const { return *view->viewPortHandler(); }
    double pixelY(double x) const { return view->pixelForValues(0, x, YAxis::AxisDependency::left).y; }
    double pixelX(double value) const { return view->pixelForValues(value, 0, YAxis::AxisDependency::left).x; }
};

// Both sides at once are held whole by the golden frame sideways_with_axes.
TEST(TurnedAxisRendererTest, XLabelsRunDownTheirEdges) {
    using Port = const ViewPortHandler&;
    // Where each label's box starts: right of the right edge, left of the
    // left edge (its right end there), or just inside either.
    const std::pair<Position, double (*)(Port, double xOffset, double width)> cases[] = {
        {Position::top, [](Port p, double xo, double) { return p.contentRight() + xo; }},
        {Position::topInside, [](Port p, double xo, double w) { return p.contentRight() - xo - w; }},
        {Position::bottom, [](Port p, double xo, double w) { return p.contentLeft() - xo - w; }},
        {Position::bottomInside, [](Port p, double xo, double) { return p.contentLeft() + xo; }}};
    for (const auto& [position, column] : cases) {
        TurnedAxes axes;
        axes.view->xAxis()->setLabelPosition(position);
        axes.view->notifyDataSetChanged();
        axes.view->xAxisRenderer()->renderAxisLabels(axes.context);
        const auto texts = axes.texts();
        const auto& entries = axes.view->xAxis()->entries();
        ASSERT_EQ(texts.size(), entries.size()) << XAxis::rawValue(position);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const Size size = axes.context.textMeasurer().size(texts[i].text, texts[i].attributes.font);
            EXPECT_EQ(texts[i].text, QStringLiteral("x%1").arg(entries[i]));
            EXPECT_NEAR(texts[i].points[0].x, column(axes.port(), axes.view->xAxis()->xOffset(), size.width), 1e-9)
                << XAxis::rawValue(position) << " " << i;
            // Centred on the entry's height.
            EXPECT_NEAR(texts[i].points[0].y, axes.pixelY(entries[i]) - size.height / 2, 1e-9);
        }
    }
}

// Each stroke of a grid: its two ends.
std::vector<std::pair<Point, Point>> strokedLines(const RecordingContext& context) {
    std::vector<std::pair<Point, Point>> lines;
    for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath)) {
        if (op.mode != PathDrawingMode::stroke || op.path.elements().size() < 2) continue;
        lines.emplace_back(op.path.elements()[0].points[0], op.path.elements()[1].points[0]);
    }
    return lines;
}

TEST(TurnedAxisRendererTest, LimitLinesCrossTheContentWithTheirLabels) {
    using L = ChartLimitLine::LabelPosition;
    struct Case {
        L position;
        // The label's corner from the line and the content's edges.
        bool right;
        bool top;
    };
    const Case cases[] = {{L::topLeft, false, true},
                          {L::topRight, true, true},
                          {L::bottomLeft, false, false},
                          {L::bottomRight, true, false}};
    for (const Case& c : cases) {
        TurnedAxes axes;
        auto across = std::make_shared<ChartLimitLine>(2.0, QStringLiteral("Across"));
        across->setLabelPosition(c.position);
        axes.view->xAxis()->addLimitLine(across);
        auto down = std::make_shared<ChartLimitLine>(5.0, QStringLiteral("Down"));
        down->setLabelPosition(c.position);
        axes.view->leftAxis()->addLimitLine(down);
        axes.view->xAxisRenderer()->renderLimitLines(axes.context);
        axes.view->leftYAxisRenderer()->renderLimitLines(axes.context);
        const auto lines = strokedLines(axes.context);
        ASSERT_EQ(lines.size(), 2u);
        const double y = axes.pixelY(2);
        const double x = axes.pixelX(5);
        EXPECT_EQ(lines[0], (std::pair{Point{axes.port().contentLeft(), y}, Point{axes.port().contentRight(), y}}));
        EXPECT_NEAR(lines[1].first.x, x, 1e-9);
        EXPECT_EQ(lines[1].first.y, axes.port().contentTop());
        EXPECT_EQ(lines[1].second.y, axes.port().contentBottom());

        const auto texts = axes.texts();
        ASSERT_EQ(texts.size(), 2u);
        const TextMeasurer& measurer = axes.context.textMeasurer();
        const double h = measurer.lineHeight(across->valueFont());
        const double w0 = measurer.size("Across", across->valueFont()).width;
        const double w1 = measurer.size("Down", down->valueFont()).width;
        const double lineWidth = across->lineWidth();
        const double lx = across->xOffset();
        const double ly = across->yOffset();
        // Across: 4 + x offset from the content's side, line width + line
        // height + y offset from the line.
        const double acrossX = c.right ? axes.port().contentRight() - 4 - lx - w0 : axes.port().contentLeft() + 4 + lx;
        const double acrossY = c.top ? y - (ly + lineWidth + h) : y + (ly + lineWidth + h) - h;
        EXPECT_NEAR(texts[0].points[0].x, acrossX, 1e-9) << ChartLimitLine::rawValue(c.position);
        EXPECT_NEAR(texts[0].points[0].y, acrossY, 1e-9) << ChartLimitLine::rawValue(c.position);
        // Down: line width + x offset from the line, 2 + y offset from the
        // content's top or bottom.
        const double downX = c.right ? x + lineWidth + lx : x - lineWidth - lx - w1;
        const double downY = c.top ? axes.port().contentTop() + 2 + ly : axes.port().contentBottom() - h - 2 - ly;
        EXPECT_NEAR(texts[1].points[0].x, downX, 1e-9) << ChartLimitLine::rawValue(c.position);
        EXPECT_NEAR(texts[1].points[0].y, downY, 1e-9) << ChartLimitLine::rawValue(c.position);
    }
}

TEST(TurnedAxisRendererTest, ZoomedAxesComputeTheirValuesFromTheVisibleRange) {
    TurnedAxes axes;
    const auto& x = axes.view->xAxis();
    const auto& left = axes.view->leftAxis();
    // Zoomed out, the given ranges.
    axes.view->xAxisRenderer()->computeAxis(0, 4, false);
    const std::vector<double> whole = x->entries();
    axes.view->leftYAxisRenderer()->computeAxis(-10, 10, false);
    const std::vector<double> wholeValues = left->entries();
    // Zoomed in about the middle: what the content's edges show.
    axes.view->zoom(4, 4, axes.port().contentWidth() / 2, axes.port().contentHeight() / 2);
    axes.view->xAxisRenderer()->computeAxis(0, 4, false);
    EXPECT_GT(x->entries().front(), whole.front());
    for (const double value : x->entries()) {
        EXPECT_GE(value, axes.view->lowestVisibleX() - 1e-9);
        EXPECT_LE(value, axes.view->highestVisibleX() + 1e-9);
    }
    axes.view->leftYAxisRenderer()->computeAxis(-10, 10, false);
    EXPECT_GT(left->entries().front(), wholeValues.front());
    const double lowest =
        axes.view->valueForTouchPoint(Point{axes.port().contentLeft(), 0}, YAxis::AxisDependency::left).x;
    const double highest =
        axes.view->valueForTouchPoint(Point{axes.port().contentRight(), 0}, YAxis::AxisDependency::left).x;
    for (const double value : left->entries()) {
        EXPECT_GE(value, lowest - 1e-9);
        EXPECT_LE(value, highest + 1e-9);
    }
}

} // namespace
