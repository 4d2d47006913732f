#include "Charts/foundation/ScaledImageCache.h"

#include <algorithm>

#include "Charts/foundation/ImageContext.h"
#include "platform/NumberText.h"

namespace charts {

std::string ScaledImageCache::key(Size size) {
    return "resized_" + platform::shortestDecimalText(size.width) + "_" + platform::shortestDecimalText(size.height);
}

void ScaledImageCache::dropReleased() {
    std::erase_if(entries_, [](Entry& entry) { return entry.source.isDetached(); });
}

std::optional<QImage> ScaledImageCache::scaledCopy(const QImage& image, Size size) {
    const std::string wanted = key(size);
    std::lock_guard lock(mutex_);
    dropReleased();
    for (const Entry& entry : entries_) {
        if (entry.key == wanted && entry.source.cacheKey() == image.cacheKey()) return entry.copy;
    }
    if (!beginImageContext(size, false, 0)) return std::nullopt;
    if (DrawingContext* context = currentImageContext()) context->drawImage(image, Rect(Point{0, 0}, size));
    std::optional<QImage> copy = imageFromCurrentImageContext();
    endImageContext();
    if (!copy) return std::nullopt;
    entries_.push_back(Entry{image, wanted, *copy});
    return copy;
}

std::size_t ScaledImageCache::size() {
    std::lock_guard lock(mutex_);
    dropReleased();
    return entries_.size();
}

void ScaledImageCache::clear() {
    std::lock_guard lock(mutex_);
    entries_.clear();
}

ScaledImageCache& ScaledImageCache::shared() {
    static ScaledImageCache cache;
    return cache;
}

} // namespace charts
