#include "app/ui/blending/ToneSliders.h"

#include <QLabel>
#include <QSlider>
#include <cmath>

#include "app/ui/widgets/ReadOutLabels.h"
#include "app/ui/widgets/UserActions.h"
#include "ui_v2InkModelBlendingViewController.h"

namespace appui {

namespace {
// A stored fraction as the whole percentage the c0/c1 read-outs show,
// truncated: 0.29 shows as 28, since 0.29 x 100 falls just below 29.
int truncatedPercent(double fraction) { return static_cast<int>(std::trunc(fraction * 100)); }
} // namespace

ToneSliders::ToneSliders(Ui::v2InkModelBlendingViewController& form)
    // In TonerPosition order.
    : tones_{{
          {form.cyanHighlightSlider, form.cyanHighlightLimitLabel},
          {form.cyanMidtoneSlider, form.cyanMidtoneLimitLabel},
          {form.cyanShadowSlider, form.cyanShadowLimitLabel},
          {form.magentaHighlightSlider, form.mHighlightLabel},
          {form.magentaMidtoneSlider, form.mMidtoneLabel},
          {form.magentaShadowSlider, form.mShadowLabel},
          {form.yellowHighlightSlider, form.yHighlightLabel},
          {form.yellowMidtoneSlider, form.yMidtoneLabel},
          {form.yellowShadowSlider, form.yShadowLabel},
      }},
      pairs_{{
          {form.c0HighlightSlider, form.c1HighlightSlider, form.c0HighlightLimitLabel, form.c1HighlightLimitLabel},
          {form.c0MidtoneSlider, form.c1MidtoneSlider, form.c0MidtoneLimitLabel, form.c1MidtoneLimitLabel},
          {form.c0ShadowSlider, form.c1ShadowSlider, form.c0ShadowLimitLabel, form.c1ShadowLimitLabel},
      }} {}

void ToneSliders::connectActions(Actions actions) {
    for (inks::TonerPosition position : inks::tonerPositions)
        onUserSliderMove(tone(position).slider, [moved = actions.toneMoved, position](int) { moved(position); });
    for (int point = 0; point < 3; ++point) {
        const Pair& pair = pairs_[static_cast<std::size_t>(point)];
        onUserSliderMove(pair.c0Slider, [moved = actions.c0Moved, point](int) { moved(point); });
        onUserSliderMove(pair.c1Slider, [moved = actions.c1Moved, point](int) { moved(point); });
    }
}

const ToneSliders::Tone& ToneSliders::tone(inks::TonerPosition position) const {
    return tones_[static_cast<std::size_t>(position)];
}

double ToneSliders::toneMoved(inks::TonerPosition position) {
    const Tone& moved = tone(position);
    moved.readOut->setText(QString::number(moved.slider->value()));
    return moved.slider->value() / 100.0;
}

double ToneSliders::movePair(QSlider& moved, QLabel& movedReadOut, QSlider& other, QLabel& otherReadOut) {
    const double fraction = moved.value() / 100.0;
    movedReadOut.setText(QString::number(truncatedPercent(fraction)));
    const int otherPercent = 100 - truncatedPercent(fraction);
    other.setValue(otherPercent);
    otherReadOut.setText(QString::number(otherPercent));
    return fraction;
}

ToneSliders::PairFractions ToneSliders::c0Moved(int point) {
    const Pair& pair = pairs_[static_cast<std::size_t>(point)];
    const double c0 = movePair(*pair.c0Slider, *pair.c0ReadOut, *pair.c1Slider, *pair.c1ReadOut);
    return {c0, 1 - c0};
}

ToneSliders::PairFractions ToneSliders::c1Moved(int point) {
    const Pair& pair = pairs_[static_cast<std::size_t>(point)];
    const double c1 = movePair(*pair.c1Slider, *pair.c1ReadOut, *pair.c0Slider, *pair.c0ReadOut);
    return {1 - c1, c1};
}

void ToneSliders::setReadOut(inks::TonerPosition position, int percent) {
    tone(position).readOut->setText(QString::number(percent));
}

void ToneSliders::setSliderValue(inks::TonerPosition position, int percent) {
    tone(position).slider->setValue(percent);
}

void ToneSliders::keepReadOutSizes() {
    const QStringList percent{QStringLiteral("100")};
    for (const Tone& t : tones_) keepReadOutSize(*t.readOut, percent);
    for (const Pair& pair : pairs_) {
        keepReadOutSize(*pair.c0ReadOut, percent);
        keepReadOutSize(*pair.c1ReadOut, percent);
    }
}

} // namespace appui
