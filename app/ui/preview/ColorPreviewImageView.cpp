#include "app/ui/preview/ColorPreviewImageView.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <utility>

#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/preview/PreviewReduction.h"
#include "platform/NotificationCenter.h"

namespace appui {

const std::string& didDragImageNotification() {
    static const std::string name = "DidDragImage";
    return name;
}

ColorPreviewImageView::ColorPreviewImageView(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setMinimumSize(64, 64);
}

QSize ColorPreviewImageView::displayPixelSize() const {
    const qreal ratio = devicePixelRatioF();
    return QSize(qMax(1, qRound(width() * ratio)), qMax(1, qRound(height() * ratio)));
}

QImage ColorPreviewImageView::fittedCopy(const QImage& picture, QSize bounds) {
    return reducedForPreview(picture, bounds);
}

void ColorPreviewImageView::setImage(QImage picture, const QImage& displayCopy) {
    image_ = std::move(picture);
    toned_.reset();
    rebuildShown(displayCopy);
    update();
}

void ColorPreviewImageView::setTonedImage(QImage picture, QImage display) {
    if (display.isNull()) return setImage(std::move(picture));
    image_ = std::move(picture);
    toned_ = std::move(display);
    rebuildShown({});
    update();
}

void ColorPreviewImageView::showToned(QImage display) {
    if (!image_ || display.isNull()) return;
    toned_ = std::move(display);
    rebuildShown({});
    update();
}

void ColorPreviewImageView::rebuildShown(const QImage& displayCopy) {
    shownFor_ = displayPixelSize();
    if (!image_) {
        shown_ = QPixmap();
        return;
    }
    QImage fitted;
    if (toned_) {
        fitted = fittedCopy(*toned_, shownFor_);
    } else {
        const bool copyFits =
            !displayCopy.isNull() && displayCopy.size() == previewReductionFor(image_->size(), shownFor_).shown;
        fitted = copyFits ? displayCopy : fittedCopy(*image_, shownFor_);
    }
    shown_ = QPixmap::fromImage(std::move(fitted));
    shown_.setDevicePixelRatio(devicePixelRatioF());
}

void ColorPreviewImageView::whenPainted(std::function<void()> then) {
    if (!isVisible()) return then();
    afterPaint_.push_back(std::move(then));
}

void ColorPreviewImageView::paintEvent(QPaintEvent*) {
    ++paintCount_;
    if (!afterPaint_.empty())
        // Queued: they run once this paint has been flushed to the window.
        QMetaObject::invokeMethod(
            this,
            [calls = std::exchange(afterPaint_, {})] {
                for (const auto& call : calls) call();
            },
            Qt::QueuedConnection);
    if (shown_.isNull()) return;
    QPainter painter(this);
    const QSizeF size = shown_.deviceIndependentSize();
    const QPointF origin((width() - size.width()) / 2, (height() - size.height()) / 2);
    painter.drawPixmap(origin, shown_);
}

void ColorPreviewImageView::resizeEvent(QResizeEvent*) {
    if (displayPixelSize() == shownFor_) return;
    rebuildShown({});
    if (image_) emit displaySizeChanged(shownFor_);
}

std::optional<std::filesystem::path> ColorPreviewImageView::acceptableDrop(const QMimeData* mime) const {
    if (mime == nullptr) return std::nullopt;
    const QList<QUrl> urls = mime->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) return std::nullopt;
    const QString file = urls.front().toLocalFile();
    if (!fileTypes.contains(QFileInfo(file).suffix().toLower())) return std::nullopt;
    return std::filesystem::path(file.toStdU16String());
}

void ColorPreviewImageView::dragEnterEvent(QDragEnterEvent* event) {
    fileTypeIsOk = acceptableDrop(event->mimeData()).has_value();
    if (fileTypeIsOk) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ColorPreviewImageView::dragMoveEvent(QDragMoveEvent* event) {
    if (fileTypeIsOk) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ColorPreviewImageView::dropEvent(QDropEvent* event) {
    const auto file = acceptableDrop(event->mimeData());
    if (!file) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // A file that gives no image changes nothing after an alert that says
    // why.
    auto picture = readPreviewImage(*file);
    if (!picture) return;
    droppedFilePath = file;
    droppedCIImage = *picture;
    setImage(std::move(*picture));
    platform::NotificationCenter::defaultCenter().post(didDragImageNotification(), this);
}

} // namespace appui
