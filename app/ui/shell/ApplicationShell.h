#pragma once
#include <memory>

namespace appui {

class AppDelegate;
class BlockedWindowsTakeNoFocus;
class MainWindow;

// Everything the running application is made of: the delegate, the main
// window, and the platform services installed for the models. Installs the
// services on construction and removes them again on destruction; while it
// lives, windows blocked by a modal panel take no keyboard.
class ApplicationShell {
public:
    ApplicationShell();
    ~ApplicationShell();
    ApplicationShell(const ApplicationShell&) = delete;
    ApplicationShell& operator=(const ApplicationShell&) = delete;

    AppDelegate& delegate() const { return *delegate_; }
    MainWindow& mainWindow() const { return *window_; }

private:
    std::shared_ptr<AppDelegate> delegate_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<BlockedWindowsTakeNoFocus> blockedWindows_;
};

} // namespace appui
