#include "app/ui/linearization/qcv2LinearizationViewController.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include "app/curves/core/NotificationNames.h"
#include "app/curves/core/PrintedLines.h"
#include "app/curves/math/Resampling.h"
#include "app/curves/measurements/MeasurementFile.h"
#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/linearization/MeasurementTableModel.h"
#include "app/ui/linearization/QuadCurvePane.h"
#include "app/ui/linearization/SmoothingControls.h"
#include "app/ui/widgets/FieldText.h"
#include "app/ui/widgets/HoverTracker.h"
#include "app/ui/widgets/RecentDocumentRouter.h"
#include "platform/Log.h"
#include "platform/Services.h"

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
      inkSamplePanel(std::make_unique<InkSampleViewPanelController>()) {
    setupUi(this);
    measurementGraph = placeGraph<MeasurementGraph>(measurementGraphPlace, "measurementGraph");
    quadCurveGraph = placeGraph<QuadCurveGraph>(quadCurveGraphPlace, "quadCurveGraph");
    originalMeasurementsTableView = ogMeasurementTableView;
    smoothing_ =
        std::make_unique<SmoothingControls>(*movingAverageSmoothingSlider, *movingAverageSmoothingWindowSizeLabel,
                                            *splineSmoothingSlider, *splineSmoothingSliderLabel);
    quadPane_ = std::make_unique<QuadCurvePane>(*quadCurveGraph, *quadCurveFileNameLabel, *quadNotesOutlet, *OrVLabel,
                                                *GrMkLabel);
    viewDidLoad();
}

qcv2LinearizationViewController::~qcv2LinearizationViewController() = default;

void qcv2LinearizationViewController::viewDidLoad() {
    dropView->delegate = this;
    tableModel_ = new MeasurementTableModel(
        [this](int row, int column, double value) { return onEnterInTextField(row, column, value); }, this);
    originalMeasurementsTableView->setModel(tableModel_);
    connect(tableModel_, &MeasurementTableModel::editRefused, this,
            [this](const QModelIndex&, const QString& why) { showEditRefused(why); });
    originalMeasurementsTableView->setItemDelegate(new MeasurementCellDelegate(originalMeasurementsTableView));
    originalMeasurementsTableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    originalMeasurementsTableView->verticalHeader()->hide();
    model.startWithRows(linearization::placeholderMeasurements());
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
    auto& f = form();
    connect(f.loadMeasurmentData, &QPushButton::clicked, this, &qcv2LinearizationViewController::loadMeasurmentData);
    connect(sortButton, &QPushButton::clicked, this, &qcv2LinearizationViewController::sortMeasurements);
    connect(f.findErrorsButtonPressed, &QPushButton::clicked, this,
            &qcv2LinearizationViewController::findErrorsButtonPressed);
    smoothing_->connectActions(*this, {[this](int position) { didChangeMovingAverageSmoothingSlider(position); },
                                       [this] { didChangeSmoothingWindowSizeTextEntrie(); },
                                       [this](int position) { didChangeSplineSmoothingSlider(position); },
                                       [this] { didChangeSplineSmoothingTextField(); }});
    connect(f.loadQuadFilePressed, &QPushButton::clicked, this, &qcv2LinearizationViewController::loadQuadFilePressed);
    QAbstractButton* const channelButtons[] = {showKCurve,  showCCurve,  showMCurve,   showYCurve, showLCCurve,
                                               showLMCurve, showLKCurve, showLLKCurve, OrVLabel,   GrMkLabel};
    for (std::size_t position = 0; position < std::size(channelButtons); ++position)
        connect(channelButtons[position], &QAbstractButton::clicked, this,
                [this, position](bool on) { showChannelCurve(position, on); });
    connect(f.toggleQuadCurveVisibilityStackView, &QAbstractButton::clicked, this,
            &qcv2LinearizationViewController::toggleQuadCurveVisibilityStackView);
    connect(f.showSampleViewPanelButtonPressed, &QPushButton::clicked, this,
            &qcv2LinearizationViewController::showSampleViewPanelButtonPressed);
    connect(ShowManualCurve, &QPushButton::clicked, this, [this] { performSegue(QStringLiteral("ShowManualCurve")); });
    connect(CustomCurveEditor, &QPushButton::clicked, this,
            [this] { performSegue(QStringLiteral("CustomCurveEditor")); });
    connect(exportFileOptionsPopupButton, &QComboBox::activated, this,
            &qcv2LinearizationViewController::exportOptionsPopupSelectionDidChange);
    connect(f.saveButtonPressed, &QPushButton::clicked, this, &qcv2LinearizationViewController::saveButtonPressed);
}

void qcv2LinearizationViewController::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reloadTable();
}

void qcv2LinearizationViewController::reloadTable() {
    tableModel_->showRows(linearization::tableRowsOf(model, errorIndexies));
}

void qcv2LinearizationViewController::showDmax() { dMaxLabel->setText(twoDecimals(model.dmax)); }

// --- the one road -----------------------------------------------------------

void qcv2LinearizationViewController::recompute(Change change) {
    switch (change) {
    case Change::correction:
    case Change::measurementTyped:
        model.updateCorrection();
        // Without measurements there is no correction, and nothing to say
        // about the quad either.
        if (model.correctionCurve->correctionCurveArray) updateCorrectedQuad();
        break;
    case Change::quadFile: updateCorrectedQuad(); break;
    case Change::quadCurvesShown: break;
    }
    show(linearization::shownOf(model, channelShown, change));
}

void qcv2LinearizationViewController::updateCorrectedQuad() { model.linearizeQuad(); }

void qcv2LinearizationViewController::show(linearization::LinearizationShown shown) {
    if (shown.lightness) updateMeasurementGraph(std::move(*shown.lightness));
    if (shown.ramps)
        platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedColorInkArrays(),
                                                           std::move(*shown.ramps));
    if (shown.quadCurves) drawQuadCurveGraph(std::move(*shown.quadCurves));
}

void qcv2LinearizationViewController::updateMeasurementGraph(LightnessCurves lightness) {
    measurementGraph->plotLightness(std::move(lightness));
}

void qcv2LinearizationViewController::drawQuadCurveGraph(linearization::QuadCurvesShown curves) {
    if (curves.corrected) quadCurveArrayForGraph = curves.curves;
    quadPane_->showCurves(std::move(curves));
}

void qcv2LinearizationViewController::postColorInkArrays(const std::vector<curves::CIELab>& first,
                                                         const std::vector<curves::CIELab>& second) {
    platform::NotificationCenter::defaultCenter().post(curves::NotificationName::updatedColorInkArrays(),
                                                       linearization::rampsForPanels(first, second));
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
    // The panels show the rows as read until the correction follows.
    postColorInkArrays(model.rawMeasurements, {});
    // Rows flagged in the file before are not this file's rows: its flags
    // come from its own find-errors run.
    errorIndexies.clear();
    reloadTable();
    showDmax();
    model.restartCorrection();
    measurementFileNameLabel->setText(QString::fromStdString(file->filename.value_or(std::string())));
    return true;
}

void qcv2LinearizationViewController::loadMeasurmentData() {
    if (!takeMeasurementFile(curves::chooseMeasurementFile())) return;
    // A load from the panel starts both strengths at 33: the window is 33
    // itself, not 33 x 0.64.
    smoothing_->showValue(loadedSmoothing);
    model.avgWindowSize = loadedSmoothing;
    model.splinePercent = linearization::splinePercentOf(loadedSmoothing);
    recompute(Change::correction);
}

void qcv2LinearizationViewController::openFile(const std::filesystem::path& file) { handleDroppedFile(file); }

void qcv2LinearizationViewController::handleDroppedFile(const std::filesystem::path& file) {
    handleDroppedFiles({file});
}

void qcv2LinearizationViewController::handleDroppedFiles(const std::vector<std::filesystem::path>& files) {
    // In the order given: a .quad after measurements is corrected by them, so
    // the model corrects each measurement file as it comes; the screen then
    // shows the measurements that stayed once, at the end.
    bool measurementsTaken = false;
    for (const auto& file : files) {
        const auto extension = RecentDocumentRouter::extensionOf(file);
        if (extension == QStringLiteral("quad")) {
            // A .quad that cannot be corrected yet (no measurements so far)
            // stays loaded; the files after it are taken all the same.
            if (takeQuadFile(curves::QuadDataFile::openQuadFile(file))) recompute(Change::quadFile);
        } else if (isMeasurementExtension(extension)) {
            // Every kind the drop view takes as measurements loads as
            // measurements, at the smoothing the controls show.
            if (!takeMeasurementFile(curves::loadMeasurementFile(file))) continue;
            model.updateCorrection();
            measurementsTaken = true;
        }
    }
    if (measurementsTaken) recompute(Change::correction);
}

// --- smoothing --------------------------------------------------------------

void qcv2LinearizationViewController::didChangeMovingAverageSmoothingSlider(int position) {
    applyMovingAverageWindow(smoothing_->windowOfSliderMove(position));
}

void qcv2LinearizationViewController::didChangeSmoothingWindowSizeTextEntrie() {
    applyMovingAverageWindow(smoothing_->windowOfTypedValue());
}

void qcv2LinearizationViewController::applyMovingAverageWindow(int window) {
    model.avgWindowSize = window;
    recompute(Change::correction);
}

void qcv2LinearizationViewController::didChangeSplineSmoothingSlider(int position) {
    applySplineSmoothing(smoothing_->strengthOfSliderMove(position));
}

void qcv2LinearizationViewController::didChangeSplineSmoothingTextField() {
    applySplineSmoothing(smoothing_->strengthOfTypedValue());
}

void qcv2LinearizationViewController::applySplineSmoothing(double strength) {
    model.splinePercent = linearization::splinePercentOf(strength);
    recompute(Change::correction);
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
        if (!model.revertToOpenedMeasurements()) return;
    } else {
        model.sortMeasurements();
    }
    reloadTable();
    measurementsChanged(Change::correction);
}

void qcv2LinearizationViewController::measurementsChanged(Change change) {
    model.reloadMeasurements();
    showDmax();
    recompute(change);
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
    recompute(Change::correction);
    if (!model.correctionCurve->correctionCurveArray || !model.quadData)
        platform::printToStandardOutput(curves::printed::nothingToLinearize);
}

void qcv2LinearizationViewController::showEditRefused(const QString& why) {
    // Shown once the table's editor has closed: an alert opened from inside
    // the commit would run while the editor is still being taken down.
    QMetaObject::invokeMethod(
        this,
        [why] {
            platform::showAlert({platform::AlertStyle::warning, "Measurement Not Changed", why.toStdString()});
        },
        Qt::QueuedConnection);
}

bool qcv2LinearizationViewController::onEnterInTextField(int row, int column, double value) {
    if (row < 0 || static_cast<std::size_t>(row) >= model.rawMeasurements.size()) return false;
    // Only a value a loaded file could hold is taken; the row keeps its own.
    const auto edited =
        MeasurementTableModel::editedRow(model.rawMeasurements[static_cast<std::size_t>(row)], column, value);
    if (!edited || !model.editMeasurement(static_cast<std::size_t>(row), *edited)) return false;
    // The corrected curves follow the edited measurements too, so a later
    // export never writes curves of the table as it was.
    measurementsChanged(Change::measurementTyped);
    return true;
}

} // namespace appui
