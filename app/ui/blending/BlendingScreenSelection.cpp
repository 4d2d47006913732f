// The blending screen's printer-model, ink-set, media and toner pop-ups, and
// the save of the blend as a .quad file.
#include <QComboBox>
#include <QGroupBox>
#include <QSlider>

#include "app/inks/BlendPresets.h"
#include "app/ui/blending/BlendingScreenQuadFile.h"
#include "app/ui/blending/PrinterChoice.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/widgets/PopUpItems.h"
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
    const std::optional<int> tag = selectedTag(sender);
    printerModelSelection = printerModelSelectionForTag(tag);
    const PrinterModelChoice choice = printerModelChoiceOfTag(tag);
    chooseInkList(inkList.*choice.channelNames);
    inkSetPopupSelectionMenu->setCurrentIndex(choice.inkSetItem);
    if (choice.asInkSetItem) {
        useInkSet(choice.inkSetItem);
        return;
    }
    if (!choice.inkset) return;
    inkset_ = *choice.inkset;
    for (int item : choice.mediaItemsEnabled) setItemEnabled(mediaTypePopupMenu, item, true);
    modelUpdate();
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
    if (const auto item = printerItemForInkSet(tag, selectedTag(printerModelSelectionMenu)))
        printerModelSelectionMenu->setCurrentIndex(*item);
    // The file a save writes follows the printer model now shown: left at
    // the earlier model, a save would write that model's header and channels
    // (for the ten-channel ink set on matte paper, an eight-channel file
    // without its black).
    followShownPrinterModel();
    chooseInkList(inkList.*channelNamesOfInkSet(tag));
    useInkSet(tag);
}

void v2InkModelBlendingViewController::useInkSet(int tag) {
    const InkSetChoice choice = inkSetChoiceOfTag(tag);
    inksetType = curves::InksetType::KCMY;
    inkset_ = choice.inkset;
    for (int item : choice.mediaItemsEnabled) setItemEnabled(mediaTypePopupMenu, item, true);
    KCMYtoningBlend->inkset = inkset_;
    KCMYtoningBlend->buildInkModels(inkset_);
    showCmyToneControls();
    recomputeChain();
}

void v2InkModelBlendingViewController::showCmyToneControls() {
    if (kcmyToneCotrolStackView->isHidden()) {
        kcmyToneCotrolStackView->show();
        DualQuadToneControlStackView->hide();
    }
    for (QSlider* slider : {yellowHighlightSlider, yellowMidtoneSlider, yellowShadowSlider}) slider->setEnabled(true);
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
