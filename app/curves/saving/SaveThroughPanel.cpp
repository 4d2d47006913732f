#include "app/curves/saving/SaveThroughPanel.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <system_error>

#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

namespace {

// The extensions the exports write. What follows the last dot of a name is
// often part of the name the user gave ("Gloss 2.5 warm", "print.v1.2");
// only one of these says which kind of file was meant.
constexpr std::array<std::string_view, 3> exportExtensions{"quad", "acv", "cube"};

// Whether the name ends in "." and the extension (in lower case), the name
// compared without case.
bool endsInExtension(std::string_view name, std::string_view extension) {
    if (name.size() <= extension.size() || name[name.size() - extension.size() - 1] != '.') return false;
    const auto tail = name.substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(),
                      [](char c, char e) { return (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) == e; });
}

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
    // Without a name there is nothing to extend: the write says so.
    if (fileType.empty() || !chosen.has_filename()) return chosen;
    const std::string name = chosen.filename().string();
    if (endsInExtension(name, fileType)) return chosen;
    auto file = chosen;
    for (const auto extension : exportExtensions)
        if (endsInExtension(name, extension)) {
            file.replace_filename(name.substr(0, name.size() - extension.size()) + fileType);
            return file;
        }
    file.replace_filename(name + "." + fileType);
    return file;
}

void showSaveErrorAlert(const std::string& errorDescription) {
    platform::printToStandardOutput(errorDescription);
    platform::showAlert({platform::AlertStyle::critical, "Error Saving Quad File", errorDescription});
}

} // namespace curves
