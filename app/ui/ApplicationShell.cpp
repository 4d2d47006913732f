#include "app/ui/ApplicationShell.h"

#include <QLayout>

#include "app/ui/AppDelegate.h"
#include "app/ui/MainWindow.h"
#include "app/ui/qcv2LinearizationViewController.h"
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
    installLinearizationScreen();
}

void ApplicationShell::installLinearizationScreen() {
    auto* place = window_->linearizationScreenPlace();
    auto* screen = new qcv2LinearizationViewController(place);
    place->layout()->addWidget(screen);
    window_->recentDocumentRouter().registerScreen(
        screen, qcv2LinearizationViewController::openedFileExtensions,
        [screen](const std::filesystem::path& file) { screen->openFile(file); });
}

ApplicationShell::~ApplicationShell() { platform::services() = {}; }

} // namespace appui
