#include "app/ui/linearization/ImagePreviewPanelController.h"

#include <QCheckBox>
#include <QPushButton>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/widgets/ColorRamps.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "app/ui/widgets/SegmentedControl.h"
#include "platform/FatalError.h"
#include "ui_ImagePreviewPanelController.h"

namespace appui {

ImagePreviewPanelController::ImagePreviewPanelController(QWidget* parent)
    : QWidget(parent, Qt::Tool),
      ui_(std::make_unique<Ui::ImagePreviewPanelController>()) {
    ui_->setupUi(this);
    mainImageView = ui_->mainImageView;
    dropView = ui_->dropView;
    colorPreviewSelectionContro = ui_->colorPreviewSelectionContro;
    simulateDmaxCheckBox = ui_->simulateDmaxCheckBox;
    openImageButton = ui_->openImageButton;
    platform::precondition(mainImageView != nullptr && dropView != nullptr && colorPreviewSelectionContro != nullptr &&
                               simulateDmaxCheckBox != nullptr && openImageButton != nullptr,
                           "ImagePreviewPanelController: a control missing from its Designer resource");
    // Files dropped on the picture go to the panel's drop view around it,
    // which takes only TIFF and JPEG files.
    mainImageView->setAcceptDrops(false);
    connect(openImageButton, &QPushButton::clicked, this, [this] { openImageButtonPressed(); });
    connect(colorPreviewSelectionContro, &SegmentedControl::segmentClicked, this,
            [this](int segment) { colorFilterChanged(segment); });
    connect(simulateDmaxCheckBox, &QCheckBox::clicked, this, [this](bool on) { simulateDmaxDidChange(on); });
    windowDidLoad();
}

ImagePreviewPanelController::~ImagePreviewPanelController() = default;

void ImagePreviewPanelController::windowDidLoad() {
    colorRamps_ = platform::observe(curves::NotificationName::updatedColorInkArrays(),
                                    [this](const platform::Notification& n) { updateColorRampsWithNotification(n); });
    dropView->delegate = this;
    dropView->acceptedFileExtensions = {QStringLiteral("tiff"), QStringLiteral("jpeg"), QStringLiteral("jpg"),
                                        QStringLiteral("tif")};
}

void ImagePreviewPanelController::showOpened(QImage picture) {
    openedNSImage = picture;
    imageSize = picture.size();
    filter.inputImage = picture;
    mainImageView->setImage(std::move(picture));
    renderWith(originalMeasurements);
}

void ImagePreviewPanelController::openImageButtonPressed() {
    auto chosen = openImageFile();
    if (!chosen) return;
    showOpened(std::move(chosen->image));
}

void ImagePreviewPanelController::handleDroppedFile(const std::filesystem::path& file) {
    auto picture = readPreviewImage(file);
    if (!picture) return;
    showOpened(std::move(*picture));
}

void ImagePreviewPanelController::handleDroppedFiles(const std::vector<std::filesystem::path>&) {}

void ImagePreviewPanelController::applyRampChoice(int segment) {
    std::vector<curves::CIELab> samples;
    if (segment == 2) {
        samples = correctedMeasurents;
    } else if (segment == 1) {
        samples = originalMeasurements;
    } else {
        renderWith(moclLab());
        return;
    }
    if (!simulateDmax) samples = curves::normalizeLabL(samples);
    renderWith(samples);
}

void ImagePreviewPanelController::colorFilterChanged(int segment) { applyRampChoice(segment); }

void ImagePreviewPanelController::simulateDmaxDidChange(bool on) {
    simulateDmax = on;
    applyRampChoice(colorPreviewSelectionContro->selectedSegment());
}

void ImagePreviewPanelController::updateFromDraggedImage(const platform::Notification&) {
    filter.inputImage = mainImageView->droppedCIImage;
    imageSize = mainImageView->hasImage() ? std::optional<QSize>(mainImageView->image()->size()) : std::nullopt;
    renderWith(originalMeasurements);
}

void ImagePreviewPanelController::updateColorRampsWithNotification(const platform::Notification& notification) {
    const auto* payload = std::any_cast<LabRampsPayload>(&notification.object);
    if (payload == nullptr) return;
    auto ramps = rampsToShow(*payload);
    originalMeasurements = std::move(ramps.original);
    correctedMeasurents = std::move(ramps.corrected);
    applyRampChoice(colorPreviewSelectionContro->selectedSegment());
}

void ImagePreviewPanelController::renderWith(const std::vector<curves::CIELab>& samples) {
    if (!mainImageView->hasImage()) return;
    if (samples.empty()) {
        if (openedNSImage) mainImageView->setImage(*openedNSImage);
        return;
    }
    filter.inputLabArray = samples;
    filter.applyGradientMap();
    if (!filter.outputImage) return;
    if (imageSize) mainImageView->setImage(*filter.outputImage);
}

} // namespace appui
