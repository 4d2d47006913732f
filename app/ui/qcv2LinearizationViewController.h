#pragma once
#include <QString>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/curves/CIELab.h"
#include "app/curves/Enumerations.h"
#include "app/curves/LinearizationDataModel.h"
#include "app/ui/CustomCurveEditorDelegate.h"
#include "app/ui/LinearizationScreenRules.h"
#include "app/ui/ZWDropView.h"
#include "platform/NotificationCenter.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTableView;

namespace Ui {
class qcv2LinearizationViewController;
}

namespace appui {

class InkSampleViewPanelController;
class MeasurementGraph;
class MeasurementTableModel;
class QuadCurveGraph;

// The linearization screen. It owns the linearization model and drives it:
// measurement files come in through the open panel or the drop view and show
// in an editable table; the two smoothing strengths, the manual target and
// table edits recompute the correction; a .quad file loaded beside it is
// linearized by that correction and shown with per-channel switches; the
// corrected curves, or the correction itself, are exported as .quad, .acv or
// .cube. After every change the lightness graph, the colour-sample panels
// and the quad graph follow.
class qcv2LinearizationViewController final : public QWidget,
                                              public ZWDropViewDelegate,
                                              public CustomCurveEditorDelegate {
    Q_OBJECT
public:
    using Curves = curves::v2LinearizationDataModel::Curves;

    explicit qcv2LinearizationViewController(QWidget* parent = nullptr);
    ~qcv2LinearizationViewController() override;

    // The extensions the screen opens: .quad files as curves, the others as
    // measurements.
    static const QStringList openedFileExtensions;
    static bool isMeasurementExtension(const QString& lowercasedExtension);

    ZWDropView* dropView = nullptr;
    curves::v2LinearizationDataModel model;
    std::unique_ptr<InkSampleViewPanelController> inkSamplePanel;
    std::vector<int> errorIndexies;
    MeasurementGraph* measurementGraph = nullptr;
    QuadCurveGraph* quadCurveGraph = nullptr;
    QTableView* originalMeasurementsTableView = nullptr;
    QLabel* dMaxLabel = nullptr;
    QLabel* measurementFileNameLabel = nullptr;
    QPushButton* sortButton = nullptr;
    QLineEdit* movingAverageSmoothingWindowSizeLabel = nullptr;
    QSlider* movingAverageSmoothingSlider = nullptr;
    QLineEdit* splineSmoothingSliderLabel = nullptr;
    QSlider* splineSmoothingSlider = nullptr;
    QWidget* quadChannelVisibilityStackView = nullptr;
    curves::ExportType exportFormat = curves::ExportType::quad;
    QComboBox* exportFileOptionsPopupButton = nullptr;
    QLabel* quadCurveFileNameLabel = nullptr;
    QPlainTextEdit* quadNotesOutlet = nullptr;
    Curves quadCurveArrayForGraph;
    linearization::ChannelVisibility channelShown{true, true, true, true, true, true, true, true, true, true};
    QPushButton* OrVLabel = nullptr;
    QPushButton* GrMkLabel = nullptr;

    static constexpr int loadedSmoothing = 33;

    // Opens a file the way a drop of that one file would: a .quad as curves,
    // a measurement file as measurements (File > Open Recent comes here).
    void openFile(const std::filesystem::path& file);

    // ZWDropViewDelegate
    void handleDroppedFile(const std::filesystem::path& file) override;
    void handleDroppedFiles(const std::vector<std::filesystem::path>& files) override;
    // CustomCurveEditorDelegate
    void didUpdateCurves(const Curves& curves) override;

    // Opens the dialog of a segue ("ShowManualCurve", "CustomCurveEditor"):
    // a new dialog, prepared by prepareForSegue, then shown. Answers it.
    QWidget* performSegue(const QString& identifier);
    void prepareForSegue(const QString& identifier, QWidget* destination);

    // Internal operations of the screen.
    void applyMovingAverageWindow(int window);
    void applySplineSmoothing(double strength);
    void updateMeasurementGraph();
    void postColorInkArrays(const std::vector<curves::CIELab>& first, const std::vector<curves::CIELab>& second);
    void findMeasurementErrors(const std::vector<curves::CIELab>& lab);
    void refreshCorrection();
    void updateCorrectedQuad();
    void drawQuadCurveGraph();

public slots:
    void loadMeasurmentData();
    void sortMeasurements();
    void findErrorsButtonPressed();
    void didChangeMovingAverageSmoothingSlider(int position);
    void didChangeSmoothingWindowSizeTextEntrie();
    void didChangeSplineSmoothingSlider(int position);
    void didChangeSplineSmoothingTextField();
    void onEnterInTextField(int row, int column, double value);
    void loadQuadFilePressed();
    void showChannelCurve(std::size_t position, bool on);
    void toggleQuadCurveVisibilityStackView(bool on);
    void showSampleViewPanelButtonPressed();
    void exportOptionsPopupSelectionDidChange(int index);
    void saveButtonPressed();
    void mouseEntered();
    void mouseExited();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void viewDidLoad();
    void connectActions();
    void updateManualCurveWithNotification(const platform::Notification& notification);
    void reloadTable();
    void showDmax();
    void setSmoothingControls(int value);
    // A measurement file read and taken by the model; false (nothing
    // changed) when it could not be used.
    bool takeMeasurementFile(const std::shared_ptr<curves::MeasurementFile>& file);
    void loadDroppedMeasurements(const std::filesystem::path& file);
    void takeQuadFile(std::shared_ptr<curves::QuadDataFile> quad);
    void linearizeLoadedQuad();
    void titleLastChannelButtons(const std::vector<std::string>& inkList);
    void plotQuadGraph(const Curves& curves);
    void exportQuadFile();
    void storeQuadNotes();
    void exportAcvFile();
    void exportCubeLUT();

    std::unique_ptr<Ui::qcv2LinearizationViewController> ui_;
    MeasurementTableModel* tableModel_ = nullptr;
    platform::ObserverRegistration manualCurve_;
};

} // namespace appui
