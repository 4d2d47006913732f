#include "app/ui/preview/OutputBuffers.h"

#include <algorithm>

namespace appui {

QImage OutputBuffers::take(QSize size, QImage::Format format) {
    const std::lock_guard lock(mutex_);
    const auto free = std::find_if(kept_.begin(), kept_.end(), [&](const QImage& image) {
        return image.size() == size && image.format() == format && image.isDetached();
    });
    if (free == kept_.end()) return {};
    QImage image = std::move(*free);
    kept_.erase(free);
    return image;
}

void OutputBuffers::keep(const QImage& image) {
    if (image.isNull()) return;
    const std::lock_guard lock(mutex_);
    // Images of another size will not be asked for again soon.
    std::erase_if(kept_, [&](const QImage& kept) { return kept.size() != image.size(); });
    kept_.push_back(image);
    if (kept_.size() > capacity_) kept_.erase(kept_.begin());
}

void OutputBuffers::release() {
    const std::lock_guard lock(mutex_);
    kept_.clear();
}

std::vector<QSize> OutputBuffers::keptSizes() const {
    const std::lock_guard lock(mutex_);
    std::vector<QSize> sizes;
    for (const QImage& image : kept_) sizes.push_back(image.size());
    return sizes;
}

} // namespace appui
