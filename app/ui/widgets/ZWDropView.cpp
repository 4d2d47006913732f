#include "app/ui/widgets/ZWDropView.h"

#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

namespace appui {

ZWDropView::ZWDropView(QWidget* parent) : QWidget(parent) { setAcceptDrops(true); }

std::vector<std::filesystem::path> ZWDropView::draggedFiles(const QMimeData* data) {
    std::vector<std::filesystem::path> files;
    if (data == nullptr) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) return {};
        files.emplace_back(url.toLocalFile().toStdString());
    }
    return files;
}

bool ZWDropView::acceptsFiles(const std::vector<std::filesystem::path>& files) const {
    if (files.empty()) return false;
    for (const auto& file : files) {
        const QString extension = QFileInfo(QString::fromStdString(file.string())).suffix().toLower();
        if (!acceptedFileExtensions.contains(extension)) return false;
    }
    return true;
}

void ZWDropView::dragEnterEvent(QDragEnterEvent* event) {
    highlight = true;
    fileTypeIsOk = acceptsFiles(draggedFiles(event->mimeData()));
    update();
    // Taken so that the moves follow; each move then says whether a drop
    // would be accepted.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
}

void ZWDropView::dragMoveEvent(QDragMoveEvent* event) {
    if (fileTypeIsOk) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void ZWDropView::dragLeaveEvent(QDragLeaveEvent*) {
    highlight = false;
    update();
}

void ZWDropView::dropEvent(QDropEvent* event) {
    highlight = false;
    update();
    const auto files = draggedFiles(event->mimeData());
    if (files.empty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    if (!fileTypeIsOk || delegate == nullptr) return;
    if (files.size() == 1)
        delegate->handleDroppedFile(files.front());
    else
        delegate->handleDroppedFiles(files);
}

void ZWDropView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    // A translucent shade while a drag hovers over the view.
    if (highlight) painter.fillRect(event->rect(), QColor::fromRgbF(0, 0, 0, 0.25));
}

} // namespace appui
