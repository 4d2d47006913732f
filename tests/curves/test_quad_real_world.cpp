// .quad files as they reach the program: other encodings, byte-order marks,
// broken channel structure, huge files and things that are not files. Each
// ends in a correct load or in the .quad load alert with the reason, the
// curves loaded before kept.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/curves/QuadDataFile.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"

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
