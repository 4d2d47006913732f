#include <gtest/gtest.h>

#include <QPainter>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/MarkerView.h"
#include "support/FakeChartView.h"

namespace charts {
namespace {

using testing::FakeChartView;

// A marker view that paints itself one colour.
class SolidMarker : public MarkerView {
public:
    SolidMarker() { resize(40, 20); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::blue); }
};

TEST(MarkerView, WithoutAChartTheOffsetStandsAsItIs) {
    SolidMarker marker;
    marker.setOffset(Point{-50, -50});
    EXPECT_EQ(marker.offsetForDrawing(Point{10, 10}), (Point{-50, -50}));
    auto view = std::make_shared<FakeChartView>();
    marker.setChartView(view);
    EXPECT_EQ(marker.offsetForDrawing(Point{10, 10}), (Point{-10, -10}));
    // Its own 40 x 20 size keeps it inside the 300 x 200 chart.
    marker.setOffset(Point{0, 0});
    EXPECT_EQ(marker.offsetForDrawing(Point{290, 195}), (Point{-30, -15}));
}

TEST(MarkerView, DrawsItsRenderingAtTheShiftedPoint) {
    auto view = std::make_shared<FakeChartView>();
    SolidMarker marker;
    marker.setChartView(view);
    RecordingContext context;
    marker.draw(context, Point{290, 195});
    ASSERT_EQ(context.count(DrawingOperation::drawImage), 1u);
    const RecordedOperation image = context.paintings().front();
    EXPECT_EQ(image.rect, Rect(0, 0, 40, 20));
    EXPECT_EQ(image.state.transform, AffineTransform::makeTranslation(260, 180));
    EXPECT_EQ(image.image.pixelColor(image.image.width() / 2, image.image.height() / 2), QColor(Qt::blue));

    MarkerView empty;
    empty.resize(0, 0);
    RecordingContext none;
    empty.draw(none, Point{10, 10});
    EXPECT_EQ(none.count(DrawingOperation::drawImage), 0u);
}

} // namespace
} // namespace charts
