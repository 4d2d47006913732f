#include "app/ui/shell/ActionInEveryWindow.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace appui {

ActionInEveryWindow::ActionInEveryWindow(QAction& action) : QObject(&action), action_(action) {
    qApp->installEventFilter(this);
}

bool ActionInEveryWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    const auto kind = window->windowType();
    const bool ownWindow = kind == Qt::Window || kind == Qt::Dialog || kind == Qt::Tool;
    if (window->isWindow() && ownWindow && !window->actions().contains(&action_)) window->addAction(&action_);
    return false;
}

} // namespace appui
