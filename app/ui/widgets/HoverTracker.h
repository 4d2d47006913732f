#pragma once
#include <QObject>
#include <functional>

class QWidget;

namespace appui {

// Calls its owner when the pointer enters and leaves a widget, as a tracking
// area over the widget's bounds would. The owner reads the modifier keys
// itself (QGuiApplication::queryKeyboardModifiers()), so a button can show
// its Option variant while Option is held on entering.
class HoverTracker : public QObject {
    Q_OBJECT
public:
    HoverTracker(QWidget* tracked, std::function<void()> entered, std::function<void()> exited);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> entered_;
    std::function<void()> exited_;
};

// True while Option (the Alt key) is held.
bool optionKeyHeld();

} // namespace appui
