#pragma once
#include <QImage>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace appui {

// Images over this many pixels are refused before they are decoded: the
// picture and its toned copy would not fit in memory.
inline constexpr long long maximumPreviewPixels = 500'000'000;
// Files over this many bytes are refused before they are read: no picture of
// maximumPreviewPixels, 16-bit colour and uncompressed, is larger.
inline constexpr std::size_t maximumPreviewFileBytes = std::size_t{maximumPreviewPixels} * 8;

// The extensions the open panel "Open an image file" offers.
const std::vector<std::string>& previewImageFileTypes();

// An image file decoded for the preview, turned upright by its orientation
// tag. Nothing, after an alert that says why, when the file is no regular
// file (a folder, a named pipe), is larger than maximumPreviewFileBytes,
// cannot be decoded (text, noise, a truncated file) or has more than
// maximumPreviewPixels pixels.
std::optional<QImage> readPreviewImage(const std::filesystem::path& file);
// The same, noting the file in Open Recent when it gives a picture and taking
// it off when it does not.
std::optional<QImage> readNotedPreviewImage(const std::filesystem::path& file);

struct ChosenImage {
    std::filesystem::path file;
    QImage image;
};

// The modal open panel "Open an image file" for jpg, jpeg, tif and tiff. A
// confirmed file is decoded by readNotedPreviewImage; nothing when the user
// cancels or the file gives no image.
std::optional<ChosenImage> openImageFile();

} // namespace appui
