// The line renderer's lines and filled areas, recorded: every segment end
// and Bezier control point of the four modes, culling to the view, the
// filled areas and the state balance of each call.
#include <gtest/gtest.h>

#include "Charts/data/ChartDataSet.h"
#include "Charts/drawing/Path.h"
#include "Charts/types/line/FillFormatter.h"
#include "Charts/types/line/LineChartRenderer.h"
#include "tests/charts/support/render_support.h"

namespace {

using namespace charts;
using namespace render_test;

class LinePathsTest : public ::testing::Test {
protected:
    std::shared_ptr<LineChartDataSet> show(std::vector<Point> points, LineChartMode mode = LineChartMode::linear) {
        auto set = lineSet(points);
        set->setMode(mode);
        chart->setDataSets({set});
        return set;
    }
    void draw() { renderer.drawData(context); }
    // The path of the one stroke of a Bezier set (a stroke of drawPath).
    Path strokedPath() const {
        for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath))
            if (op.mode == PathDrawingMode::stroke) return op.path;
        return {};
    }
    std::vector<RecordedOperation> fills() const {
        std::vector<RecordedOperation> found;
        for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath))
            if (op.mode == PathDrawingMode::fill) found.push_back(op);
        return found;
    }

    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    LineChartRenderer renderer{chart, chart->animator, chart->viewPort};
    RecordingContext context;
};

TEST_F(LinePathsTest, LinearStrokesEachPairAsOneSegmentInOneCall) {
    show({{1, 10}, {2, 50}, {3, 20}});
    draw();
    const auto strokes = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(strokes.size(), 1u);
    expectPointsNear(strokes[0].points, {pixel(1, 10), pixel(2, 50), pixel(2, 50), pixel(3, 20)});
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(LinePathsTest, SteppedRunsAcrossThenRises) {
    show({{1, 10}, {2, 50}, {3, 20}}, LineChartMode::stepped);
    draw();
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 10), pixel(2, 10), pixel(2, 10), pixel(2, 50), pixel(2, 50),
                                                   pixel(3, 50), pixel(3, 50), pixel(3, 20)});
}

TEST_F(LinePathsTest, LinesTakeTheStyleOfTheSet) {
    auto set = show({{1, 10}, {2, 50}});
    set->setLineWidth(2.5);
    set->setLineDashLengths(std::vector<double>{4, 2});
    set->setLineCapType(Qt::RoundCap);
    set->setColor(QColor(10, 20, 30));
    draw();
    const auto strokes = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(strokes.size(), 1u);
    EXPECT_EQ(strokes[0].state.strokeColor, QColor(10, 20, 30));
    EXPECT_EQ(strokes[0].state.stroke.lineWidth, 2.5);
    EXPECT_EQ(strokes[0].state.stroke.dashLengths, (std::vector<double>{4, 2}));
    EXPECT_EQ(strokes[0].state.stroke.cap, LineCap::round);
    // ...and leave the context's own style as it was.
    EXPECT_EQ(context.graphicsState(), GraphicsState{});
}

TEST_F(LinePathsTest, SegmentsOfOneColourShareAStrokeCall) {
    auto set = show({{1, 10}, {2, 50}, {3, 20}, {4, 30}});
    set->setColors({Qt::red, Qt::red, Qt::blue});
    draw();
    const auto strokes = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[0].state.strokeColor, QColor(Qt::red));
    expectPointsNear(strokes[0].points, {pixel(1, 10), pixel(2, 50), pixel(2, 50), pixel(3, 20)});
    EXPECT_EQ(strokes[1].state.strokeColor, QColor(Qt::blue));
    expectPointsNear(strokes[1].points, {pixel(3, 20), pixel(4, 30)});
}

TEST_F(LinePathsTest, EqualNeighboursAreNotStroked) {
    show({{1, 10}, {1, 10}, {2, 50}});
    draw();
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 10), pixel(2, 50)});
}

TEST_F(LinePathsTest, OneVisibleEntryDrawsNoLineInAnyMode) {
    for (const LineChartMode mode :
         {LineChartMode::linear, LineChartMode::stepped, LineChartMode::cubicBezier, LineChartMode::horizontalBezier}) {
        context.clearOperations();
        show({{1, 10}}, mode);
        draw();
        EXPECT_EQ(context.count(DrawingOperation::strokeLineSegments), 0u) << rawValue(mode);
        EXPECT_TRUE(strokedPath().isEmpty()) << rawValue(mode);
        EXPECT_TRUE(balancedSaves(context)) << rawValue(mode);
    }
}

TEST_F(LinePathsTest, AWidthOfZeroStrokesNothing) {
    auto set = show({{1, 10}, {2, 50}, {3, 20}});
    set->setLineWidth(0);
    draw();
    EXPECT_EQ(context.count(DrawingOperation::strokeLineSegments), 0u);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(LinePathsTest, SegmentsOutsideTheContentAreSkipped) {
    chart->lowestX = -5;
    chart->highestX = 20;
    // Left of the content, across its left edge, inside, above it, across
    // its right edge, and wholly right of it.
    show({{-3, 10}, {-2, 10}, {1, 10}, {2, 50}, {3, 500}, {4, 600}, {9, 10}, {11, 10}, {12, 10}, {13, 20}});
    draw();
    expectPointsNear(strokedSegmentEnds(context),
                     {pixel(-2, 10), pixel(1, 10), pixel(1, 10), pixel(2, 50), pixel(2, 50), pixel(3, 500),
                      pixel(4, 600), pixel(9, 10), pixel(9, 10), pixel(11, 10)});
}

TEST_F(LinePathsTest, OnlyTheVisibleIndexRangeIsWalked) {
    std::vector<Point> points;
    for (int i = 0; i <= 100; ++i) points.push_back(Point{i * 0.1, 50});
    auto set = show(points);
    set->setColors({Qt::red, Qt::blue}); // one stroke call per segment
    chart->lowestX = 2.05;
    chart->highestX = 2.35;
    draw();
    // Entries 20 (x 2.0) through 24 (x 2.4): four segments.
    EXPECT_EQ(context.count(DrawingOperation::strokeLineSegments), 4u);
}

TEST_F(LinePathsTest, ThePhaseOfYScalesEveryPoint) {
    show({{1, 10}, {2, 50}});
    chart->animator->setPhaseY(0.5);
    draw();
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 5), pixel(2, 25)});
}

TEST_F(LinePathsTest, ThePhaseOfXShortensTheLine) {
    show({{1, 10}, {2, 50}, {3, 20}, {4, 30}, {5, 40}});
    chart->animator->setPhaseX(0.5);
    draw();
    expectPointsNear(strokedSegmentEnds(context), {pixel(1, 10), pixel(2, 50), pixel(2, 50), pixel(3, 20)});
}

struct CubicControls {
    Point control1;
    Point control2;
    Point end;
};

// The recorded curve: its start and each segment in value space.
void expectCurve(const Path& path, Point start, const std::vector<CubicControls>& segments, double phaseY = 1) {
    ASSERT_EQ(path.elements().size(), segments.size() + 1);
    EXPECT_EQ(path.elements()[0].kind, PathElementKind::moveTo);
    const Point first = pixel(start.x, start.y * phaseY);
    EXPECT_NEAR(path.elements()[0].points[0].x, first.x, 1e-9);
    EXPECT_NEAR(path.elements()[0].points[0].y, first.y, 1e-9);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const PathElement& element = path.elements()[i + 1];
        ASSERT_EQ(element.kind, PathElementKind::curveTo) << i;
        const Point expected[3] = {segments[i].control1, segments[i].control2, segments[i].end};
        for (int k = 0; k < 3; ++k) {
            const Point p = pixel(expected[k].x, expected[k].y * phaseY);
            EXPECT_NEAR(element.points[k].x, p.x, 1e-9) << "segment " << i << " point " << k;
            EXPECT_NEAR(element.points[k].y, p.y, 1e-9) << "segment " << i << " point " << k;
        }
    }
}

TEST_F(LinePathsTest, CubicControlPointsFollowTheNeighboursSlopes) {
    show({{1, 10}, {2, 50}, {3, 20}, {4, 40}}, LineChartMode::cubicBezier);
    draw();
    // Intensity 0.2: the first segment has no point before it (prevPrev is
    // the start), the last none after it (next is the end).
    expectCurve(strokedPath(), {1, 10},
                {{{1.2, 18}, {1.6, 48}, {2, 50}}, {{2.4, 52}, {2.6, 22}, {3, 20}}, {{3.4, 18}, {3.8, 36}, {4, 40}}});
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(LinePathsTest, CubicControlPointsScaleWithThePhase) {
    show({{1, 10}, {2, 50}, {3, 20}, {4, 40}}, LineChartMode::cubicBezier);
    chart->animator->setPhaseY(0.5);
    draw();
    expectCurve(strokedPath(), {1, 10},
                {{{1.2, 18}, {1.6, 48}, {2, 50}}, {{2.4, 52}, {2.6, 22}, {3, 20}}, {{3.4, 18}, {3.8, 36}, {4, 40}}},
                0.5);
}

TEST_F(LinePathsTest, CubicStartsOnePointBeforeTheVisibleRange) {
    show({{1, 10}, {2, 50}, {3, 20}, {4, 40}, {5, 0}}, LineChartMode::cubicBezier);
    chart->lowestX = 2;
    chart->highestX = 4;
    draw();
    // The first segment's slope starts from entry 0, outside the range.
    expectCurve(strokedPath(), {2, 50}, {{{2.4, 52}, {2.6, 22}, {3, 20}}, {{3.4, 18}, {3.6, 44}, {4, 40}}});
}

TEST_F(LinePathsTest, HorizontalBezierPutsBothControlsAtTheMiddle) {
    show({{1, 10}, {2, 50}, {4, 20}}, LineChartMode::horizontalBezier);
    draw();
    expectCurve(strokedPath(), {1, 10}, {{{1.5, 10}, {1.5, 50}, {2, 50}}, {{3, 50}, {3, 20}, {4, 20}}});
}

TEST_F(LinePathsTest, BezierLinesTakeTheFirstColour) {
    auto set = show({{1, 10}, {2, 50}}, LineChartMode::horizontalBezier);
    set->setColors({Qt::green, Qt::red});
    draw();
    for (const RecordedOperation& op : ofKind(context, DrawingOperation::drawPath))
        if (op.mode == PathDrawingMode::stroke) {
            EXPECT_EQ(op.state.strokeColor, QColor(Qt::green));
        }
}

class FilledAreaTest : public LinePathsTest {
protected:
    std::shared_ptr<LineChartDataSet> showFilled(LineChartMode mode) {
        auto set = show({{1, 10}, {2, 50}, {3, 20}}, mode);
        set->setDrawFilledEnabled(true);
        set->setFillFormatter(
            DefaultFillFormatter::with([](const DataSetValues&, const LineChartDataProvider&) { return 5.0; }));
        set->setFillColor(QColor(1, 2, 3));
        set->setFillAlpha(0.4);
        return set;
    }
    static Path expectedPath(const std::vector<Point>& values) {
        Path path;
        std::vector<Point> pixels;
        for (const Point& v : values) pixels.push_back(pixel(v.x, v.y));
        path.addLines(pixels);
        path.closeSubpath();
        return path;
    }
};

TEST_F(FilledAreaTest, LinearAreaDropsToTheFillLineAtBothEnds) {
    showFilled(LineChartMode::linear);
    draw();
    const auto filled = fills();
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].path, expectedPath({{1, 5}, {1, 10}, {2, 50}, {3, 20}, {3, 5}}));
    EXPECT_EQ(filled[0].state.fillColor, QColor(1, 2, 3));
    EXPECT_DOUBLE_EQ(filled[0].state.alpha, 0.4);
    // The area lies under the line: it is painted first.
    const auto paintings = context.paintings();
    ASSERT_GE(paintings.size(), 2u);
    EXPECT_EQ(paintings.front().kind, DrawingOperation::drawPath);
    EXPECT_EQ(paintings.back().kind, DrawingOperation::strokeLineSegments);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(FilledAreaTest, SteppedAreaTurnsEachCorner) {
    showFilled(LineChartMode::stepped);
    draw();
    const auto filled = fills();
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].path, expectedPath({{1, 5}, {1, 10}, {2, 10}, {2, 50}, {3, 50}, {3, 20}, {3, 5}}));
}

TEST_F(FilledAreaTest, TheFillLineIsNotScaledByThePhase) {
    showFilled(LineChartMode::linear);
    chart->animator->setPhaseY(0.5);
    draw();
    const auto filled = fills();
    ASSERT_EQ(filled.size(), 1u);
    EXPECT_EQ(filled[0].path, expectedPath({{1, 5}, {1, 5}, {2, 25}, {3, 10}, {3, 5}}));
}

TEST_F(FilledAreaTest, CubicAreaClosesTheCurveDownToTheFillLine) {
    showFilled(LineChartMode::horizontalBezier);
    draw();
    const auto filled = fills();
    ASSERT_EQ(filled.size(), 1u);
    Path expected = strokedPath();
    expected.lineTo(pixel(3, 5));
    expected.lineTo(pixel(1, 5));
    expected.closeSubpath();
    EXPECT_EQ(filled[0].path, expected);
    EXPECT_EQ(filled[0].state.fillColor, QColor(1, 2, 3));
    // Under the curve: filled before the curve is stroked.
    const auto paintings = context.paintings();
    ASSERT_EQ(paintings.size(), 2u);
    EXPECT_EQ(paintings[0].mode, PathDrawingMode::fill);
    EXPECT_EQ(paintings[1].mode, PathDrawingMode::stroke);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(FilledAreaTest, AreaWithoutALineIsStillFilled) {
    auto set = showFilled(LineChartMode::linear);
    set->setLineWidth(0);
    draw();
    EXPECT_EQ(fills().size(), 1u);
    EXPECT_EQ(context.count(DrawingOperation::strokeLineSegments), 0u);
}

TEST_F(LinePathsTest, InvisibleAndEmptySetsDrawNothing) {
    auto hidden = lineSet({{1, 10}, {2, 50}});
    hidden->setVisible(false);
    auto empty = lineSet({});
    chart->setDataSets({hidden, empty});
    draw();
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(LinePathsTest, WithoutItsChartTheRendererDrawsNothing) {
    show({{1, 10}, {2, 50}});
    LineChartRenderer orphan{std::weak_ptr<LineChartDataProvider>(), chart->animator, chart->viewPort};
    orphan.drawData(context);
    orphan.drawValues(context);
    orphan.drawExtras(context);
    orphan.drawHighlighted(context, {std::make_shared<Highlight>(1, 10, 0)});
    EXPECT_TRUE(context.operations().empty());
}

TEST(LineRendererDeathTest, ASetOfAnotherKindStopsTheProgram) {
    auto chart = FakeLineChart::make();
    auto foreign = std::make_shared<ChartDataSet>(ChartDataSet::Entries{std::make_shared<ChartDataEntry>(1, 1)},
                                                  QStringLiteral("Bars"));
    chart->chartData = std::make_shared<LineChartData>(ChartData::DataSets{foreign});
    LineChartRenderer renderer{chart, chart->animator, chart->viewPort};
    RecordingContext context;
    EXPECT_DEATH(renderer.drawData(context), "Datasets for LineChartRenderer must conform to ILineChartDataSet");
}

} // namespace
