#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include <QStringList>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/RecordingText.h"
#include "Charts/render/CircleGeometry.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/painter_path_oracle.h"
#include "tests/charts/support/render_support.h"
#include "tests/charts/types/pie/pie_support.h"
#include "tests/support/golden_text.h"

namespace charts {
namespace {

using namespace charts::testing;

std::filesystem::path golden(const std::string& name) {
    return std::filesystem::path(TINTSMITH_SOURCE_DIR) / "tests/charts/types/pie/golden" / (name + ".txt");
}

std::unique_ptr<RecordingContext> frameOf(PieChartView& view) {
    auto context = std::make_unique<RecordingContext>();
    view.draw(*context);
    return context;
}

// A 400 x 300 pie of four slices, without legend, values or labels.
struct Pie {
    FixedMetrics metrics;
    std::shared_ptr<PieChartDataSet> set = pieSet({1, 2, 3, 4});
    std::unique_ptr<PieChartView> view;
    Pie() {
        set->setDrawValuesEnabled(false);
        view = pieView(400, 300);
        view->legend()->setEnabled(false);
        view->setDrawEntryLabelsEnabled(false);
        view->setData(std::make_shared<PieChartData>(set));
    }
};

// The wedges' fills, in drawing order.
std::vector<RecordedOperation> wedgeFills(const RecordingContext& context) {
    std::vector<RecordedOperation> fills;
    for (const RecordedOperation& op : context.paintings())
        if (op.kind == DrawingOperation::drawPath && op.mode == PathDrawingMode::evenOddFill &&
            std::find(sliceColors().begin(), sliceColors().end(), op.state.fillColor) != sliceColors().end())
            fills.push_back(op);
    return fills;
}

TEST(PieFrames, WedgesRunClockwiseFromTheTopWithGapsAndInnerArcs) {
    Pie pie;
    pie.set->setSliceSpace(4);
    const auto frame = frameOf(*pie.view);
    const RecordingContext& context = *frame;
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(context.operations()), golden("wedges_spaced_with_hole")));

    // Each wedge covers the middle of its own sweep (slices of 36, 72, 108
    // and 144 degrees from the top, clockwise) between the hole and the rim.
    const std::vector<RecordedOperation> fills = wedgeFills(context);
    ASSERT_EQ(fills.size(), 4u);
    const Point c = pie.view->centerCircleBox();
    const double r = pie.view->radius();
    double start = 270;
    for (std::size_t i = 0; i < 4; ++i) {
        const double sweep = 36.0 * static_cast<double>(i + 1);
        const QPainterPath wedge = painterPathOf(fills[i].path, FillRule::evenOdd);
        EXPECT_EQ(fills[i].state.fillColor, sliceColors()[i]);
        EXPECT_TRUE(wedge.contains(toQt(pointOnCircle(c, r * 0.75, start + sweep / 2)))) << i;
        EXPECT_FALSE(wedge.contains(toQt(pointOnCircle(c, r * 0.4, start + sweep / 2)))) << i;
        EXPECT_FALSE(wedge.contains(toQt(pointOnCircle(c, r * 0.75, start - 2)))) << i;
        EXPECT_FALSE(wedge.contains(toQt(pointOnCircle(c, r * 0.75, start + sweep + 2)))) << i;
        // The gap: nothing at the boundary itself.
        EXPECT_FALSE(wedge.contains(toQt(pointOnCircle(c, r * 0.9, start)))) << i;
        start += sweep;
    }
}

TEST(PieFrames, SlicesUnderTheHoleReachTheCentreAndTinySlicesDropTheGap) {
    Pie pie;
    pie.view->setDrawSlicesUnderHoleEnabled(true);
    pie.view->setHoleColor(std::nullopt);
    pie.view->setTransparentCircleColor(std::nullopt);
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(frameOf(*pie.view)->operations()), golden("wedges_under_hole")));

    // A slice space larger than twice the smallest share is dropped when
    // the set allows it: no wedge keeps a gap.
    const auto tiny = pieSet({0.1, 50, 50});
    tiny->setSliceSpace(10);
    tiny->setDrawValuesEnabled(false);
    tiny->setAutomaticallyDisableSliceSpacing(true);
    pie.view->setData(std::make_shared<PieChartData>(tiny));
    const auto tinyFrame = frameOf(*pie.view);
    EXPECT_TRUE(test_support::matchesGoldenFile(recordingText(tinyFrame->operations()), golden("wedges_gap_dropped")));
    const std::vector<RecordedOperation> fills = wedgeFills(*tinyFrame);
    ASSERT_EQ(fills.size(), 3u);
    const Point c = pie.view->centerCircleBox();
    // Without a gap the second wedge starts right where the first ends.
    const double boundary = 270 + 360 * 0.1 / 100.1 + 0.5;
    EXPECT_TRUE(painterPathOf(fills[1].path, FillRule::evenOdd)
                    .contains(toQt(pointOnCircle(c, pie.view->radius() * 0.9, boundary))));
}

TEST(PieFrames, HoleRingAndCentreText) {
    Pie pie;
    pie.view->setCenterText(QStringLiteral("Ten in all"));
    pie.view->setCenterTextOffset(Point{0, 4});
    const auto frame = frameOf(*pie.view);
    const RecordingContext& context = *frame;
    EXPECT_TRUE(test_support::matchesGoldenFile(recordingText(context.operations()), golden("hole_ring_centre_text")));
    EXPECT_TRUE(render_test::balancedSaves(context));

    // The ring is the even-odd fill of two circles, at the ring's colour:
    // filled between 50 % and 55 % of the radius only.
    const Point c = pie.view->centerCircleBox();
    const double r = pie.view->radius();
    int rings = 0;
    for (const RecordedOperation& op : context.paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.state.fillColor != QColor(255, 255, 255, 105)) continue;
        ++rings;
        EXPECT_EQ(op.mode, PathDrawingMode::evenOddFill);
        const QPainterPath ring = painterPathOf(op.path, FillRule::evenOdd);
        EXPECT_TRUE(ring.contains(toQt(pointOnCircle(c, r * 0.525, 10))));
        EXPECT_FALSE(ring.contains(toQt(pointOnCircle(c, r * 0.45, 10))));
        EXPECT_FALSE(ring.contains(toQt(pointOnCircle(c, r * 0.6, 10))));
    }
    EXPECT_EQ(rings, 1);
    // The centre text is clipped to the hole by the non-zero rule.
    const std::vector<RecordedOperation> clips = render_test::ofKind(context, DrawingOperation::clip);
    ASSERT_EQ(clips.size(), 1u);
    EXPECT_EQ(clips.front().rule, FillRule::winding);

    // A ring no larger than the hole is not drawn.
    pie.view->setTransparentCircleRadiusPercent(0.5);
    int after = 0;
    for (const RecordedOperation& op : frameOf(*pie.view)->paintings())
        after += op.state.fillColor == QColor(255, 255, 255, 105) ? 1 : 0;
    EXPECT_EQ(after, 0);
}

TEST(PieFrames, OutsideLabelsOnValueLinesAndAHighlightedSliceMovedOut) {
    Pie pie;
    pie.set->setDrawValuesEnabled(true);
    pie.set->setXValuePosition(PieValuePosition::outsideSlice);
    pie.set->setYValuePosition(PieValuePosition::outsideSlice);
    pie.set->setSliceSpace(2);
    pie.view->setDrawEntryLabelsEnabled(true);
    pie.view->setUsePercentValuesEnabled(true);
    pie.view->legend()->setEnabled(true);
    pie.view->notifyDataSetChanged();
    pie.view->highlightValue(2, 0);
    const auto frame = frameOf(*pie.view);
    const RecordingContext& context = *frame;
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(context.operations()), golden("outside_labels_highlighted")));
    EXPECT_TRUE(render_test::balancedSaves(context));

    // The highlighted slice (the third, 108 degrees from 378) covers points
    // beyond the radius along its middle; its inner edge stays at the hole.
    const Point c = pie.view->centerCircleBox();
    const double r = pie.view->radius();
    bool shifted = false;
    for (const RecordedOperation& op : context.paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.state.fillColor != sliceColors()[2]) continue;
        const QPainterPath wedge = painterPathOf(op.path, FillRule::evenOdd);
        shifted = wedge.contains(toQt(pointOnCircle(c, r + 10, 378 + 54)));
        EXPECT_FALSE(wedge.contains(toQt(pointOnCircle(c, r * 0.45, 378 + 54))));
    }
    EXPECT_TRUE(shifted);
}

TEST(PieFrames, InsideLabels) {
    Pie pie;
    pie.set->setDrawValuesEnabled(true);
    pie.view->setDrawEntryLabelsEnabled(true);
    pie.view->setDrawHoleEnabled(false);
    pie.view->setRotationAngle(0);
    EXPECT_TRUE(
        test_support::matchesGoldenFile(recordingText(frameOf(*pie.view)->operations()), golden("inside_labels")));
}

TEST(PieFrames, ASetWithoutLineColourKeepsEveryLabel) {
    Pie pie;
    pie.set->setDrawValuesEnabled(true);
    pie.set->setXValuePosition(PieValuePosition::outsideSlice);
    pie.set->setYValuePosition(PieValuePosition::outsideSlice);
    pie.set->setValueLineColor(std::nullopt);
    pie.view->setDrawEntryLabelsEnabled(true);
    const auto frame = frameOf(*pie.view);
    const RecordingContext& context = *frame;
    EXPECT_EQ(render_test::ofKind(context, DrawingOperation::drawText).size(), 8u);
    for (const RecordedOperation& op : context.paintings())
        EXPECT_FALSE(op.kind == DrawingOperation::drawPath && op.mode == PathDrawingMode::stroke);
    // With the value's colour for the lines they are drawn.
    pie.set->setUseValueColorForLine(true);
    int strokes = 0;
    for (const RecordedOperation& op : frameOf(*pie.view)->paintings())
        strokes += op.kind == DrawingOperation::drawPath && op.mode == PathDrawingMode::stroke ? 1 : 0;
    EXPECT_EQ(strokes, 4);
}

// With percent values on, a slice's value text is the share of the circle
// it is drawn with (a slice that is not finite has none); no total draws a
// number that is not one.
TEST(PieFrames, PercentsAreTheDrawnSharesAndNoTotalDrawsANumberThatIsNotOne) {
    const double nan = std::nan("");
    const struct {
        std::vector<double> values;
        const char* texts; // each slice's label, then its value
    } cases[] = {
        {{0, 0}, "A 0 B 0"},
        {{3, -3}, "A 50.00 B 50.00"},
        {{1, nan}, "A 100"},
        {{20, 5.9, -12, 4.3, 3.1, 16.5}, "A 32.4 B 9.5 C 19.4 D 7.0 E 5.0 F 26.7"},
        {{20, 5.9, nan, 4.3, 3.1, 16.5}, "A 40.2 B 11.8 D 8.6 E 6.2 F 33.1"},
    };
    for (const auto& c : cases) {
        Pie pie;
        auto set = pieSet(c.values);
        set->setSliceSpace(5);
        set->setAutomaticallyDisableSliceSpacing(true);
        set->setXValuePosition(PieValuePosition::outsideSlice);
        pie.view->setUsePercentValuesEnabled(true);
        pie.view->setDrawEntryLabelsEnabled(true);
        pie.view->setData(std::make_shared<PieChartData>(set));
        pie.view->highlightValue(0, 0);
        const auto frame = frameOf(*pie.view);
        const RecordingContext& context = *frame;
        QStringList texts;
        for (const RecordedOperation& op : context.operations()) {
            if (op.kind == DrawingOperation::drawText) texts << op.text;
            for (const Point& p : op.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
            for (const PathElement& e : op.path.elements())
                for (int i = 0; i < e.pointCount(); ++i)
                    EXPECT_TRUE(std::isfinite(e.points[i].x) && std::isfinite(e.points[i].y));
            EXPECT_FALSE(op.text.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << op.text.toStdString();
        }
        EXPECT_EQ(texts.join(' ').toStdString(), c.texts);
    }
}

} // namespace
} // namespace charts
