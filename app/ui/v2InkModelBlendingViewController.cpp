#include "app/ui/v2InkModelBlendingViewController.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "Charts/types/line/LineChartView.h"
#include "app/inks/BlendPresets.h"
#include "app/ui/BlendingScreenQuadFile.h"
#include "app/ui/ColorPreviewImageView.h"
#include "app/ui/ColorSampleView.h"
#include "app/ui/PopUpItems.h"
#include "app/ui/QuadCurveGraphPanelController.h"
#include "app/ui/ReadOutLabels.h"
#include "app/ui/TonedPreviewRenderer.h"
#include "app/ui/UserActions.h"

namespace appui {

v2InkModelBlendingViewController::v2InkModelBlendingViewController(QWidget* parent)
    : QWidget(parent),
      quadCurveWindowPanel(std::make_unique<QuadCurveGraphPanelController>(this)) {
    setupUi(this);
    previewRenderer_ = new TonedPreviewRenderer(inkBlendPreviewFilter->mapFilter, this);
    previewRenderer_->setResultHandler([this](const QImage& display, std::uint64_t) { showPreviewImage(display); });
    groupControls();
    // A resized view needs the preview toned again at its new size.
    connect(mainImageView, &ColorPreviewImageView::displaySizeChanged, this, [this] { renderBlendPreview(); });
    wireActions();
    viewDidLoad();
}

v2InkModelBlendingViewController::~v2InkModelBlendingViewController() = default;

void v2InkModelBlendingViewController::groupControls() {
    previewView_ = mainImageView;
    // A chart view is made in two steps (create, then initialise), which a
    // Designer resource cannot do: the resource holds its place.
    inkPercentGraph = charts::ChartViewBase::create<charts::LineChartView>(inkPercentGraphPlace);
    inkPercentGraph->setObjectName(QStringLiteral("inkPercentGraph"));
    inkPercentGraphLayout->addWidget(inkPercentGraph);

    // In TonerPosition order.
    tone_ = {{
        {cyanHighlightSlider, cyanHighlightLimitLabel, &cHP},
        {cyanMidtoneSlider, cyanMidtoneLimitLabel, &cMP},
        {cyanShadowSlider, cyanShadowLimitLabel, &cSP},
        {magentaHighlightSlider, mHighlightLabel, &mHP},
        {magentaMidtoneSlider, mMidtoneLabel, &mMP},
        {magentaShadowSlider, mShadowLabel, &mSP},
        {yellowHighlightSlider, yHighlightLabel, &yHP},
        {yellowMidtoneSlider, yMidtoneLabel, &yMP},
        {yellowShadowSlider, yShadowLabel, &ySP},
    }};
    dual_ = {{
        {c0HighlightSlider, c1HighlightSlider, c0HighlightLimitLabel, c1HighlightLimitLabel, &c0HP, &c1HP},
        {c0MidtoneSlider, c1MidtoneSlider, c0MidtoneLimitLabel, c1MidtoneLimitLabel, &c0MP, &c1MP},
        {c0ShadowSlider, c1ShadowSlider, c0ShadowLimitLabel, c1ShadowLimitLabel, &c0SP, &c1SP},
    }};

    keepReadOutSizes();
}

void v2InkModelBlendingViewController::keepReadOutSizes() {
    // Percentages up to 100; Lab values with two decimals, of any sign, the
    // highlight's after the component's name.
    const QStringList percent{QStringLiteral("100")};
    for (const auto& control : tone_) keepReadOutSize(*control.label, percent);
    for (const auto& point : dual_) {
        keepReadOutSize(*point.c0Label, percent);
        keepReadOutSize(*point.c1Label, percent);
    }
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
    for (inks::TonerPosition position : inks::tonerPositions)
        onUserSliderMove(toneControl(position).slider, [this, position](int) { applyToneSlider(position); });
    for (int point = 0; point < 3; ++point) {
        const auto& controls = dual_[static_cast<std::size_t>(point)];
        onUserSliderMove(controls.c0Slider, [this, point](int) { c0SliderChanged(point); });
        onUserSliderMove(controls.c1Slider, [this, point](int) { c1SliderChanged(point); });
    }
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
    const PreviewBatch oneJob(*this);
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
    if (kcmyToneCotrolStackView->isHidden()) {
        kcmyToneCotrolStackView->show();
        DualQuadToneControlStackView->hide();
    }
    for (QSlider* slider : {yellowHighlightSlider, yellowMidtoneSlider, yellowShadowSlider}) slider->setEnabled(true);
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

const v2InkModelBlendingViewController::ToneControl&
v2InkModelBlendingViewController::toneControl(inks::TonerPosition position) const {
    return tone_[static_cast<std::size_t>(position)];
}

void v2InkModelBlendingViewController::setLimitLabelValue(inks::TonerPosition position, int percent) {
    toneControl(position).label->setText(QString::number(percent));
}

void v2InkModelBlendingViewController::setSliderValue(inks::TonerPosition position, int percent) {
    toneControl(position).slider->setValue(percent);
}

void v2InkModelBlendingViewController::setFraction(inks::TonerPosition position, double fraction) {
    *toneControl(position).fraction = fraction;
}

std::array<double, 9> v2InkModelBlendingViewController::toneFractions() const {
    return {cHP, cMP, cSP, mHP, mMP, mSP, yHP, yMP, ySP};
}

} // namespace appui
