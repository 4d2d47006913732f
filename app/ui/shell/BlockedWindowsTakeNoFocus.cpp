#include "app/ui/shell/BlockedWindowsTakeNoFocus.h"

#include <QEvent>
#include <QVariant>
#include <QWindow>

namespace appui {

namespace {
// Marks the windows whose focus this filter took, so that only those get it back.
constexpr const char* focusTakenProperty = "tintsmithFocusTakenWhileBlocked";
} // namespace

BlockedWindowsTakeNoFocus::BlockedWindowsTakeNoFocus(QObject* parent) : QObject(parent) {}

bool BlockedWindowsTakeNoFocus::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::WindowBlocked && type != QEvent::WindowUnblocked) return QObject::eventFilter(watched, event);
    // Both the window and its widget are told; the window holds the flag the
    // window system reads when it is clicked.
    auto* window = qobject_cast<QWindow*>(watched);
    if (!window) return QObject::eventFilter(watched, event);
    if (type == QEvent::WindowBlocked && !window->flags().testFlag(Qt::WindowDoesNotAcceptFocus)) {
        window->setProperty(focusTakenProperty, true);
        window->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    } else if (type == QEvent::WindowUnblocked && window->property(focusTakenProperty).toBool()) {
        window->setProperty(focusTakenProperty, QVariant());
        window->setFlag(Qt::WindowDoesNotAcceptFocus, false);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace appui
