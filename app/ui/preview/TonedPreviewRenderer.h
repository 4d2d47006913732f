#pragma once
#include <QImage>
#include <QObject>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/ui/preview/PreviewReduction.h"
#include "app/ui/preview/ZWGradientMapFilter.h"

namespace appui {

// The toned preview's background jobs. Each request is one job on the global
// thread pool; it works only on the copies it was given (the Lab samples and
// the implicitly shared picture, taken on the GUI thread), touches no widget,
// and hands its result back to the GUI thread by a queued call. The picture
// is the one the preview was sampled to (PreviewReduction.h): a job tones
// only that and smooths the result to the shown size, so its cost follows
// the view's size, not the picture's.
//
// Requests are numbered: a job whose request has been overtaken before it
// starts does nothing, and a result older than the one last shown is dropped,
// so a slow old job never puts an older blend on screen than the newest one
// shown. Results arriving after the renderer is gone are dropped too.
class TonedPreviewRenderer final : public QObject {
    Q_OBJECT
public:
    // Runs a job somewhere off the GUI thread; tests run them by hand.
    using JobRunner = std::function<void(std::function<void()>)>;
    // The toned picture at the shown size and the request's number. On the
    // GUI thread.
    using ResultHandler = std::function<void(const QImage& display, std::uint64_t generation)>;

    explicit TonedPreviewRenderer(std::shared_ptr<ZWGradientMapFilter::MapFilter> mapFilter, QObject* parent = nullptr);
    ~TonedPreviewRenderer() override;

    void setJobRunner(JobRunner runner) { runJob_ = std::move(runner); }
    void setResultHandler(ResultHandler handler) { onResult_ = std::move(handler); }

    // Schedules a job (GUI thread) toning `sampled`, the picture after the
    // first step of `reduction`; answers its number, counting from 1.
    std::uint64_t render(std::vector<curves::CIELab> samples, QImage sampled, PreviewReduction reduction);
    // The same toning done at once on the calling thread (the GUI thread),
    // for a picture that has not been shown yet: an open shows it toned in
    // its first paint. The request is numbered as render's are and its
    // result counts as shown, so no older job's result replaces it; it is
    // returned, not handed to the result handler. Null when the samples give
    // no gradient.
    QImage renderNow(std::vector<curves::CIELab> samples, QImage sampled, const PreviewReduction& reduction);

    std::uint64_t latestGeneration() const;
    std::uint64_t shownGeneration() const { return shown_; }

    // The GUI thread's end of a job: the result is shown unless a newer one
    // has been shown already. (Jobs call it through the event loop.)
    void deliver(std::uint64_t generation, const QImage& display);

private:
    struct Mailbox;

    std::shared_ptr<ZWGradientMapFilter::MapFilter> mapFilter_;
    std::shared_ptr<Mailbox> mailbox_;
    JobRunner runJob_;
    ResultHandler onResult_;
    std::uint64_t shown_ = 0;
};

} // namespace appui
