#include "app/ui/qcv2LinearizationViewController.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTableView>

#include "app/curves/MeasurementFile.h"
#include "app/curves/NotificationNames.h"
#include "app/curves/Resampling.h"
#include "app/ui/FieldText.h"
#include "app/ui/HoverTracker.h"
#include "app/ui/InkSampleViewPanelController.h"
#include "app/ui/MeasurementGraph.h"
#include "app/ui/MeasurementTableModel.h"
#include "app/ui/NotificationPayloads.h"
#include "app/ui/QuadCurveGraph.h"
#include "app/ui/RecentDocumentRouter.h"
#include "platform/Log.h"
#include "platform/Services.h"
#include "ui_qcv2LinearizationViewController.h"

namespace appui {

namespace {
const QString sortTitle = QStringLiteral("Sort Lab L*");
const QString revertTitle = QStringLiteral("Revert");

template <class Graph>
Graph* placeGraph(QWidget* place, const char* objectName) {
    auto* graph = charts::ChartViewBase::create<Graph>(place);
    graph->setObjectName(QString::fromUtf8(objectName));
    place->layout()->addWidget(graph);
    return graph;
}
} // namespace

const QStringList qcv2LinearizationViewController::openedFileExtensions{QStringLiteral("quad"), QStringLiteral("txt"),
                                                                        QStringLiteral("csv"),  QStringLiteral("ti3"),
                                                                        QStringLiteral("tsm"),  QStringLiteral("tsmc")};

bool qcv2LinearizationViewController::isMeasurementExtension(const QString& lowercasedExtension) {
    return lowercasedExtension != QStringLiteral("quad") && openedFileExtensions.contains(lowercasedExtension);
}

qcv2LinearizationViewController::qcv2LinearizationViewController(QWidget* parent)
    : QWidget(parent),
      inkSamplePanel(std::make_unique<InkSampleViewPanelController>()),
      ui_(std::make_unique<Ui::qcv2LinearizationViewController>()) {
    ui_->setupUi(this);
    dropView = ui_->dropView;
    measurementGraph = placeGraph<MeasurementGraph>(ui_->measurementGraphPlace, "measurementGraph");
    quadCurveGraph = placeGraph<QuadCurveGraph>(ui_->quadCurveGraphPlace, "quadCurveGraph");
    originalMeasurementsTableView = ui_->ogMeasurementTableView;
    dMaxLabel = ui_->dMaxLabel;
    measurementFileNameLabel = ui_->measurementFileNameLabel;
    sortButton = ui_->sortButton;
    movingAverageSmoothingWindowSizeLabel = ui_->movingAverageSmoothingWindowSizeLabel;
    movingAverageSmoothingSlider = ui_->movingAverageSmoothingSlider;
    splineSmoothingSliderLabel = ui_->splineSmoothingSliderLabel;
    splineSmoothingSlider = ui_->splineSmoothingSlider;
    quadChannelVisibilityStackView = ui_->quadChannelVisibilityStackView;
    exportFileOptionsPopupButton = ui_->exportFileOptionsPopupButton;
    quadCurveFileNameLabel = ui_->quadCurveFileNameLabel;
    quadNotesOutlet = ui_->quadNotesOutlet;
    OrVLabel = ui_->OrVLabel;
    GrMkLabel = ui_->GrMkLabel;
    viewDidLoad();
}

qcv2LinearizationViewController::~qcv2LinearizationViewController() = default;

void qcv2LinearizationViewController::viewDidLoad() {
    dropView->delegate = this;
    tableModel_ = new MeasurementTableModel(
        &model.rawMeasurements, &model.rawMeasurementPositions, &errorIndexies,
        [this](int row, int column, double value) { onEnterInTextField(row, column, value); }, this);
    originalMeasurementsTableView->setModel(tableModel_);
    originalMeasurementsTableView->setItemDelegate(new MeasurementCellDelegate(originalMeasurementsTableView));
    originalMeasurementsTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    originalMeasurementsTableView->verticalHeader()->hide();
    model.rawMeasurements = linearization::placeholderMeasurements();
    model.stepArray = curves::linspace(256, 0, 100);
    // The model smooths as the controls show until a load sets them anew.
    model.avgWindowSize = loadedSmoothing;
    model.splinePercent = linearization::splinePercentOf(loadedSmoothing);
    manualCurve_ = platform::observe(curves::NotificationName::updatedManualCurveControl(),
                                     [this](const platform::Notification& n) { updateManualCurveWithNotification(n); });
    new HoverTracker(
        sortButton, [this] { mouseEntered(); }, [this] { mouseExited(); });
    connectActions();
    reloadTable();
}

void qcv2LinearizationViewController::connectActions() {
    connect(ui_->loadMeasurmentData, &QPushButton::clicked, this, &qcv2LinearizationViewController::loadMeasurmentData);
    connect(sortButton, &QPushButton::clicked, this, &qcv2LinearizationViewController::sortMeasurements);
    connect(ui_->findErrorsButtonPressed, &QPushButton::clicked, this,
            &qcv2LinearizationViewController::findErrorsButtonPressed);
    // Only the user's moves act: a slider set from code stays quiet.
    connect(movingAverageSmoothingSlider, &QSlider::actionTriggered, this,
            [this](int) { didChangeMovingAverageSmoothingSlider(movingAverageSmoothingSlider->sliderPosition()); });
    connect(movingAverageSmoothingWindowSizeLabel, &QLineEdit::returnPressed, this,
            &qcv2LinearizationViewController::didChangeSmoothingWindowSizeTextEntrie);
    connect(splineSmoothingSlider, &QSlider::actionTriggered, this,
            [this](int) { didChangeSplineSmoothingSlider(splineSmoothingSlider->sliderPosition()); });
    connect(splineSmoothingSliderLabel, &QLineEdit::returnPressed, this,
            &qcv2LinearizationViewController::didChangeSplineSmoothingTextField);
    connect(ui_->loadQuadFilePressed, &QPushButton::clicked, this,
            &qcv2LinearizationViewController::loadQuadFilePressed);
    QAbstractButton* const channelButtons[] = {ui_->showKCurve,  ui_->showCCurve,  ui_->showMCurve,  ui_->showYCurve,
                                               ui_->showLCCurve, ui_->showLMCurve, ui_->showLKCurve, ui_->showLLKCurve,
                                               OrVLabel,         GrMkLabel};
    for (std::size_t position = 0; position < std::size(channelButtons); ++position)
        connect(channelButtons[position], &QAbstractButton::clicked, this,
                [this, position](bool on) { showChannelCurve(position, on); });
    connect(ui_->toggleQuadCurveVisibilityStackView, &QAbstractButton::clicked, this,
            &qcv2LinearizationViewController::toggleQuadCurveVisibilityStackView);
    connect(ui_->showSampleViewPanelButtonPressed, &QPushButton::clicked, this,
            &qcv2LinearizationViewController::showSampleViewPanelButtonPressed);
    connect(ui_->ShowManualCurve, &QPushButton::clicked, this,
            [this] { performSegue(QStringLiteral("ShowManualCurve")); });
    connect(ui_->CustomCurveEditor, &QPushButton::clicked, this,
            [this] { performSegue(QStringLiteral("CustomCurveEditor")); });
    connect(exportFileOptionsPopupButton, &QComboBox::activated, this,
            &qcv2LinearizationViewController::exportOptionsPopupSelectionDidChange);
    connect(ui_->saveButtonPressed, &QPushButton::clicked, this, &qcv2LinearizationViewController::saveButtonPressed);
}

void qcv2LinearizationViewController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reloadTable();
}

void qcv2LinearizationViewController::reloadTable() { tableModel_->reloadData(); }

void qcv2LinearizationViewController::showDmax() { dMaxLabel->setText(twoDecimals(model.dmax)); }

// --- correction refresh -----------------------------------------------------

void qcv2LinearizationViewController::refreshCorrection() {
    updateMeasurementGraph();
    postColorInkArrays(model.smoothedMeasurements, model.correctedMeasurements);
    if (model.correctionCurve->correctionCurveArray && model.quadData) updateCorrectedQuad();
}

void qcv2LinearizationViewController::updateMeasurementGraph() {
    const auto& target = model.correctionCurve->finalTargetArray;
    if (model.smoothedMeasuredValues.empty() || model.separatedLABArrays.empty() || target.empty()) return;
    measurementGraph->smoothedValues = model.smoothedMeasuredValues.front();
    measurementGraph->measuredValues = model.separatedLABArrays.front();
    measurementGraph->targetValues = target;
    measurementGraph->plotMeasurements();
}

void qcv2LinearizationViewController::postColorInkArrays(const std::vector<curves::CIELab>& first,
                                                         const std::vector<curves::CIELab>& second) {
    LabRampsPayload ramps{linearization::resampleLabTo21(first), linearization::resampleLabTo21(second)};
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedColorInkArrays(),
                                                       std::move(ramps));
}

// --- loading measurements ---------------------------------------------------

bool qcv2LinearizationViewController::takeMeasurementFile(const std::shared_ptr<curves::MeasurementFile>& file) {
    // A load that fails has shown its alert and left the model as it was;
    // the screen then keeps showing what it showed, under the old name.
    if (!file) return false;
    if (!model.loadMeasurements(*file)) {
        // Open Recent lists only files that load.
        platform::forgetRecentDocument(file->path);
        return false;
    }
    postColorInkArrays(model.rawMeasurements, {});
    // Rows flagged in the file before are not this file's rows: its flags
    // come from its own find-errors run.
    errorIndexies.clear();
    reloadTable();
    showDmax();
    model.correctionCurve->densitiesToCorrect = model.separatedLABArrays.front();
    model.resetTargets();
    return true;
}

void qcv2LinearizationViewController::loadMeasurmentData() {
    const auto file = curves::chooseMeasurementFile();
    if (!takeMeasurementFile(file)) return;
    setSmoothingControls(loadedSmoothing);
    applyMovingAverageWindow(loadedSmoothing);
    applySplineSmoothing(loadedSmoothing);
    measurementFileNameLabel->setText(QString::fromStdString(file->filename.value_or(std::string())));
}

void qcv2LinearizationViewController::setSmoothingControls(int value) {
    const QSignalBlocker blockA(movingAverageSmoothingSlider);
    const QSignalBlocker blockB(splineSmoothingSlider);
    movingAverageSmoothingSlider->setValue(value);
    splineSmoothingSlider->setValue(value);
    movingAverageSmoothingWindowSizeLabel->setText(QString::number(value));
    splineSmoothingSliderLabel->setText(QString::number(value));
}

void qcv2LinearizationViewController::loadDroppedMeasurements(const std::filesystem::path& file) {
    const auto measurementFile = curves::loadMeasurementFile(file);
    if (!takeMeasurementFile(measurementFile)) return;
    model.updateCorrection();
    measurementFileNameLabel->setText(QString::fromStdString(measurementFile->filename.value_or(std::string())));
    refreshCorrection();
}

void qcv2LinearizationViewController::openFile(const std::filesystem::path& file) { handleDroppedFile(file); }

void qcv2LinearizationViewController::handleDroppedFile(const std::filesystem::path& file) {
    const auto extension = RecentDocumentRouter::extensionOf(file);
    if (extension == QStringLiteral("quad")) {
        takeQuadFile(curves::QuadDataFile::openQuadFile(file));
        return;
    }
    // Every kind the drop view takes as measurements loads as measurements.
    if (isMeasurementExtension(extension)) loadDroppedMeasurements(file);
}

void qcv2LinearizationViewController::handleDroppedFiles(const std::vector<std::filesystem::path>& files) {
    bool measurementsTaken = false;
    for (const auto& file : files) {
        const auto extension = RecentDocumentRouter::extensionOf(file);
        if (extension == QStringLiteral("quad")) {
            // A .quad that cannot be corrected yet (no measurements so far)
            // stays loaded; the files after it are taken all the same.
            takeQuadFile(curves::QuadDataFile::openQuadFile(file));
            continue;
        }
        if (!isMeasurementExtension(extension)) continue;
        const auto measurementFile = curves::loadMeasurementFile(file);
        if (!takeMeasurementFile(measurementFile)) continue;
        model.updateCorrection();
        measurementFileNameLabel->setText(QString::fromStdString(measurementFile->filename.value_or(std::string())));
        measurementsTaken = true;
    }
    // One refresh for the measurements that stayed, so the graph, the panels
    // and the corrected curves all follow the same file.
    if (measurementsTaken) refreshCorrection();
}

// --- smoothing --------------------------------------------------------------

void qcv2LinearizationViewController::didChangeMovingAverageSmoothingSlider(int position) {
    applyMovingAverageWindow(linearization::movingAverageWindowOf(position));
    movingAverageSmoothingWindowSizeLabel->setText(QString::number(position));
}

void qcv2LinearizationViewController::didChangeSmoothingWindowSizeTextEntrie() {
    const double value = fieldDoubleValue(movingAverageSmoothingWindowSizeLabel->text());
    applyMovingAverageWindow(linearization::movingAverageWindowOf(value));
    const QSignalBlocker block(movingAverageSmoothingSlider);
    movingAverageSmoothingSlider->setValue(linearization::integerValueOf(value));
}

void qcv2LinearizationViewController::applyMovingAverageWindow(int window) {
    model.avgWindowSize = window;
    model.updateCorrection();
    refreshCorrection();
}

void qcv2LinearizationViewController::didChangeSplineSmoothingSlider(int position) {
    applySplineSmoothing(position);
    splineSmoothingSliderLabel->setText(QString::number(position));
}

void qcv2LinearizationViewController::didChangeSplineSmoothingTextField() {
    const double typed = fieldDoubleValue(splineSmoothingSliderLabel->text());
    const double strength = linearization::clampedSplineStrength(typed);
    if (strength != typed) splineSmoothingSliderLabel->setText(QString::number(strength));
    applySplineSmoothing(strength);
    const QSignalBlocker block(splineSmoothingSlider);
    splineSmoothingSlider->setValue(linearization::integerValueOf(strength));
}

void qcv2LinearizationViewController::applySplineSmoothing(double strength) {
    model.splinePercent = linearization::splinePercentOf(strength);
    model.updateCorrection();
    refreshCorrection();
}

// --- sort, revert and find errors -------------------------------------------

void qcv2LinearizationViewController::mouseEntered() {
    if (optionKeyHeld()) sortButton->setText(revertTitle);
}

void qcv2LinearizationViewController::mouseExited() { sortButton->setText(sortTitle); }

void qcv2LinearizationViewController::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Alt) sortButton->setText(sortTitle);
    QWidget::keyReleaseEvent(event);
}

void qcv2LinearizationViewController::sortMeasurements() {
    if (sortButton->text() == revertTitle) {
        if (model.openedOriginalMeasurments.empty()) return;
        model.rawMeasurements = model.openedOriginalMeasurments;
    } else {
        model.sortMeasurements();
    }
    reloadTable();
    model.reloadMeasurements();
    showDmax();
    model.updateCorrection();
    refreshCorrection();
}

void qcv2LinearizationViewController::findErrorsButtonPressed() {
    if (model.rawMeasurements.empty()) return;
    findMeasurementErrors(model.rawMeasurements);
    reloadTable();
}

void qcv2LinearizationViewController::findMeasurementErrors(const std::vector<curves::CIELab>& lab) {
    errorIndexies = linearization::findMeasurementErrors(lab);
}

// --- manual target and table edits ------------------------------------------

void qcv2LinearizationViewController::updateManualCurveWithNotification(const platform::Notification& notification) {
    const auto* curve = std::any_cast<ManualCurvePayload>(&notification.object);
    if (!curve) return;
    auto target = linearization::manualTargetOfCurve(*curve);
    if (!target) return;
    model.manualCurve = std::move(*target);
    model.updateCorrection();
    postColorInkArrays(model.smoothedMeasurements, model.correctedMeasurements);
    updateMeasurementGraph();
    if (model.correctionCurve->correctionCurveArray && model.quadData)
        updateCorrectedQuad();
    else
        platform::printToStandardOutput("Doesnt have correction curve or quad data for linearization");
}

void qcv2LinearizationViewController::onEnterInTextField(int row, int column, double value) {
    if (row < 0 || static_cast<std::size_t>(row) >= model.rawMeasurements.size()) return;
    auto& lab = model.rawMeasurements[static_cast<std::size_t>(row)];
    // Only a value a loaded file could hold is taken; the row keeps its own.
    const auto edited = MeasurementTableModel::editedRow(lab, column, value);
    if (!edited) return;
    lab = *edited;
    model.reloadMeasurements();
    model.updateCorrection();
    showDmax();
    postColorInkArrays(model.rawMeasurements, model.correctedMeasurements);
    updateMeasurementGraph();
    // The corrected curves follow the edited measurements too, so a later
    // export never writes curves of the table as it was.
    if (model.correctionCurve->correctionCurveArray && model.quadData) updateCorrectedQuad();
}

} // namespace appui
