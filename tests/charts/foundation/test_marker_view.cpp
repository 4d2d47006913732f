#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/foundation/MarkerView.h"
#include "tests/charts/support/fake_chart_view.h"

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

// Marker views made from the application's compiled forms: the form named
// like the class, without namespaces; none on a miss or when the form's
// top-level widget is not a marker view.
TEST(MarkerView, ViewFromXibTakesTheFormNamedLikeTheClass) {
    enum class Made { markerView, plainWidget, nothing };
    const struct {
        const char* what;
        const char* formName;
        Made made;
        const QMetaObject* type;
        bool found;
    } cases[] = {
        {"the class's own form", "MarkerView", Made::markerView, &MarkerView::staticMetaObject, true},
        {"no form of that name", "OtherMarker", Made::markerView, &MarkerView::staticMetaObject, false},
        {"a form that is not a marker view", "MarkerView", Made::plainWidget, &MarkerView::staticMetaObject, false},
        {"a form that makes nothing", "MarkerView", Made::nothing, &MarkerView::staticMetaObject, false},
        {"the name without its namespace", "ChartWidgetBase", Made::markerView, &ChartWidgetBase::staticMetaObject,
         true},
        {"a name with its namespace is not the class's", "charts::ChartWidgetBase", Made::markerView,
         &ChartWidgetBase::staticMetaObject, false},
    };
    for (const auto& c : cases) {
        FormBundle bundle;
        bundle.add(QString::fromLatin1(c.formName), [made = c.made]() -> std::unique_ptr<QWidget> {
            switch (made) {
            case Made::markerView: {
                // As a compiled form's setupUi would: content inside the view.
                auto view = std::make_unique<SolidMarker>();
                auto* label = new QLabel(QStringLiteral("42"), view.get());
                label->setObjectName(QStringLiteral("valueLabel"));
                return view;
            }
            case Made::plainWidget: return std::make_unique<QWidget>();
            case Made::nothing: return nullptr;
            }
            return nullptr;
        });
        const std::shared_ptr<MarkerView> view = MarkerView::viewFromXib(*c.type, bundle);
        EXPECT_EQ(view != nullptr, c.found) << c.what;
        if (!view) continue;
        EXPECT_EQ(view->parent(), nullptr) << c.what;
        EXPECT_EQ(view->size(), QSize(40, 20)) << c.what;
        EXPECT_NE(view->findChild<QLabel*>(QStringLiteral("valueLabel")), nullptr) << c.what;
        // Each load makes a new view.
        EXPECT_NE(MarkerView::viewFromXib(*c.type, bundle), view) << c.what;
    }
}

TEST(MarkerView, ViewFromXibLooksInTheApplicationsFormsByDefault) {
    EXPECT_EQ(MarkerView::viewFromXib(), nullptr);
    FormBundle::main().add(QStringLiteral("MarkerView"), [] { return std::make_unique<SolidMarker>(); });
    const std::shared_ptr<MarkerView> view = MarkerView::viewFromXib();
    ASSERT_NE(view, nullptr);
    auto chart = std::make_shared<FakeChartView>();
    view->setChartView(chart);
    RecordingContext context;
    view->draw(context, Point{10, 10});
    EXPECT_EQ(context.count(DrawingOperation::drawImage), 1u);
}

} // namespace
} // namespace charts
