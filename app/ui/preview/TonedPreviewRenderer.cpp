#include "app/ui/preview/TonedPreviewRenderer.h"

#include <QThreadPool>
#include <atomic>
#include <mutex>

namespace appui {

// What the jobs share with the renderer: the newest request's number and the
// way back to the GUI thread, closed when the renderer goes.
struct TonedPreviewRenderer::Mailbox {
    std::atomic<std::uint64_t> latest{0};
    std::mutex mutex;
    TonedPreviewRenderer* owner = nullptr;

    // From a job's thread. Posting under the lock keeps the owner alive
    // until the call is queued; Qt drops a queued call whose receiver has
    // been destroyed since.
    void post(std::uint64_t generation, QImage display) {
        const std::lock_guard lock(mutex);
        if (owner == nullptr) return;
        TonedPreviewRenderer* receiver = owner;
        QMetaObject::invokeMethod(
            receiver, [receiver, generation, display = std::move(display)] { receiver->deliver(generation, display); },
            Qt::QueuedConnection);
    }
};

namespace {

// A job's work: `sampled` toned, then smoothed to the shown size. Null when
// the samples give no gradient.
QImage tonedForView(std::shared_ptr<ZWGradientMapFilter::MapFilter> mapFilter, std::vector<curves::CIELab> samples,
                    QImage sampled, const PreviewReduction& reduction) {
    ZWGradientMapFilter filter(std::move(mapFilter));
    filter.inputLabArray = std::move(samples);
    filter.inputImage = std::move(sampled);
    filter.applyGradientMap();
    if (!filter.outputImage) return {};
    QImage display = finishedForPreview(*filter.outputImage, reduction);
    // The mapped picture goes back to the filter's buffers for the next job.
    filter.outputImage.reset();
    return display;
}

} // namespace

TonedPreviewRenderer::TonedPreviewRenderer(std::shared_ptr<ZWGradientMapFilter::MapFilter> mapFilter, QObject* parent)
    : QObject(parent),
      mapFilter_(std::move(mapFilter)),
      mailbox_(std::make_shared<Mailbox>()),
      runJob_([](std::function<void()> job) { QThreadPool::globalInstance()->start(std::move(job)); }) {
    mailbox_->owner = this;
}

TonedPreviewRenderer::~TonedPreviewRenderer() {
    const std::lock_guard lock(mailbox_->mutex);
    mailbox_->owner = nullptr;
}

std::uint64_t TonedPreviewRenderer::latestGeneration() const { return mailbox_->latest.load(); }

std::uint64_t TonedPreviewRenderer::render(std::vector<curves::CIELab> samples, QImage sampled,
                                           PreviewReduction reduction) {
    const std::uint64_t generation = mailbox_->latest.fetch_add(1) + 1;
    runJob_([mailbox = mailbox_, mapFilter = mapFilter_, generation, samples = std::move(samples),
             sampled = std::move(sampled), reduction]() mutable {
        // A newer request has been made: its job will show the newer blend.
        if (mailbox->latest.load() != generation) return;
        QImage display = tonedForView(std::move(mapFilter), std::move(samples), std::move(sampled), reduction);
        if (!display.isNull()) mailbox->post(generation, std::move(display));
    });
    return generation;
}

QImage TonedPreviewRenderer::renderNow(std::vector<curves::CIELab> samples, QImage sampled,
                                       const PreviewReduction& reduction) {
    const std::uint64_t generation = mailbox_->latest.fetch_add(1) + 1;
    QImage display = tonedForView(mapFilter_, std::move(samples), std::move(sampled), reduction);
    if (!display.isNull()) shown_ = generation;
    return display;
}

void TonedPreviewRenderer::deliver(std::uint64_t generation, const QImage& display) {
    if (generation < shown_) return;
    shown_ = generation;
    if (onResult_) onResult_(display, generation);
}

} // namespace appui
