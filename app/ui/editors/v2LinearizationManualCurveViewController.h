#pragma once
#include <memory>

#include "app/ui/editors/ManualCurveDialog.h"

namespace Ui {
class v2LinearizationManualCurveViewController;
}

namespace appui {

// The linearization screen's manual target curve dialog: its curve goes out
// as "com.Vellumcrest.updatedManualCurveControl"; OK closes its window.
class v2LinearizationManualCurveViewController final : public ManualCurveDialog {
    Q_OBJECT
public:
    explicit v2LinearizationManualCurveViewController(QWidget* parent = nullptr);
    ~v2LinearizationManualCurveViewController() override;

    // Set by the linearization screen before it shows the dialog.
    bool useMatteCompression = false;

protected:
    const std::string& notificationName() const override;
    void closeDialog() override;

private:
    std::unique_ptr<Ui::v2LinearizationManualCurveViewController> ui_;
};

} // namespace appui
