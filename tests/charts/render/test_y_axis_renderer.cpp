// The y-axis renderer, recorded: label columns and their alignment, the top
// and bottom labels, axis line, grid, zero line and limit lines.
#include <gtest/gtest.h>

#include "Charts/drawing/Path.h"
#include "Charts/render/YAxisRenderer.h"
#include "tests/charts/support/render_support.h"

namespace {

using namespace charts;
using namespace render_test;

class YAxisRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        left->setLabelCount(3, true); // 0, 50, 100
        leftRenderer.computeAxisValues(0, 100);
        right->setLabelCount(3, true);
        rightRenderer.computeAxisValues(0, 100);
    }
    std::vector<RecordedOperation> texts() const { return ofKind(context, DrawingOperation::drawText); }
    static Path line(Point from, Point to) {
        Path path;
        path.addLines(std::vector<Point>{from, to});
        return path;
    }

    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    std::shared_ptr<YAxis> left = chart->leftAxis;
    std::shared_ptr<YAxis> right = chart->rightAxis;
    YAxisRenderer leftRenderer{chart->viewPort, left, chart->left};
    YAxisRenderer rightRenderer{chart->viewPort, right, chart->right};
    RecordingContext context;
};

TEST_F(YAxisRendererTest, TransformedPositionsMapEachEntryAtXZero) {
    expectPointsNear(leftRenderer.transformedPositions(), {pixel(0, 0), pixel(0, 50), pixel(0, 100)});
    YAxisRenderer bare{chart->viewPort, left, nullptr};
    EXPECT_TRUE(bare.transformedPositions().empty());
}

struct ColumnCase {
    YAxis::AxisDependency side;
    YAxis::LabelPosition position;
    // Where the label "50" (10 wide) starts.
    double x;
};

class YAxisLabelColumnTest : public YAxisRendererTest, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(YAxisLabelColumnTest, AlignsTheLabelsAtTheColumn) {
    const bool isLeft = GetParam().side == YAxis::AxisDependency::left;
    std::shared_ptr<YAxis> axis = isLeft ? left : right;
    axis->setLabelPosition(GetParam().position);
    (isLeft ? leftRenderer : rightRenderer).renderAxisLabels(context);
    const auto drawn = texts();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].text, QStringLiteral("50"));
    // Lines 12.5 tall: the text's top is 12.5 - 12.5 / 2.5 above the entry.
    EXPECT_EQ(drawn[1].points[0], (Point{GetParam().x, pixel(0, 50).y - 7.5}));
}

INSTANTIATE_TEST_SUITE_P(
    Sides, YAxisLabelColumnTest,
    ::testing::Values(ColumnCase{YAxis::AxisDependency::left, YAxis::LabelPosition::outsideChart, 35 - 10},
                      ColumnCase{YAxis::AxisDependency::left, YAxis::LabelPosition::insideChart, 45},
                      ColumnCase{YAxis::AxisDependency::right, YAxis::LabelPosition::outsideChart, 375},
                      // Right-aligned inside: ends at contentRight - xOffset.
                      ColumnCase{YAxis::AxisDependency::right, YAxis::LabelPosition::insideChart, 365 - 10}));

TEST_F(YAxisRendererTest, TheLabelXOffsetMovesTheColumn) {
    right->setLabelPosition(YAxis::LabelPosition::insideChart);
    right->setLabelXOffset(-3);
    rightRenderer.renderAxisLabels(context);
    EXPECT_EQ(texts()[1].points[0].x, 365 - 3 - 10);
}

struct EndLabelCase {
    bool bottom;
    bool top;
    std::vector<QString> texts;
};

class YAxisEndLabelsTest : public YAxisRendererTest, public ::testing::WithParamInterface<EndLabelCase> {};

TEST_P(YAxisEndLabelsTest, LeavesOutTheEndsThatAreSwitchedOff) {
    left->setDrawBottomYLabelEntryEnabled(GetParam().bottom);
    left->setDrawTopYLabelEntryEnabled(GetParam().top);
    leftRenderer.renderAxisLabels(context);
    std::vector<QString> drawn;
    for (const auto& op : texts()) drawn.push_back(op.text);
    EXPECT_EQ(drawn, GetParam().texts);
}

INSTANTIATE_TEST_SUITE_P(Ends, YAxisEndLabelsTest,
                         ::testing::Values(EndLabelCase{true, true, {"0", "50", "100"}},
                                           EndLabelCase{false, true, {"50", "100"}},
                                           EndLabelCase{true, false, {"0", "50"}}, EndLabelCase{false, false, {"50"}}));

TEST_F(YAxisRendererTest, TwoEntriesWithoutEitherEndDrawNoLabel) {
    left->setEntries({0, 100});
    left->setDrawBottomYLabelEntryEnabled(false);
    left->setDrawTopYLabelEntryEnabled(false);
    leftRenderer.renderAxisLabels(context);
    EXPECT_TRUE(texts().empty());
}

TEST_F(YAxisRendererTest, ACallersShortPositionListDrawsTheLabelsItCovers) {
    leftRenderer.drawYLabels(context, 35, {pixel(0, 0)}, 0, TextAlignment::left);
    EXPECT_EQ(texts().size(), 1u);
}

TEST_F(YAxisRendererTest, AxisLinesRunAlongTheirSide) {
    left->setAxisLineColor(QColor(1, 2, 3));
    leftRenderer.renderAxisLine(context);
    rightRenderer.renderAxisLine(context);
    const auto lines = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].path, line({40, 20}, {40, 260}));
    EXPECT_EQ(lines[0].state.strokeColor, QColor(1, 2, 3));
    EXPECT_EQ(lines[0].state.stroke.lineWidth, 0.5);
    EXPECT_EQ(lines[1].path, line({370, 20}, {370, 260}));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(YAxisRendererTest, GridLinesCrossTheContentClippedToItsWidenedHeight) {
    left->setGridLineWidth(3);
    leftRenderer.renderGridLines(context);
    const auto clips = ofKind(context, DrawingOperation::clipToRect);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].rect, Rect(40, 18.5, 330, 243));
    const auto lines = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].path, line({40, pixel(0, 50).y}, {370, pixel(0, 50).y}));
    EXPECT_EQ(lines[1].state.stroke.lineWidth, 3);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(YAxisRendererTest, TheZeroLineIsDrawnWithoutGridLines) {
    left->setDrawGridLinesEnabled(false);
    left->setDrawZeroLineEnabled(true);
    left->setZeroLineWidth(2);
    left->setZeroLineColor(QColor(9, 9, 9));
    left->setZeroLineDashLengths(std::vector<double>{2, 2});
    leftRenderer.renderGridLines(context);
    const auto clips = ofKind(context, DrawingOperation::clipToRect);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].rect, Rect(40, 19, 330, 242));
    const auto lines = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].path, line({40, 260}, {370, 260}));
    EXPECT_EQ(lines[0].state.strokeColor, QColor(9, 9, 9));
    EXPECT_EQ(lines[0].state.stroke.dashLengths, (std::vector<double>{2, 2}));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(YAxisRendererTest, NoZeroLineWithoutItsColourAndNothingFromADisabledAxis) {
    left->setDrawGridLinesEnabled(false);
    left->setDrawZeroLineEnabled(true);
    left->setZeroLineColor(std::nullopt);
    leftRenderer.renderGridLines(context);
    left->setZeroLineColor(QColor(1, 1, 1));
    left->setDrawGridLinesEnabled(true);
    left->setEnabled(false);
    leftRenderer.renderGridLines(context);
    leftRenderer.renderAxisLabels(context);
    leftRenderer.renderAxisLine(context);
    EXPECT_TRUE(context.operations().empty());
}

struct LimitCase {
    ChartLimitLine::LabelPosition position;
    Point label;
};

class YLimitLineTest : public YAxisRendererTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(YLimitLineTest, LabelsTheLineAtItsCorner) {
    auto limit = std::make_shared<ChartLimitLine>(50, QStringLiteral("Half"));
    limit->setLineWidth(2);
    limit->setValueFont(QFont("Sans", 10));
    limit->setLabelPosition(GetParam().position);
    left->addLimitLine(limit);
    leftRenderer.renderLimitLines(context);
    const double y = pixel(0, 50).y;
    const auto lines = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].path, line({40, y}, {370, y}));
    EXPECT_EQ(ofKind(context, DrawingOperation::clipToRect)[0].rect, Rect(40, 19, 330, 242));
    const auto drawn = texts();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].points[0], (Point{GetParam().label.x, y + GetParam().label.y}));
    EXPECT_TRUE(balancedSaves(context));
}

// "Half" is 20 wide; xOffset 4 + 5; yOffset 5 + 2 + 12.5.
INSTANTIATE_TEST_SUITE_P(Corners, YLimitLineTest,
                         ::testing::Values(LimitCase{ChartLimitLine::LabelPosition::topRight, {370 - 9 - 20, -19.5}},
                                           LimitCase{ChartLimitLine::LabelPosition::bottomRight, {370 - 9 - 20, 7}},
                                           LimitCase{ChartLimitLine::LabelPosition::topLeft, {49, -19.5}},
                                           LimitCase{ChartLimitLine::LabelPosition::bottomLeft, {49, 7}}));

TEST_F(YAxisRendererTest, DisabledLimitLinesAreSkippedInsideOneOuterSave) {
    auto limit = std::make_shared<ChartLimitLine>(50, QStringLiteral("Half"));
    limit->setEnabled(false);
    left->addLimitLine(limit);
    leftRenderer.renderLimitLines(context);
    ASSERT_EQ(context.operations().size(), 2u);
    EXPECT_EQ(context.operations()[0].kind, DrawingOperation::saveGState);
    EXPECT_EQ(context.operations()[1].kind, DrawingOperation::restoreGState);
}

} // namespace
