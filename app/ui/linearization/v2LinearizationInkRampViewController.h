#pragma once
#include <QWidget>
#include <memory>

#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"

namespace Ui {
class v2LinearizationInkRampViewController;
}

namespace appui {

class ColorSampleView;

// The linearization screen's pair of colour ramps: the original and the
// corrected samples of the last "com.Vellumcrest.updatedColorInkArrays", the
// neutral ramp until then (and for an empty list).
class v2LinearizationInkRampViewController final : public QWidget {
    Q_OBJECT
public:
    explicit v2LinearizationInkRampViewController(QWidget* parent = nullptr);
    ~v2LinearizationInkRampViewController() override;

    ColorSampleView* originalColorSamplesView = nullptr;
    ColorSampleView* correctedColorSamplesView = nullptr;

    // Observer of "com.Vellumcrest.updatedColorInkArrays"; an object of
    // another type is ignored.
    void updateColorRampsWithNotification(const platform::Notification& notification);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void viewDidLoad();

    std::unique_ptr<Ui::v2LinearizationInkRampViewController> ui_;
    platform::ObserverRegistration colorRamps_;
};

} // namespace appui
