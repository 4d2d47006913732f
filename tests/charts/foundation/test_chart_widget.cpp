#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QPointingDevice>
#include <QTouchEvent>

#include "Charts/foundation/ChartWidgetBase.h"

namespace charts {
namespace {

// A chart view as the renderers leave it: a header and two points.
class ElementsWidget : public ChartWidgetBase {
public:
    std::vector<std::shared_ptr<AccessibilityElement>> elements;
    std::vector<QEvent::Type> touches;

    std::vector<std::shared_ptr<AccessibilityElement>> accessibilityChildren() const override { return elements; }

protected:
    bool touchesBegan(const QList<QEventPoint>& points, QTouchEvent* event) override {
        touches.push_back(event->type());
        return !points.isEmpty();
    }
    bool touchesEnded(const QList<QEventPoint>&, QTouchEvent* event) override {
        touches.push_back(event->type());
        return true;
    }
};

std::shared_ptr<AccessibilityElement> element(QWidget* container, const QString& label, Rect frame) {
    auto e = std::make_shared<AccessibilityElement>(container);
    e->setLabel(label);
    e->setFrame(frame);
    return e;
}

TEST(ChartWidget, AssistiveTechnologySeesAListOfTheChartsElements) {
    ElementsWidget chart;
    chart.resize(300, 200);
    chart.move(40, 30);
    auto header = element(&chart, "Curves. 2 datasets. K, C", Rect(0, 0, 300, 200));
    header->setHeader(true);
    auto point = element(&chart, " 1: 2", Rect(10, 20, 6, 6));
    point->setSelected(true);
    chart.elements = {header, point, element(&chart, " 2: 4", Rect(30, 20, 6, 6))};

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&chart);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), QString("Chart View"));
    ASSERT_EQ(list->childCount(), 3);

    struct Case {
        int index;
        QAccessible::Role role;
        const char* name;
        bool selected;
    };
    const Case cases[] = {{0, QAccessible::StaticText, "Curves. 2 datasets. K, C", false},
                          {1, QAccessible::ListItem, " 1: 2", true},
                          {2, QAccessible::ListItem, " 2: 4", false}};
    for (const Case& c : cases) {
        QAccessibleInterface* child = list->child(c.index);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->role(), c.role) << c.index;
        EXPECT_EQ(child->text(QAccessible::Name), QString(c.name));
        EXPECT_EQ(child->state().selected, c.selected) << c.index;
        EXPECT_EQ(child->parent(), list);
        EXPECT_EQ(list->indexOfChild(child), c.index);
        // The same element keeps its interface.
        EXPECT_EQ(list->child(c.index), child);
    }
    const QPoint origin = chart.mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(list->child(1)->rect(), QRect(origin.x() + 10, origin.y() + 20, 6, 6));
    EXPECT_EQ(list->childAt(origin.x() + 12, origin.y() + 22), list->child(1));
    EXPECT_EQ(list->childAt(origin.x() + 200, origin.y() + 100), list->child(0));

    // Elements rebuilt by the next frame replace the old ones.
    chart.elements = {element(&chart, "other", Rect(0, 0, 1, 1))};
    EXPECT_EQ(list->childCount(), 1);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), QString("other"));
    EXPECT_EQ(list->child(1), nullptr);
}

TEST(ChartWidget, ElementFramesFollowTheirContainer) {
    auto chart = std::make_unique<ChartWidgetBase>();
    AccessibilityElement e(chart.get());
    EXPECT_EQ(e.role(), AccessibilityElement::Role::row);
    e.setFrame(Rect(1, 2, 3, 4));
    EXPECT_EQ(e.frame(), Rect(1, 2, 3, 4));
    chart.reset();
    EXPECT_EQ(e.container(), nullptr);
    e.setFrame(Rect(9, 9, 9, 9)); // the chart is gone: the frame stays
    EXPECT_EQ(e.frame(), Rect(1, 2, 3, 4));
    EXPECT_EQ(e.screenFrame(), Rect(1, 2, 3, 4));

    AccessibilityElement loose(nullptr);
    loose.setFrame(Rect(5, 5, 5, 5));
    EXPECT_EQ(loose.frame(), Rect(0, 0, 0, 0));
}

TEST(ChartWidget, AComposedLabelIsMadeOnItsFirstReadOnly) {
    class Counted : public AccessibilityElement {
    public:
        Counted() : AccessibilityElement(nullptr) { setLabelComposedOnRead(); }
        mutable int composed = 0;

    protected:
        QString composeLabel() const override { return QString("label %1").arg(++composed); }
    };
    Counted element;
    EXPECT_EQ(element.composed, 0);
    EXPECT_EQ(element.label(), QString("label 1"));
    EXPECT_EQ(element.label(), QString("label 1"));
    EXPECT_EQ(element.composed, 1);
    Counted replaced;
    replaced.setLabel("given");
    EXPECT_EQ(replaced.label(), QString("given"));
    EXPECT_EQ(replaced.composed, 0);
}

TEST(ChartWidget, FlippedWithAnOptionalBackground) {
    EXPECT_TRUE(ChartWidgetBase::isFlipped());
    ChartWidgetBase chart;
    EXPECT_FALSE(chart.backgroundColor().has_value());
    chart.setBackgroundColor(QColor(10, 20, 30));
    EXPECT_EQ(chart.backgroundColor(), QColor(10, 20, 30));
    EXPECT_TRUE(chart.autoFillBackground());
    EXPECT_EQ(chart.palette().color(chart.backgroundRole()), QColor(10, 20, 30));
    chart.setBackgroundColor(std::nullopt);
    EXPECT_FALSE(chart.backgroundColor().has_value());
    EXPECT_FALSE(chart.autoFillBackground());
}

TEST(ChartWidget, TouchesReachTheHooks) {
    ElementsWidget chart;
    chart.setAttribute(Qt::WA_AcceptTouchEvents);
    const QPointingDevice device(QStringLiteral("test touch screen"), 4711, QInputDevice::DeviceType::TouchScreen,
                                 QPointingDevice::PointerType::Finger, QInputDevice::Capability::Position, 10, 0);
    const QList<QEventPoint> points{QEventPoint(1, QEventPoint::Pressed, QPointF(5, 5), QPointF(5, 5))};
    QTouchEvent begin(QEvent::TouchBegin, &device, Qt::NoModifier, points);
    QApplication::sendEvent(&chart, &begin);
    const QList<QEventPoint> released{QEventPoint(1, QEventPoint::Released, QPointF(5, 5), QPointF(5, 5))};
    QTouchEvent end(QEvent::TouchEnd, &device, Qt::NoModifier, released);
    QApplication::sendEvent(&chart, &end);
    EXPECT_EQ(chart.touches, (std::vector<QEvent::Type>{QEvent::TouchBegin, QEvent::TouchEnd}));
}

} // namespace
} // namespace charts
