// The blending screen's toned preview: the image it tones, from the open
// panel, Open Recent or a drop, and the background render of every refresh.
#include <QThreadPool>

#include "app/ui/ColorPreviewImageView.h"
#include "app/ui/PreviewImageFile.h"
#include "app/ui/RecentDocumentRouter.h"
#include "app/ui/TonedPreviewRenderer.h"
#include "app/ui/v2InkModelBlendingViewController.h"
#include "platform/Services.h"

namespace appui {

void v2InkModelBlendingViewController::renderBlendPreview() {
    if (previewBatchDepth_ > 0) {
        previewRequested_ = true;
        return;
    }
    startPreviewJob();
}

void v2InkModelBlendingViewController::startPreviewJob() {
    if (!mainImageView->hasImage() || !inkBlendPreviewFilter->inputImage) return;
    // A full-size toned picture made on request shows an older blend now.
    fullSizeBuffers_->release();
    samplePreviewPicture();
    previewRenderer_->render(KCMYtoningBlend->blendedCIELab, previewSample_, previewReduction_);
}

void v2InkModelBlendingViewController::samplePreviewPicture() {
    if (!inkBlendPreviewFilter->inputImage) return;
    const QImage& picture = *inkBlendPreviewFilter->inputImage;
    const PreviewReduction reduction = previewReductionFor(picture.size(), mainImageView->displayPixelSize());
    if (reduction == previewReduction_ && picture.cacheKey() == previewSampleOf_) return;
    previewReduction_ = reduction;
    previewSampleOf_ = picture.cacheKey();
    previewSample_ = sampledForPreview(picture, reduction);
}

std::optional<QImage> v2InkModelBlendingViewController::tonedPicture() const {
    if (!inkBlendPreviewFilter->inputImage) return std::nullopt;
    auto settings = std::make_shared<ZWGradientMapFilter::MapFilter>();
    settings->buffers = fullSizeBuffers_;
    ZWGradientMapFilter filter(std::move(settings));
    filter.inputLabArray = KCMYtoningBlend->blendedCIELab;
    filter.inputImage = inkBlendPreviewFilter->inputImage;
    filter.applyGradientMap();
    return filter.outputImage;
}

v2InkModelBlendingViewController::PreviewBatch::PreviewBatch(v2InkModelBlendingViewController& screen)
    : screen_(screen) {
    ++screen_.previewBatchDepth_;
}

v2InkModelBlendingViewController::PreviewBatch::~PreviewBatch() {
    if (--screen_.previewBatchDepth_ > 0 || !screen_.previewRequested_) return;
    screen_.previewRequested_ = false;
    screen_.startPreviewJob();
}

void v2InkModelBlendingViewController::showPreviewImage(const QImage& display) {
    // Toned at the size the view shows the picture (of imageSize) at: it
    // takes the fitted picture's place as it is, with no rescale here.
    if (previewView_.isNull()) return;
    previewView_->showToned(display);
    releaseReplacedPictureOncePainted();
}

void v2InkModelBlendingViewController::releaseReplacedPictureOncePainted() {
    // Giving a large picture's memory back to the system takes milliseconds
    // and holds up every allocation of the process meanwhile, the new
    // picture's paint among them: so only once that is on screen.
    if (!replacedPicture_) return;
    mainImageView->whenPainted([this] { releaseReplacedPicture(); });
}

void v2InkModelBlendingViewController::releaseReplacedPicture() {
    // On a pool thread, for the same reason.
    if (!replacedPicture_) return;
    QThreadPool::globalInstance()->start([replaced = std::move(*replacedPicture_)] {});
    replacedPicture_.reset();
}

void v2InkModelBlendingViewController::showOpenedImage(QImage picture) {
    releaseReplacedPicture();
    replacedPicture_ = mainImageView->image();
    imageSize = picture.size();
    inkBlendPreviewFilter->inputImage = picture;
    // Sampled once for the view: every toning comes from it.
    samplePreviewPicture();
    // Toned here, before the picture is first painted: a view-sized toning
    // takes about a millisecond, less than painting the grey picture and
    // then the toned one from a background job.
    if (previewBatchDepth_ == 0) {
        fullSizeBuffers_->release();
        QImage toned = previewRenderer_->renderNow(KCMYtoningBlend->blendedCIELab, previewSample_, previewReduction_);
        if (!toned.isNull()) {
            mainImageView->setTonedImage(std::move(picture), std::move(toned));
            releaseReplacedPictureOncePainted();
            return;
        }
    }
    mainImageView->setImage(std::move(picture), finishedForPreview(previewSample_, previewReduction_));
    renderBlendPreview();
}

void v2InkModelBlendingViewController::loadImagePressed() {
    // A cancelled panel or a file that gives no image changes nothing.
    auto chosen = openImageFile();
    if (!chosen) return;
    showOpenedImage(std::move(chosen->image));
}

bool v2InkModelBlendingViewController::openPreviewImage(const std::filesystem::path& file) {
    auto picture = readNotedPreviewImage(file);
    if (!picture) return false;
    showOpenedImage(std::move(*picture));
    return true;
}

void v2InkModelBlendingViewController::updateFromDraggedImage(const platform::Notification& notification) {
    // Only drops on this screen's own image view: another view's drop says
    // nothing about the picture shown here.
    const auto* sender = std::any_cast<ColorPreviewImageView*>(&notification.object);
    if (sender == nullptr || *sender != mainImageView) return;
    const std::optional<QImage> dropped = mainImageView->droppedCIImage;
    imageSize = mainImageView->hasImage() ? std::optional<QSize>(mainImageView->image()->size()) : std::nullopt;
    inkBlendPreviewFilter->inputImage = dropped;
    renderBlendPreview();
}

void v2InkModelBlendingViewController::registerRecentDocumentKinds(RecentDocumentRouter& router) {
    QStringList kinds;
    for (const auto& type : previewImageFileTypes()) kinds << QString::fromStdString(type);
    router.registerScreen(this, kinds, [this](const std::filesystem::path& file) { openPreviewImage(file); });
}

} // namespace appui
