#include "app/ui/blending/v2InkModelBlendingViewController.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "Charts/types/line/LineChartView.h"
#include "app/inks/BlendPresets.h"
#include "app/ui/blending/BlendingScreenQuadFile.h"
#include "app/ui/blending/QuadCurveGraphPanelController.h"
#include "app/ui/blending/ToneSliders.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/widgets/ColorSampleView.h"
#include "app/ui/widgets/PopUpItems.h"
#include "app/ui/widgets/ReadOutLabels.h"
#include "app/ui/widgets/UserActions.h"

namespace appui {

v2InkModelBlendingViewController::v2InkModelBlendingViewController(QWidget* parent)
    : QWidget(parent),
      quadCurveWindowPanel(std::make_unique<QuadCurveGraphPanelController>(this)) {
    setupUi(this);
    previewPane_ = std::make_unique<BlendPreviewPane>(
        *mainImageView, inkBlendPreviewFilter,
        [this]() -> const std::vector<curves::CIELab>& { return KCMYtoningBlend->blendedCIELab; });
    groupControls();
    // A resized view needs the preview toned again at its new size.
    connect(mainImageView, &ColorPreviewImageView::displaySizeChanged, this, [this] { renderBlendPreview(); });
    wireActions();
    viewDidLoad();
}

v2InkModelBlendingViewController::~v2InkModelBlendingViewController() = default;

void v2InkModelBlendingViewController::groupControls() {
    // A chart view is made in two steps (create, then initialise), which a
    // Designer resource cannot do: the resource holds its place.
    inkPercentGraph = charts::ChartViewBase::create<charts::LineChartView>(inkPercentGraphPlace);
    inkPercentGraph->setObjectName(QStringLiteral("inkPercentGraph"));
    inkPercentGraphLayout->addWidget(inkPercentGraph);

    toneSliders_ = std::make_unique<ToneSliders>(*this);
    keepReadOutSizes();
}

void v2InkModelBlendingViewController::keepReadOutSizes() {
    // Percentages up to 100; Lab values with two decimals, of any sign, the
    // highlight's after the component's name.
    toneSliders_->keepReadOutSizes();
    const QStringList value{QStringLiteral("-100.00"), QStringLiteral("100.00")};
    for (QLabel* label :
         {midtoneLabLLabel, midtoneLabALabel, midtoneLabBLabel, shadowLabLLabel, shadowLabALabel, shadowLabBLabel})
        keepReadOutSize(*label, value);
    const std::pair<QLabel*, QString> named[] = {{highlightLabLLabel, QStringLiteral("L*: ")},
                                                 {highlightLabALabel, QStringLiteral("a*: ")},
                                                 {highlightLabBLabel, QStringLiteral("b*: ")}};
    for (const auto& [label, name] : named) keepReadOutSize(*label, {name + value[0], name + value[1]});
}

void v2InkModelBlendingViewController::wireActions() {
    connect(printerModelSelectionMenu, &QComboBox::activated, this,
            [this] { printerModelPopupSelection(printerModelSelectionMenu); });
    connect(inkSetPopupSelectionMenu, &QComboBox::activated, this,
            [this] { inksetPopupSelection(inkSetPopupSelectionMenu); });
    connect(mediaTypePopupMenu, &QComboBox::activated, this, [this] { setMediaTypeSelection(mediaTypePopupMenu); });
    connect(tonerSelectionPopupMenu, &QComboBox::activated, this,
            [this] { tonerTypeSelected(tonerSelectionPopupMenu); });
    toneSliders_->connectActions({[this](inks::TonerPosition position) { applyToneSlider(position); },
                                  [this](int point) { c0SliderChanged(point); },
                                  [this](int point) { c1SliderChanged(point); }});
    connect(saveQuadButton, &QPushButton::clicked, this, [this] { saveQuadButtonPressed(); });
    connect(loadImageButton, &QPushButton::clicked, this, [this] { loadImagePressed(); });
    connect(customCurveButton, &QPushButton::clicked, this, [this] { editCurvesPressed(); });
    connect(showQuadCurvePanelButton, &QPushButton::clicked, this, [this] { showQuadCurvePanel(); });
}

void v2InkModelBlendingViewController::viewDidLoad() {
    for (QComboBox* popUp : {printerModelSelectionMenu, inkSetPopupSelectionMenu, mediaTypePopupMenu})
        takeItemTags(popUp);
    tonerSelectionPopupMenu->addItems(tonerTitles);
    tonerSelectionPopupMenu->setCurrentIndex(1);
    printerModelSelection = 8;
    updateMediaTypeMenu();
    draggedImage_ = platform::observe(didDragImageNotification(),
                                      [this](const platform::Notification& n) { updateFromDraggedImage(n); });
    configureForPrinterModel();
}

void v2InkModelBlendingViewController::configureForPrinterModel() {
    const BlendPreviewPane::Batch oneJob(*previewPane_);
    inkset_ = curves::Inkset::UCK3;
    inksetType = curves::InksetType::KCMY;
    printerModelSelectionMenu->setCurrentIndex(0);
    setItemEnabled(mediaTypePopupMenu, 1, true);
    setItemEnabled(mediaTypePopupMenu, 3, true);
    // As choosing the first printer model does: the ink list is there from
    // the start, so the quad-curve panel and the curve editor have channel
    // names before any pop-up is touched.
    chooseInkList(inkList.inkListfor8Ink);
    KCMYtoningBlend->inkset = inkset_;
    KCMYtoningBlend->buildInkModels(inkset_);
    showCmyToneControls();
    recomputeChain();
}

void v2InkModelBlendingViewController::updateMediaTypeMenu() {
    quadData->inkList = quadFileLayout(printerModelSelection, inkList).channels;
    // Every printer model takes every media type.
    for (int i = 0; i < mediaTypePopupMenu->count(); ++i) setItemEnabled(mediaTypePopupMenu, i, true);
}

void v2InkModelBlendingViewController::chooseInkList(const std::vector<std::string>& list) {
    quadData->inkList = list;
    quadCurveWindowPanel->inklist = list;
}

std::optional<std::string> v2InkModelBlendingViewController::selectedMediaTitle() const {
    if (mediaTypePopupMenu->currentIndex() < 0) return std::nullopt;
    return mediaTypePopupMenu->currentText().toStdString();
}

namespace {
using Fraction = double v2InkModelBlendingViewController::*;
// In TonerPosition order.
constexpr std::array<Fraction, 9> toneFractionMembers{
    &v2InkModelBlendingViewController::cHP, &v2InkModelBlendingViewController::cMP,
    &v2InkModelBlendingViewController::cSP, &v2InkModelBlendingViewController::mHP,
    &v2InkModelBlendingViewController::mMP, &v2InkModelBlendingViewController::mSP,
    &v2InkModelBlendingViewController::yHP, &v2InkModelBlendingViewController::yMP,
    &v2InkModelBlendingViewController::ySP};
} // namespace

double& v2InkModelBlendingViewController::toneFraction(inks::TonerPosition position) {
    return this->*toneFractionMembers[static_cast<std::size_t>(position)];
}

void v2InkModelBlendingViewController::setLimitLabelValue(inks::TonerPosition position, int percent) {
    toneSliders_->setReadOut(position, percent);
}

void v2InkModelBlendingViewController::setSliderValue(inks::TonerPosition position, int percent) {
    toneSliders_->setSliderValue(position, percent);
}

void v2InkModelBlendingViewController::setFraction(inks::TonerPosition position, double fraction) {
    toneFraction(position) = fraction;
}

std::array<double, 9> v2InkModelBlendingViewController::toneFractions() const {
    return {cHP, cMP, cSP, mHP, mMP, mSP, yHP, yMP, ySP};
}

} // namespace appui
