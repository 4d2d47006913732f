// The blending screen's printer-model, ink-set, media and toner pop-ups, and
// the save of the blend as a .quad file.
#include <QComboBox>
#include <QGroupBox>
#include <QSlider>

#include "app/inks/BlendPresets.h"
#include "app/ui/PopUpItems.h"
#include "app/ui/v2InkModelBlendingViewController.h"
#include "platform/Log.h"

namespace appui {

void v2InkModelBlendingViewController::recomputeChain() {
    inks::applyTonerPresets(*this);
    KCMYtoningBlend->updateBlend();
    renderBlendPreview();
    refreshBlend();
}

void v2InkModelBlendingViewController::modelUpdate() {
    KCMYtoningBlend->inkset = inkset_;
    KCMYtoningBlend->buildInkModels(inkset_);
    recomputeChain();
}

void v2InkModelBlendingViewController::printerModelPopupSelection(QComboBox* sender) {
    switch (selectedTag(sender).value_or(-1)) {
    case 0:
        chooseInkList(inkList.inkListfor8Ink);
        printerModelSelection = 8;
        inkset_ = curves::Inkset::UCK3;
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        setItemEnabled(mediaTypePopupMenu, 1, true);
        setItemEnabled(mediaTypePopupMenu, 3, true);
        modelUpdate();
        break;
    case 1:
        chooseInkList(inkList.inkListfor10Ink);
        printerModelSelection = 10;
        inkset_ = curves::Inkset::UCK3;
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        modelUpdate();
        break;
    case 2:
        chooseInkList(inkList.inkListfor8Ink);
        printerModelSelection = 8;
        inkset_ = curves::Inkset::PSeriesK3;
        inkSetPopupSelectionMenu->setCurrentIndex(1);
        modelUpdate();
        break;
    case 3:
        chooseInkList(inkList.inkListforPro10Ink);
        printerModelSelection = 11;
        inkset_ = curves::Inkset::PSeriesPro10;
        inkSetPopupSelectionMenu->setCurrentIndex(2);
        modelUpdate();
        break;
    case 4:
        // The ink-set pop-up moves, the ink set stays: the blend is
        // recomputed with the ink set already in use.
        chooseInkList(inkList.inkListfor8Ink);
        printerModelSelection = 8;
        inkSetPopupSelectionMenu->setCurrentIndex(1);
        recomputeChain();
        break;
    case 5:
        chooseInkList(inkList.inkListfor10Ink);
        printerModelSelection = 10;
        inkSetPopupSelectionMenu->setCurrentIndex(1);
        recomputeChain();
        break;
    default:
        chooseInkList(inkList.inkListfor8Ink);
        printerModelSelection = 8;
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        break;
    }
}

void v2InkModelBlendingViewController::inksetPopupSelection(QComboBox* sender) {
    const int tag = selectedTag(sender).value_or(-1);
    if (tag < 0 || tag > 3) {
        KCMYtoningBlend->inkset = curves::Inkset::PSeriesK3;
        printerModelSelectionMenu->setCurrentIndex(2);
        setItemEnabled(mediaTypePopupMenu, 1, true);
        setItemEnabled(mediaTypePopupMenu, 3, true);
        return;
    }
    const std::vector<std::string>* list = &inkList.inkListfor8Ink;
    const auto enableMedia = [this](std::initializer_list<int> items) {
        for (int item : items) setItemEnabled(mediaTypePopupMenu, item, true);
    };
    const std::optional<int> printerTag = selectedTag(printerModelSelectionMenu);
    inksetType = curves::InksetType::KCMY;
    switch (tag) {
    case 0:
        inkset_ = curves::Inkset::UCK3;
        if (printerTag != 0 && printerTag != 1) printerModelSelectionMenu->setCurrentIndex(0);
        enableMedia({1, 3});
        break;
    case 1:
        inkset_ = curves::Inkset::PSeriesK3;
        printerModelSelectionMenu->setCurrentIndex(2);
        enableMedia({0, 2, 1, 3});
        break;
    case 2:
        inkset_ = curves::Inkset::PSeriesPro10;
        printerModelSelectionMenu->setCurrentIndex(3);
        enableMedia({0, 2});
        list = &inkList.inkListforPro10Ink;
        break;
    default:
        inkset_ = curves::Inkset::CCProHDMK3;
        if (printerTag == 3) printerModelSelectionMenu->setCurrentIndex(0);
        enableMedia({0, 2, 1, 3});
        break;
    }
    KCMYtoningBlend->inkset = inkset_;
    chooseInkList(*list);
    KCMYtoningBlend->buildInkModels(inkset_);
    if (kcmyToneCotrolStackView->isHidden()) {
        kcmyToneCotrolStackView->show();
        DualQuadToneControlStackView->hide();
    }
    for (QSlider* slider : {yellowHighlightSlider, yellowMidtoneSlider, yellowShadowSlider}) slider->setEnabled(true);
    recomputeChain();
}

void v2InkModelBlendingViewController::setMediaTypeSelection(QComboBox* sender) {
    switch (printerModelSelection) {
    case 11: quadData->inkList = inkList.inkListforPro10Ink; break;
    case 10: quadData->inkList = inkList.inkListfor10Ink; break;
    case 8: quadData->inkList = inkList.inkListfor8Ink; break;
    default: break;
    }
    const auto media = curves::mediaTypeFromRawValue(selectedTag(sender).value_or(-1));
    if (!media) {
        setItemEnabled(inkSetPopupSelectionMenu, 3, true);
        setItemEnabled(inkSetPopupSelectionMenu, 2, true);
        return;
    }
    if (*media == curves::MediaType::Gloss || *media == curves::MediaType::Gravure) {
        setItemEnabled(printerModelSelectionMenu, 3, true);
        setItemEnabled(inkSetPopupSelectionMenu, 2, true);
    }
    if (inksetType != curves::InksetType::KCMY) return;
    KCMYtoningBlend->mediaType = *media;
    KCMYtoningBlend->buildInkModels(KCMYtoningBlend->inkset);
    recomputeChain();
}

void v2InkModelBlendingViewController::tonerTypeSelected(QComboBox* sender) {
    const std::optional<int> mediaTag = selectedTag(mediaTypePopupMenu);
    if (mediaTag == 2 || mediaTag == 3) return;
    const std::optional<QString> title =
        sender->currentIndex() < 0 ? std::nullopt : std::optional<QString>(sender->currentText());
    if (title == QStringLiteral("Neutral")) {
        toner_ = curves::TonerType::neutral;
    } else if (title == QStringLiteral("Warm Neutral")) {
        toner_ = curves::TonerType::warmNeutral;
    } else if (title == QStringLiteral("Warm")) {
        toner_ = curves::TonerType::warm;
    } else if (title == QStringLiteral("Selenium")) {
        toner_ = curves::TonerType::selenium;
    } else {
        platform::printToStandardOutput(title ? "Optional(\"" + title->toStdString() + "\")" : "nil");
    }
    inks::applyTonerPresets(*this);
}

void v2InkModelBlendingViewController::saveQuadButtonPressed() {
    // A copy: the model keeps its eight curves.
    curves::QuadDataFile::Curves curves = KCMYtoningBlend->blendedCurve;
    const std::vector<double> zeros(256, 0.0);
    switch (printerModelSelection) {
    case 11:
        quadData->printerInfo = inkList.headerInfoForPro10Ink;
        quadData->inkList = inkList.inkListforPro10Ink;
        curves.push_back(zeros);
        curves.push_back(zeros);
        break;
    case 10:
        quadData->printerInfo = inkList.headerInfoFor10Ink;
        quadData->inkList = inkList.inkListfor10Ink;
        curves.push_back(zeros);
        curves.push_back(zeros);
        break;
    default:
        quadData->printerInfo = inkList.headerInfoFor8Ink;
        quadData->inkList = inkList.inkListfor8Ink;
        break;
    }
    quadData->saveQuadFile(curves);
}

} // namespace appui
