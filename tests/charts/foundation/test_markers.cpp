#include <gtest/gtest.h>

#include <optional>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/Marker.h"
#include "tests/charts/support/fake_chart_view.h"

namespace charts {
namespace {

using testing::FakeChartView;

TEST(Markers, OffsetsKeepTheMarkerInsideTheChart) {
    const std::optional<Size> chart = Size{300, 200};
    const struct {
        const char* what;
        Point offset, point;
        Size size;
        std::optional<Size> bounds;
        Point expected;
    } cases[] = {
        {"pushed back onto the left and top", {-10, -40}, {5, 20}, {0, 0}, chart, {-5, -20}},
        {"room enough", {-10, -40}, {100, 100}, {0, 0}, chart, {-10, -40}},
        {"pulled in from right and bottom", {0, 0}, {280, 190}, {50, 30}, chart, {-30, -20}},
        {"no chart: left and top only", {0, 0}, {280, 190}, {50, 30}, std::nullopt, {0, 0}},
        {"no chart, off the left", {-20, 0}, {5, 5}, {50, 30}, std::nullopt, {-5, 0}},
        // Wider than the chart: the left test wins.
        {"wider than the chart", {-30, 0}, {10, 10}, {400, 10}, chart, {-10, 0}},
        {"exactly at the right edge", {0, 0}, {250, 0}, {50, 0}, chart, {0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(markerOffsetInside(c.offset, c.point, c.size, c.bounds), c.expected) << c.what;
}

TEST(Markers, ImageMarkerTakesMissingSizesFromItsImage) {
    auto view = std::make_shared<FakeChartView>();
    MarkerImage marker;
    marker.setChartView(view);
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    marker.setImage(image);
    // 16 x 16 from the image: at (290, 195) it is pulled in to (284, 184).
    EXPECT_EQ(marker.offsetForDrawing(Point{290, 195}), (Point{-6, -11}));
    RecordingContext context;
    marker.draw(context, Point{290, 195});
    ASSERT_EQ(context.count(DrawingOperation::drawImage), 1u);
    const std::vector<RecordedOperation> paintings = context.paintings();
    EXPECT_EQ(paintings.front().rect, Rect(284, 184, 16, 16));
    // Drawing saves and restores the state around the image.
    EXPECT_EQ(context.count(DrawingOperation::saveGState), 1u);
    EXPECT_EQ(context.count(DrawingOperation::restoreGState), 1u);

    marker.setSize(Size{40, 0});
    EXPECT_EQ(marker.offsetForDrawing(Point{290, 195}), (Point{-30, -11}));
    // A gone chart view leaves the left and top tests only.
    view.reset();
    EXPECT_EQ(marker.offsetForDrawing(Point{290, 195}), (Point{0, 0}));
}

// An image's own size counts in points, whatever its pixel density: a
// 32 x 32 pixel image of device pixel ratio 2 is 16 x 16, as the chart
// utilities draw it.
TEST(Markers, ImageMarkerMeasuresItsImageInPoints) {
    const struct {
        double ratio;
        Size size;    // set on the marker
        Rect drawnAt; // at (290, 195) in the 300 x 200 chart
    } cases[] = {
        {1, {0, 0}, Rect(268, 168, 32, 32)},
        {2, {0, 0}, Rect(284, 184, 16, 16)},
        {4, {0, 0}, Rect(290, 192, 8, 8)},
        {2, {40, 0}, Rect(260, 184, 40, 16)},
    };
    auto view = std::make_shared<FakeChartView>();
    for (const auto& c : cases) {
        QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::red);
        image.setDevicePixelRatio(c.ratio);
        MarkerImage marker;
        marker.setChartView(view);
        marker.setImage(image);
        marker.setSize(c.size);
        RecordingContext context;
        marker.draw(context, Point{290, 195});
        const std::vector<RecordedOperation> paintings = context.paintings();
        ASSERT_EQ(paintings.size(), 1u) << c.ratio;
        EXPECT_EQ(paintings.front().rect, c.drawnAt) << c.ratio;
    }
}

TEST(Markers, ImageMarkerWithoutAnImageDrawsNothing) {
    MarkerImage marker;
    RecordingContext context;
    marker.draw(context, Point{10, 10});
    EXPECT_TRUE(context.operations().empty());
    EXPECT_EQ(marker.offset(), (Point{0, 0}));
    EXPECT_EQ(marker.chartView(), nullptr);
}

} // namespace
} // namespace charts
