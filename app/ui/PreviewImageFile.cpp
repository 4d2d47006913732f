#include "app/ui/PreviewImageFile.h"

#include <QImageReader>
#include <QString>

#include "platform/Log.h"
#include "platform/Services.h"

namespace appui {

namespace {

QString qtPath(const std::filesystem::path& file) { return QString::fromStdU16String(file.u16string()); }

long long pixelCount(QSize size) { return static_cast<long long>(size.width()) * size.height(); }

void refuseTooLarge(const std::filesystem::path& file, QSize size) {
    const QString text = QStringLiteral("“%1” is %2 × %3 pixels (%4 megapixels); the preview takes images of up to "
                                        "%5 megapixels.")
                             .arg(qtPath(file.filename()))
                             .arg(size.width())
                             .arg(size.height())
                             .arg(pixelCount(size) / 1'000'000)
                             .arg(maximumPreviewPixels / 1'000'000);
    platform::showAlert({platform::AlertStyle::warning, "The image is too large to preview", text.toStdString()});
}

} // namespace

const std::vector<std::string>& previewImageFileTypes() {
    static const std::vector<std::string> types{"jpg", "jpeg", "tif", "tiff"};
    return types;
}

std::optional<QImage> readPreviewImage(const std::filesystem::path& file) {
    QImageReader reader(qtPath(file));
    reader.setAutoTransform(true);
    const QSize declared = reader.size();
    if (declared.isValid() && pixelCount(declared) > maximumPreviewPixels) {
        refuseTooLarge(file, declared);
        return std::nullopt;
    }
    // The reader's own limit (256 MB) would refuse large 16-bit or colour
    // images that fit; the pixel limit above is the one that counts, and
    // this keeps a file that hides its size from allocating beyond it.
    reader.setAllocationLimit(static_cast<int>(maximumPreviewPixels * 8 / (1024 * 1024)));
    QImage image = reader.read();
    if (image.isNull()) {
        platform::devLog("Cannot preview " + file.string() + ": " + reader.errorString().toStdString());
        return std::nullopt;
    }
    if (pixelCount(image.size()) > maximumPreviewPixels) {
        refuseTooLarge(file, image.size());
        return std::nullopt;
    }
    return image;
}

std::optional<ChosenImage> openImageFile() {
    platform::OpenPanelOptions options;
    options.title = "Open an image file";
    options.allowedFileTypes = previewImageFileTypes();
    options.showsResizeIndicator = true;
    options.showsHiddenFiles = false;
    options.canChooseDirectories = true;
    options.canCreateDirectories = true;
    options.allowsMultipleSelection = false;
    const auto file = platform::runOpenPanel(options);
    if (!file) return std::nullopt;
    platform::noteNewRecentDocument(*file);
    auto image = readPreviewImage(*file);
    if (!image) return std::nullopt;
    return ChosenImage{*file, std::move(*image)};
}

} // namespace appui
