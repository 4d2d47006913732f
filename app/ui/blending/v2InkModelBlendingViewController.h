#pragma once
#include <QImage>
#include <QSize>
#include <QStringList>
#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/Enumerations.h"
#include "app/curves/core/InkList.h"
#include "app/curves/quad/QuadDataFile.h"
#include "app/inks/BlendingScreen.h"
#include "app/inks/TonerColorModel.h"
#include "app/ui/blending/BlendPreviewPane.h"
#include "app/ui/blending/BlendSummary.h"
#include "app/ui/editors/CustomCurveEditorDelegate.h"
#include "app/ui/preview/ZWGradientMapFilter.h"
#include "platform/NotificationCenter.h"
#include "ui_v2InkModelBlendingViewController.h"

namespace charts {
class LineChartData;
class LineChartView;
} // namespace charts

namespace appui {

class ColorPreviewImageView;
class ColorSampleView;
class CustomCurveEditorVC;
class QuadCurveGraphPanelController;
class RecentDocumentRouter;
class TonedPreviewRenderer;
class ToneSliders;
struct UnwritableChannel;

// The ink-blending screen: printer model, ink set, media and toner pop-ups,
// the cyan, magenta and yellow tone sliders at highlight, midtone and shadow,
// the Lab read-outs and blend summary, the blended samples, the a*/b* graph,
// the toned preview of a loaded greyscale image and the .quad save. Its
// controls come from its Designer resource; the actions are wired to the
// user's own changes only, so presets setting sliders in code never flip the
// toner pop-up to "Custom" or start another refresh.
//
// Its outlets (the pop-ups printerModelSelectionMenu, inkSetPopupSelectionMenu,
// mediaTypePopupMenu and tonerSelectionPopupMenu, the tone and c0/c1 sliders
// with their read-outs, the Lab read-outs, kcmyToneCotrolStackView,
// DualQuadToneControlStackView, mainImageView, blendedSampleView, ...) are the
// Designer form's own members, under the names the form gives them.
class v2InkModelBlendingViewController final : public QWidget,
                                               public Ui::v2InkModelBlendingViewController,
                                               public inks::BlendingScreen,
                                               public CustomCurveEditorDelegate {
    Q_OBJECT
public:
    explicit v2InkModelBlendingViewController(QWidget* parent = nullptr);
    ~v2InkModelBlendingViewController() override;

    // Owned state, in the order it is made.
    std::shared_ptr<curves::QuadDataFile> quadData = std::make_shared<curves::QuadDataFile>();
    std::shared_ptr<ZWGradientMapFilter> inkBlendPreviewFilter = std::make_shared<ZWGradientMapFilter>();
    curves::InksetType inksetType = curves::InksetType::KCMY;
    curves::InkList inkList;
    std::shared_ptr<inks::TonerColorModel> KCMYtoningBlend = std::make_shared<inks::TonerColorModel>();
    // The ink-curve panel, a tool window of its own; it follows every posted blend.
    std::unique_ptr<QuadCurveGraphPanelController> quadCurveWindowPanel;
    std::optional<QSize> imageSize;
    // The printer model as the number of channels written: 8, 10 or 11 (the
    // ten-channel list with V and MK). It follows the printer pop-up as
    // shown, also when an ink-set choice moves the pop-up.
    int printerModelSelection = 8;
    // Cyan, magenta and yellow fractions (0 to 1) at highlight, midtone, shadow.
    double cHP = 0, cMP = 0, cSP = 0, mHP = 0, mMP = 0, mSP = 0, yHP = 0, yMP = 0, ySP = 0;
    // The paired c0/c1 fractions per point (c0 + c1 = 1); they feed nothing.
    double c0HP = 0.5, c0MP = 0.5, c0SP = 0.5, c1HP = 0.5, c1MP = 0.5, c1SP = 0.5;
    bool showCurve = false;
    const QStringList tonerTitles{QStringLiteral("Custom"), QStringLiteral("Neutral"), QStringLiteral("Warm Neutral"),
                                  QStringLiteral("Warm"), QStringLiteral("Selenium")};

    // The a*/b* graph, made in the resource's "inkPercentGraphPlace".
    charts::LineChartView* inkPercentGraph = nullptr;

    // Pop-up actions, each reading its sender's selected item.
    void printerModelPopupSelection(QComboBox* sender);
    void inksetPopupSelection(QComboBox* sender);
    // Makes the blend with the ink set of the pop-up's item `tag` (0 to 3):
    // its models, the media it takes and its tone controls. The printer
    // pop-up and the channel list are the caller's.
    void useInkSet(int tag);
    void setMediaTypeSelection(QComboBox* sender);
    void tonerTypeSelected(QComboBox* sender);
    // Writes the blend in the shown printer model's file through the save
    // panel; when that file cannot hold an inked channel of the blend under
    // its own name, an alert says so and nothing is written.
    void saveQuadButtonPressed();

    // A tone slider's action: toner pop-up to "Custom", read-out, fraction, refresh.
    void applyToneSlider(inks::TonerPosition position);
    // The c0 or c1 slider of a point (0 highlight, 1 midtone, 2 shadow) moved.
    void c0SliderChanged(int point);
    void c1SliderChanged(int point);

    // The preview image: the open panel, a file given by name (Open Recent:
    // the same road as the panel, noted in Open Recent too), and a drop on
    // the preview's image view. Answers whether a picture was opened.
    void loadImagePressed();
    bool openPreviewImage(const std::filesystem::path& file);
    void updateFromDraggedImage(const platform::Notification& notification);
    // File > Open Recent sends this screen its image kinds (jpg, jpeg, tif, tiff).
    void registerRecentDocumentKinds(RecentDocumentRouter& router);

    // The custom curve editor: the "CustomCurveEditor" segue hands it the
    // blend's curves and the ink list; the edited set comes back through
    // didUpdateCurves and stays until the next refresh blends afresh.
    void prepareForSegue(const QString& identifier, QWidget* destination);
    void editCurvesPressed();
    void didUpdateCurves(const std::vector<std::vector<double>>& curves) override;

    // Shows the ink-curve panel with the blend's curves under the ink list
    // as it then stands.
    void showQuadCurvePanel();

    // The refresh chain and its steps. refreshBlend is the one recompute
    // every tone move and pop-up choice ends in (a pop-up choice through
    // recomputeChain: the toner presets, then refreshBlend): the fractions
    // into the model, the blend, then showBlend of what the blend shows.
    // renderBlendPreview starts the preview job for
    // the blend as it stands, or, inside a pop-up action, once when the
    // action returns.
    void refreshBlend() override;
    void renderBlendPreview() override;
    void updateMediaTypeMenu();
    void postBlendedQuadValues();

    // The last a*/b* chart data plotted.
    const std::shared_ptr<charts::LineChartData>& inkPercentData() const { return inkPercentData_; }
    TonedPreviewRenderer& previewRenderer() const { return previewPane_->renderer(); }
    // The opened picture toned with the blend as it stands, at full
    // resolution, made on request (the view shows a copy toned at its own
    // size). It is written into one buffer kept for the next request until
    // the blend or the picture changes. Nothing without a picture.
    std::optional<QImage> tonedPicture() const { return previewPane_->tonedPicture(); }
    // The full-size output kept for tonedPicture, for checks of what memory
    // the preview holds.
    const OutputBuffers& fullSizeBuffers() const { return previewPane_->fullSizeBuffers(); }

    // What the toner presets see of the screen.
    inks::TonerColorModel& blendModel() override { return *KCMYtoningBlend; }
    curves::Inkset inkset() const override { return inkset_; }
    curves::TonerType toner() const override { return toner_; }
    std::optional<std::string> selectedMediaTitle() const override;
    void setLimitLabelValue(inks::TonerPosition position, int percent) override;
    void setSliderValue(inks::TonerPosition position, int percent) override;
    void setFraction(inks::TonerPosition position, double fraction) override;

private:
    // Places the a*/b* graph and takes the tone controls out to their piece.
    void groupControls();
    void keepReadOutSizes();
    void wireActions();
    void viewDidLoad();
    void configureForPrinterModel();
    void followShownPrinterModel();
    // The cyan, magenta and yellow sliders shown, the c0/c1 pairs hidden.
    void showCmyToneControls();
    void refuseSave(const std::vector<UnwritableChannel>& unwritable) const;
    void chooseInkList(const std::vector<std::string>& list);
    void recomputeChain();
    void modelUpdate();
    void pushFractionsToModel();
    // The read-outs, samples, posted curves, preview and a*/b* graph, in that
    // order, from one value made from the model.
    void showBlend(BlendShown shown);
    void updateLabLabels(BlendReadOut readOut);
    void postCurves(std::vector<std::vector<double>> blended);
    void plotInkPercentGraph(const std::array<std::vector<double>, 2>& series);
    void showOpenedImage(QImage picture);
    // The fraction a tone slider sets.
    double& toneFraction(inks::TonerPosition position);
    std::array<double, 9> toneFractions() const;

    curves::Inkset inkset_ = curves::Inkset::UCK3;
    curves::TonerType toner_ = curves::TonerType::neutral;
    std::unique_ptr<ToneSliders> toneSliders_;
    std::shared_ptr<charts::LineChartData> inkPercentData_;
    platform::ObserverRegistration draggedImage_;
    std::unique_ptr<BlendPreviewPane> previewPane_;
};

} // namespace appui
