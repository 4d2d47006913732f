// The blending screen's printer-model, ink-set, media and toner pop-ups, and
// the save of the blend as a .quad file.
#include <QComboBox>
#include <QGroupBox>
#include <QSlider>

#include "app/inks/BlendPresets.h"
#include "app/ui/BlendingScreenQuadFile.h"
#include "app/ui/PopUpItems.h"
#include "app/ui/v2InkModelBlendingViewController.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace appui {

void v2InkModelBlendingViewController::recomputeChain() {
    // The presets end in a refresh of their own; the one after it posts the
    // blend a second time, as a pop-up choice always has.
    inks::applyTonerPresets(*this);
    refreshBlend();
}

void v2InkModelBlendingViewController::modelUpdate() {
    KCMYtoningBlend->inkset = inkset_;
    KCMYtoningBlend->buildInkModels(inkset_);
    recomputeChain();
}

void v2InkModelBlendingViewController::followShownPrinterModel() {
    printerModelSelection = printerModelSelectionForTag(selectedTag(printerModelSelectionMenu));
}

void v2InkModelBlendingViewController::printerModelPopupSelection(QComboBox* sender) {
    const BlendPreviewPane::Batch oneJob(*previewPane_);
    printerModelSelection = printerModelSelectionForTag(selectedTag(sender));
    switch (selectedTag(sender).value_or(-1)) {
    case 0:
        chooseInkList(inkList.inkListfor8Ink);
        inkset_ = curves::Inkset::UCK3;
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        setItemEnabled(mediaTypePopupMenu, 1, true);
        setItemEnabled(mediaTypePopupMenu, 3, true);
        modelUpdate();
        break;
    case 1:
        chooseInkList(inkList.inkListfor10Ink);
        inkset_ = curves::Inkset::UCK3;
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        modelUpdate();
        break;
    case 2:
        chooseInkList(inkList.inkListfor8Ink);
        inkset_ = curves::Inkset::PSeriesK3;
        inkSetPopupSelectionMenu->setCurrentIndex(1);
        modelUpdate();
        break;
    case 3:
        chooseInkList(inkList.inkListforPro10Ink);
        inkset_ = curves::Inkset::PSeriesPro10;
        inkSetPopupSelectionMenu->setCurrentIndex(2);
        modelUpdate();
        break;
    case 4:
    case 5:
        // The ink-set pop-up moves to PSeries K3, and the blend is made with
        // it: the sliders, read-outs and save follow the ink set shown.
        chooseInkList(selectedTag(sender) == 4 ? inkList.inkListfor8Ink : inkList.inkListfor10Ink);
        inkSetPopupSelectionMenu->setCurrentIndex(1);
        useInkSet(1);
        break;
    default:
        chooseInkList(inkList.inkListfor8Ink);
        inkSetPopupSelectionMenu->setCurrentIndex(0);
        break;
    }
}

void v2InkModelBlendingViewController::inksetPopupSelection(QComboBox* sender) {
    const BlendPreviewPane::Batch oneJob(*previewPane_);
    const int tag = selectedTag(sender).value_or(-1);
    if (tag < 0 || tag > 3) {
        KCMYtoningBlend->inkset = curves::Inkset::PSeriesK3;
        printerModelSelectionMenu->setCurrentIndex(2);
        followShownPrinterModel();
        setItemEnabled(mediaTypePopupMenu, 1, true);
        setItemEnabled(mediaTypePopupMenu, 3, true);
        return;
    }
    const std::optional<int> printerTag = selectedTag(printerModelSelectionMenu);
    switch (tag) {
    case 0:
        if (printerTag != 0 && printerTag != 1) printerModelSelectionMenu->setCurrentIndex(0);
        break;
    case 1: printerModelSelectionMenu->setCurrentIndex(2); break;
    case 2: printerModelSelectionMenu->setCurrentIndex(3); break;
    default:
        if (printerTag == 3) printerModelSelectionMenu->setCurrentIndex(0);
        break;
    }
    // The file a save writes follows the printer model now shown: left at
    // the earlier model, a save would write that model's header and channels
    // (for the ten-channel ink set on matte paper, an eight-channel file
    // without its black).
    followShownPrinterModel();
    chooseInkList(tag == 2 ? inkList.inkListforPro10Ink : inkList.inkListfor8Ink);
    useInkSet(tag);
}

void v2InkModelBlendingViewController::useInkSet(int tag) {
    const auto enableMedia = [this](std::initializer_list<int> items) {
        for (int item : items) setItemEnabled(mediaTypePopupMenu, item, true);
    };
    inksetType = curves::InksetType::KCMY;
    switch (tag) {
    case 0:
        inkset_ = curves::Inkset::UCK3;
        enableMedia({1, 3});
        break;
    case 1:
        inkset_ = curves::Inkset::PSeriesK3;
        enableMedia({0, 2, 1, 3});
        break;
    case 2:
        inkset_ = curves::Inkset::PSeriesPro10;
        enableMedia({0, 2});
        break;
    default:
        inkset_ = curves::Inkset::CCProHDMK3;
        enableMedia({0, 2, 1, 3});
        break;
    }
    KCMYtoningBlend->inkset = inkset_;
    KCMYtoningBlend->buildInkModels(inkset_);
    if (kcmyToneCotrolStackView->isHidden()) {
        kcmyToneCotrolStackView->show();
        DualQuadToneControlStackView->hide();
    }
    for (QSlider* slider : {yellowHighlightSlider, yellowMidtoneSlider, yellowShadowSlider}) slider->setEnabled(true);
    recomputeChain();
}

void v2InkModelBlendingViewController::setMediaTypeSelection(QComboBox* sender) {
    const BlendPreviewPane::Batch oneJob(*previewPane_);
    quadData->inkList = quadFileLayout(printerModelSelection, inkList).channels;
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
    const BlendPreviewPane::Batch oneJob(*previewPane_);
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
    // The file follows the printer model shown; its channels are the blend's
    // own under the same names (a ten-channel blend keeps its V and MK in the
    // ten-channel file), zeros where the blend has none.
    const QuadFileLayout layout = quadFileLayout(printerModelSelection, inkList);
    const auto& blend = KCMYtoningBlend->blendedCurve;
    auto laidOut = curvesForQuadFile(blend, blendChannelNames(blend.size(), inkList), layout.channels);
    if (const auto* unwritable = std::get_if<std::vector<UnwritableChannel>>(&laidOut)) {
        refuseSave(*unwritable);
        return;
    }
    quadData->printerInfo = layout.header;
    quadData->inkList = layout.channels;
    quadData->saveQuadFile(std::get<curves::QuadDataFile::Curves>(laidOut));
}

void v2InkModelBlendingViewController::refuseSave(const std::vector<UnwritableChannel>& unwritable) const {
    // A file without the black of a matte blend, or with it under another
    // ink's name, would print wrongly without a word: nothing is written.
    QStringList reasons;
    for (const auto& channel : unwritable) {
        const QString ink = QString::fromStdString(inkNameOfChannel(channel.channel));
        reasons << (channel.writtenAs ? QStringLiteral("%1, which the file would label %2")
                                            .arg(ink, QString::fromStdString(inkNameOfChannel(*channel.writtenAs)))
                                      : QStringLiteral("%1, which the file has no channel for").arg(ink));
    }
    // The first printer model whose file holds every inked channel, if any.
    const auto& blend = KCMYtoningBlend->blendedCurve;
    const auto blendChannels = blendChannelNames(blend.size(), inkList);
    QString fitting;
    for (int i = 0; i < printerModelSelectionMenu->count() && fitting.isEmpty(); ++i) {
        bool tagged = false;
        const int tag = printerModelSelectionMenu->itemData(i).toInt(&tagged);
        if (!tagged) continue;
        const QuadFileLayout layout = quadFileLayout(printerModelSelectionForTag(tag), inkList);
        if (std::holds_alternative<curves::quadtext::Curves>(curvesForQuadFile(blend, blendChannels, layout.channels)))
            fitting = printerModelSelectionMenu->itemText(i);
    }
    const QString advice = fitting.isEmpty() ? QStringLiteral("Choose another ink set or media to save a blend.")
                                             : QStringLiteral("Choose “%1” to save this blend.").arg(fitting);
    const QString text = QStringLiteral("The blend puts ink in %1. A .quad file for “%2” would lose that ink or print "
                                        "it as another, so nothing was saved. %3")
                             .arg(reasons.join(QStringLiteral("; ")), printerModelSelectionMenu->currentText(), advice);
    platform::showAlert(
        {platform::AlertStyle::warning, "The blend cannot be saved for this printer model", text.toStdString()});
}

} // namespace appui
