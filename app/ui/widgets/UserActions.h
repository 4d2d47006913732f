#pragma once
#include <functional>

class QAbstractSlider;

namespace appui {

// Calls `action` with the slider's new position each time the user moves it:
// by dragging, clicking the groove, keys or the wheel. A value set in code
// (a preset loading its positions) calls nothing, as a control's action is
// sent only for the user's own changes. The slider shows the new value
// before the action runs.
void onUserSliderMove(QAbstractSlider* slider, std::function<void(int)> action);

} // namespace appui
