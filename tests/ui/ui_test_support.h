#pragma once
#include <QApplication>
#include <QImage>
#include <QPointF>
#include <QWidget>
#include <any>
#include <string>
#include <vector>

#include "platform/NotificationCenter.h"

namespace appui::uitest {

// Mouse input in a widget's own (y-down) coordinates, delivered as the window
// system would: press, move with the button held, release.
void press(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void drag(QWidget* widget, QPointF to, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton);
void click(QWidget* widget, QPointF at, Qt::MouseButton button = Qt::LeftButton,
           Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The same in a y-up view's coordinates (origin bottom left).
QPointF fromYUp(const QWidget* widget, QPointF yUp);

// A key pressed and released on the widget, passing through QWidget::event
// as typed keys do (so Tab reaches focusNextPrevChild first).
void key(QWidget* widget, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The widget drawn into an image at one pixel per unit.
QImage render(QWidget* widget);

// Records the objects posted under one name while it lives.
class PostedObjects {
public:
    explicit PostedObjects(const std::string& name);
    const std::vector<std::any>& objects() const { return objects_; }
    template <class T>
    T last() const {
        return std::any_cast<T>(objects_.back());
    }
    void clear() { objects_.clear(); }

private:
    std::vector<std::any> objects_;
    platform::ObserverRegistration registration_;
};

} // namespace appui::uitest
