#include "app/ui/blending/BlendPreviewPane.h"

#include <QThreadPool>

#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/TonedPreviewRenderer.h"

namespace appui {

BlendPreviewPane::BlendPreviewPane(ColorPreviewImageView& view, std::shared_ptr<ZWGradientMapFilter> filter,
                                   Blend blend)
    : view_(view),
      filter_(std::move(filter)),
      blend_(std::move(blend)),
      renderer_(std::make_unique<TonedPreviewRenderer>(filter_->mapFilter)),
      shownIn_(&view) {
    renderer_->setResultHandler([this](const QImage& display, std::uint64_t) { showToned(display); });
}

BlendPreviewPane::~BlendPreviewPane() = default;

void BlendPreviewPane::render() {
    if (batchDepth_ > 0) {
        requested_ = true;
        return;
    }
    startJob();
}

void BlendPreviewPane::startJob() {
    if (!view_.hasImage() || !filter_->inputImage) return;
    // A full-size toned picture made on request shows an older blend now.
    fullSizeBuffers_->release();
    samplePicture();
    renderer_->render(blend_(), sample_, reduction_);
}

void BlendPreviewPane::samplePicture() {
    if (!filter_->inputImage) return;
    const QImage& picture = *filter_->inputImage;
    const PreviewReduction reduction = previewReductionFor(picture.size(), view_.displayPixelSize());
    if (reduction == reduction_ && picture.cacheKey() == sampleOf_) return;
    reduction_ = reduction;
    sampleOf_ = picture.cacheKey();
    sample_ = sampledForPreview(picture, reduction);
}

std::optional<QImage> BlendPreviewPane::tonedPicture() const {
    if (!filter_->inputImage) return std::nullopt;
    auto settings = std::make_shared<ZWGradientMapFilter::MapFilter>();
    settings->buffers = fullSizeBuffers_;
    ZWGradientMapFilter filter(std::move(settings));
    filter.inputLabArray = blend_();
    filter.inputImage = filter_->inputImage;
    filter.applyGradientMap();
    return filter.outputImage;
}

BlendPreviewPane::Batch::Batch(BlendPreviewPane& pane) : pane_(pane) { ++pane_.batchDepth_; }

BlendPreviewPane::Batch::~Batch() {
    if (--pane_.batchDepth_ > 0 || !pane_.requested_) return;
    pane_.requested_ = false;
    pane_.startJob();
}

void BlendPreviewPane::showToned(const QImage& display) {
    // Toned at the size the view shows the picture at: it takes the fitted
    // picture's place as it is, with no rescale here.
    if (shownIn_.isNull()) return;
    shownIn_->showToned(display);
    releaseReplacedPictureOncePainted();
}

void BlendPreviewPane::releaseReplacedPictureOncePainted() {
    // Giving a large picture's memory back to the system takes milliseconds
    // and holds up every allocation of the process meanwhile, the new
    // picture's paint among them: so only once that is on screen.
    if (!replacedPicture_) return;
    view_.whenPainted([this] { releaseReplacedPicture(); });
}

void BlendPreviewPane::releaseReplacedPicture() {
    // On a pool thread, for the same reason.
    if (!replacedPicture_) return;
    QThreadPool::globalInstance()->start([replaced = std::move(*replacedPicture_)] {});
    replacedPicture_.reset();
}

void BlendPreviewPane::showOpened(QImage picture) {
    releaseReplacedPicture();
    replacedPicture_ = view_.image();
    filter_->inputImage = picture;
    // Sampled once for the view: every toning comes from it.
    samplePicture();
    // Toned here, before the picture is first painted: a view-sized toning
    // takes about a millisecond, less than painting the grey picture and
    // then the toned one from a background job.
    if (batchDepth_ == 0) {
        fullSizeBuffers_->release();
        QImage toned = renderer_->renderNow(blend_(), sample_, reduction_);
        if (!toned.isNull()) {
            view_.setTonedImage(std::move(picture), std::move(toned));
            releaseReplacedPictureOncePainted();
            return;
        }
    }
    view_.setImage(std::move(picture), finishedForPreview(sample_, reduction_));
    render();
}

} // namespace appui
