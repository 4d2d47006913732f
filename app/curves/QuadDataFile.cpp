#include "app/curves/QuadDataFile.h"

#include <array>
#include <cmath>

#include "app/curves/SaveErrorAlert.h"
#include "app/curves/TextDecoding.h"
#include "platform/FileIO.h"
#include "platform/Log.h"
#include "platform/NumberText.h"
#include "platform/Services.h"

namespace curves {

namespace {

struct KnownHeader {
    std::string_view line;
    int inks;
};

constexpr std::array<KnownHeader, 8> knownHeaders{{
    {"## QuadToneRIP K,C,M,Y", 4},
    {"## QuadToneRIP K,C,M,Y,LC,LM", 6},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK", 7},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK", 8},
    {"## QuadToneRIP MK,C,M,Y,R,B,PK,GL", 8},
    {"## QuadToneRIP MK,C,M,Y,R,OR,PK,GL", 8},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR", 10},
    {"## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK", 10},
}};

constexpr std::array<std::string_view, 8> channelMarkers{"# K Curve", "K Curve",    "MK Curve",   "# K curve",
                                                         "# K CURVE", "# MK Curve", "# MK curve", "# MK CURVE"};

constexpr std::size_t valuesPerChannel = 256;

void showQuadLoadError(const std::string& reason) {
    platform::showAlert({platform::AlertStyle::warning, "Failed to Load Quad File", reason});
}

std::string removingCommentPrefix(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "# ") == 0) {
            i += 2;
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

std::string replacingLineFeeds(std::string_view text, std::string_view replacement) {
    std::string result;
    for (const char c : text) {
        if (c == '\n')
            result += replacement;
        else
            result += c;
    }
    return result;
}

std::string inkListText(const std::vector<std::string>& names) {
    std::string text = "[";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += ", ";
        text += "\"" + names[i] + "\"";
    }
    return text + "]";
}

std::shared_ptr<QuadDataFile> readQuadFile(const std::filesystem::path& file) {
    std::string contents;
    if (const auto result = platform::readWholeFile(file, contents); !result) {
        showQuadLoadError("The file could not be read: " + result.errorDescription);
        return nullptr;
    }
    if (!isValidUtf8(contents)) {
        showQuadLoadError("The file is not UTF-8 text.");
        return nullptr;
    }
    auto quad = std::make_shared<QuadDataFile>();
    quad->rawQuadData = QuadDataFile::linesFromText(contents);
    quad->fileName = file.filename().string();
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

std::vector<std::string> QuadDataFile::linesFromText(std::string_view text) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\r') continue;
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

int QuadDataFile::inkCountOfHeader(std::string_view headerLine) {
    for (const auto& header : knownHeaders)
        if (header.line == headerLine) return header.inks;
    return 0;
}

bool QuadDataFile::isKnownHeader() const { return !rawQuadData.empty() && inkCountOfHeader(rawQuadData.front()) > 0; }

int QuadDataFile::inkCount() const { return rawQuadData.empty() ? 0 : inkCountOfHeader(rawQuadData.front()); }

bool QuadDataFile::isChannelMarker(std::string_view line) {
    for (const auto marker : channelMarkers)
        if (marker == line) return true;
    return false;
}

bool QuadDataFile::load(const std::vector<std::string>& lines) {
    // The header test is made on the lines being parsed (callers pass
    // rawQuadData, so this is the same line).
    const int inks = lines.empty() ? 0 : inkCountOfHeader(lines.front());
    if (inks == 0) {
        platform::printToStandardOutput("false");
        showQuadLoadError("The first line is not a known .quad header line.");
        return false;
    }
    // Parsed on a scratch object so that a failure keeps everything loaded
    // before.
    QuadDataFile parsed;
    parsed.quadCurveCopy.assign(lines.begin(), lines.end());
    parsed.numInks = inks;
    const auto header = parsed.readNotes();
    if (!header) {
        showQuadLoadError("No channel line follows the notes.");
        return false;
    }
    const auto curves = parsed.readChannels();
    if (!curves) {
        showQuadLoadError("The file ends before all " + std::to_string(inks) + " channels are complete.");
        return false;
    }
    quadCurveCopy = std::move(parsed.quadCurveCopy);
    numInks = inks;
    printerInfo = *header;
    quadNotes = parsed.quadNotes;
    inputQuadCurveArray = *curves;
    inkList = std::move(parsed.inkList);
    return true;
}

std::optional<std::string> QuadDataFile::readNotes() {
    if (quadCurveCopy.empty()) return std::nullopt;
    std::vector<std::string> taken;
    while (!quadCurveCopy.empty() && (taken.empty() || !isChannelMarker(quadCurveCopy.front()))) {
        taken.push_back(std::move(quadCurveCopy.front()));
        quadCurveCopy.pop_front();
    }
    if (quadCurveCopy.empty()) return std::nullopt;
    std::string notes;
    for (std::size_t i = 1; i < taken.size(); ++i) {
        if (i > 1) notes += '\n';
        notes += taken[i];
    }
    quadNotes = removingCommentPrefix(notes);
    return taken.front();
}

std::optional<std::vector<double>> QuadDataFile::readChannel() {
    if (quadCurveCopy.size() < valuesPerChannel + 1) return std::nullopt;
    inkList.push_back(std::move(quadCurveCopy.front()));
    quadCurveCopy.pop_front();
    std::vector<double> curve;
    curve.reserve(valuesPerChannel);
    for (std::size_t i = 0; i < valuesPerChannel; ++i) {
        curve.push_back(platform::parseFiniteDouble(quadCurveCopy.front()).value_or(0.0));
        quadCurveCopy.pop_front();
    }
    return curve;
}

std::optional<QuadDataFile::Curves> QuadDataFile::readChannels() {
    Curves curves;
    for (int i = 0; i < numInks; ++i) {
        auto curve = readChannel();
        if (!curve) return std::nullopt;
        curves.push_back(std::move(*curve));
    }
    return curves;
}

std::string QuadDataFile::quadValueText(double value) {
    if (std::isnan(value) || value <= 0) return "0";
    if (value >= 65535) return "65535";
    return std::to_string(static_cast<long>(std::trunc(value)));
}

std::string QuadDataFile::notesBlock() const {
    if (!quadNotes) return "# Silvermark Tintsmith-DN v2.4";
    return "# " + replacingLineFeeds(*quadNotes, "\n# ");
}

std::string QuadDataFile::buildText(const std::string& notes, const Curves& curves) const {
    std::string text = printerInfo;
    text += '\n';
    text += notes;
    for (std::size_t ink = 0; ink < inkList.size(); ++ink) {
        text += '\n';
        text += inkList[ink];
        // A missing curve or value is written as 0 so that the file keeps the
        // 256 lines per channel that its header promises.
        const std::vector<double> none;
        const auto& curve = ink < curves.size() ? curves[ink] : none;
        for (std::size_t i = 0; i < valuesPerChannel; ++i) {
            text += '\n';
            text += i < curve.size() ? quadValueText(curve[i]) : "0";
        }
    }
    platform::printToStandardOutput(inkListText(inkList));
    return text;
}

std::string QuadDataFile::quadText(const Curves& curves) const { return buildText(notesBlock(), curves); }

void QuadDataFile::saveQuadFile(const Curves& curves) const {
    if (inkList.empty()) return;
    std::string notes = notesBlock();
    if (notes.rfind("# Silvermark", 0) != 0) notes = "# Silvermark Tintsmith v2\n" + notes;
    std::string text = buildText(notes, curves);

    platform::SavePanelOptions options;
    options.allowedFileTypes = {"quad"};
    options.canCreateDirectories = true;
    platform::beginSavePanel(options, [text = std::move(text)](const std::filesystem::path& file) {
        if (const auto result = platform::writeFileAtomically(file, text); !result)
            showSaveErrorAlert(result.errorDescription);
    });
}

void QuadDataFile::saveQuadText(std::string text) {
    platform::SavePanelOptions options;
    options.allowedFileTypes = {"quad"};
    options.canCreateDirectories = true;
    platform::beginSavePanel(options, [text = std::move(text)](const std::filesystem::path& file) {
        if (const auto result = platform::writeFileAtomically(file, text); !result)
            showSaveErrorAlert(result.errorDescription);
    });
}

} // namespace curves
