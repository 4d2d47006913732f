#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/RecordingText.h"
#include "Charts/foundation/ChartLimitLine.h"
#include "tests/charts/support/chart_view_support.h"
#include "tests/charts/support/painter_path_oracle.h"
#include "tests/charts/support/render_support.h"
#include "tests/charts/types/radar/radar_support.h"
#include "tests/support/golden_text.h"

namespace charts {
namespace {

using namespace charts::testing;
using render_test::ofKind;

std::filesystem::path golden(const std::string& name) {
    return std::filesystem::path(TINTSMITH_SOURCE_DIR) / "tests/charts/types/radar/golden" / (name + ".txt");
}

std::unique_ptr<RecordingContext> frameOf(RadarChartView& view) {
    auto context = std::make_unique<RecordingContext>();
    view.draw(*context);
    return context;
}

// A 400 x 400 radar of six spokes named A to F: a filled set at half alpha
// and an outlined one, with spoke and radial labels.
struct Radar {
    FixedMetrics metrics;
    std::shared_ptr<RadarChartDataSet> filled = radarSet({40, 60, 80, 50, 70, 30}, "Filled", QColor(220, 40, 40));
    std::shared_ptr<RadarChartDataSet> outlined = radarSet({90, 20, 50, 100, 40, 60}, "Outlined");
    std::unique_ptr<RadarChartView> view = radarView(400, 400);
    Radar() {
        filled->setDrawFilledEnabled(true);
        filled->setFillColor(QColor(220, 40, 40));
        filled->setFillAlpha(0.5);
        view->xAxis()->setValueFormatter(
            std::make_shared<IndexAxisValueFormatter>(std::vector<QString>{"A", "B", "C", "D", "E", "F"}));
        view->setData(radarData({filled, outlined}));
    }
};

TEST(RadarFrames, WebPolygonsFillsAndLabels) {
    Radar radar;
    const auto frame = frameOf(*radar.view);
    EXPECT_TRUE(test_support::matchesGoldenFile(recordingText(frame->operations()), golden("web_polygons_labels")));
    EXPECT_TRUE(render_test::balancedSaves(*frame));

    // The filled polygon covers its points' inside and nothing beyond them:
    // checked on the recorded fill, with Qt's geometry.
    const RadarFrameGeometry g = radar.view->frameGeometry();
    int fills = 0;
    for (const RecordedOperation& op : frame->paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.mode != PathDrawingMode::fill) continue;
        ++fills;
        EXPECT_EQ(op.state.alpha, 0.5);
        const QPainterPath polygon = painterPathOf(op.path, FillRule::winding);
        for (int j = 0; j < 6; ++j) {
            const double value = radar.filled->entryForIndex(j)->y();
            EXPECT_TRUE(polygon.contains(toQt(g.point(j, value * 0.9)))) << j;
            EXPECT_FALSE(polygon.contains(toQt(g.point(j, value * 1.1)))) << j;
        }
    }
    EXPECT_EQ(fills, 1);
    // Six spokes in one stroke, then per radial label a segment stroked for each of the two sets' 12 entries.
    const std::vector<RecordedOperation> web = ofKind(*frame, DrawingOperation::strokeLineSegments);
    ASSERT_EQ(web.size(), 1 + radar.view->yAxis()->entries().size() * 12);
    EXPECT_EQ(web[0].points.size(), 12u);
    EXPECT_EQ(web[1].points.size(), 2u);
}

TEST(RadarFrames, LimitLinesAreClosedPolygonsAroundTheWeb) {
    Radar radar;
    auto behind = std::make_shared<ChartLimitLine>(50, "half");
    behind->setLineColor(QColor(0, 150, 0));
    behind->setLineWidth(2);
    behind->setLineDashLengths(std::vector<double>{4, 2});
    auto off = std::make_shared<ChartLimitLine>(20, "off");
    off->setEnabled(false);
    radar.view->yAxis()->addLimitLine(behind);
    radar.view->yAxis()->addLimitLine(off);
    const auto frame = frameOf(*radar.view);
    EXPECT_TRUE(test_support::matchesGoldenFile(recordingText(frame->operations()), golden("limit_lines")));
    int polygons = 0;
    for (const RecordedOperation& op : frame->paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.state.strokeColor != QColor(0, 150, 0)) continue;
        ++polygons;
        EXPECT_EQ(op.path.elements().size(), 7u); // six corners, closed
        EXPECT_EQ(op.state.stroke.dashLengths, (std::vector<double>{4, 2}));
        const Point corner = op.path.elements().front().points[0];
        EXPECT_NEAR(distanceBetween(corner, radar.view->centerOffsets()),
                    (50 - radar.view->chartYMin()) * radar.view->factor(), 1e-9);
    }
    EXPECT_EQ(polygons, 1);

    // A limit below the axis minimum is drawn at the centre, not across it.
    behind->setLimit(radar.view->chartYMin() - 10);
    for (const RecordedOperation& op : frameOf(*radar.view)->paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.state.strokeColor != QColor(0, 150, 0)) continue;
        for (const PathElement& e : op.path.elements()) {
            if (e.pointCount() == 0) continue;
            EXPECT_EQ(e.points[0], radar.view->centerOffsets());
        }
    }
}

TEST(RadarFrames, AHighlightDrawsItsLinesAndRing) {
    Radar radar;
    radar.outlined->setDrawHighlightCircleEnabled(true);
    radar.view->radarData()->setHighlightLineDashLengths(std::vector<double>{4, 2});
    radar.view->highlightValue(3, 1);
    const auto frame = frameOf(*radar.view);
    EXPECT_TRUE(test_support::matchesGoldenFile(recordingText(frame->operations()), golden("highlight_ring")));
    const Point p = radar.view->frameGeometry().point(3, 100);
    EXPECT_EQ(radar.view->highlighted().front()->drawX(), p.x);
    EXPECT_EQ(radar.view->highlighted().front()->drawY(), p.y);
    // A white ring from 3 to 4 points about the point, outlined at width 2.
    bool ring = false;
    bool outline = false;
    for (const RecordedOperation& op : frame->paintings()) {
        if (op.kind != DrawingOperation::drawPath) continue;
        if (op.mode == PathDrawingMode::evenOddFill && op.state.fillColor == QColor(255, 255, 255)) {
            const QPainterPath path = painterPathOf(op.path, FillRule::evenOdd);
            ring = path.contains(QPointF(p.x + 3.5, p.y)) && !path.contains(QPointF(p.x + 2.5, p.y)) &&
                   !path.contains(QPointF(p.x + 4.5, p.y));
        }
        if (op.mode == PathDrawingMode::stroke && op.state.stroke.lineWidth == 2) {
            outline = std::abs(op.state.strokeColor.alphaF() - 0.3) < 1e-3;
        }
    }
    EXPECT_TRUE(ring);
    EXPECT_TRUE(outline);
}

TEST(RadarFrames, SpokesSkippedAShortSetThroughTheCentreAndIcons) {
    Radar radar;
    // Skipping more spokes than there are leaves the first alone.
    radar.view->setSkipWebLineCount(std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(ofKind(*frameOf(*radar.view), DrawingOperation::strokeLineSegments)[0].points.size(), 2u);
    radar.view->setSkipWebLineCount(1);
    auto shortSet = radarSet({30, 30}, "Short");
    QImage icon(6, 6, QImage::Format_ARGB32);
    icon.fill(Qt::black);
    shortSet->entryForIndex(0)->setIcon(icon);
    shortSet->entryForIndex(1)->setIcon(icon);
    shortSet->setIconsOffset(QPointF(0, 10));
    radar.view->setData(radarData({radar.filled, shortSet}));
    const auto frame = frameOf(*radar.view);
    // Spokes 0, 2 and 4 only; rings unaffected.
    EXPECT_EQ(ofKind(*frame, DrawingOperation::strokeLineSegments)[0].points.size(), 6u);
    // The short set ends at the centre before closing.
    const RadarFrameGeometry g = radar.view->frameGeometry();
    bool throughCentre = false;
    for (const RecordedOperation& op : frame->paintings()) {
        if (op.kind != DrawingOperation::drawPath || op.path.elements().size() != 4) continue;
        throughCentre = op.path.elements()[2].points[0] == g.center;
    }
    EXPECT_TRUE(throughCentre);
    // Icons 10 points beyond their value along the spoke.
    const std::vector<RecordedOperation> images = ofKind(*frame, DrawingOperation::drawImage);
    ASSERT_EQ(images.size(), 2u);
    const Point at = pointOnCircle(g.center, g.distance(30) + 10, g.spokeAngle(1));
    EXPECT_NEAR(images[1].rect.x() + 3, at.x, 1e-9);
    EXPECT_NEAR(images[1].rect.y() + 3, at.y, 1e-9);
}

TEST(RadarFrames, SpokeLabelsStandBeyondTheirSpokesAndRadialLabelsAlongTheRotation) {
    FixedMetrics metrics;
    const auto view = radarView(400, 400, radarData({radarSet({1, 2, 3, 4}, "Set")}));
    view->xAxis()->setValueFormatter(
        std::make_shared<IndexAxisValueFormatter>(std::vector<QString>{"N", "E", "S", "W"}));
    view->notifyDataSetChanged();
    const auto frame = frameOf(*view);
    const XAxis& x = *view->xAxis();
    const RadarFrameGeometry g = view->frameGeometry();
    const double d = view->yRange() * g.factor + x.labelRotatedWidth() / 2;
    std::vector<RecordedOperation> texts = ofKind(*frame, DrawingOperation::drawText);
    const QString names[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const auto found =
            std::find_if(texts.begin(), texts.end(), [&](const auto& op) { return op.text == names[i]; });
        ASSERT_NE(found, texts.end());
        const Point spoke = pointOnCircle(g.center, d, 270 + 90 * i);
        // Anchored at its horizontal middle and a quarter down.
        const Size size = frame->textMeasurer().size(names[i], x.labelFont());
        EXPECT_NEAR(found->points[0].x, spoke.x - size.width / 2, 1e-9) << i;
        EXPECT_NEAR(found->points[0].y, spoke.y - x.labelRotatedHeight() / 2 - size.height / 4, 1e-9) << i;
    }
    // The radial labels run up the first spoke; without the top and bottom
    // ones two fewer.
    const std::size_t all = texts.size();
    view->yAxis()->setDrawTopYLabelEntryEnabled(false);
    view->yAxis()->setDrawBottomYLabelEntryEnabled(false);
    EXPECT_EQ(ofKind(*frameOf(*view), DrawingOperation::drawText).size(), all - 2);
}

} // namespace
} // namespace charts
