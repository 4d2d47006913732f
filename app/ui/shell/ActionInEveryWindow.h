#pragma once
#include <QObject>

class QAction;

namespace appui {

// Adds an action to every window of the application as it is shown, so that
// its shortcut works wherever the keyboard is: also in a modal dialog, which
// blocks the window whose menu holds the action. Menus and other pop-ups are
// left out (they would list the action as an item). Lives as long as the
// action.
class ActionInEveryWindow final : public QObject {
    Q_OBJECT
public:
    explicit ActionInEveryWindow(QAction& action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction& action_;
};

} // namespace appui
