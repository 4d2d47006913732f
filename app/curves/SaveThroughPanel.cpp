#include "app/curves/SaveThroughPanel.h"

#include <system_error>

#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

namespace {

void saveThroughPanelSuggesting(const std::string& fileType, std::string contents, std::string suggestedFile) {
    platform::SavePanelOptions options;
    options.allowedFileTypes = {fileType};
    options.canCreateDirectories = true;
    options.suggestedFileName = std::move(suggestedFile);
    platform::beginSavePanel(
        options, [fileType, contents = std::move(contents)](const std::filesystem::path& chosen) mutable {
            // A folder is no name to give an extension: writing over it fails
            // and says so.
            std::error_code error;
            const auto file = std::filesystem::is_directory(chosen, error) ? chosen : fileOfKind(chosen, fileType);
            // The panel confirmed `chosen`, not `file`: it asks again, on the
            // name the file will have, before that file is replaced.
            if (file != chosen && std::filesystem::exists(file, error)) {
                saveThroughPanelSuggesting(fileType, std::move(contents), file.string());
                return;
            }
            if (const auto result = platform::writeFileAtomically(file, contents); !result)
                showSaveErrorAlert(result.errorDescription);
        });
}

} // namespace

void saveThroughPanel(const std::string& fileType, std::string contents) {
    saveThroughPanelSuggesting(fileType, std::move(contents), {});
}

std::filesystem::path fileOfKind(const std::filesystem::path& chosen, const std::string& fileType) {
    if (fileType.empty() || platform::lowercasedExtension(chosen) == fileType) return chosen;
    auto file = chosen;
    file.replace_extension(fileType);
    return file;
}

void showSaveErrorAlert(const std::string& errorDescription) {
    platform::printToStandardOutput(errorDescription);
    platform::showAlert({platform::AlertStyle::critical, "Error Saving Quad File", errorDescription});
}

} // namespace curves
