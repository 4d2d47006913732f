#pragma once
#include <QImage>
#include <mutex>
#include <vector>

namespace appui {

// The output images of the preview's gradient map, kept for the next
// refreshes: a fresh 24-megapixel output costs more in page faults than the
// whole map, so an image is handed out again once nothing else holds it. Safe
// to use from any thread.
class OutputBuffers {
public:
    // One, for the next map to write into once nothing else holds it; a map
    // that overlaps gets an image of its own, which then takes its place.
    static constexpr std::size_t defaultCapacity = 1;
    explicit OutputBuffers(std::size_t capacity = defaultCapacity) : capacity_(capacity) {}

    // An image of the size and format that no one else holds, or a null image
    // when there is none (the caller makes one). Taken out of the keep.
    QImage take(QSize size, QImage::Format format);
    // Keeps a reference to the image; it is handed out again once every other
    // copy is gone. Only the most recent `capacity` are kept.
    void keep(const QImage& image);
    // Lets go of every kept image (the memory goes once no one else holds it).
    void release();
    // The sizes of the images kept, for checks of what memory is held.
    std::vector<QSize> keptSizes() const;

private:
    std::size_t capacity_;
    mutable std::mutex mutex_;
    std::vector<QImage> kept_;
};

} // namespace appui
