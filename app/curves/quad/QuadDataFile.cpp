#include "app/curves/quad/QuadDataFile.h"

#include <variant>

#include "app/curves/core/PrintedLines.h"
#include "app/curves/core/TextDecoding.h"
#include "app/curves/saving/SaveThroughPanel.h"
#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

namespace {

void showQuadLoadError(const std::string& reason) {
    platform::showAlert({platform::AlertStyle::warning, "Failed to Load Quad File", reason});
}

std::string inkListText(const std::vector<std::string>& names) {
    std::string text = "[";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += ", ";
        text += "\"" + names[i] + "\"";
    }
    return text + "]";
}

// The blending save's notes: the maker line comes first unless the notes
// already begin with one.
std::string withMakerLine(std::string notesBlock) {
    if (notesBlock.rfind("# Silvermark", 0) != 0) return "# Silvermark Tintsmith v2\n" + notesBlock;
    return notesBlock;
}

std::shared_ptr<QuadDataFile> readQuadFile(const std::filesystem::path& file) {
    std::string contents;
    if (const auto result = platform::readWholeFile(file, contents, maximumQuadFileBytes); !result) {
        showQuadLoadError("The file could not be read: " + result.errorDescription);
        platform::forgetRecentDocument(file);
        return nullptr;
    }
    // Text saved as UTF-16 or Latin-1 is read in its own encoding.
    const auto decoded = decodeText(contents);
    if (decoded.encoding != TextEncoding::utf8)
        platform::devLog(file.filename().string() + " is not UTF-8; read as " +
                         std::string(encodingName(decoded.encoding)));
    auto quad = std::make_shared<QuadDataFile>();
    quad->rawQuadData = quadtext::linesFromText(decoded.text);
    quad->fileName = file.filename().string();
    quad->filePath = file;
    platform::noteNewRecentDocument(file);
    return quad;
}

} // namespace

std::shared_ptr<QuadDataFile> QuadDataFile::chooseQuadFile() {
    platform::OpenPanelOptions options;
    options.title = "Choose a quad file";
    options.showsResizeIndicator = true;
    options.showsHiddenFiles = false;
    options.canChooseDirectories = false;
    options.canChooseFiles = true;
    options.allowsMultipleSelection = false;
    options.allowedFileTypes = {"quad"};
    const auto file = platform::runOpenPanel(options);
    if (!file) return nullptr;
    return readQuadFile(*file);
}

std::shared_ptr<QuadDataFile> QuadDataFile::openQuadFile(const std::filesystem::path& file) {
    return readQuadFile(file);
}

bool QuadDataFile::isKnownHeader() const { return inkCount() > 0; }

int QuadDataFile::inkCount() const { return rawQuadData.empty() ? 0 : quadtext::inkCountOfHeader(rawQuadData.front()); }

bool QuadDataFile::load(const std::vector<std::string>& lines) {
    auto parsed = quadtext::parse(lines);
    if (const auto* error = std::get_if<quadtext::ParseError>(&parsed)) {
        // The value of the header test, as the program has always printed it.
        if (error->fault == quadtext::ParseError::Fault::unknownHeader)
            platform::printToStandardOutput(printed::unknownQuadHeader);
        showQuadLoadError(error->reason);
        return false;
    }
    auto& contents = std::get<quadtext::Contents>(parsed);
    numInks = static_cast<int>(contents.curves.size());
    printerInfo = std::move(contents.header);
    quadNotes = std::move(contents.notes);
    inputQuadCurveArray = std::move(contents.curves);
    inkList = std::move(contents.inkList);
    return true;
}

std::string QuadDataFile::quadText(const Curves& curves) const {
    platform::printToStandardOutput(inkListText(inkList));
    return quadtext::write(printerInfo, quadtext::notesBlock(quadNotes), inkList, curves);
}

void QuadDataFile::saveQuadFile(const Curves& curves) const {
    if (inkList.empty()) return;
    platform::printToStandardOutput(inkListText(inkList));
    saveThroughPanel("quad",
                     quadtext::write(printerInfo, withMakerLine(quadtext::notesBlock(quadNotes)), inkList, curves));
}

void QuadDataFile::saveQuadText(std::string text) { saveThroughPanel("quad", std::move(text)); }

} // namespace curves
