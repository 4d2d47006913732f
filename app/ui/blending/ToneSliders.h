#pragma once
#include <array>
#include <functional>

#include "app/inks/BlendingScreen.h"

class QLabel;
class QSlider;

namespace Ui {
class v2InkModelBlendingViewController;
}

namespace appui {

// The blending screen's tone controls: the nine cyan, magenta and yellow
// sliders with the read-out beside each, and the c0/c1 slider pair of each
// control point (0 highlight, 1 midtone, 2 shadow) with theirs. It turns the
// user's move into the fractions it sets and keeps the read-outs and a pair's
// other slider in step; presets set sliders and read-outs without an action.
class ToneSliders {
public:
    explicit ToneSliders(Ui::v2InkModelBlendingViewController& form);

    // Calls the actions for the user's own moves only (drag, click, key or
    // wheel), never for a value set in code.
    struct Actions {
        std::function<void(inks::TonerPosition)> toneMoved;
        std::function<void(int point)> c0Moved;
        std::function<void(int point)> c1Moved;
    };
    void connectActions(Actions actions);

    // A tone slider's move: its read-out shows the position; answers the
    // fraction it sets, position / 100.
    double toneMoved(inks::TonerPosition position);

    // A pair slider's move at a control point: answers both fractions (c0 +
    // c1 = 1). The moved slider's read-out shows its fraction x 100 and the
    // other slider and read-out 100 minus the moved fraction x 100, each
    // truncated: 29 stores 0.29, which shows as 28 and 72.
    struct PairFractions {
        double c0;
        double c1;
    };
    PairFractions c0Moved(int point);
    PairFractions c1Moved(int point);

    // A preset's whole percentage on a tone slider or its read-out.
    void setReadOut(inks::TonerPosition position, int percent);
    void setSliderValue(inks::TonerPosition position, int percent);

    // Every read-out keeps the size of the widest text it shows (up to 100).
    void keepReadOutSizes();

private:
    struct Tone {
        QSlider* slider;
        QLabel* readOut;
    };
    struct Pair {
        QSlider* c0Slider;
        QSlider* c1Slider;
        QLabel* c0ReadOut;
        QLabel* c1ReadOut;
    };
    const Tone& tone(inks::TonerPosition position) const;
    // The moved slider's fraction and the other's, read-outs and other slider set.
    double movePair(QSlider& moved, QLabel& movedReadOut, QSlider& other, QLabel& otherReadOut);

    std::array<Tone, 9> tones_;
    std::array<Pair, 3> pairs_;
};

} // namespace appui
