// .quad files as they reach the program: other encodings, byte-order marks,
// broken channel structure, huge files and things that are not files. Each
// ends in a correct load or in the .quad load alert with the reason, the
// curves loaded before kept.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/curves/quad/QuadDataFile.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"
#include "text_lines.h"

namespace curves {

namespace {

// Four channels; channel c holds c * 1000 + 3 i at value i.
std::string quadText(int valuesInC = 256, const std::string& after = "", const std::string& lineEnd = "\n") {
    std::string text = "## QuadToneRIP K,C,M,Y" + lineEnd + "# Printer: a test" + lineEnd;
    int c = 0;
    for (const char* ink : {"K", "C", "M", "Y"}) {
        text += std::string("# ") + ink + " curve" + lineEnd;
        const int values = c == 1 ? valuesInC : 256;
        for (int i = 0; i < values; ++i) text += std::to_string(c * 1000 + 3 * i) + lineEnd;
        ++c;
    }
    return text + after;
}

std::string utf16(const std::string& ascii, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char c : ascii) bytes += littleEndian ? std::string{c, '\0'} : std::string{'\0', c};
    return bytes;
}

// The .quad texts the tests below spoil: one made here, and the real
// eight-ink file when the shared test data is there.
struct QuadBase {
    const char* name;
    std::string text;
};

std::vector<QuadBase> quadBases() {
    std::vector<QuadBase> bases{{"made", quadText()}};
    const auto real = test_support::sharedTestFile("quad/k-only-8ink-lowercase-labels.quad");
    if (std::filesystem::exists(real))
        bases.push_back({"k-only-8ink-lowercase-labels.quad", test_support::readBytes(real)});
    return bases;
}

using curves_test::joined;
using curves_test::linesOf;

// Index of the line of value `index` of channel `channel`.
std::size_t valueLine(const std::vector<std::string>& lines, std::size_t channel, std::size_t index) {
    std::size_t first = 1;
    while (!quadtext::isChannelMarker(lines[first])) ++first;
    return first + channel * 257 + 1 + index;
}

// Opens the bytes as a file and loads them into a .quad that holds other
// curves; answers whether the load took.
struct OpenedQuad {
    bool loaded = false;
    QuadDataFile quad;
    quadtext::Curves previous;
};

OpenedQuad openOver(const test_support::ScratchDirectory& dir, const std::string& bytes) {
    OpenedQuad result;
    std::string before = "## QuadToneRIP K,C,M,Y\n# K Curve";
    for (int ink = 0; ink < 4; ++ink) {
        if (ink > 0) before += "\n# X Curve";
        for (int i = 0; i < 256; ++i) before += "\n" + std::to_string(ink == 0 ? i * 100 : 0);
    }
    EXPECT_TRUE(result.quad.load(quadtext::linesFromText(before)));
    result.previous = *result.quad.inputQuadCurveArray;
    test_support::writeBytes(dir.file("spoilt.quad"), bytes);
    const auto opened = QuadDataFile::openQuadFile(dir.file("spoilt.quad"));
    result.loaded = opened && result.quad.load(opened->rawQuadData);
    return result;
}

std::vector<double> expectedChannel(int c) {
    std::vector<double> curve;
    for (int i = 0; i < 256; ++i) curve.push_back(c * 1000 + 3 * i);
    return curve;
}

} // namespace

TEST(QuadRealWorld, EveryFileEndsInACorrectLoadOrTheAlertWithThePreviousCurvesKept) {
    test_support::ScratchDirectory dir;
    const auto pipe = dir.file("pipe.quad");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        const char* name;
        std::optional<std::string> bytes; // nothing: the path is made by the test
        std::filesystem::path path;
        const char* says; // part of the alert's reason; nullptr for a correct load
    };
    std::string notes = "## QuadToneRIP K,C,M,Y\n# Drucker: \xE9t\xE9 \xB0\n";
    const std::string latin1 = quadText().replace(0, 41, notes);
    const Case cases[] = {
        {"plain", quadText(), dir.file("plain.quad"), nullptr},
        {"Windows line ends", quadText(256, "", "\r\n"), dir.file("crlf.quad"), nullptr},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF" + quadText(), dir.file("bom.quad"), nullptr},
        {"UTF-16 little-endian", utf16(quadText(), true), dir.file("utf16le.quad"), nullptr},
        {"UTF-16 big-endian", utf16(quadText(), false), dir.file("utf16be.quad"), nullptr},
        {"Latin-1 notes", latin1, dir.file("latin1.quad"), nullptr},
        {"a channel of 255 values", quadText(255), dir.file("short.quad"), "has 255 values"},
        {"a channel of 257 values", quadText(257), dir.file("long.quad"), "more than 256 values"},
        {"lines after the last channel", quadText(256, "# K curve\n0\n"), dir.file("trailing.quad"),
         "Lines follow the last channel"},
        {"20 MB", quadText() + std::string(20u << 20, '\n'), dir.file("huge.quad"), "too large"},
        {"a named pipe", std::nullopt, pipe, "named pipe"},
        {"a folder", std::nullopt, dir.path(), "folder"},
        {"missing", std::nullopt, dir.file("absent.quad"), "could not be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform::ScriptedServices services;
        platform::LogCapture log;
        // The quad loaded before: one K ramp of 8 inks.
        QuadDataFile current;
        std::string before = "## QuadToneRIP K,C,M,Y\n# K Curve";
        for (int ink = 0; ink < 4; ++ink) {
            if (ink > 0) before += "\n# X Curve";
            for (int i = 0; i < 256; ++i) before += "\n" + std::to_string(ink == 0 ? i * 100 : 0);
        }
        ASSERT_TRUE(current.load(quadtext::linesFromText(before)));
        const auto previous = current.inputQuadCurveArray;

        if (c.bytes) test_support::writeBytes(c.path, *c.bytes);
        const auto opened = QuadDataFile::openQuadFile(c.path);
        const bool loaded = opened && current.load(opened->rawQuadData);
        if (!c.says) {
            ASSERT_TRUE(loaded);
            ASSERT_EQ(current.inputQuadCurveArray->size(), 4u);
            for (int ch = 0; ch < 4; ++ch) EXPECT_EQ((*current.inputQuadCurveArray)[ch], expectedChannel(ch)) << ch;
            EXPECT_EQ(current.printerInfo, "## QuadToneRIP K,C,M,Y");
            EXPECT_EQ(current.inkList.front(), "# K curve");
            EXPECT_TRUE(services.alerts->shown.empty());
            continue;
        }
        EXPECT_FALSE(loaded);
        ASSERT_EQ(services.alerts->shown.size(), 1u);
        EXPECT_EQ(services.alerts->shown[0].messageText, "Failed to Load Quad File");
        EXPECT_NE(services.alerts->shown[0].informativeText.find(c.says), std::string::npos)
            << services.alerts->shown[0].informativeText;
        EXPECT_EQ(current.inputQuadCurveArray, previous);
        EXPECT_EQ(current.inkList.front(), "# K Curve");
    }
}

TEST(QuadRealWorld, Latin1NotesReadAsTheirLetters) {
    test_support::ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    std::string text = quadText();
    text.replace(text.find("a test"), 6, "\xE9t\xE9");
    test_support::writeBytes(dir.file("latin1.quad"), text);
    const auto quad = QuadDataFile::openQuadFile(dir.file("latin1.quad"));
    ASSERT_TRUE(quad && quad->load(quad->rawQuadData));
    EXPECT_EQ(quad->quadNotes, "Printer: \xC3\xA9t\xC3\xA9");
    EXPECT_TRUE(log.devLogContains("latin1.quad is not UTF-8; read as Latin-1"));
}

} // namespace curves

namespace curves {

// A value line that is no quad value (a number from 0 to 65535) refuses the
// file with the .quad alert naming the line and the value, and the curves
// loaded before stay; such values were taken as they stood or as 0, and the
// curves written later followed them.
TEST(QuadRealWorld, ValuesThatAreNoQuadValueRefuseTheFileNamingTheLineAndTheValue) {
    const struct {
        std::string value;
        const char* shown;
    } values[] = {
        {"-5", "\"-5\""},
        {"70000", "\"70000\""},
        {"1e308", "\"1e308\""},
        {"nan", "\"nan\""},
        {"inf", "\"inf\""},
        {"12abc", "\"12abc\""},
        {std::string("12\0", 3), "\"12\\x00\""},
        {"", "\"\""},
    };
    for (const auto& base : quadBases()) {
        const auto lines = linesOf(base.text);
        for (const auto& v : values) {
            SCOPED_TRACE(std::string(base.name) + ": " + v.shown);
            test_support::ScratchDirectory dir;
            platform::ScriptedServices services;
            platform::LogCapture log;
            auto spoilt = lines;
            const auto at = valueLine(spoilt, 2, 40);
            spoilt[at] = v.value;
            const auto opened = openOver(dir, joined(spoilt));
            EXPECT_FALSE(opened.loaded);
            ASSERT_EQ(services.alerts->shown.size(), 1u);
            EXPECT_EQ(services.alerts->shown[0].messageText, "Failed to Load Quad File");
            const auto& reason = services.alerts->shown[0].informativeText;
            EXPECT_NE(reason.find("Line " + std::to_string(at + 1) + " holds " + v.shown), std::string::npos) << reason;
            EXPECT_EQ(reason.find('\0'), std::string::npos);
            EXPECT_EQ(*opened.quad.inputQuadCurveArray, opened.previous);
            EXPECT_EQ(opened.quad.numInks, 4);
        }
    }
}

// Blanks after the header line or a channel line (spaces or tabs an editor
// left) are ignored: the file loads as it would without them, and is written
// back without them. They refused the file.
TEST(QuadRealWorld, BlanksAfterTheHeaderAndChannelLinesAreIgnored) {
    for (const auto& base : quadBases()) {
        for (const std::string blanks : {" ", "\t", "  \t "}) {
            SCOPED_TRACE(std::string(base.name) + ": \"" + blanks + "\"");
            test_support::ScratchDirectory dir;
            platform::ScriptedServices services;
            platform::LogCapture log;
            QuadDataFile clean;
            ASSERT_TRUE(clean.load(quadtext::linesFromText(base.text)));
            auto lines = linesOf(base.text);
            std::vector<std::size_t> nameLines;
            for (std::size_t c = 0; c < clean.inkList.size(); ++c) nameLines.push_back(valueLine(lines, c, 0) - 1);
            lines[0] += blanks;
            for (const auto at : nameLines) lines[at] += blanks;
            const auto opened = openOver(dir, joined(lines));
            ASSERT_TRUE(opened.loaded);
            EXPECT_EQ(opened.quad.inputQuadCurveArray, clean.inputQuadCurveArray);
            EXPECT_EQ(opened.quad.inkList, clean.inkList);
            EXPECT_EQ(opened.quad.printerInfo, clean.printerInfo);
            EXPECT_EQ(opened.quad.quadNotes, clean.quadNotes);
            EXPECT_EQ(opened.quad.quadText(*opened.quad.inputQuadCurveArray),
                      clean.quadText(*clean.inputQuadCurveArray));
            EXPECT_TRUE(services.alerts->shown.empty());
        }
    }
}

// A file read as Latin-1 because of one stray byte keeps its valid UTF-8
// notes: the save writes back the letters that were read ("Hahnem\u00fchle"
// had become "Hahnem\u00c3\u00bchle"), and the stray byte as its Latin-1 letter.
TEST(QuadRealWorld, Utf8NotesSurviveAStrayLatin1ByteThroughASave) {
    const std::string paper = "# Paper: Hahnem\xC3\xBChle Photo Rag";
    const std::string temperature = "# Room at 21\xB0"
                                    "C";
    for (const auto& base : quadBases()) {
        SCOPED_TRACE(base.name);
        test_support::ScratchDirectory dir;
        platform::ScriptedServices services;
        platform::LogCapture log;
        auto lines = linesOf(base.text);
        lines.insert(lines.begin() + 1, {paper, temperature});
        const auto opened = openOver(dir, joined(lines));
        ASSERT_TRUE(opened.loaded);
        EXPECT_TRUE(log.devLogContains("spoilt.quad is not UTF-8; read as Latin-1"));

        services.savePanel->answers.push_back(dir.file("saved.quad"));
        QuadDataFile::saveQuadText(opened.quad.quadText(*opened.quad.inputQuadCurveArray));
        const auto saved = linesOf(test_support::readBytes(dir.file("saved.quad")));
        ASSERT_GE(saved.size(), 3u);
        EXPECT_EQ(saved[1], paper);
        EXPECT_EQ(saved[2], "# Room at 21\xC2\xB0"
                            "C");
        // Everything else as the same file all in UTF-8 saves it.
        lines[2] = saved[2];
        QuadDataFile utf8;
        ASSERT_TRUE(utf8.load(quadtext::linesFromText(joined(lines))));
        EXPECT_EQ(test_support::readBytes(dir.file("saved.quad")), utf8.quadText(*utf8.inputQuadCurveArray));
    }
}

} // namespace curves
