#pragma once
#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"
#include "app/curves/linearization/LinearizationDataModel.h"
#include "app/ui/editors/CustomCurveEditorDelegate.h"
#include "app/ui/linearization/LinearizationShown.h"
#include "app/ui/widgets/ZWDropView.h"
#include "platform/NotificationCenter.h"
#include "ui_qcv2LinearizationViewController.h"

class QDialog;
class QTableView;

namespace appui {

class InkSampleViewPanelController;
class MeasurementGraph;
class MeasurementTableModel;
class QuadCurveGraph;
class QuadCurvePane;
class SmoothingControls;

// The linearization screen. It owns the linearization model and drives it:
// measurement files come in through the open panel or the drop view and show
// in an editable table; the two smoothing strengths, the manual target and
// table edits recompute the correction; a .quad file loaded beside it is
// linearized by that correction and shown with per-channel switches; the
// corrected curves, or the correction itself, are exported as .quad, .acv or
// .cube.
//
// Every user action ends on one road: `recompute` with what the action
// changed, where the model brings its outputs up to date and `show` puts on
// screen what linearization::shownOf makes of the model: the lightness graph,
// the samples posted to the colour-sample panels and the quad-curve graph.
//
// Its outlets (dropView, dMaxLabel, measurementFileNameLabel, sortButton, the
// smoothing sliders and fields, quadChannelVisibilityStackView, OrVLabel,
// GrMkLabel, quadCurveFileNameLabel, quadNotesOutlet,
// exportFileOptionsPopupButton, ...) are the Designer form's own members,
// under the names the form gives them.
class qcv2LinearizationViewController final : public QWidget,
                                              public Ui::qcv2LinearizationViewController,
                                              public ZWDropViewDelegate,
                                              public CustomCurveEditorDelegate {
    Q_OBJECT
public:
    using Curves = curves::v2LinearizationDataModel::Curves;
    using Change = linearization::Change;

    explicit qcv2LinearizationViewController(QWidget* parent = nullptr);
    ~qcv2LinearizationViewController() override;

    // The extensions the screen opens: .quad files as curves, the others as
    // measurements.
    static const QStringList openedFileExtensions;
    static bool isMeasurementExtension(const QString& lowercasedExtension);

    curves::v2LinearizationDataModel model;
    std::unique_ptr<InkSampleViewPanelController> inkSamplePanel;
    std::vector<int> errorIndexies;
    MeasurementGraph* measurementGraph = nullptr;
    QuadCurveGraph* quadCurveGraph = nullptr;
    // The form's table "ogMeasurementTableView".
    QTableView* originalMeasurementsTableView = nullptr;
    curves::ExportType exportFormat = curves::ExportType::quad;
    // The quad-curve graph's corrected curves, switched-off channels as zeros.
    Curves quadCurveArrayForGraph;
    linearization::ChannelVisibility channelShown{true, true, true, true, true, true, true, true, true, true};

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
    // a new dialog, prepared by prepareForSegue, then shown. Answers it. The
    // manual-curve dialog is one: while it is open a segue to it prepares it
    // again and brings it to the front.
    QWidget* performSegue(const QString& identifier);
    void prepareForSegue(const QString& identifier, QWidget* destination);

    // The one road every user action ends in. The model brings up to date
    // what `change` made stale: the correction (and then the corrected quad
    // curves, once there is a correction), or the corrected curves of a new
    // .quad file, or nothing when only the showing changed. Then the screen
    // shows the model.
    void recompute(Change change);
    // Shows what the value holds and leaves the rest as it is.
    using QWidget::show;
    void show(linearization::LinearizationShown shown);
    // The steps of the road: the loaded quad's curves corrected anew by the
    // model; the lightness graph plotted; the quad-curve graph given its
    // curves (switched-off channels as zeros), the corrected ones kept as
    // quadCurveArrayForGraph.
    void updateCorrectedQuad();
    void updateMeasurementGraph(LightnessCurves lightness);
    void drawQuadCurveGraph(linearization::QuadCurvesShown curves);

    // A smoothing setting taken into the model, then recomputed.
    void applyMovingAverageWindow(int window);
    void applySplineSmoothing(double strength);
    // Posts "com.Vellumcrest.updatedColorInkArrays" with the two sample
    // lists, each cut to 21 samples.
    void postColorInkArrays(const std::vector<curves::CIELab>& first, const std::vector<curves::CIELab>& second);
    void findMeasurementErrors(const std::vector<curves::CIELab>& lab);

public slots:
    void loadMeasurmentData();
    void sortMeasurements();
    void findErrorsButtonPressed();
    void didChangeMovingAverageSmoothingSlider(int position);
    void didChangeSmoothingWindowSizeTextEntrie();
    void didChangeSplineSmoothingSlider(int position);
    void didChangeSplineSmoothingTextField();
    // A table cell's edit: answers whether the value was taken (only a value
    // a loaded file could hold is).
    bool onEnterInTextField(int row, int column, double value);
    // The alert "Measurement Not Changed" with why a typed value was refused.
    void showEditRefused(const QString& why);
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
    // The form under its own name: several of its buttons are named as the
    // actions they start.
    Ui::qcv2LinearizationViewController& form() { return *this; }
    void viewDidLoad();
    void connectActions();
    void updateManualCurveWithNotification(const platform::Notification& notification);
    // The table's rows and flags as the model and find-errors have them.
    void reloadTable();
    void showDmax();
    // A measurement file read and taken by the model, its rows shown and its
    // correction started afresh; false (nothing changed) when it could not
    // be used.
    bool takeMeasurementFile(const std::shared_ptr<curves::MeasurementFile>& file);
    // The edited, sorted or restored rows recomputed and shown.
    void measurementsChanged(Change change);
    // A .quad file parsed and taken by the model, its name and notes shown;
    // false (the quad before stays) when it does not parse.
    bool takeQuadFile(const std::shared_ptr<curves::QuadDataFile>& quad);
    // The correction an export writes: nothing without one, or while the
    // rows it was made from are not all measurements.
    std::optional<std::vector<double>> correctionToExport() const;
    // The alert of an export that lacks what it needs.
    void showExportRefused() const;
    void exportQuadFile();
    void storeQuadNotes();
    void exportAcvFile();
    void exportCubeLUT();

    MeasurementTableModel* tableModel_ = nullptr;
    std::unique_ptr<SmoothingControls> smoothing_;
    std::unique_ptr<QuadCurvePane> quadPane_;
    platform::ObserverRegistration manualCurve_;
    QPointer<QDialog> manualCurveDialog_;
};

} // namespace appui
