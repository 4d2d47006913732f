#pragma once
#include <QImage>
#include <QSize>

namespace appui {

// How a picture is reduced to the size a preview view shows it at, in two
// steps: a large picture is first sampled (nearest pixel) down to twice the
// shown size, then smoothed down to the shown size. Sampling picks pixels and
// changes none, so it may run before a per-pixel map as well as after it:
// toning the sampled picture and smoothing the result shows what toning the
// whole picture and reducing it would show, while a step maps only up to four
// times the shown pixels, whatever the picture's size.
struct PreviewReduction {
    QSize picture;
    QSize shown;   // the picture's size scaled to fit the bounds, proportions kept; never larger than the picture
    QSize sampled; // the size after the first step: twice the shown size, or the picture's own

    bool samplesFirst() const { return sampled != picture; }
    bool operator==(const PreviewReduction&) const = default;
};

// The reduction of a picture of the given size into the given bounds (device
// pixels). A picture that fits is shown as it is; an empty size or bounds
// give empty sizes.
PreviewReduction previewReductionFor(QSize picture, QSize bounds);

// The first step: the picture sampled to `reduction.sampled`, or the picture
// itself (shared, not copied) when it is not sampled first.
QImage sampledForPreview(const QImage& picture, const PreviewReduction& reduction);

// The second step, on a picture of `reduction.sampled` size: smoothed to
// `reduction.shown` (2 x 2 means after sampling), or the picture itself when
// those are equal.
QImage finishedForPreview(const QImage& sampled, const PreviewReduction& reduction);

// Both steps: the picture as a view of the given bounds shows it. Null for a
// null picture or empty bounds.
QImage reducedForPreview(const QImage& picture, QSize bounds);

} // namespace appui
