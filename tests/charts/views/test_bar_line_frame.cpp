// One whole frame of a line chart into the recording back end, with fixed
// text metrics: which layer paints when, the state stack, and the clips.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "Charts/render/CartesianFrame.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "tests/charts/support/chart_view_support.h"

namespace charts {
namespace {

using namespace charts::testing;

// Colours that tell the layers apart.
const QColor background(240, 240, 240);
const QColor border(0, 0, 0);
const QColor xLine(200, 0, 0), leftLine(0, 200, 0), rightLine(0, 0, 200);
const QColor xGrid(201, 1, 1), leftGrid(1, 201, 1), rightGrid(1, 1, 201);
const QColor xLabels(202, 2, 2), leftLabels(2, 202, 2), rightLabels(2, 2, 202);
const QColor behindLimit(100, 50, 0), frontLimit(0, 50, 100);
const QColor dataLine(10, 20, 30);
const QColor circle(30, 20, 10);
const QColor values(40, 40, 40);
const QColor highlight(255, 187, 115);
const QColor legendText(60, 0, 60);
const QColor descriptionText(0, 60, 60);

struct Frame {
    std::unique_ptr<LineChartView> view;
    std::shared_ptr<LineChartDataSet> set;
};

Frame styledChart() {
    Frame frame{makeLineChart(400, 300), lineSet({{0, 10}, {25, 80}, {50, 30}, {75, 60}, {100, 20}}, "Curve")};
    auto& view = *frame.view;
    auto& set = *frame.set;
    set.setColor(dataLine);
    set.setCircleColor(circle);
    set.setValueTextColor(values);
    set.setDrawValuesEnabled(true);
    view.setDrawGridBackgroundEnabled(true);
    view.setGridBackgroundColor(background);
    view.setDrawBordersEnabled(true);
    view.setBorderColor(border);
    const struct {
        AxisBase* axis;
        QColor line, grid, labels;
    } axes[] = {{view.xAxis().get(), xLine, xGrid, xLabels},
                {view.leftAxis().get(), leftLine, leftGrid, leftLabels},
                {view.rightAxis().get(), rightLine, rightGrid, rightLabels}};
    for (const auto& a : axes) {
        a.axis->setAxisLineColor(a.line);
        a.axis->setGridColor(a.grid);
        a.axis->setLabelTextColor(a.labels);
    }
    auto behind = std::make_shared<ChartLimitLine>(40.0);
    behind->setLineColor(behindLimit);
    auto front = std::make_shared<ChartLimitLine>(70.0);
    front->setLineColor(frontLimit);
    view.leftAxis()->addLimitLine(behind);
    view.leftAxis()->setDrawLimitLinesBehindDataEnabled(true);
    view.rightAxis()->addLimitLine(front);
    view.legend()->setTextColor(legendText);
    view.chartDescription()->setText(QStringLiteral("Caption"));
    view.chartDescription()->setTextColor(descriptionText);
    view.setData(lineData({frame.set}));
    view.highlightValue(50, 0, -1, false);
    return frame;
}

bool same(const QColor& a, const QColor& b) { return a.rgb() == b.rgb(); }

// The layer a painting belongs to, by the colour it paints with.
std::string layerOf(const RecordedOperation& op) {
    const QColor stroke = op.state.strokeColor;
    const QColor fill = op.state.fillColor;
    const bool text = op.kind == DrawingOperation::drawText || op.kind == DrawingOperation::drawTextInRect;
    if (text) {
        const QColor c = op.attributes.resolvedColor();
        if (same(c, xLabels) || same(c, leftLabels) || same(c, rightLabels)) return "axis labels";
        if (same(c, values)) return "values";
        if (same(c, legendText)) return "legend";
        if (same(c, descriptionText)) return "description";
        return "text?";
    }
    const bool stroking = op.kind == DrawingOperation::strokeLineSegments || op.kind == DrawingOperation::strokeRect ||
                          (op.kind == DrawingOperation::drawPath && op.mode == PathDrawingMode::stroke);
    if (op.kind == DrawingOperation::fillRect && same(fill, background)) return "grid background";
    if (op.kind == DrawingOperation::strokeRect && same(stroke, border)) return "border";
    if (stroking) {
        if (same(stroke, xLine) || same(stroke, leftLine) || same(stroke, rightLine)) return "axis lines";
        if (same(stroke, xGrid) || same(stroke, leftGrid) || same(stroke, rightGrid)) return "grid lines";
        if (same(stroke, behindLimit)) return "limit lines behind";
        if (same(stroke, frontLimit)) return "limit lines in front";
        if (same(stroke, dataLine)) return "data";
        if (same(stroke, highlight)) return "highlight";
    }
    if (same(fill, circle) || same(fill, QColor(255, 255, 255))) return "circles";
    if (same(fill, dataLine)) return "legend"; // the legend's colour shape
    return "other";
}

std::vector<std::string> layers(const RecordingContext& context) {
    std::vector<std::string> order;
    for (const RecordedOperation& op : context.paintings()) {
        // Clips narrow what later layers paint; they are not a layer.
        if (op.kind == DrawingOperation::clip || op.kind == DrawingOperation::clipToRect) continue;
        const std::string layer = layerOf(op);
        if (order.empty() || order.back() != layer) order.push_back(layer);
    }
    return order;
}

TEST(BarLineFrame, PaintsItsLayersInTheFixedOrder) {
    FixedMetrics metrics;
    const Frame frame = styledChart();
    RecordingContext context;
    frame.view->draw(context);
    const std::vector<std::string> expected = {"grid background",      "border",      "axis lines", "grid lines",
                                               "limit lines behind",   "data",        "highlight",  "circles",
                                               "limit lines in front", "axis labels", "values",     "legend",
                                               "description"};
    EXPECT_EQ(layers(context), expected) << context.describe();
}

// The paintings of one layer and kind.
std::vector<RecordedOperation> paintingsOf(const RecordingContext& context, const std::string& layer,
                                           DrawingOperation kind) {
    std::vector<RecordedOperation> found;
    for (const RecordedOperation& op : context.paintings())
        if (op.kind == kind && layerOf(op) == layer) found.push_back(op);
    return found;
}

// The same frame's items at their places, from the view's own geometry, the
// components' settings and the fixed text metrics (a character half the
// font's size wide, a line 1.25 times it tall).
TEST(BarLineFrame, ItsItemsSitWhereTheGeometryPutsThem) {
    FixedMetrics metrics;
    const Frame frame = styledChart();
    RecordingContext context;
    frame.view->draw(context);
    const LineChartView& view = *frame.view;
    const auto& port = view.viewPortHandler();
    const auto px = [&](double x, double y) { return view.pixelForValues(x, y, YAxis::AxisDependency::left); };
    const auto near = [](Point a, Point b) { return std::fabs(a.x - b.x) < 1e-9 && std::fabs(a.y - b.y) < 1e-9; };

    // The data line: one segment from each entry to the next.
    std::vector<Point> ends;
    for (const RecordedOperation& op : paintingsOf(context, "data", DrawingOperation::strokeLineSegments))
        ends.insert(ends.end(), op.points.begin(), op.points.end());
    const std::vector<Point> points{{0, 10}, {25, 80}, {50, 30}, {75, 60}, {100, 20}};
    ASSERT_EQ(ends.size(), 2 * (points.size() - 1)) << context.describe();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        EXPECT_TRUE(near(ends[2 * i], px(points[i].x, points[i].y))) << "segment " << i;
        EXPECT_TRUE(near(ends[2 * i + 1], px(points[i + 1].x, points[i + 1].y))) << "segment " << i;
    }

    // The x label of 40, on top of the content by default: centred over its
    // value, its bottom the axis' y offset above the content (a 10-pixel font:
    // 5 pixels a character, 12.5 a line).
    const auto xTexts = paintingsOf(context, "axis labels", DrawingOperation::drawTextInRect);
    const auto forty = std::find_if(xTexts.begin(), xTexts.end(), [](const RecordedOperation& op) {
        return op.text == QLatin1String("40") && same(op.attributes.resolvedColor(), xLabels);
    });
    ASSERT_NE(forty, xTexts.end()) << context.describe();
    ASSERT_EQ(view.xAxis()->labelPosition(), XAxis::LabelPosition::top);
    const double fontSize = FixedTextMeasurer::fontSize(view.xAxis()->labelFont());
    EXPECT_EQ(forty->rect,
              Rect(px(40, 0).x - fontSize / 2, port->contentTop() - view.xAxis()->yOffset() - 1.25 * fontSize, fontSize,
                   1.25 * fontSize));

    // The left axis' second label: right-aligned the axis' x offset left of
    // the content, raised from its value by a line less a 2.5th of one.
    YAxis& left = *view.leftAxis();
    ASSERT_GE(left.entries().size(), 2u);
    const QString text = left.getFormattedLabel(1);
    const double lineHeight = 1.25 * FixedTextMeasurer::fontSize(left.labelFont());
    const double width = text.size() * FixedTextMeasurer::fontSize(left.labelFont()) / 2;
    const Point expected{port->offsetLeft() - left.xOffset() - width,
                         px(0, left.entries()[1]).y + lineHeight / 2.5 + left.yOffset() - lineHeight};
    bool found = false;
    for (const RecordedOperation& op : paintingsOf(context, "axis labels", DrawingOperation::drawText)) {
        if (op.text != text || !same(op.attributes.resolvedColor(), leftLabels)) continue;
        found = true;
        ASSERT_EQ(op.points.size(), 1u);
        EXPECT_TRUE(near(op.points.front(), expected))
            << op.points.front().x << ", " << op.points.front().y << " for " << expected.x << ", " << expected.y;
    }
    EXPECT_TRUE(found) << text.toStdString() << "\n" << context.describe();

    // The x axis' grid line at its second value: top to bottom of the content.
    const auto& xAxis = *view.xAxis();
    ASSERT_GE(xAxis.entries().size(), 2u);
    Path grid;
    grid.moveTo(Point{px(xAxis.entries()[1], 0).x, port->contentTop()});
    grid.lineTo(Point{px(xAxis.entries()[1], 0).x, port->contentBottom()});
    const auto gridLines = paintingsOf(context, "grid lines", DrawingOperation::drawPath);
    EXPECT_NE(
        std::find_if(gridLines.begin(), gridLines.end(), [&](const RecordedOperation& op) { return op.path == grid; }),
        gridLines.end())
        << context.describe();

    // The legend's one entry, at the bottom left of the content: its square
    // centred on the label's line, the label the form-to-text space after it.
    const auto& legend = *view.legend();
    const double legendLine = 1.25 * FixedTextMeasurer::fontSize(legend.font());
    const double top = port->chartHeight() - legend.yOffset() - legend.neededHeight();
    const double x = port->contentLeft() + legend.xOffset();
    const auto squares = paintingsOf(context, "legend", DrawingOperation::fillRect);
    ASSERT_EQ(squares.size(), 1u) << context.describe();
    EXPECT_EQ(squares.front().rect,
              Rect(x, top + legendLine / 2 - legend.formSize() / 2, legend.formSize(), legend.formSize()));
    const auto labels = paintingsOf(context, "legend", DrawingOperation::drawText);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels.front().text, QStringLiteral("Curve"));
    ASSERT_EQ(labels.front().points.size(), 1u);
    EXPECT_TRUE(near(labels.front().points.front(), Point{x + legend.formSize() + legend.formToTextSpace(), top}));
}

TEST(BarLineFrame, GridLinesInFrontOfTheDataComeAfterIt) {
    FixedMetrics metrics;
    const Frame frame = styledChart();
    // The x axis's flag decides for all three axes.
    frame.view->xAxis()->setDrawGridLinesBehindDataEnabled(false);
    RecordingContext context;
    frame.view->draw(context);
    const auto order = layers(context);
    const auto position = [&](const std::string& layer) {
        return std::find(order.begin(), order.end(), layer) - order.begin();
    };
    EXPECT_LT(position("data"), position("grid lines"));
    EXPECT_LT(position("grid lines"), position("highlight"));
    // And they are clipped like the data (inside the view's clip, their
    // renderer may narrow it further).
    const Rect content = frame.view->viewPortHandler()->contentRect();
    for (const RecordedOperation& op : context.paintings()) {
        if (layerOf(op) != "grid lines" || op.kind == DrawingOperation::clipToRect) continue;
        ASSERT_GE(op.clips.size(), 1u);
        EXPECT_EQ(op.clips.front().path.boundingBox(), content);
    }
}

TEST(BarLineFrame, SavesAndRestoresInPairs) {
    FixedMetrics metrics;
    const Frame frame = styledChart();
    frame.view->setClipValuesToContentEnabled(true);
    RecordingContext context;
    frame.view->draw(context);
    int depth = 0;
    int deepest = 0;
    for (const RecordedOperation& op : context.operations()) {
        if (op.kind == DrawingOperation::saveGState) deepest = std::max(deepest, ++depth);
        if (op.kind == DrawingOperation::restoreGState) {
            --depth;
            ASSERT_GE(depth, 0) << context.describe();
        }
    }
    EXPECT_EQ(depth, 0);
    EXPECT_GT(deepest, 0);
    // Whatever the layers set, the frame leaves the state as it found it.
    EXPECT_EQ(context.graphicsState(), GraphicsState{});
    EXPECT_TRUE(context.clips().empty());
}

TEST(BarLineFrame, TheDataAndHighlightsAreClippedToTheContentAndTheRestIsNot) {
    struct Case {
        bool clipData;
        bool clipValues;
    };
    for (const Case c : {Case{true, false}, Case{false, false}, Case{true, true}}) {
        FixedMetrics metrics;
        const Frame frame = styledChart();
        frame.view->setClipDataToContentEnabled(c.clipData);
        frame.view->setClipValuesToContentEnabled(c.clipValues);
        RecordingContext context;
        frame.view->draw(context);
        const Rect content = frame.view->viewPortHandler()->contentRect();
        int seen = 0;
        for (const RecordedOperation& op : context.paintings()) {
            const std::string layer = layerOf(op);
            bool clipped = false;
            if (layer == "data" || layer == "highlight") clipped = c.clipData;
            if (layer == "values") clipped = c.clipValues;
            if (op.kind == DrawingOperation::clip || op.kind == DrawingOperation::clipToRect) continue;
            if (clipped) {
                ASSERT_GE(op.clips.size(), 1u) << layer;
                EXPECT_EQ(op.clips.front().path.boundingBox(), content) << layer;
                ++seen;
            } else if (layer == "circles" || layer == "axis labels" || layer == "legend" || layer == "description" ||
                       layer == "values" || layer == "data" || layer == "highlight") {
                // Grid and limit lines clip themselves; everything else the
                // view leaves unclipped paints with no clip at all.
                EXPECT_TRUE(op.clips.empty()) << layer << " " << c.clipData << c.clipValues;
            }
        }
        EXPECT_EQ(seen > 0, c.clipData || c.clipValues);
    }
}

TEST(BarLineFrame, WithoutDataOrRendererOnlyTheBaseDraws) {
    FixedMetrics metrics;
    {
        const auto view = makeLineChart();
        view->setDrawGridBackgroundEnabled(true);
        RecordingContext context;
        view->draw(context);
        ASSERT_EQ(context.paintings().size(), 1u);
        EXPECT_EQ(context.paintings().front().kind, DrawingOperation::drawTextInRect);
    }
    {
        const Frame frame = styledChart();
        frame.view->setRenderer(nullptr);
        RecordingContext context;
        frame.view->draw(context);
        EXPECT_TRUE(context.paintings().empty()) << context.describe();
    }
}

TEST(BarLineFrame, AutoScaleFitsTheYAxisToTheVisibleEntries) {
    FixedMetrics metrics;
    const auto view = makeLineChart(400, 300);
    view->setData(lineData({lineSet({{0, 0}, {10, 1000}, {20, 5}, {30, 8}, {40, 2}})}));
    view->setAutoScaleMinMaxEnabled(true);
    view->zoom(4, 1, 0, 0);
    view->moveViewToX(25);
    RecordingContext context;
    view->draw(context);
    EXPECT_LT(view->leftAxis()->axisMaximum(), 100);
}

// An empty content rectangle (a chart smaller than its margins, or of no
// size) makes 0 / 0 in the value matrices; the frame draws without reaching
// the axis maths or an integer conversion with it.
TEST(BarLineFrame, AnEmptyContentRectangleDrawsNothingBroken) {
    FixedMetrics metrics;
    for (const Size size : {Size{0, 0}, Size{15, 15}, Size{400, 0}}) {
        const auto view = makeLineChart(size.width, size.height);
        view->setData(lineData({lineSet(ramp(5))}));
        view->setViewPortOffsets(20, 20, 20, 20);
        RecordingContext context;
        view->draw(context);
        view->highlightValue(20, 0, -1, false);
        view->draw(context);
        for (const AxisBase* axis :
             {static_cast<AxisBase*>(view->xAxis().get()), static_cast<AxisBase*>(view->leftAxis().get())}) {
            for (double entry : axis->entries()) EXPECT_TRUE(std::isfinite(entry));
        }
    }
}

// A line renderer that notes which drawing calls ran inside a handed-over
// frame.
class FrameSpy : public LineChartRenderer {
public:
    using LineChartRenderer::LineChartRenderer;
    void beginFrame(const CartesianFrame& frame) override {
        frames.push_back(frame);
        LineChartRenderer::beginFrame(frame);
        held = true;
    }
    void endFrame() override {
        LineChartRenderer::endFrame();
        held = false;
    }
    void drawData(DrawingContext& context) override {
        note("data");
        LineChartRenderer::drawData(context);
    }
    void drawValues(DrawingContext& context) override {
        note("values");
        LineChartRenderer::drawValues(context);
    }
    void drawExtras(DrawingContext& context) override {
        note("extras");
        LineChartRenderer::drawExtras(context);
    }
    void drawHighlighted(DrawingContext& context, const std::vector<HighlightPtr>& indices) override {
        note("highlights");
        LineChartRenderer::drawHighlighted(context, indices);
    }

    std::vector<CartesianFrame> frames;
    std::vector<std::string> calls;
    bool held = false;

private:
    void note(const char* call) { calls.push_back(held ? call : std::string(call) + " outside a frame"); }
};

// The view hands its renderer one frame per paint, read after auto-scaling
// and the axes, and takes it back when the paint ends.
TEST(BarLineFrame, TheRendererDrawsThePaintFromOneFrame) {
    FixedMetrics metrics;
    Frame frame = styledChart();
    auto& view = *frame.view;
    view.setAutoScaleMinMaxEnabled(true);
    view.zoom(4, 1, 0, 0);
    view.moveViewToX(25);
    auto spy = std::make_shared<FrameSpy>(std::dynamic_pointer_cast<LineChartDataProvider>(view.weakView().lock()),
                                          view.chartAnimator(), view.viewPortHandler());
    view.setRenderer(spy);
    RecordingContext context;
    view.draw(context);
    EXPECT_EQ(spy->calls, (std::vector<std::string>{"data", "highlights", "extras", "values"}));
    ASSERT_EQ(spy->frames.size(), 1u);
    EXPECT_EQ(spy->frames[0], frameOf(view, *view.viewPortHandler(), *view.chartAnimator()));
    EXPECT_FALSE(spy->held);
}

} // namespace
} // namespace charts
