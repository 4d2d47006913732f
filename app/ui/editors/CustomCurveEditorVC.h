#pragma once
#include <QDialog>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/curves/linearization/MainBoost.h"
#include "app/curves/linearization/QuadGammaAdjust.h"
#include "app/ui/editors/CustomCurveEditorDelegate.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSlider;

namespace Ui {
class CustomCurveEditorVC;
}

namespace appui {

class QuadCurveEditorView;
class QuadCurveGraph;

// The dialog in which a whole set of ink curves is reshaped: a gamma slider
// bends every channel, a boost slider raises ink (every channel or the
// first), and one channel at a time can be redrawn by hand. Sliders preview
// from the committed set while dragged and commit when released; steps that
// are no drag (keys, wheel notches, clicks on the groove) preview the same
// way and are committed once, when the slider loses the focus, another
// control acts or the dialog is finished. Finishing hands the set to the
// editor's delegate; Option held over Accept or Finish Editing turns either
// into Cancel.
//
// Opened by the segue "CustomCurveEditor": the presenter makes a new dialog,
// sets `editorDelegate`, `inkList` and `manualQuadInput`, then shows it.
class CustomCurveEditorVC final : public QDialog {
    Q_OBJECT
public:
    using Curves = std::vector<std::vector<double>>;
    static const QString segueIdentifier;

    explicit CustomCurveEditorVC(QWidget* parent = nullptr);
    ~CustomCurveEditorVC() override;

    CustomCurveEditorDelegate* editorDelegate = nullptr; // not owned
    QuadCurveGraph* quadCurveGraph = nullptr;
    QuadCurveEditorView* quadEditor = nullptr;
    QSlider* gammaSlider = nullptr;
    QLabel* gammaLabel = nullptr;
    QCheckBox* boostAll = nullptr;
    QSlider* boostSlider = nullptr;
    QLabel* boostLabel = nullptr;
    QComboBox* curveNameList = nullptr;
    QWidget* sliderControlStackView = nullptr;
    QWidget* editChannelButtonStackView = nullptr;
    QPushButton* acceptEditButton = nullptr;
    QPushButton* finishEditingButton = nullptr;

    std::vector<std::string> inkList;
    Curves manualQuadInput;
    Curves manualQuadOutput;
    std::vector<double> outputQuadChannelValues;
    int currentlyEditingCurve = 0;
    std::vector<double> inkSumArray;
    double gammaAdjustment = 1;
    curves::MainBoost boost;
    curves::QuadGammaAdjustD gamma;

    // The gamma slider's positions are hundredths of the gamma.
    static constexpr double gammaSliderScale = 100;

    // Each previews from the committed set; with `committing` (the mouse was
    // released) the preview becomes the committed set.
    void gammaSliderChanged(double value, bool committing);
    void boostSliderChanged(int value, bool committing);

public slots:
    void curveNameSelected(int index);
    void acceptEditPressed();
    void didPressFinishEditing();
    void mouseEntered();
    void mouseExited();
    void smoothChannelButtonPressed();
    void fill25();
    void fill50();
    void fill75();
    void zeroCurve();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void viewDidLoad();
    void viewWillAppear();
    void connectSlider(QSlider* slider, void (CustomCurveEditorVC::*changed)(int, bool));
    void commitPreview();
    void gammaPositionChanged(int position, bool committing);
    void showOutput();
    void showBoostedEndValue();
    Curves gammaAdjusted(const Curves& curves, double gammaValue);
    void applyBoostTo(const Curves& curves);
    void showSliderState();
    void resetEditorControls();
    void recomputeInkSum();

    std::unique_ptr<Ui::CustomCurveEditorVC> ui_;
    // The slider whose steps `manualQuadOutput` previews uncommitted; null
    // when the preview is committed (or is the opening one, never committed).
    QSlider* previewingSlider_ = nullptr;
};

} // namespace appui
