// The x-axis renderer, recorded: label size, label rows, clipping of the
// first and last labels, rotation, axis line, grid and limit lines.
#include <gtest/gtest.h>

#include <numbers>

#include "Charts/drawing/Path.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/render/XAxisRenderer.h"
#include "tests/charts/support/render_support.h"
#include "tests/support/chart_environment.h"

namespace {

using namespace charts;
using namespace render_test;

class XAxisRendererTest : public ::testing::Test {
protected:
    void SetUp() override {
        axis->setLabelPosition(XAxis::LabelPosition::bottom);
        renderer.computeAxis(0, 10, false); // entries 0, 2, ..., 10
    }
    std::vector<RecordedOperation> labels() const { return ofKind(context, DrawingOperation::drawTextInRect); }

    // Labels measure 5 per character and 12.5 per line (10 px font).
    charts::testing::FixedTextMetrics measurer;
    std::shared_ptr<FakeLineChart> chart = FakeLineChart::make();
    std::shared_ptr<XAxis> axis = chart->xAxisModel;
    XAxisRenderer renderer{chart->viewPort, axis, chart->left};
    RecordingContext context;
};

TEST_F(XAxisRendererTest, ComputingTheAxisMeasuresTheLongestLabel) {
    EXPECT_EQ(axis->entries(), (std::vector<double>{0, 2, 4, 6, 8, 10}));
    EXPECT_EQ(axis->labelWidth(), 10);
    EXPECT_EQ(axis->labelHeight(), 12.5);
    EXPECT_EQ(axis->labelRotatedWidth(), 10);
    EXPECT_EQ(axis->labelRotatedHeight(), 12.5);
}

TEST_F(XAxisRendererTest, ARotatedLabelSwapsItsSize) {
    axis->setLabelRotationAngle(90);
    renderer.computeSize();
    EXPECT_NEAR(axis->labelRotatedWidth(), 12.5, 1e-9);
    EXPECT_NEAR(axis->labelRotatedHeight(), 10, 1e-9);
    EXPECT_EQ(axis->labelWidth(), 10);
}

// Notes the range that reaches the (dispatched) label computation.
class RangeNotingXAxisRenderer : public XAxisRenderer {
public:
    using XAxisRenderer::XAxisRenderer;
    void computeAxisValues(double min, double max) override {
        seenMin = min;
        seenMax = max;
    }
    double seenMin = -1;
    double seenMax = -1;
};

TEST_F(XAxisRendererTest, ZoomedInTheLabelsFollowTheVisibleRange) {
    RangeNotingXAxisRenderer noting{chart->viewPort, axis, chart->left};
    noting.computeAxis(0, 10, false);
    EXPECT_EQ(noting.seenMin, 0);
    EXPECT_EQ(noting.seenMax, 10);
    // Twice as wide, panned to show x 2.5 to 7.5.
    chart->viewPort->refresh(AffineTransform{2, 0, 0, 1, -165, 0}, nullptr, false);
    noting.computeAxis(0, 10, false);
    EXPECT_NEAR(noting.seenMin, 2.5, 1e-12);
    EXPECT_NEAR(noting.seenMax, 7.5, 1e-12);
    noting.computeAxis(0, 10, true);
    EXPECT_NEAR(noting.seenMin, 7.5, 1e-12);
    EXPECT_NEAR(noting.seenMax, 2.5, 1e-12);

    renderer.computeAxis(0, 10, false);
    EXPECT_NEAR(axis->entries().front(), 3.2, 1e-12);
    EXPECT_NEAR(axis->entries().back(), 7.2, 1e-12);
}

TEST_F(XAxisRendererTest, ANarrowContentKeepsTheGivenRange) {
    RangeNotingXAxisRenderer noting{chart->viewPort, axis, chart->left};
    chart->viewPort->refresh(AffineTransform{2, 0, 0, 1, -165, 0}, nullptr, false);
    chart->viewPort->restrainViewPort(195, 20, 195, 40); // 10 wide
    noting.computeAxis(0, 10, false);
    EXPECT_EQ(noting.seenMin, 0);
    chart->viewPort->restrainViewPort(195, 20, 194.9999, 40); // 10.0001 wide
    noting.computeAxis(0, 10, false);
    EXPECT_NE(noting.seenMin, 0);
}

TEST_F(XAxisRendererTest, BottomLabelsHangBelowTheContent) {
    renderer.renderAxisLabels(context);
    const auto drawn = labels();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[1].text, QStringLiteral("2"));
    // Centred on x (2 → 106), top at contentBottom + yOffset 4.
    EXPECT_EQ(drawn[1].rect, Rect(103.5, 264, 5, 12.5));
    EXPECT_EQ(drawn[5].rect, Rect(365, 264, 10, 12.5));
    EXPECT_EQ(drawn[1].attributes.resolvedParagraphStyle().alignment, TextAlignment::center);
    EXPECT_EQ(drawn[1].attributes.foregroundColor, axis->labelTextColor());
}

TEST_F(XAxisRendererTest, TopLabelsStandOnTheContent) {
    axis->setLabelPosition(XAxis::LabelPosition::top);
    renderer.renderAxisLabels(context);
    EXPECT_EQ(labels()[1].rect, Rect(103.5, 20 - 4 - 12.5, 5, 12.5));
}

TEST_F(XAxisRendererTest, BothSidesDrawTwoRows) {
    axis->setLabelPosition(XAxis::LabelPosition::bothSided);
    renderer.renderAxisLabels(context);
    const auto drawn = labels();
    ASSERT_EQ(drawn.size(), 12u);
    EXPECT_EQ(drawn[0].rect.y(), 3.5);
    EXPECT_EQ(drawn[6].rect.y(), 264);
}

TEST_F(XAxisRendererTest, LabelsOutsideTheContentAreSkipped) {
    chart->viewPort->refresh(AffineTransform{2, 0, 0, 1, -165, 0}, nullptr, false);
    axis->setEntries({1, 3, 5, 7, 9});
    renderer.renderAxisLabels(context);
    std::vector<QString> texts;
    for (const auto& op : labels()) texts.push_back(op.text);
    EXPECT_EQ(texts, (std::vector<QString>{"3", "5", "7"}));
}

TEST_F(XAxisRendererTest, CentredLabelsStandBetweenTheEntriesButNameThem) {
    axis->setCenterAxisLabelsEnabled(true);
    renderer.computeAxisValues(0, 10);
    renderer.renderAxisLabels(context);
    // Centring moved the first entry one interval down, to -2: its centred
    // position -1 lies outside, the next one (1, between 0 and 2) is the
    // first drawn, with the text of entry 0.
    EXPECT_EQ(axis->entries().front(), -2);
    const auto drawn = labels();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0].text, QStringLiteral("0"));
    EXPECT_EQ(drawn[0].rect.x() + drawn[0].rect.width() / 2, pixel(1, 0).x);
}

TEST_F(XAxisRendererTest, AvoidingClippingMovesTheFirstLabelIn) {
    axis->setAvoidFirstLastClippingEnabled(true);
    renderer.renderAxisLabels(context);
    // "0" at 40 moves right by half its width, to start at the content edge.
    EXPECT_EQ(labels()[0].rect.x(), 40);
    // "10" at 370 is not wider than twice the right offset (30): it stays.
    EXPECT_EQ(labels()[5].rect.x(), 365);
}

TEST_F(XAxisRendererTest, AvoidingClippingMovesAWideLastLabelIn) {
    chart->viewPort->restrainViewPort(40, 20, 4, 40);
    chart->setRange(0, 10, 0, 100);
    axis->setAvoidFirstLastClippingEnabled(true);
    renderer.renderAxisLabels(context);
    // "10" at 396 is wider than 8 and would end past 400: it moves left by 5.
    EXPECT_EQ(labels()[5].rect.x(), 396 - 5 - 5);
}

TEST_F(XAxisRendererTest, RotatedLabelsTurnAboutTheirShiftedCentre) {
    axis->setLabelRotationAngle(90);
    axis->setEntries({2});
    renderer.renderAxisLabels(context);
    const auto translations = ofKind(context, DrawingOperation::translateBy);
    const auto rotations = ofKind(context, DrawingOperation::rotateBy);
    ASSERT_EQ(translations.size(), 1u);
    ASSERT_EQ(rotations.size(), 1u);
    // "2" is 5 x 12.5, turned 12.5 x 5: the top anchor drops the centre 2.5.
    EXPECT_NEAR(translations[0].numbers[0], 106, 1e-9);
    EXPECT_NEAR(translations[0].numbers[1], 264 + 2.5, 1e-9);
    EXPECT_NEAR(rotations[0].numbers[0], std::numbers::pi / 2, 1e-12);
    ASSERT_EQ(labels().size(), 1u);
    EXPECT_EQ(labels()[0].rect, Rect(-2.5, -6.25, 5, 12.5));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(XAxisRendererTest, WordWrapLimitsTheLabelWidthToAShareOfAUnit) {
    axis->setWordWrapEnabled(true);
    axis->setWordWrapWidthPercent(1); // one unit is 33 px
    axis->setValueFormatter(IndexAxisValueFormatter::with({"one two three"}));
    axis->setEntries({0});
    renderer.renderAxisLabels(context);
    ASSERT_EQ(labels().size(), 1u);
    EXPECT_LE(labels()[0].rect.width(), 33);
    EXPECT_GT(labels()[0].rect.height(), 12.5);
}

TEST_F(XAxisRendererTest, DisabledAxisOrLabelsDrawNoLabels) {
    axis->setDrawLabelsEnabled(false);
    renderer.renderAxisLabels(context);
    axis->setDrawLabelsEnabled(true);
    axis->setEnabled(false);
    renderer.renderAxisLabels(context);
    EXPECT_TRUE(context.operations().empty());
}

struct AxisLineCase {
    XAxis::LabelPosition position;
    std::vector<double> ys;
};

class XAxisLineTest : public XAxisRendererTest, public ::testing::WithParamInterface<AxisLineCase> {};

TEST_P(XAxisLineTest, RunsAlongTheLabelledEdges) {
    axis->setLabelPosition(GetParam().position);
    axis->setAxisLineColor(QColor(1, 2, 3));
    axis->setAxisLineWidth(2);
    axis->setAxisLineDashLengths(std::vector<double>{5, 5});
    renderer.renderAxisLine(context);
    const auto segments = ofKind(context, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(segments.size(), GetParam().ys.size());
    for (std::size_t i = 0; i < segments.size(); ++i) {
        expectPointsNear(segments[i].points, {{40, GetParam().ys[i]}, {370, GetParam().ys[i]}});
        EXPECT_EQ(segments[i].state.strokeColor, QColor(1, 2, 3));
        EXPECT_EQ(segments[i].state.stroke.lineWidth, 2);
        EXPECT_EQ(segments[i].state.stroke.dashLengths, (std::vector<double>{5, 5}));
    }
    EXPECT_TRUE(balancedSaves(context));
}

INSTANTIATE_TEST_SUITE_P(Positions, XAxisLineTest,
                         ::testing::Values(AxisLineCase{XAxis::LabelPosition::top, {20}},
                                           AxisLineCase{XAxis::LabelPosition::topInside, {20}},
                                           AxisLineCase{XAxis::LabelPosition::bottom, {260}},
                                           AxisLineCase{XAxis::LabelPosition::bottomInside, {260}},
                                           AxisLineCase{XAxis::LabelPosition::bothSided, {20, 260}}));

TEST_F(XAxisRendererTest, GridLinesAreClippedToTheWidenedContent) {
    axis->setGridLineWidth(2);
    axis->setGridColor(QColor(4, 5, 6));
    axis->setGridLineCap(LineCap::square);
    axis->setGridAntialiasEnabled(false);
    renderer.renderGridLines(context);
    EXPECT_EQ(renderer.gridClippingRect(), Rect(39, 20, 332, 240));
    const auto clips = ofKind(context, DrawingOperation::clipToRect);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].rect, Rect(39, 20, 332, 240));
    const auto lines = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(lines.size(), 6u);
    Path first;
    first.addLines(std::vector<Point>{{40, 20}, {40, 260}});
    EXPECT_EQ(lines[0].path, first);
    EXPECT_EQ(lines[0].state.strokeColor, QColor(4, 5, 6));
    EXPECT_EQ(lines[0].state.stroke.cap, LineCap::square);
    EXPECT_FALSE(lines[0].state.antialias);
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(XAxisRendererTest, AGridLineAtEitherBoundIsDrawnOnePixelOutsideIsNot) {
    for (const double x : {40.0, 400.0, 39.99, 400.01}) renderer.drawGridLine(context, x, 0);
    EXPECT_EQ(context.count(DrawingOperation::drawPath), 2u);
}

TEST_F(XAxisRendererTest, NoGridWithoutTransformerOrWhenSwitchedOff) {
    XAxisRenderer bare{chart->viewPort, axis, nullptr};
    bare.renderGridLines(context);
    axis->setDrawGridLinesEnabled(false);
    renderer.renderGridLines(context);
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(XAxisRendererTest, LimitLinesAreClippedStrokedAndLabelled) {
    auto line = std::make_shared<ChartLimitLine>(5, QStringLiteral("Mid"));
    line->setLineWidth(4);
    line->setLineColor(QColor(7, 8, 9));
    line->setValueFont(QFont("Sans", 10));
    line->setLabelPosition(ChartLimitLine::LabelPosition::bottomLeft);
    axis->addLimitLine(line);
    renderer.renderLimitLines(context);

    const auto clips = ofKind(context, DrawingOperation::clipToRect);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips[0].rect, Rect(38, 20, 334, 240));
    const auto strokes = ofKind(context, DrawingOperation::drawPath);
    ASSERT_EQ(strokes.size(), 1u);
    Path vertical;
    vertical.addLines(std::vector<Point>{{205, 20}, {205, 260}});
    EXPECT_EQ(strokes[0].path, vertical);
    EXPECT_EQ(strokes[0].state.strokeColor, QColor(7, 8, 9));
    EXPECT_EQ(strokes[0].state.stroke.lineWidth, 4);
    const auto texts = ofKind(context, DrawingOperation::drawText);
    ASSERT_EQ(texts.size(), 1u);
    // Ends xOffset (4 + 5) left of the line; top labelLineHeight + yOffset
    // (2 + 5) above the content bottom.
    EXPECT_EQ(texts[0].points[0], (Point{205 - 9 - 15, 260 - 12.5 - 7}));
    EXPECT_TRUE(balancedSaves(context));
}

TEST_F(XAxisRendererTest, ADisabledLimitLineTouchesNothing) {
    auto line = std::make_shared<ChartLimitLine>(5, QStringLiteral("Mid"));
    line->setEnabled(false);
    axis->addLimitLine(line);
    renderer.renderLimitLines(context);
    EXPECT_TRUE(context.operations().empty());
}

TEST_F(XAxisRendererTest, ALimitLineWithoutLabelDrawsNoText) {
    auto line = std::make_shared<ChartLimitLine>(5);
    axis->addLimitLine(line);
    auto hidden = std::make_shared<ChartLimitLine>(6, QStringLiteral("Hidden"));
    hidden->setDrawLabelEnabled(false);
    axis->addLimitLine(hidden);
    renderer.renderLimitLines(context);
    EXPECT_EQ(context.count(DrawingOperation::drawPath), 2u);
    EXPECT_EQ(context.count(DrawingOperation::drawText), 0u);
}

TEST(XAxisRendererForeignAxis, AnotherAxisKindDrawsNothing) {
    auto chart = FakeLineChart::make();
    XAxisRenderer renderer{chart->viewPort, nullptr, chart->left};
    renderer.setAxis(chart->leftAxis);
    RecordingContext context;
    chart->leftAxis->setEntries({1, 2});
    renderer.renderAxisLabels(context);
    renderer.renderAxisLine(context);
    renderer.renderGridLines(context);
    renderer.renderLimitLines(context);
    EXPECT_TRUE(context.operations().empty());
}

} // namespace
