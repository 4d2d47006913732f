#include "app/ui/OutputBuffers.h"

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
    if (kept_.size() > capacity) kept_.erase(kept_.begin());
}

} // namespace appui
