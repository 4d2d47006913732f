#include "app/curves/SaveThroughPanel.h"

#include <filesystem>

#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

void saveThroughPanel(const std::string& fileType, std::string contents) {
    platform::SavePanelOptions options;
    options.allowedFileTypes = {fileType};
    options.canCreateDirectories = true;
    platform::beginSavePanel(options, [contents = std::move(contents)](const std::filesystem::path& file) {
        if (const auto result = platform::writeFileAtomically(file, contents); !result)
            showSaveErrorAlert(result.errorDescription);
    });
}

void showSaveErrorAlert(const std::string& errorDescription) {
    platform::printToStandardOutput(errorDescription);
    platform::showAlert({platform::AlertStyle::critical, "Error Saving Quad File", errorDescription});
}

} // namespace curves
