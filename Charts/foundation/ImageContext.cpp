#include "Charts/foundation/ImageContext.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <cmath>
#include <memory>
#include <vector>

#include "Charts/drawing/PainterContext.h"
#include "Charts/foundation/ChartEnvironment.h"

namespace charts {

namespace {

struct ImageContextRecord {
    std::shared_ptr<ImageAllocator> allocator; // the one that made the image takes it back
    QImage image;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<PainterContext> context;
    double scale = 1;
    bool valid = false;
};

// One stack per thread: a background job rendering an image has its own.
std::vector<std::unique_ptr<ImageContextRecord>>& stack() {
    thread_local std::vector<std::unique_ptr<ImageContextRecord>> records;
    return records;
}

class PlainImageAllocator final : public ImageAllocator {
public:
    QImage allocate(int width, int height, QImage::Format format) override { return QImage(width, height, format); }
    void release(QImage) override {}
};

std::shared_ptr<ImageAllocator> allocator() {
    if (std::shared_ptr<ImageAllocator> installed = chartEnvironment().imageAllocator) return installed;
    static const std::shared_ptr<ImageAllocator> plain = std::make_shared<PlainImageAllocator>();
    return plain;
}

double screenScale() {
    if (qGuiApp == nullptr || QThread::currentThread() != qGuiApp->thread()) return 1;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->devicePixelRatio() : 1;
}

// The pixel count of one side, or 0 when it is not acceptable.
int pixelSide(double points, double scale) {
    const double pixels = points * scale;
    if (!std::isfinite(pixels)) return 0;
    const double whole = std::trunc(pixels);
    if (whole < 1 || whole > largestImageContextSide) return 0;
    return static_cast<int>(whole);
}

} // namespace

bool beginImageContext(Size size, bool opaque, double scale) {
    if (scale == 0) scale = screenScale();
    if (!std::isfinite(scale)) return false;
    const int width = pixelSide(size.width, scale);
    const int height = pixelSide(size.height, scale);
    if (width == 0 || height == 0) return false;

    auto record = std::make_unique<ImageContextRecord>();
    record->scale = scale;
    record->allocator = allocator();
    record->image =
        record->allocator->allocate(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    if (!record->image.isNull()) {
        record->image.fill(opaque ? QColor(0, 0, 0) : QColor(0, 0, 0, 0));
        // The painter maps points to pixels through the device pixel ratio.
        record->image.setDevicePixelRatio(scale);
        record->painter = std::make_unique<QPainter>();
        if (record->painter->begin(&record->image)) {
            record->painter->setRenderHint(QPainter::Antialiasing, true);
            record->context = std::make_unique<PainterContext>(*record->painter);
            record->valid = true;
        } else {
            record->painter.reset();
        }
    }
    stack().push_back(std::move(record));
    return true;
}

std::optional<QImage> imageFromCurrentImageContext() {
    if (stack().empty() || !stack().back()->valid) return std::nullopt;
    // A deep copy: the painter goes on writing into the context's bitmap.
    return stack().back()->image.copy();
}

void endImageContext() {
    if (stack().empty()) return;
    std::unique_ptr<ImageContextRecord> record = std::move(stack().back());
    stack().pop_back();
    record->context.reset();
    if (record->painter) record->painter->end();
    record->allocator->release(std::move(record->image));
}

DrawingContext* currentImageContext() {
    if (stack().empty() || !stack().back()->valid) return nullptr;
    return stack().back()->context.get();
}

} // namespace charts
