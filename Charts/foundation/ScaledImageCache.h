#pragma once
#include <QImage>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "Charts/drawing/Geometry.h"

namespace charts {

// Scaled copies of icons, one per image and size, kept as long as the image
// itself is: an entry goes once nothing but the cache still holds the
// image's pixels (checked whenever the cache is used).
class ScaledImageCache {
public:
    // The copy of `image` drawn at `size` in an off-screen image context;
    // made on the first request, none when no context of that size can be
    // made.
    std::optional<QImage> scaledCopy(const QImage& image, Size size);

    // "resized_<width>_<height>", each number in its shortest round-trip text.
    static std::string key(Size size);

    std::size_t size();
    void clear();

    // The cache the chart utilities draw icons through.
    static ScaledImageCache& shared();

private:
    struct Entry {
        QImage source; // shares the caller's pixels, so their release is seen
        std::string key;
        QImage copy;
    };
    void dropReleased();

    std::mutex mutex_;
    std::vector<Entry> entries_;
};

} // namespace charts
