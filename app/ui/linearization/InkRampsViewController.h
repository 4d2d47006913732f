#pragma once
#include <QWidget>
#include <memory>
#include <vector>

#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"

namespace Ui {
class InkRampsViewController;
}

namespace appui {

class ColorSampleView;

// Up to eight ink ramps, one per colour-ink limiter, each its limited
// samples at every fifth entry; repainted when
// "com.Vellumcrest.didUpdateColorInkLimits" arrives with the limiters.
class InkRampsViewController final : public QWidget {
    Q_OBJECT
public:
    explicit InkRampsViewController(QWidget* parent = nullptr);
    ~InkRampsViewController() override;

    // Stored limiters; nothing fills the list.
    ColorInkLimitsPayload colorInkLimiter;
    std::vector<ColorSampleView*> inkSampleViews;
    ColorSampleView* ink1SampleView = nullptr;
    ColorSampleView* ink2SampleView = nullptr;
    ColorSampleView* ink3SampleView = nullptr;
    ColorSampleView* ink4SampleView = nullptr;
    ColorSampleView* ink5SampleView = nullptr;
    ColorSampleView* ink6SampleView = nullptr;
    ColorSampleView* ink7SampleView = nullptr;
    ColorSampleView* ink8SampleView = nullptr;

    // Observer of "com.Vellumcrest.didUpdateColorInkLimits"; an object of
    // another type is ignored.
    void updateColorRampsWithNotification(const platform::Notification& notification);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void viewDidLoad();
    void collectInkSampleViews();
    void refreshInkRamps();
    // Limiter i paints view i; limiters past the eighth, and limiters with
    // too few samples for a ramp, are skipped.
    void showInkRamps(const ColorInkLimitsPayload& limiters, bool redraw);

    std::unique_ptr<Ui::InkRampsViewController> ui_;
    platform::ObserverRegistration colorInkLimits_;
};

} // namespace appui
