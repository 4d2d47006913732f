#include "app/ui/widgets/UserActions.h"

#include <QAbstractSlider>

namespace appui {

void onUserSliderMove(QAbstractSlider* slider, std::function<void(int)> action) {
    // actionTriggered comes only from user input, with the new position
    // already set but not yet the value: the value is taken over first, so
    // that the action reads the slider as the user left it (the slider's own
    // setValue that follows then changes nothing).
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider, [slider, action = std::move(action)](int) {
        const int position = slider->sliderPosition();
        slider->setValue(position);
        action(position);
    });
}

} // namespace appui
