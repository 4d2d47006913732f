#include "app/ui/linearization/v2LinearizationInkRampViewController.h"

#include "app/curves/core/NotificationNames.h"
#include "app/ui/widgets/ColorRamps.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/NeutralRamp.h"
#include "ui_v2LinearizationInkRampViewController.h"

namespace appui {

v2LinearizationInkRampViewController::v2LinearizationInkRampViewController(QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::v2LinearizationInkRampViewController>()) {
    ui_->setupUi(this);
    originalColorSamplesView = ui_->originalColorSamplesView;
    correctedColorSamplesView = ui_->correctedColorSamplesView;
    viewDidLoad();
}

v2LinearizationInkRampViewController::~v2LinearizationInkRampViewController() = default;

void v2LinearizationInkRampViewController::viewDidLoad() {
    originalColorSamplesView->colorSamples = moclLab();
    correctedColorSamplesView->colorSamples = moclLab();
    colorRamps_ = platform::observe(curves::NotificationName::updatedColorInkArrays(),
                                    [this](const platform::Notification& n) { updateColorRampsWithNotification(n); });
}

void v2LinearizationInkRampViewController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    originalColorSamplesView->update();
    correctedColorSamplesView->update();
}

void v2LinearizationInkRampViewController::updateColorRampsWithNotification(
    const platform::Notification& notification) {
    const auto* payload = std::any_cast<LabRampsPayload>(&notification.object);
    if (payload == nullptr) return;
    auto ramps = rampsToShow(*payload);
    originalColorSamplesView->colorSamples = std::move(ramps.original);
    correctedColorSamplesView->colorSamples = std::move(ramps.corrected);
    originalColorSamplesView->update();
    correctedColorSamplesView->update();
}

} // namespace appui
