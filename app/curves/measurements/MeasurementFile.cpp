#include "app/curves/measurements/MeasurementFile.h"

#include "app/curves/core/FieldSplitting.h"
#include "app/curves/core/RegularExpressionChecks.h"
#include "app/curves/core/TextDecoding.h"
#include "platform/FatalError.h"
#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/Services.h"

namespace curves {

namespace {

std::string withoutSpaces(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != ' ') result.push_back(c);
    return result;
}

constexpr std::size_t recognitionLength = 4096;

} // namespace

namespace {
MeasurementLoad* currentLoad = nullptr;
}

MeasurementLoad::MeasurementLoad() : outer_(currentLoad) { currentLoad = this; }
MeasurementLoad::~MeasurementLoad() { currentLoad = outer_; }

void showMeasurementLoadError() {
    std::string reason = currentLoad ? currentLoad->loggedText() : std::string();
    if (!reason.empty() && reason.back() == '\n') reason.pop_back();
    platform::showAlert(platform::AlertContent{
        platform::AlertStyle::warning, "Failed to Load Measurement Data",
        "Please check the measurement data format and load data again.\n\n"
        "If this problem continues send the measurement data file using the send feedback form in the help menu.",
        std::move(reason)});
}

std::shared_ptr<MeasurementFile> measurementFileFromBytes(std::string_view bytes, const std::filesystem::path& file) {
    // Text that is not UTF-8 comes from older programs (Latin-1) or from
    // editors that save UTF-16; it is read in its own encoding, byte-order
    // mark dropped, rather than refused.
    const auto decoded = decodeText(bytes);
    if (decoded.encoding != TextEncoding::utf8)
        platform::devLog(file.filename().string() + " is not UTF-8; read as " +
                         std::string(encodingName(decoded.encoding)));

    auto measurementFile = std::make_shared<MeasurementFile>();
    const std::string extension = platform::lowercasedExtension(file);
    measurementFile->isCSV = extension == "csv";
    // The lines keep their spaces: the readers split fields at runs of spaces,
    // so padded columns and mixed separators read as separate numbers.
    measurementFile->measurementData = splitMeasurementLines(decoded.text);
    measurementFile->filename = file.filename().string();
    measurementFile->path = file;
    return measurementFile;
}

std::shared_ptr<MeasurementFile> loadMeasurementFile(const std::filesystem::path& file) {
    const MeasurementLoad load;
    std::string bytes;
    if (const auto result = platform::readWholeFile(file, bytes, maximumMeasurementFileBytes); !result) {
        // The alert keeps its one text; the developer's log says why.
        platform::devLog(result.errorDescription);
        showMeasurementLoadError();
        platform::forgetRecentDocument(file);
        return nullptr;
    }
    auto measurementFile = measurementFileFromBytes(bytes, file);
    if (measurementFile)
        platform::noteNewRecentDocument(file);
    else
        platform::forgetRecentDocument(file);
    return measurementFile;
}

std::shared_ptr<MeasurementFile> chooseMeasurementFile() {
    platform::OpenPanelOptions options;
    options.title = "Choose a measurement file";
    options.allowedFileTypes = {"txt", "csv", "ti3"};
    options.showsResizeIndicator = true;
    options.showsHiddenFiles = false;
    options.canChooseDirectories = false;
    options.canChooseFiles = true;
    options.allowsMultipleSelection = false;
    const auto chosen = platform::runOpenPanel(options);
    if (!chosen) return nullptr;
    return loadMeasurementFile(*chosen);
}

namespace {

struct KindName {
    MeasurementKind kind;
    std::string_view text;
};

constexpr KindName kindNames[] = {
    {MeasurementKind::cgats, "CGATS"},
    {MeasurementKind::spyderPrintCgats, "SpyderPrintCGATS"},
    {MeasurementKind::ti3, "TI3"},
    {MeasurementKind::dataTool, "dataTool"},
    {MeasurementKind::colorMunki, "ColorMunki File"},
    {MeasurementKind::qtrLinearizeData, "QTR-Linearize-Data-out file"},
    {MeasurementKind::qtrCreateICC, "QTR-Create-ICC File"},
    {MeasurementKind::spyderPrint, "SpyderPrint File"},
    {MeasurementKind::miscWithHeader, "miscWithHeader"},
    {MeasurementKind::stepWedgeTool, "StepWedgeTool File"},
    {MeasurementKind::tsmCIELab, "TSMCIELab"},
    {MeasurementKind::density, "Density File"},
    {MeasurementKind::unrecognised, "Could not load file"},
};

} // namespace

std::string_view kindText(MeasurementKind kind) {
    for (const auto& name : kindNames)
        if (name.kind == kind) return name.text;
    platform::fatalError("kindText: a measurement kind without a kind string");
}

std::optional<MeasurementKind> measurementKindOfText(std::string_view text) {
    for (const auto& name : kindNames)
        if (name.text == text) return name.kind;
    return std::nullopt;
}

MeasurementKind MeasurementFile::detectKind() const {
    namespace rx = RegularExpressionChecks;
    std::string firstLine;
    if (measurementData && !measurementData->empty()) firstLine = measurementData->front();
    // Recognition sees the first line without spaces (except in .ti3 files),
    // as the formats' first lines have always been matched.
    if (platform::lowercasedExtension(filename.value_or("")) != "ti3") firstLine = withoutSpaces(firstLine);
    // Every format's first line is short; looking further into a huge one
    // would only cost time.
    if (firstLine.size() > recognitionLength) firstLine.resize(recognitionLength);

    struct Rule {
        const std::regex& (*pattern)();
        MeasurementKind kind;
    };
    static const Rule rules[] = {
        {rx::cgats, MeasurementKind::cgats},
        {rx::lgoRowLength, MeasurementKind::cgats},
        {rx::beginDataFormat, MeasurementKind::spyderPrintCgats},
        {rx::cti3, MeasurementKind::ti3},
        {rx::gray, MeasurementKind::dataTool},
        {rx::name, MeasurementKind::colorMunki},
        {rx::qtrLinearizeData, MeasurementKind::qtrLinearizeData},
        {rx::qtrCreateICC, MeasurementKind::qtrCreateICC},
        {rx::spyderPrintNumeric, MeasurementKind::spyderPrint},
        {rx::lStarHeader, MeasurementKind::miscWithHeader},
        {rx::patch, MeasurementKind::stepWedgeTool},
        {rx::tintsmith, MeasurementKind::tsmCIELab},
        {rx::density, MeasurementKind::density},
    };
    for (const auto& rule : rules)
        if (rx::finds(rule.pattern(), firstLine)) return rule.kind;
    platform::devLog(filename.value_or("The measurement file") +
                     (firstLine.empty()
                          ? " is empty: its first line holds nothing to recognise."
                          : " is of no kind this program reads: its first line is not one it recognises."));
    showMeasurementLoadError();
    return MeasurementKind::unrecognised;
}

std::string MeasurementFile::detectFileType() const { return std::string(kindText(detectKind())); }

} // namespace curves
