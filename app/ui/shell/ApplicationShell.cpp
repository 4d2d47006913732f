#include "app/ui/shell/ApplicationShell.h"

#include <QCoreApplication>

#include "app/ui/shell/AppDelegate.h"
#include "app/ui/shell/BlockedWindowsTakeNoFocus.h"
#include "app/ui/shell/MainWindow.h"
#include "platform/qt/QtServices.h"

namespace appui {

ApplicationShell::ApplicationShell()
    : delegate_(std::make_shared<AppDelegate>()),
      window_(std::make_unique<MainWindow>(delegate_)) {
    auto& services = platform::services();
    services.openPanel = platform::makeQtOpenPanel(window_.get());
    services.savePanel = platform::makeQtSavePanel(window_.get());
    services.alerts = platform::makeQtAlertPresenter(window_.get());
    services.delegate = delegate_;
    blockedWindows_ = std::make_unique<BlockedWindowsTakeNoFocus>();
    QCoreApplication::instance()->installEventFilter(blockedWindows_.get());
}

ApplicationShell::~ApplicationShell() { platform::services() = {}; }

} // namespace appui
