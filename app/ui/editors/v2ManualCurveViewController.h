#pragma once
#include <memory>

#include "app/ui/editors/ManualCurveDialog.h"

namespace Ui {
class v2ManualCurveViewController;
}

namespace appui {

// The manual-curve dialog whose curve goes out as
// "com.Vellumcrest.updatedV2ManualCurveControl"; OK dismisses it.
class v2ManualCurveViewController final : public ManualCurveDialog {
    Q_OBJECT
public:
    explicit v2ManualCurveViewController(QWidget* parent = nullptr);
    ~v2ManualCurveViewController() override;

protected:
    const std::string& notificationName() const override;
    void closeDialog() override;

private:
    std::unique_ptr<Ui::v2ManualCurveViewController> ui_;
};

} // namespace appui
