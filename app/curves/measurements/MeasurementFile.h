#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Log.h"

namespace curves {

// The kinds of measurement file recognition tells apart. Each has its kind
// string as text ("CGATS", "TI3", ...); `unrecognised` is the answer for text
// of no known kind.
enum class MeasurementKind {
    cgats,
    spyderPrintCgats,
    ti3,
    dataTool,
    colorMunki,
    qtrLinearizeData,
    qtrCreateICC,
    spyderPrint,
    miscWithHeader,
    stepWedgeTool,
    tsmCIELab,
    density,
    unrecognised,
};

// The kind string of a kind.
std::string_view kindText(MeasurementKind kind);
// The kind a kind string names; nothing for text that names none.
std::optional<MeasurementKind> measurementKindOfText(std::string_view text);

// A measurement file as read: its name and its lines. Made by
// chooseMeasurementFile or loadMeasurementFile and handed to the
// linearization model, which asks detectKind for its kind and builds the
// matching reader (makeMeasurementReader, MeasurementReaderFactory.h).
class MeasurementFile {
public:
    std::optional<std::string> filename;
    // Where it was read from: a load that fails takes it off Open Recent.
    std::filesystem::path path;
    std::optional<std::vector<std::string>> measurementData = std::vector<std::string>{};
    bool isCSV = false;

    // The kind of the first line (see the table in the .cpp), matched
    // without its spaces except in ".ti3" files, within its first 4096
    // characters. When no pattern matches, the load-failure alert is shown
    // and the answer is `unrecognised`.
    MeasurementKind detectKind() const;
    // The same as its kind string.
    std::string detectFileType() const;
};

// Measurement files are small (a 256-step wedge measured five times, with
// spectral columns, stays under 1 MB); larger files are refused with the
// alert rather than read and split into fields in memory.
inline constexpr std::size_t maximumMeasurementFileBytes = std::size_t{4} << 20;

// Runs the open panel "Choose a measurement file" (txt, csv, ti3) and reads
// the chosen file. Nothing when the user cancels; nothing, after the
// load-failure alert, when the file cannot be read (the reason goes to the
// developer's log).
std::shared_ptr<MeasurementFile> chooseMeasurementFile();

// The same reading for a file dropped on the linearization screen.
std::shared_ptr<MeasurementFile> loadMeasurementFile(const std::filesystem::path& file);

// The reading of file contents already in memory, named by `file` (its
// extension decides the clean-up). The bytes are decoded by decodeText
// (TextDecoding.h): UTF-8, UTF-16 with its byte-order mark, else Latin-1.
// Does not touch the Open Recent list.
std::shared_ptr<MeasurementFile> measurementFileFromBytes(std::string_view bytes, const std::filesystem::path& file);

// The modal warning "Failed to Load Measurement Data". Within a
// MeasurementLoad, what the developer's log was told during it is the
// alert's detailed text: the reason the file was refused.
void showMeasurementLoadError();

// The span of one measurement load (reading the file, or the model taking
// it). Loads nest; the alert shows the innermost one's lines.
class MeasurementLoad {
public:
    MeasurementLoad();
    ~MeasurementLoad();
    MeasurementLoad(const MeasurementLoad&) = delete;
    MeasurementLoad& operator=(const MeasurementLoad&) = delete;

    const std::string& loggedText() const { return gathering_.text(); }

private:
    platform::DevLogGathering gathering_;
    MeasurementLoad* outer_;
};

} // namespace curves
