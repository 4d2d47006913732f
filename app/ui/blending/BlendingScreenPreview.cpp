// The blending screen's toned preview: the image it tones, from the open
// panel, Open Recent or a drop, and the background render of every refresh.
#include "app/ui/blending/v2InkModelBlendingViewController.h"

#include <QImageReader>

#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/widgets/RecentDocumentRouter.h"
#include "platform/Services.h"

namespace appui {

void v2InkModelBlendingViewController::renderBlendPreview() { previewPane_->render(); }

void v2InkModelBlendingViewController::showOpenedImage(QImage picture) {
    imageSize = picture.size();
    previewPane_->showOpened(std::move(picture));
}

void v2InkModelBlendingViewController::loadImagePressed() {
    // A cancelled panel or a file that gives no image changes nothing.
    auto chosen = openImageFile();
    if (!chosen) return;
    showOpenedImage(std::move(chosen->image));
}

bool v2InkModelBlendingViewController::openPreviewImage(const std::filesystem::path& file) {
    auto picture = readNotedPreviewImage(file);
    if (!picture) return false;
    showOpenedImage(std::move(*picture));
    return true;
}

void v2InkModelBlendingViewController::updateFromDraggedImage(const platform::Notification& notification) {
    // Only drops on this screen's own image view: another view's drop says
    // nothing about the picture shown here.
    const auto* sender = std::any_cast<ColorPreviewImageView*>(&notification.object);
    if (sender == nullptr || *sender != mainImageView) return;
    const std::optional<QImage> dropped = mainImageView->droppedCIImage;
    imageSize = mainImageView->hasImage() ? std::optional<QSize>(mainImageView->image()->size()) : std::nullopt;
    inkBlendPreviewFilter->inputImage = dropped;
    renderBlendPreview();
}

void v2InkModelBlendingViewController::registerRecentDocumentKinds(RecentDocumentRouter& router) {
    // The open panel offers its own types, but takes any picture typed into
    // it that the image reader decodes (a .png, say), and notes it in Open
    // Recent: every such kind reopens here.
    QStringList kinds;
    for (const auto& type : previewImageFileTypes()) kinds << QString::fromStdString(type);
    for (const QByteArray& format : QImageReader::supportedImageFormats()) kinds << QString::fromLatin1(format);
    router.registerScreen(this, kinds, [this](const std::filesystem::path& file) { openPreviewImage(file); });
}

} // namespace appui
