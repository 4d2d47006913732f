#include "app/ui/editors/v2LinearizationManualCurveViewController.h"

#include "app/curves/core/NotificationNames.h"
#include "ui_v2LinearizationManualCurveViewController.h"

namespace appui {

v2LinearizationManualCurveViewController::v2LinearizationManualCurveViewController(QWidget* parent)
    : ManualCurveDialog(parent),
      ui_(std::make_unique<Ui::v2LinearizationManualCurveViewController>()) {
    ui_->setupUi(this);
    viewDidLoad(ui_->okButton, ui_->curveEditor, ui_->inputValueLabel, ui_->outputValueLabel,
                ui_->useStandardCompressionButton);
}

v2LinearizationManualCurveViewController::~v2LinearizationManualCurveViewController() = default;

const std::string& v2LinearizationManualCurveViewController::notificationName() const {
    return curves::NotificationName::updatedManualCurveControl();
}

void v2LinearizationManualCurveViewController::closeDialog() { window()->close(); }

} // namespace appui
