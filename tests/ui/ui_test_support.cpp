#include "tests/ui/ui_test_support.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace appui::uitest {

namespace {

Qt::MouseButtons held;

void sendMouse(QWidget* widget, QEvent::Type type, QPointF at, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers) {
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent event(type, at, global, button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

} // namespace

void press(QWidget* widget, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    held |= button;
    sendMouse(widget, QEvent::MouseButtonPress, at, button, modifiers);
}

void drag(QWidget* widget, QPointF to, Qt::MouseButton button) {
    held |= button;
    sendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::NoModifier);
}

void release(QWidget* widget, QPointF at, Qt::MouseButton button) {
    held &= ~Qt::MouseButtons(button);
    sendMouse(widget, QEvent::MouseButtonRelease, at, button, Qt::NoModifier);
}

void click(QWidget* widget, QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    press(widget, at, button, modifiers);
    release(widget, at, button);
}

QPointF fromYUp(const QWidget* widget, QPointF yUp) { return {yUp.x(), widget->height() - yUp.y()}; }

void key(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers) {
    QKeyEvent down(QEvent::KeyPress, qtKey, modifiers);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, modifiers);
    QApplication::sendEvent(widget, &up);
}

QImage render(QWidget* widget) { return widget->grab().toImage(); }

PostedObjects::PostedObjects(const std::string& name) {
    auto& center = platform::NotificationCenter::defaultCenter();
    registration_ = platform::ObserverRegistration(
        center, center.addObserver(name, [this](const platform::Notification& n) { objects_.push_back(n.object); }));
}

} // namespace appui::uitest
