#include "app/ui/linearization/SmoothingControls.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "app/ui/linearization/LinearizationScreenRules.h"
#include "app/ui/widgets/FieldText.h"

namespace appui {

SmoothingControls::SmoothingControls(QSlider& windowSlider, QLineEdit& windowField, QSlider& splineSlider,
                                     QLineEdit& splineField)
    : windowSlider_(windowSlider),
      windowField_(windowField),
      splineSlider_(splineSlider),
      splineField_(splineField) {}

void SmoothingControls::connectActions(QObject& context, Actions actions) {
    // actionTriggered comes from the user's own moves only; a slider set
    // from code stays quiet.
    QObject::connect(
        &windowSlider_, &QSlider::actionTriggered, &context,
        [this, moved = std::move(actions.windowSliderMoved)](int) { moved(windowSlider_.sliderPosition()); });
    QObject::connect(&windowField_, &QLineEdit::returnPressed, &context, std::move(actions.windowTyped));
    QObject::connect(
        &splineSlider_, &QSlider::actionTriggered, &context,
        [this, moved = std::move(actions.splineSliderMoved)](int) { moved(splineSlider_.sliderPosition()); });
    QObject::connect(&splineField_, &QLineEdit::returnPressed, &context, std::move(actions.splineTyped));
}

void SmoothingControls::showValue(int value) {
    const QSignalBlocker blockWindow(&windowSlider_);
    const QSignalBlocker blockSpline(&splineSlider_);
    windowSlider_.setValue(value);
    splineSlider_.setValue(value);
    windowField_.setText(QString::number(value));
    splineField_.setText(QString::number(value));
}

int SmoothingControls::windowOfSliderMove(int position) {
    windowField_.setText(QString::number(position));
    return linearization::movingAverageWindowOf(position);
}

int SmoothingControls::windowOfTypedValue() {
    const double value = fieldDoubleValue(windowField_.text());
    const QSignalBlocker block(&windowSlider_);
    windowSlider_.setValue(linearization::integerValueOf(value));
    return linearization::movingAverageWindowOf(value);
}

double SmoothingControls::strengthOfSliderMove(int position) {
    splineField_.setText(QString::number(position));
    return position;
}

double SmoothingControls::strengthOfTypedValue() {
    const double typed = fieldDoubleValue(splineField_.text());
    const double strength = linearization::clampedSplineStrength(typed);
    if (strength != typed) splineField_.setText(QString::number(strength));
    const QSignalBlocker block(&splineSlider_);
    splineSlider_.setValue(linearization::integerValueOf(strength));
    return strength;
}

} // namespace appui
