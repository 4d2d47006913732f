#include "app/ui/preview/PreviewReduction.h"

#include <QThreadPool>

#include "app/ui/preview/HalfScale.h"
#include "app/ui/preview/NearestSampling.h"

namespace appui {

PreviewReduction previewReductionFor(QSize picture, QSize bounds) {
    if (picture.isEmpty() || bounds.isEmpty()) return {picture, QSize(), QSize()};
    if (picture.width() <= bounds.width() && picture.height() <= bounds.height()) return {picture, picture, picture};
    const QSize shown = picture.scaled(bounds, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    // A smooth reduction of a large picture reads every one of its pixels;
    // sampled to twice the size first, it reads four per shown pixel and
    // looks as smooth.
    const QSize twice = shown * 2;
    const bool sample = picture.width() > twice.width() && picture.height() > twice.height();
    return {picture, shown, sample ? twice : picture};
}

QImage sampledForPreview(const QImage& picture, const PreviewReduction& reduction) {
    if (!reduction.samplesFirst()) return picture;
    if (QImage sampled = sampledByNearestPixel(picture, reduction.sampled, *QThreadPool::globalInstance());
        !sampled.isNull())
        return sampled;
    return picture.scaled(reduction.sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage finishedForPreview(const QImage& sampled, const PreviewReduction& reduction) {
    if (sampled.size() == reduction.shown) return sampled;
    // Sampled to exactly twice the shown size: each shown pixel is the mean
    // of its 2 x 2 block, the same smoothing at a fraction of the cost.
    if (sampled.size() == reduction.shown * 2)
        if (QImage half = halvedByAveraging(sampled, *QThreadPool::globalInstance()); !half.isNull()) return half;
    return sampled.scaled(reduction.shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage reducedForPreview(const QImage& picture, QSize bounds) {
    if (picture.isNull() || bounds.isEmpty()) return {};
    const PreviewReduction reduction = previewReductionFor(picture.size(), bounds);
    return finishedForPreview(sampledForPreview(picture, reduction), reduction);
}

} // namespace appui
