#include "app/ui/preview/PreviewImageFile.h"

#include <QFile>
#include <QImageReader>
#include <QString>

#include "platform/FileIO.h"
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

// What a file that gave no picture is, in the words of the refusal: one that
// is not there, a JPEG or TIFF (by its first bytes) the decoder does not
// take, or no such picture at all.
const QString notAPicture = QStringLiteral("“%1” could not be read as a picture.");

QString whyNoPicture(const std::filesystem::path& file) {
    std::error_code ignored;
    if (std::filesystem::status(file, ignored).type() == std::filesystem::file_type::not_found)
        return QStringLiteral("“%1” could not be found.");
    return notAPicture;
}

QString whyNotDecoded(const QByteArray& head) {
    const auto starts = [&head](const char* signature, qsizetype size) {
        return head.startsWith(QByteArray::fromRawData(signature, size));
    };
    if (starts("II*\0", 4) || starts("MM\0*", 4) || starts("II+\0", 4) || starts("MM\0+", 4))
        return QStringLiteral("“%1” is a TIFF picture of a kind this program cannot decode.");
    if (starts("\xFF\xD8\xFF", 3))
        return QStringLiteral("“%1” is a JPEG picture of a kind this program cannot decode.");
    return notAPicture;
}

void refuseUnreadable(const std::filesystem::path& file, const QString& why, const std::string& reason) {
    platform::devLog("Cannot preview " + file.string() + ": " + reason);
    const QString text =
        (why + QStringLiteral(" The preview shows the picture it showed before.")).arg(qtPath(file.filename()));
    platform::showAlert({platform::AlertStyle::warning, "The image could not be read", text.toStdString(), reason});
}

} // namespace

const std::vector<std::string>& previewImageFileTypes() {
    static const std::vector<std::string> types{"jpg", "jpeg", "tif", "tiff"};
    return types;
}

std::optional<QImage> readPreviewImage(const std::filesystem::path& file) {
    // Opened as measurement and .quad files are: only a regular file, of a
    // size a picture the preview takes can have, before any decoding. The
    // image reader itself would wait for ever on a named pipe. The decoder
    // then reads the open file in parts: read whole first, a large picture
    // would be copied once more, into fresh memory, which takes about as
    // long as decoding it.
    platform::ReadableFile opened;
    if (const auto result = platform::openRegularFile(file, opened, maximumPreviewFileBytes); !result) {
        refuseUnreadable(file, whyNoPicture(file), result.errorDescription);
        return std::nullopt;
    }
    QFile device;
    if (!device.open(opened.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        refuseUnreadable(file, whyNoPicture(file), device.errorString().toStdString());
        return std::nullopt;
    }
    // The first bytes say what the file claims to be, for the refusal.
    const QByteArray head = device.peek(4);
    QImageReader reader(&device);
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
        refuseUnreadable(file, whyNotDecoded(head), reader.errorString().toStdString());
        return std::nullopt;
    }
    if (pixelCount(image.size()) > maximumPreviewPixels) {
        refuseTooLarge(file, image.size());
        return std::nullopt;
    }
    return image;
}

std::optional<QImage> readNotedPreviewImage(const std::filesystem::path& file) {
    auto image = readPreviewImage(file);
    // Open Recent lists only pictures that open.
    if (image)
        platform::noteNewRecentDocument(file);
    else
        platform::forgetRecentDocument(file);
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
    auto image = readNotedPreviewImage(*file);
    if (!image) return std::nullopt;
    return ChosenImage{*file, std::move(*image)};
}

} // namespace appui
