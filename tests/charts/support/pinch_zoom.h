#pragma once
// A two-finger pinch as the desktop delivers it (native zoom gestures), for
// the gesture tests of every kind of chart with x and y axes.
#include <QCoreApplication>
#include <QNativeGestureEvent>
#include <QPointingDevice>

#include "Charts/views/BarLineChartViewBase.h"

namespace charts::testing {

// Begins a pinch at the point (view pixels), zooms by each step (0.25 is
// "a quarter larger") and ends it.
inline void pinch(BarLineChartViewBase& view, Point at, std::initializer_list<double> steps) {
    const auto send = [&](Qt::NativeGestureType type, double value) {
        const QPointF local = toQt(at);
        QNativeGestureEvent event(type, QPointingDevice::primaryPointingDevice(), 2, local, local,
                                  view.mapToGlobal(local), value, QPointF());
        QCoreApplication::sendEvent(&view, &event);
    };
    send(Qt::BeginNativeGesture, 0);
    for (const double step : steps) send(Qt::ZoomNativeGesture, step);
    send(Qt::EndNativeGesture, 0);
}

// A pinch about the pixel of a value zooms both axes by the steps and keeps
// the value under the fingers.
inline void expectPinchZoomsAboutTheValue(BarLineChartViewBase& view, Point value) {
    view.setPinchZoomEnabled(true);
    const Point before = view.pixelForValues(value.x, value.y, YAxis::AxisDependency::left);
    pinch(view, before, {0.25, 0.2});
    EXPECT_DOUBLE_EQ(view.scaleX(), 1.25 * 1.2);
    EXPECT_DOUBLE_EQ(view.scaleY(), 1.25 * 1.2);
    const Point after = view.pixelForValues(value.x, value.y, YAxis::AxisDependency::left);
    EXPECT_NEAR(after.x, before.x, 1e-6);
    EXPECT_NEAR(after.y, before.y, 1e-6);
}

} // namespace charts::testing
