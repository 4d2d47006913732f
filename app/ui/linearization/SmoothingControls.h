#pragma once
#include <QObject>
#include <functional>

class QLineEdit;
class QSlider;

namespace appui {

// The linearization screen's two smoothing strengths, each a slider with a
// text field beside it that shows and takes the same value: the moving
// average and the spline smoothing. It keeps each pair showing one value and
// turns what the user sets into the model's setting; values set in code send
// nothing.
class SmoothingControls {
public:
    SmoothingControls(QSlider& windowSlider, QLineEdit& windowField, QSlider& splineSlider, QLineEdit& splineField);

    // Calls the actions for the user's own changes only: a slider moved (by
    // drag, click, key or wheel), with its new position, or Return in a field.
    struct Actions {
        std::function<void(int position)> windowSliderMoved;
        std::function<void()> windowTyped;
        std::function<void(int position)> splineSliderMoved;
        std::function<void()> splineTyped;
    };
    void connectActions(QObject& context, Actions actions);

    // All four controls at `value`, sending nothing (a load shows 33).
    void showValue(int value);

    // Each user change answered as the setting it asks for, the other control
    // of its pair following it:
    // - the window slider's position: the window (x 0.64, truncated); the
    //   field shows the position;
    int windowOfSliderMove(int position);
    // - the window field's number: the window; the slider takes the number;
    int windowOfTypedValue();
    // - the spline slider's position: the strength; the field shows it;
    double strengthOfSliderMove(int position);
    // - the spline field's number kept to 0 ... 100, the field showing what
    //   was kept: the strength; the slider takes it.
    double strengthOfTypedValue();

private:
    QSlider& windowSlider_;
    QLineEdit& windowField_;
    QSlider& splineSlider_;
    QLineEdit& splineField_;
};

} // namespace appui
