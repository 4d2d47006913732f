#include "app/ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/curves/NotificationNames.h"
#include "app/ui/AppDelegate.h"
#include "app/ui/ImagePreviewPanelController.h"
#include "app/ui/NotificationPayloads.h"
#include "app/ui/QuadCurveGraphViewController.h"
#include "app/ui/qcv2LinearizationViewController.h"
#include "app/ui/v2InkModelBlendingViewController.h"
#include "platform/Log.h"

namespace appui {

namespace {
QWidget* makeScreenPlace(const QString& objectName) {
    auto* place = new QWidget;
    place->setObjectName(objectName);
    new QVBoxLayout(place);
    return place;
}
} // namespace

MainWindow::MainWindow(std::shared_ptr<AppDelegate> delegate, QWidget* parent)
    : QMainWindow(parent),
      delegate_(std::move(delegate)) {
    setWindowTitle(QApplication::applicationName());

    screens_ = new QTabWidget(this);
    blendingPlace_ = makeScreenPlace(QStringLiteral("blendingScreen"));
    linearizationPlace_ = makeScreenPlace(QStringLiteral("linearizationScreen"));
    blendingScreen_ = new v2InkModelBlendingViewController(blendingPlace_);
    blendingPlace_->layout()->addWidget(blendingScreen_);
    blendingScreen_->registerRecentDocumentKinds(router_);
    linearizationScreen_ = new qcv2LinearizationViewController(linearizationPlace_);
    linearizationPlace_->layout()->addWidget(linearizationScreen_);
    router_.registerScreen(
        linearizationScreen_, qcv2LinearizationViewController::openedFileExtensions,
        [screen = linearizationScreen_](const std::filesystem::path& file) { screen->openFile(file); });
    screens_->addTab(blendingPlace_, tr("Blending"));
    screens_->addTab(linearizationPlace_, tr("Linearization"));
    setCentralWidget(screens_);
    resize(1200, 800);
    // Made with the window so that it follows the linearization's samples
    // before it is first shown.
    imagePreviewPanel_ = new ImagePreviewPanelController(this);

    buildMenus();
    delegate_->dc->addChangeListener([this] { rebuildOpenRecentMenu(); });
    connect(this, &MainWindow::recentDocumentChosen, this,
            [this](const QString& file) { openRecentDocument(std::filesystem::path(file.toStdU16String())); });
}

void MainWindow::openRecentDocument(const std::filesystem::path& file) {
    const auto* route = router_.routeFor(file);
    if (!route || !route->open) {
        platform::devLog("No screen opens " + file.filename().string());
        return;
    }
    if (route->screen) {
        for (int i = 0; i < screens_->count(); ++i) {
            auto* page = screens_->widget(i);
            if (page == route->screen || page->isAncestorOf(route->screen)) screens_->setCurrentIndex(i);
        }
    }
    // The route is copied: opening may register routes anew.
    const auto open = route->open;
    open(file);
}

void MainWindow::buildMenus() {
    auto* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    openRecentMenu_ = fileMenu->addMenu(tr("Open Recent"));
    openRecentMenu_->setObjectName(QStringLiteral("openRecentMenu"));
    fileMenu->addSeparator();
    auto* quit = fileMenu->addAction(tr("Quit"), qApp, &QApplication::closeAllWindows);
    quit->setShortcut(QKeySequence::Quit);
    rebuildOpenRecentMenu();

    auto* windowMenu = menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(QStringLiteral("windowMenu"));
    auto* imagePreview = windowMenu->addAction(tr("Image Preview"), this, [this] {
        imagePreviewPanel_->show();
        imagePreviewPanel_->raise();
        imagePreviewPanel_->activateWindow();
    });
    imagePreview->setObjectName(QStringLiteral("showImagePreviewPanel"));
    auto* quadCurves = windowMenu->addAction(tr("Quad Curves"), this, [this] { showQuadCurvesWindow(); });
    quadCurves->setObjectName(QStringLiteral("showQuadCurvesWindow"));
}

void MainWindow::showQuadCurvesWindow() {
    if (!quadCurvesWindow_) {
        quadCurvesWindow_ = new QWidget(this, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                                  Qt::WindowMinimizeButtonHint);
        quadCurvesWindow_->setObjectName(QStringLiteral("quadCurvesWindow"));
        auto* layout = new QVBoxLayout(quadCurvesWindow_);
        layout->setContentsMargins(0, 0, 0, 0);
        auto* controller = new QuadCurveGraphViewController(quadCurvesWindow_);
        layout->addWidget(controller);
        quadCurvesWindow_->resize(560, 420);
        // Made after the blend it is to show: it starts with the current one,
        // if there is one yet.
        const auto& blend = blendingScreen_->KCMYtoningBlend->blendedCurve;
        if (!blend.empty())
            controller->updateInkGraphsWithNotification(
                {curves::NotificationName::didUpdateBlendedQuadValues(), BlendedCurvesPayload(blend)});
    }
    quadCurvesWindow_->show();
    quadCurvesWindow_->raise();
    quadCurvesWindow_->activateWindow();
}

void MainWindow::rebuildOpenRecentMenu() {
    openRecentMenu_->clear();
    for (const auto& file : delegate_->dc->recentDocuments()) {
        const auto path = QString::fromStdU16String(file.u16string());
        auto* action = openRecentMenu_->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { emit recentDocumentChosen(path); });
    }
    openRecentMenu_->addSeparator();
    auto* clear = openRecentMenu_->addAction(tr("Clear Menu"));
    clear->setObjectName(QStringLiteral("clearRecentMenu"));
    clear->setEnabled(!delegate_->dc->recentDocuments().empty());
    connect(clear, &QAction::triggered, this, [this] { delegate_->dc->clearRecentDocuments(); });
}

} // namespace appui
