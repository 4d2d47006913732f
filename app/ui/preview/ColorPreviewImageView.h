#pragma once
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace appui {

// "DidDragImage": posted by a ColorPreviewImageView, with itself as the
// object, when an image file has been dropped on it.
const std::string& didDragImageNotification();

// The preview's image view: shows an image scaled down to fit (never up),
// centred, keeping its proportions, and takes a single image file dropped on
// it. In place of the picture it can show a toned copy made at the size it
// shows (showToned): the picture stays what the view holds, and the copy is
// replaced by the next one its owner makes, for instance after a resize.
class ColorPreviewImageView : public QWidget {
    Q_OBJECT
public:
    explicit ColorPreviewImageView(QWidget* parent = nullptr);

    // Lower-case extensions a dropped file may have.
    QStringList fileTypes{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("bmp"), QStringLiteral("png"),
                          QStringLiteral("gif"), QStringLiteral("tif"),  QStringLiteral("tiff")};
    bool fileTypeIsOk = false;
    std::optional<std::filesystem::path> droppedFilePath;
    // The image of the last dropped file, which the preview renders after a drop.
    std::optional<QImage> droppedCIImage;

    // The picture held; none at first.
    const std::optional<QImage>& image() const { return image_; }
    bool hasImage() const { return image_.has_value(); }
    // Shows the picture; `displayCopy`, when given, is the picture already
    // scaled for the view (made off the GUI thread) and saves scaling it here.
    void setImage(QImage picture, const QImage& displayCopy = {});
    // Shows the picture toned from the start: `display` is its toned copy
    // made for the view's size (as showToned takes), so the grey picture is
    // never painted. A null `display` shows the picture as setImage does.
    void setTonedImage(QImage picture, QImage display);
    // Shows `display`, a toned copy of the picture made for the view's size,
    // in its place; reduced further should the view have shrunk since. Nothing
    // without a picture.
    void showToned(QImage display);
    bool showsToned() const { return toned_.has_value(); }
    // What is on screen, in device pixels: the fitted picture or the toned copy.
    QImage shownImage() const { return shown_.toImage(); }
    // Calls `then` once the view has painted what it holds now, after that
    // paint has reached the window (a queued call); at once when the view is
    // not visible, as it would not paint.
    void whenPainted(std::function<void()> then);
    // Paints of the view so far, for measurements of what a change repaints.
    int paintCount() const { return paintCount_; }

    // The size, in device pixels, the view shows a picture at.
    QSize displayPixelSize() const;
    // The picture scaled down to fit `bounds`, proportions kept; the picture
    // itself when it fits (PreviewReduction.h).
    static QImage fittedCopy(const QImage& picture, QSize bounds);

signals:
    // The size the view shows a picture at has changed: a toned copy made for
    // the old size is to be made again.
    void displaySizeChanged(QSize devicePixels);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::optional<std::filesystem::path> acceptableDrop(const QMimeData* mime) const;
    void rebuildShown(const QImage& displayCopy);

    std::optional<QImage> image_;
    std::optional<QImage> toned_;
    QPixmap shown_;
    QSize shownFor_;
    int paintCount_ = 0;
    std::vector<std::function<void()>> afterPaint_;
};

} // namespace appui
