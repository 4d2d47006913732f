#pragma once
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/curves/quad/QuadText.h"

namespace curves {

// Real .quad files are 5 to 20 kB (10 channels of 256 short lines and a few
// notes); larger files are refused rather than read and split into lines.
inline constexpr std::size_t maximumQuadFileBytes = std::size_t{1} << 20;

// One .quad curve file in memory: the header line, the notes, the channel
// name lines and one curve of 256 quad values (0 to 65535) per ink. The text
// itself (its lines, header ink counts, channel lines, value text) is read
// and written by quadtext (QuadText.h); this class adds panels and alerts.
class QuadDataFile {
public:
    using Curves = quadtext::Curves;

    std::vector<std::string> rawQuadData;
    std::string quadHeaders;
    std::optional<std::string> quadNotes = std::string();
    std::optional<Curves> inputQuadCurveArray = Curves();
    std::optional<Curves> outputQuadCurveArray;
    int numInks = 0;
    // Here for callers that keep the flag with the file; no operation sets it
    // (load answers whether the text parsed), so it stays false.
    bool isQuad = false;
    std::string fileName;
    // Where it was read from: a load that fails takes it off Open Recent.
    std::filesystem::path filePath;
    std::vector<std::string> inkList;
    std::string printerInfo;

    // Open panel "Choose a quad file"; the file is read but not parsed (the
    // caller calls `load`). Nothing when cancelled or unreadable.
    static std::shared_ptr<QuadDataFile> chooseQuadFile();
    // The same for a dropped file. Nothing, after an alert that says why,
    // when the file cannot be read: missing, not a regular file (a folder, a
    // named pipe), or larger than maximumQuadFileBytes. Text that is not
    // UTF-8 is decoded by decodeText (TextDecoding.h).
    static std::shared_ptr<QuadDataFile> openQuadFile(const std::filesystem::path& file);

    // Parses the lines (quadtext::parse). A header that is not one of the
    // eight known ones ("false" is printed), notes without a channel line, a
    // channel of more or fewer than 256 values, a value line that is no
    // number from 0 to 65535 (named with its line), text after the last
    // channel, or text that ends before every channel is complete fail with
    // an alert that says why and leave this object as it was. Blanks after
    // the header and channel lines are ignored.
    bool load(const std::vector<std::string>& lines);

    bool isKnownHeader() const;
    int inkCount() const;

    // The .quad text of the curves with this file's header, notes and ink
    // names; lines joined by line feeds, none after the last value. The ink
    // list is printed.
    std::string quadText(const Curves& curves) const;
    // The blending screen's save: the text with the maker line, offered in a
    // save panel. Nothing happens without ink names.
    void saveQuadFile(const Curves& curves) const;
    // The linearization export's save panel for finished text.
    static void saveQuadText(std::string text);
};

} // namespace curves
