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
    // An image of the size and format that no one else holds, or a null image
    // when there is none (the caller makes one). Taken out of the keep.
    QImage take(QSize size, QImage::Format format);
    // Keeps a reference to the image; it is handed out again once every other
    // copy is gone. Only the most recent few are kept.
    void keep(const QImage& image);

    // One shown while the next is written, and one more for an overlapping job.
    static constexpr std::size_t capacity = 3;

private:
    std::mutex mutex_;
    std::vector<QImage> kept_;
};

} // namespace appui
