#pragma once
#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/ui/preview/OutputBuffers.h"
#include "app/ui/preview/PreviewReduction.h"
#include "app/ui/preview/ZWGradientMapFilter.h"

namespace appui {

class ColorPreviewImageView;
class TonedPreviewRenderer;

// The blending screen's preview pane: the opened greyscale picture in the
// image view, toned with the blend by a background job after every change,
// at the size the view shows it. The picture is sampled once for the view's
// size (on open and on resize); every toning works from that sample.
class BlendPreviewPane {
public:
    // The blend's Lab samples as they stand when a toning starts.
    using Blend = std::function<const std::vector<curves::CIELab>&()>;

    // The filter holds the picture toned.
    BlendPreviewPane(ColorPreviewImageView& view, std::shared_ptr<ZWGradientMapFilter> filter, Blend blend);
    ~BlendPreviewPane();
    BlendPreviewPane(const BlendPreviewPane&) = delete;
    BlendPreviewPane& operator=(const BlendPreviewPane&) = delete;

    // Starts a job toning the filter's picture with the blend as it stands,
    // or, inside a batch, once when the outermost batch ends.
    void render();
    // An opened picture, put into the filter and shown toned in its first
    // paint (inside a batch: grey, toned when the batch ends).
    void showOpened(QImage picture);

    // A pop-up action recomputes more than once (the presets' recompute and
    // refresh, then the chain's), each time asking for a preview; on a large
    // picture each job maps every pixel into a buffer of its own. While a
    // batch lives those requests are noted, and one job starts for the blend
    // the action ends on when the outermost batch ends.
    class Batch {
    public:
        explicit Batch(BlendPreviewPane& pane);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        BlendPreviewPane& pane_;
    };

    // The filter's picture toned with the blend as it stands, at full
    // resolution, made on request into one buffer kept for the next request
    // until the blend or the picture changes. Nothing without a picture.
    std::optional<QImage> tonedPicture() const;
    const OutputBuffers& fullSizeBuffers() const { return *fullSizeBuffers_; }
    TonedPreviewRenderer& renderer() const { return *renderer_; }

private:
    void startJob();
    // The filter's picture sampled for the view's size, unless it is already.
    void samplePicture();
    void showToned(const QImage& display);
    void releaseReplacedPicture();
    void releaseReplacedPictureOncePainted();

    ColorPreviewImageView& view_;
    std::shared_ptr<ZWGradientMapFilter> filter_;
    Blend blend_;
    std::unique_ptr<TonedPreviewRenderer> renderer_;
    // The toned picture is handed back later; the view may be gone by then.
    QPointer<ColorPreviewImageView> shownIn_;
    int batchDepth_ = 0;
    bool requested_ = false;
    // The opened picture sampled for the view's size, made on open and on
    // resize; every toning tones only this.
    QImage sample_;
    PreviewReduction reduction_;
    qint64 sampleOf_ = 0; // the cache key of the picture it was sampled from
    std::shared_ptr<OutputBuffers> fullSizeBuffers_ = std::make_shared<OutputBuffers>(1);
    // The picture shown before the last open, let go once the new one has
    // been painted toned (releaseReplacedPictureOncePainted).
    std::optional<QImage> replacedPicture_;
};

} // namespace appui
