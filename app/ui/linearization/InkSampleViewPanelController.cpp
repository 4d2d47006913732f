#include "app/ui/linearization/InkSampleViewPanelController.h"

#include "app/curves/core/NotificationNames.h"
#include "app/ui/widgets/ColorRamps.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "ui_InkSampleViewPanelController.h"

namespace appui {

InkSampleViewPanelController::InkSampleViewPanelController(QWidget* parent)
    : QWidget(parent, Qt::Tool),
      ui_(std::make_unique<Ui::InkSampleViewPanelController>()) {
    ui_->setupUi(this);
    orginalSampleView = ui_->orginalSampleView;
    correctedSampleView = ui_->correctedSampleView;
    windowDidLoad();
}

InkSampleViewPanelController::~InkSampleViewPanelController() = default;

void InkSampleViewPanelController::windowDidLoad() {
    colorRamps_ = platform::observe(curves::NotificationName::updatedColorInkArrays(),
                                    [this](const platform::Notification& n) { updateColorRampsWithNotification(n); });
    updateColorRamps({});
}

void InkSampleViewPanelController::updateColorRamps(const LabRampsPayload& payload) {
    auto ramps = rampsToShow(payload);
    orginalSampleView->colorSamples = std::move(ramps.original);
    correctedSampleView->colorSamples = std::move(ramps.corrected);
    orginalSampleView->update();
    correctedSampleView->update();
}

void InkSampleViewPanelController::updateColorRampsWithNotification(const platform::Notification& notification) {
    if (const auto* payload = std::any_cast<LabRampsPayload>(&notification.object)) updateColorRamps(*payload);
}

} // namespace appui
