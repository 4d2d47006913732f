#pragma once
#include <QWidget>
#include <memory>

#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"

namespace Ui {
class InkSampleViewPanelController;
}

namespace appui {

class ColorSampleView;

// The linearization screen's colour-sample panel, a tool window: the
// original samples above, the corrected ones (in reverse order) below, each
// the neutral ramp until samples arrive with
// "com.Vellumcrest.updatedColorInkArrays".
class InkSampleViewPanelController final : public QWidget {
    Q_OBJECT
public:
    explicit InkSampleViewPanelController(QWidget* parent = nullptr);
    ~InkSampleViewPanelController() override;

    ColorSampleView* orginalSampleView = nullptr;
    ColorSampleView* correctedSampleView = nullptr;

    // Shows the ramps of a payload.
    void updateColorRamps(const LabRampsPayload& payload);
    // Observer of "com.Vellumcrest.updatedColorInkArrays"; an object of
    // another type is ignored.
    void updateColorRampsWithNotification(const platform::Notification& notification);

private:
    void windowDidLoad();

    std::unique_ptr<Ui::InkSampleViewPanelController> ui_;
    platform::ObserverRegistration colorRamps_;
};

} // namespace appui
