#pragma once
#include <QImage>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace appui {

// Images over this many pixels are refused before they are decoded: the
// picture and its toned copy would not fit in memory.
inline constexpr long long maximumPreviewPixels = 500'000'000;

// The extensions the open panel "Open an image file" offers.
const std::vector<std::string>& previewImageFileTypes();

// An image file decoded for the preview, turned upright by its orientation
// tag. Nothing when the file cannot be decoded (the reason goes to the
// developer's log) or when it has more than maximumPreviewPixels pixels (an
// alert tells the user so).
std::optional<QImage> readPreviewImage(const std::filesystem::path& file);

struct ChosenImage {
    std::filesystem::path file;
    QImage image;
};

// The modal open panel "Open an image file" for jpg, jpeg, tif and tiff. A
// confirmed file is noted in Open Recent and decoded by readPreviewImage;
// nothing when the user cancels or the file gives no image.
std::optional<ChosenImage> openImageFile();

} // namespace appui
