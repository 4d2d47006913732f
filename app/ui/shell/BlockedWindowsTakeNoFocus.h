#pragma once
#include <QObject>

namespace appui {

// While a modal panel or alert is up, the windows it blocks do not take the
// keyboard when clicked. Without this, where no window manager hands the
// keyboard on (and on some that do), a click on a blocked window gives it
// the keyboard, which it then ignores: the panel stays up, but Escape and
// typing go nowhere until the panel is clicked. A click made while the
// window was still busy opening the panel arrives once the panel is up, so
// a second click on Save did so every time. Installed on the application;
// the windows that could take the keyboard before take it again once
// unblocked.
class BlockedWindowsTakeNoFocus final : public QObject {
public:
    explicit BlockedWindowsTakeNoFocus(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace appui
