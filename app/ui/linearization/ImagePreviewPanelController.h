#pragma once
#include <QImage>
#include <QSize>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/ui/preview/ZWGradientMapFilter.h"
#include "app/ui/widgets/ZWDropView.h"
#include "platform/NotificationCenter.h"

class QCheckBox;
class QPushButton;

namespace Ui {
class ImagePreviewPanelController;
}

namespace appui {

class ColorPreviewImageView;
class SegmentedControl;

// The image-preview panel, a tool window: a greyscale photograph toned with
// the linearization's ramps as they arrive with
// "com.Vellumcrest.updatedColorInkArrays": the original measurements, the
// corrected samples or the neutral ramp, by the segmented control, with their
// lightness stretched to the full range unless Dmax is simulated. The picture
// comes from the open panel or from a file dropped on the panel. Rendering
// runs on the GUI thread whenever the samples, the choice or the picture
// change.
class ImagePreviewPanelController final : public QWidget, public ZWDropViewDelegate {
    Q_OBJECT
public:
    explicit ImagePreviewPanelController(QWidget* parent = nullptr);
    ~ImagePreviewPanelController() override;

    ColorPreviewImageView* mainImageView = nullptr;
    ZWDropView* dropView = nullptr;
    // Segment 1 original, 2 corrected, any other the neutral ramp.
    SegmentedControl* colorPreviewSelectionContro = nullptr;
    QCheckBox* simulateDmaxCheckBox = nullptr;
    QPushButton* openImageButton = nullptr;

    std::vector<curves::CIELab> originalMeasurements;
    std::vector<curves::CIELab> correctedMeasurents; // kept in reverse order
    ZWGradientMapFilter filter;
    std::optional<QSize> imageSize;
    std::optional<QImage> openedNSImage;
    bool simulateDmax = false;

    // Actions.
    void openImageButtonPressed();
    void colorFilterChanged(int segment);
    void simulateDmaxDidChange(bool on);
    void updateFromDraggedImage(const platform::Notification& notification);
    // Observer of "com.Vellumcrest.updatedColorInkArrays"; an object of
    // another type is ignored.
    void updateColorRampsWithNotification(const platform::Notification& notification);

    // The drop view's delegate: one accepted file opens (not noted in Open
    // Recent); several change nothing.
    void handleDroppedFile(const std::filesystem::path& file) override;
    void handleDroppedFiles(const std::vector<std::filesystem::path>& files) override;

    // Maps the picture through the samples and shows the result; the picture
    // as opened when there are no samples.
    void renderWith(const std::vector<curves::CIELab>& samples);

private:
    void windowDidLoad();
    void showOpened(QImage picture);
    void applyRampChoice(int segment);

    std::unique_ptr<Ui::ImagePreviewPanelController> ui_;
    platform::ObserverRegistration colorRamps_;
};

} // namespace appui
