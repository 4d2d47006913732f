#include "app/ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/graphs/QuadCurveGraphViewController.h"
#include "app/ui/linearization/ImagePreviewPanelController.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/linearization/v2LinearizationInkRampViewController.h"
#include "app/ui/shell/ActionInEveryWindow.h"
#include "app/ui/shell/AppDelegate.h"
#include "app/ui/widgets/BringToFront.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace appui {

namespace {
// The size the window opens at when the screen has room for it.
constexpr QSize preferredSize(1200, 800);
// Room left on the screen's free area for the window's frame: a title bar
// above, borders at the sides.
constexpr QSize frameAllowance(16, 40);

// A tab's page: the screen in a scroll area. Where the window is smaller
// than the screen's controls need (a laptop's screen), the screen keeps the
// size it needs and scrolls, so that every control stays reachable; where
// there is room it fills the page and no scroll bar shows.
QWidget* makeScreenPlace(const QString& objectName, QWidget* screen) {
    auto* place = new QWidget;
    place->setObjectName(objectName);
    auto* layout = new QVBoxLayout(place);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new QScrollArea(place);
    scroller->setObjectName(objectName + QStringLiteral("Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(screen);
    layout->addWidget(scroller);
    return place;
}

// The preferred size, or less where the screen's free area (without its
// panels) is smaller.
QSize openingSize(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return preferredSize;
    return preferredSize.boundedTo(screen->availableGeometry().size() - frameAllowance);
}

// A tool window of the main window holding one controller's view, at the
// size and under the title of the controller's resource.
template <class Controller>
std::pair<QWidget*, Controller*> makeToolWindow(QWidget* owner, const QString& objectName) {
    auto* window =
        new QWidget(owner, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    window->setObjectName(objectName);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* controller = new Controller(window);
    layout->addWidget(controller);
    window->setWindowTitle(controller->windowTitle());
    window->resize(controller->size());
    return {window, controller};
}
} // namespace

MainWindow::MainWindow(std::shared_ptr<AppDelegate> delegate, QWidget* parent)
    : QMainWindow(parent),
      delegate_(std::move(delegate)) {
    setWindowTitle(QApplication::applicationName());

    screens_ = new QTabWidget(this);
    blendingScreen_ = new v2InkModelBlendingViewController;
    blendingPlace_ = makeScreenPlace(QStringLiteral("blendingScreen"), blendingScreen_);
    blendingScreen_->registerRecentDocumentKinds(router_);
    linearizationScreen_ = new qcv2LinearizationViewController;
    linearizationPlace_ = makeScreenPlace(QStringLiteral("linearizationScreen"), linearizationScreen_);
    router_.registerScreen(
        linearizationScreen_, qcv2LinearizationViewController::openedFileExtensions,
        [screen = linearizationScreen_](const std::filesystem::path& file) { screen->openFile(file); });
    screens_->addTab(blendingPlace_, tr("Blending"));
    screens_->addTab(linearizationPlace_, tr("Linearization"));
    setCentralWidget(screens_);
    resize(openingSize(*this));
    // Made with the window so that it follows the linearization's samples
    // before it is first shown.
    imagePreviewPanel_ = new ImagePreviewPanelController(this);
    linearizationInkRampsWindow_ =
        makeToolWindow<v2LinearizationInkRampViewController>(this, QStringLiteral("linearizationInkRampsWindow")).first;

    buildMenus();
    delegate_->dc->addChangeListener([this] { rebuildOpenRecentMenu(); });
    connect(this, &MainWindow::recentDocumentChosen, this,
            [this](const QString& file) { openRecentDocument(std::filesystem::path(file.toStdU16String())); });
}

void MainWindow::openRecentDocument(const std::filesystem::path& file) {
    const auto* route = router_.routeFor(file);
    if (!route || !route->open) {
        platform::devLog("No screen opens " + file.filename().string());
        showNotReopened(file);
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

void MainWindow::showNotReopened(const std::filesystem::path& file) {
    // Chosen from the menu, a file that opens nowhere says why.
    const QString name = QString::fromStdU16String(file.filename().u16string());
    const QString extension = RecentDocumentRouter::extensionOf(file);
    const QString why = extension.isEmpty()
                            ? QStringLiteral("Its name has no ending that tells what kind of file it is.")
                            : QStringLiteral("No screen opens files whose name ends in “.%1”.").arg(extension);
    platform::showAlert(
        {platform::AlertStyle::warning,
         QStringLiteral("“%1” cannot be opened from Open Recent.").arg(name).toStdString(),
         (why + QStringLiteral(" Open Recent opens pictures on the blending screen, and .quad and measurement "
                               "files on the linearization screen, by the ending of their names. Open the file "
                               "through its screen's own button instead."))
             .toStdString()});
}

void MainWindow::buildMenus() {
    auto* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    openRecentMenu_ = fileMenu->addMenu(tr("Open Recent"));
    openRecentMenu_->setObjectName(QStringLiteral("openRecentMenu"));
    fileMenu->addSeparator();
    auto* quit = fileMenu->addAction(tr("Quit"), qApp, &QApplication::closeAllWindows);
    quit->setObjectName(QStringLiteral("quitApplication"));
    quit->setShortcut(QKeySequence::Quit);
    // Quits from whichever window has the keyboard, dialogs included.
    quit->setShortcutContext(Qt::ApplicationShortcut);
    new ActionInEveryWindow(*quit);
    rebuildOpenRecentMenu();

    auto* windowMenu = menuBar()->addMenu(tr("&Window"));
    windowMenu->setObjectName(QStringLiteral("windowMenu"));
    const auto addWindowItem = [&](const QString& text, const char* objectName, auto show) {
        windowMenu->addAction(text, this, show)->setObjectName(QString::fromLatin1(objectName));
    };
    addWindowItem(tr("Image Preview"), "showImagePreviewPanel", [this] { bringToFront(*imagePreviewPanel_); });
    addWindowItem(tr("Quad Curves"), "showQuadCurvesWindow", [this] { showQuadCurvesWindow(); });
    addWindowItem(tr("Linearization Ink Ramps"), "showLinearizationInkRampsWindow",
                  [this] { bringToFront(*linearizationInkRampsWindow_); });
}

void MainWindow::showQuadCurvesWindow() {
    if (!quadCurvesWindow_) {
        QuadCurveGraphViewController* controller = nullptr;
        std::tie(quadCurvesWindow_, controller) =
            makeToolWindow<QuadCurveGraphViewController>(this, QStringLiteral("quadCurvesWindow"));
        // Made after the blend it is to show: it starts with the current one,
        // if there is one yet.
        const auto& blend = blendingScreen_->KCMYtoningBlend->blendedCurve;
        if (!blend.empty())
            controller->updateInkGraphsWithNotification(
                {curves::NotificationName::didUpdateBlendedQuadValues(), BlendedCurvesPayload(blend)});
    }
    bringToFront(*quadCurvesWindow_);
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
