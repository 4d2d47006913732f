#include "app/ui/linearization/InkRampsViewController.h"

#include "app/curves/core/NotificationNames.h"
#include "app/ui/widgets/ColorRamps.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "platform/FatalError.h"
#include "ui_InkRampsViewController.h"

namespace appui {

InkRampsViewController::InkRampsViewController(QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::InkRampsViewController>()) {
    ui_->setupUi(this);
    ink1SampleView = ui_->ink1SampleView;
    ink2SampleView = ui_->ink2SampleView;
    ink3SampleView = ui_->ink3SampleView;
    ink4SampleView = ui_->ink4SampleView;
    ink5SampleView = ui_->ink5SampleView;
    ink6SampleView = ui_->ink6SampleView;
    ink7SampleView = ui_->ink7SampleView;
    ink8SampleView = ui_->ink8SampleView;
    viewDidLoad();
}

InkRampsViewController::~InkRampsViewController() = default;

void InkRampsViewController::viewDidLoad() {
    collectInkSampleViews();
    colorInkLimits_ =
        platform::observe(curves::NotificationName::didUpdateColorInkLimits(),
                          [this](const platform::Notification& n) { updateColorRampsWithNotification(n); });
}

void InkRampsViewController::collectInkSampleViews() {
    inkSampleViews = {ink1SampleView, ink2SampleView, ink3SampleView, ink4SampleView,
                      ink5SampleView, ink6SampleView, ink7SampleView, ink8SampleView};
    for (auto* view : inkSampleViews)
        platform::precondition(
            view != nullptr, "InkRampsViewController::collectInkSampleViews: a sample view missing from the resource");
    showInkRamps(colorInkLimiter, false);
}

void InkRampsViewController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refreshInkRamps();
}

void InkRampsViewController::refreshInkRamps() { showInkRamps(colorInkLimiter, true); }

void InkRampsViewController::showInkRamps(const ColorInkLimitsPayload& limiters, bool redraw) {
    for (std::size_t i = 0; i < limiters.size() && i < inkSampleViews.size(); ++i) {
        auto ramp = limiterRamp(limiters[i]);
        if (!ramp) continue;
        inkSampleViews[i]->colorSamples = std::move(*ramp);
        if (redraw) inkSampleViews[i]->update();
    }
}

void InkRampsViewController::updateColorRampsWithNotification(const platform::Notification& notification) {
    if (const auto* limiters = std::any_cast<ColorInkLimitsPayload>(&notification.object))
        showInkRamps(*limiters, true);
}

} // namespace appui
