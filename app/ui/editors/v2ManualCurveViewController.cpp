#include "app/ui/editors/v2ManualCurveViewController.h"

#include "app/curves/core/NotificationNames.h"
#include "ui_v2ManualCurveViewController.h"

namespace appui {

v2ManualCurveViewController::v2ManualCurveViewController(QWidget* parent)
    : ManualCurveDialog(parent),
      ui_(std::make_unique<Ui::v2ManualCurveViewController>()) {
    ui_->setupUi(this);
    viewDidLoad(ui_->okButton, ui_->curveEditor, ui_->inputValueLabel, ui_->outputValueLabel,
                ui_->useStandardCompressionButton);
}

v2ManualCurveViewController::~v2ManualCurveViewController() = default;

const std::string& v2ManualCurveViewController::notificationName() const {
    return curves::NotificationName::updatedV2ManualCurveControl();
}

void v2ManualCurveViewController::closeDialog() { accept(); }

} // namespace appui
