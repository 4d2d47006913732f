#include "app/ui/widgets/HoverTracker.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

namespace appui {

HoverTracker::HoverTracker(QWidget* tracked, std::function<void()> entered, std::function<void()> exited)
    : QObject(tracked),
      entered_(std::move(entered)),
      exited_(std::move(exited)) {
    tracked->installEventFilter(this);
}

bool HoverTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter && entered_)
        entered_();
    else if (event->type() == QEvent::Leave && exited_)
        exited_();
    return QObject::eventFilter(watched, event);
}

bool optionKeyHeld() { return (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier) != 0; }

} // namespace appui
