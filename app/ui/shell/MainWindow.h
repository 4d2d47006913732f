#pragma once
#include <QMainWindow>
#include <filesystem>
#include <memory>

#include "app/ui/widgets/RecentDocumentRouter.h"

class QMenu;
class QTabWidget;

namespace appui {

class AppDelegate;
class ImagePreviewPanelController;
class qcv2LinearizationViewController;
class v2InkModelBlendingViewController;

// The main window: the blending and linearization screens side by side in
// tabs, and the File menu with Open Recent.
class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::shared_ptr<AppDelegate> delegate, QWidget* parent = nullptr);

    QWidget* blendingScreenPlace() const { return blendingPlace_; }
    v2InkModelBlendingViewController* blendingScreen() const { return blendingScreen_; }
    qcv2LinearizationViewController* linearizationScreen() const { return linearizationScreen_; }
    QWidget* linearizationScreenPlace() const { return linearizationPlace_; }
    QMenu* openRecentMenu() const { return openRecentMenu_; }
    // The image-preview panel, shown by Window > Image Preview.
    ImagePreviewPanelController* imagePreviewPanel() const { return imagePreviewPanel_; }
    // The blended ink curves in a tool window of their own, shown by
    // Window > Quad Curves; none until first asked for.
    QWidget* quadCurvesWindow() const { return quadCurvesWindow_; }
    // The linearization's original and corrected colour ramps in a tool
    // window, shown by Window > Linearization Ink Ramps.
    QWidget* linearizationInkRampsWindow() const { return linearizationInkRampsWindow_; }

    // The screens register here what File > Open Recent hands them.
    RecentDocumentRouter& recentDocumentRouter() { return router_; }
    // Brings the screen that opens the file's kind to the front and lets it
    // open the file; for a kind no screen opens an alert says why (and the
    // developer's log names the file).
    void openRecentDocument(const std::filesystem::path& file);

signals:
    // The user picked a file from Open Recent.
    void recentDocumentChosen(const QString& file);

private:
    void showNotReopened(const std::filesystem::path& file);
    void buildMenus();
    void rebuildOpenRecentMenu();
    void showQuadCurvesWindow();

    std::shared_ptr<AppDelegate> delegate_;
    QTabWidget* screens_ = nullptr;
    QWidget* blendingPlace_ = nullptr;
    v2InkModelBlendingViewController* blendingScreen_ = nullptr;
    qcv2LinearizationViewController* linearizationScreen_ = nullptr;
    QWidget* linearizationPlace_ = nullptr;
    QMenu* openRecentMenu_ = nullptr;
    ImagePreviewPanelController* imagePreviewPanel_ = nullptr;
    QWidget* quadCurvesWindow_ = nullptr;
    QWidget* linearizationInkRampsWindow_ = nullptr;
    RecentDocumentRouter router_;
};

} // namespace appui
