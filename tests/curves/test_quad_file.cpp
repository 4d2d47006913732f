#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <variant>

#include "app/curves/quad/QuadDataFile.h"
#include "app/curves/quad/QuadText.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/support/scratch_files.h"
#include "tests/support/shared_test_data.h"
#include "text_lines.h"

namespace curves {

using test_support::ScratchDirectory;

namespace {

const std::string header8 = "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK";
const std::string header4 = "## QuadToneRIP K,C,M,Y";

using curves_test::joined;
using curves_test::linesOf;

// A .quad text with the given header, notes, and channels of 256 values
// (channel c holds c * 100 + i at line i).
std::string quadTextOf(const std::string& header, const std::vector<std::string>& notes, int channels,
                       const std::string& firstMarker = "# K Curve", const std::string& lineEnd = "\n") {
    const char* names[] = {"K", "C", "M", "Y", "LC", "LM", "LK", "LLK", "V", "MK"};
    std::string text = header + lineEnd;
    for (const auto& note : notes) text += note + lineEnd;
    for (int c = 0; c < channels; ++c) {
        text += (c == 0 ? firstMarker : std::string("# ") + names[c] + " Curve") + lineEnd;
        for (int i = 0; i < 256; ++i) text += std::to_string(c * 100 + i) + lineEnd;
    }
    return text;
}

// The same text with `count` values in channel `channel` instead of 256.
std::string withValues(const std::string& header, int channel, int count) {
    auto lines = linesOf(quadTextOf(header, {}, 4));
    const std::size_t first = 2 + static_cast<std::size_t>(channel) * 257; // the channel's first value
    std::vector<std::string> edited(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
    for (int i = 0; i < count; ++i) edited.push_back(std::to_string(i));
    edited.insert(edited.end(), lines.begin() + static_cast<std::ptrdiff_t>(first + 256), lines.end());
    return joined(edited);
}

// The same text with value `index` of channel `channel` written as `line`.
std::string withValueLine(const std::string& header, int channel, int index, const std::string& line) {
    auto lines = linesOf(quadTextOf(header, {}, 4));
    lines[2 + static_cast<std::size_t>(channel) * 257 + static_cast<std::size_t>(index)] = line;
    return joined(lines);
}

std::shared_ptr<QuadDataFile> loaded(const std::string& text) {
    auto quad = std::make_shared<QuadDataFile>();
    quad->rawQuadData = quadtext::linesFromText(text);
    quad->load(quad->rawQuadData);
    return quad;
}

} // namespace

TEST(QuadFile, ParsesHeaderNotesNamesAndCurves) {
    platform::LogCapture log;
    const auto quad = loaded(quadTextOf(header4, {"# Printer: test", "# made # here", "#"}, 4));
    EXPECT_TRUE(quad->isKnownHeader());
    EXPECT_EQ(quad->inkCount(), 4);
    EXPECT_EQ(quad->numInks, 4);
    EXPECT_EQ(quad->printerInfo, header4);
    EXPECT_EQ(quad->quadNotes, "Printer: test\nmade here\n");
    EXPECT_EQ(linesOf(quad->quadText(*quad->inputQuadCurveArray))[3], "#") << "a lone # written back as read";
    EXPECT_EQ(quad->inkList, (std::vector<std::string>{"# K Curve", "# C Curve", "# M Curve", "# Y Curve"}));
    ASSERT_EQ(quad->inputQuadCurveArray->size(), 4u);
    EXPECT_EQ((*quad->inputQuadCurveArray)[2][10], 210);
    EXPECT_EQ((*quad->inputQuadCurveArray)[3].size(), 256u);
    EXPECT_FALSE(quad->isQuad);
}

TEST(QuadFile, LineEndsHeadersAndMarkers) {
    platform::LogCapture log;
    const auto lf = loaded(quadTextOf(header8, {"# a"}, 8));
    const auto crlf = loaded(quadTextOf(header8, {"# a"}, 8, "# K Curve", "\r\n"));
    EXPECT_EQ(crlf->inputQuadCurveArray, lf->inputQuadCurveArray);
    EXPECT_EQ(crlf->quadNotes, lf->quadNotes);
    EXPECT_EQ(crlf->inkList, lf->inkList);

    for (const std::string marker : {"# MK Curve", "K Curve", "# K curve", "# MK CURVE"}) {
        const auto quad = loaded(quadTextOf(header8, {"# note"}, 8, marker));
        EXPECT_EQ(quad->quadNotes, "note") << marker;
        EXPECT_EQ(quad->inkList.front(), marker);
    }
    // Every known header line gives its ink count.
    EXPECT_EQ(quadtext::inkCountOfHeader("## QuadToneRIP MK,C,M,Y,R,OR,PK,GL"), 8);
    EXPECT_EQ(quadtext::inkCountOfHeader("## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,OR,GR"), 10);
    EXPECT_EQ(quadtext::inkCountOfHeader("## QuadToneRIP K,C,M,Y,LC,LM"), 6);
    EXPECT_EQ(quadtext::inkCountOfHeader("## QuadToneRIP K,C,M,Y,LC,LM,LK"), 7);
    // Blanks after a header line say nothing.
    EXPECT_EQ(quadtext::inkCountOfHeader("## QuadToneRIP K,C,M,Y \t"), 4);
    EXPECT_EQ(quadtext::inkCountOfHeader(" ## QuadToneRIP K,C,M,Y"), 0);
    EXPECT_FALSE(quadtext::isChannelMarker("# k curve"));
}

// A value line is a number from 0 to 65535, blanks around it ignored; any
// other line where a value belongs refuses the file (it counted as 0, or as
// itself when out of range).
TEST(QuadFile, ValueLinesReadAsQuadValuesOrRefuseTheFile) {
    const struct {
        std::string line;
        std::optional<double> value; // nothing: the file is refused
    } cases[] = {
        {"12.7", 12.7},
        {" 12", 12},
        {"12 \t", 12},
        {"1e3", 1000},
        {"0", 0},
        {"65535", 65535},
        {"-0", 0},
        {"-5", {}},
        {"70000", {}},
        {"65535.5", {}},
        {"1e308", {}},
        {"nan", {}},
        {"inf", {}},
        {"-inf", {}},
        {"12abc", {}},
        {"", {}},
        {" ", {}},
        {"0x10", {}},
        {"1,5", {}},
        {std::string("12\0", 3), {}},
        {std::string("\0", 1), {}},
    };
    for (const auto& c : cases) {
        platform::ScriptedServices services;
        platform::LogCapture log;
        auto lines = quadtext::linesFromText(quadTextOf(header4, {}, 4));
        lines[2] = c.line;
        QuadDataFile quad;
        EXPECT_EQ(quad.load(lines), c.value.has_value()) << c.line;
        if (c.value) {
            EXPECT_EQ((*quad.inputQuadCurveArray)[0][0], *c.value) << c.line;
        }
        EXPECT_EQ(services.alerts->shown.size(), c.value ? 0u : 1u) << c.line;
    }
}

// The failures a user must hear about; the object keeps what it had.
TEST(QuadFile, FailedLoadsSaySoAndKeepThePreviousCurves) {
    platform::ScriptedServices services;
    platform::LogCapture log;
    QuadDataFile quad;
    ASSERT_TRUE(quad.load(quadtext::linesFromText(quadTextOf(header4, {"# first"}, 4))));
    const auto before = quad.inputQuadCurveArray;

    EXPECT_FALSE(quad.load(quadtext::linesFromText(quadTextOf(header4 + ",Q", {}, 4))));
    EXPECT_TRUE(log.standardOutputContains("false"));
    auto truncated = quadTextOf(header8, {}, 8);
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(quad.load(quadtext::linesFromText(truncated)));
    EXPECT_FALSE(quad.load(quadtext::linesFromText(header4 + "\n# only notes\n# more")));
    EXPECT_FALSE(quad.load({}));

    ASSERT_EQ(services.alerts->shown.size(), 4u);
    for (const auto& alert : services.alerts->shown) {
        EXPECT_EQ(alert.messageText, "Failed to Load Quad File");
        EXPECT_EQ(alert.style, platform::AlertStyle::warning);
    }
    EXPECT_NE(services.alerts->shown[1].informativeText.find("8 channels"), std::string::npos);
    EXPECT_EQ(quad.inputQuadCurveArray, before);
    EXPECT_EQ(quad.numInks, 4);
    EXPECT_EQ(quad.quadNotes, "first");
    EXPECT_EQ(quad.inkList.size(), 4u);
}

// The parser answers a whole file or the fault, never a part of a file.
TEST(QuadText, ParsesWholeFilesOrNamesTheFault) {
    using Fault = quadtext::ParseError::Fault;
    auto halfTheChannels = quadTextOf(header8, {}, 8);
    halfTheChannels.resize(halfTheChannels.size() / 2);
    auto lastValueMissing = quadTextOf(header4, {}, 4);
    lastValueMissing.pop_back();
    lastValueMissing.erase(lastValueMissing.rfind('\n'));
    auto noFinalLineFeed = quadTextOf(header4, {}, 4);
    noFinalLineFeed.pop_back();
    const struct {
        const char* name;
        std::string text;
        std::optional<Fault> fault;
    } cases[] = {
        {"four channels", quadTextOf(header4, {"# n"}, 4), std::nullopt},
        {"eight channels, no notes", quadTextOf(header8, {}, 8), std::nullopt},
        {"header with a trailing blank", quadTextOf(header4 + " ", {}, 4), std::nullopt},
        {"header with a leading blank", quadTextOf(" " + header4, {}, 4), Fault::unknownHeader},
        {"first channel line with trailing blanks", quadTextOf(header4, {"# n"}, 4, "# K curve \t"), std::nullopt},
        {"a value that is no number", withValueLine(header4, 1, 9, "n/a"), Fault::unreadableValue},
        {"a value beyond 65535", withValueLine(header4, 2, 0, "70000"), Fault::unreadableValue},
        {"a negative value in the last channel", withValueLine(header4, 3, 255, "-5"), Fault::unreadableValue},
        {"no text", "", Fault::unknownHeader},
        {"notes only", header4 + "\n# only notes\n# more", Fault::noChannelLine},
        {"half the channels", halfTheChannels, Fault::endsEarly},
        {"last value missing", lastValueMissing, Fault::endsEarly},
        {"a channel of 255 values", withValues(header4, 1, 255), Fault::shortChannel},
        {"a channel of 257 values", withValues(header4, 1, 257), Fault::longChannel},
        {"the last channel of 255 values", withValues(header4, 3, 255), Fault::endsEarly},
        {"the last channel of 257 values", withValues(header4, 3, 257), Fault::longChannel},
        {"the first channel empty", withValues(header4, 0, 0), Fault::shortChannel},
        {"a note after the last channel", quadTextOf(header4, {}, 4) + "# made by hand\n",
         Fault::linesAfterLastChannel},
        {"a fifth channel", quadTextOf(header4, {}, 5), Fault::linesAfterLastChannel},
        {"blank lines after the last channel", quadTextOf(header4, {}, 4) + "\n \n\t\n", std::nullopt},
        {"no line feed after the last value", noFinalLineFeed, std::nullopt},
        {"byte-order mark", "\xEF\xBB\xBF" + quadTextOf(header4, {}, 4), std::nullopt},
    };
    for (const auto& c : cases) {
        const auto parsed = quadtext::parse(quadtext::linesFromText(c.text));
        if (const auto* error = std::get_if<quadtext::ParseError>(&parsed)) {
            EXPECT_EQ(error->fault, c.fault) << c.name;
            EXPECT_FALSE(error->reason.empty()) << c.name;
            continue;
        }
        ASSERT_FALSE(c.fault) << c.name;
        const auto& contents = std::get<quadtext::Contents>(parsed);
        EXPECT_EQ(contents.inkList.size(), contents.curves.size()) << c.name;
        for (const auto& curve : contents.curves) EXPECT_EQ(curve.size(), quadtext::channelLength) << c.name;
    }
}

TEST(QuadFile, LongNotesAreReadUpToTheFirstChannelLine) {
    platform::LogCapture log;
    std::vector<std::string> notes;
    for (int i = 0; i < 200; ++i) notes.push_back("# note " + std::to_string(i));
    const auto quad = loaded(quadTextOf(header4, notes, 4));
    ASSERT_EQ(quad->inputQuadCurveArray->size(), 4u);
    EXPECT_EQ((*quad->inputQuadCurveArray)[0][0], 0);
    EXPECT_EQ(quad->inkList.front(), "# K Curve");
    EXPECT_EQ(linesOf(*quad->quadNotes).size(), 200u);
}

TEST(QuadFile, WritesTruncatedClampedValuesWithoutFinalLineFeed) {
    platform::LogCapture log;
    const auto quad = loaded(quadTextOf(header4, {"# kept # here"}, 4));
    auto curves = *quad->inputQuadCurveArray;
    curves[0][0] = 12.7;
    curves[0][1] = -3;
    curves[0][2] = 65535.9;
    curves[0][3] = 70000;
    curves[0][4] = std::numeric_limits<double>::quiet_NaN();
    curves[0][5] = std::numeric_limits<double>::infinity();
    curves[0][6] = -std::numeric_limits<double>::infinity();
    curves[0][7] = 99.999;
    const std::string text = quad->quadText(curves);
    EXPECT_NE(text.back(), '\n');
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 2u + 4 * 257);
    EXPECT_EQ(lines[0], header4);
    EXPECT_EQ(lines[1], "# kept here");
    EXPECT_EQ(lines[2], "# K Curve");
    const std::vector<std::string> values(lines.begin() + 3, lines.begin() + 11);
    EXPECT_EQ(values, (std::vector<std::string>{"12", "0", "65535", "65535", "0", "65535", "0", "99"}));
    EXPECT_EQ(lines.back(), "555");
    EXPECT_TRUE(log.standardOutputContains("[\"# K Curve\", \"# C Curve\", \"# M Curve\", \"# Y Curve\"]"));

    // Written text reads back to the same whole-number curves.
    QuadDataFile back;
    ASSERT_TRUE(back.load(quadtext::linesFromText(text)));
    EXPECT_EQ((*back.inputQuadCurveArray)[3], curves[3]);
    EXPECT_EQ((*back.inputQuadCurveArray)[0][0], 12);
}

TEST(QuadFile, NotesBlockAndMissingCurves) {
    platform::LogCapture log;
    QuadDataFile quad;
    quad.printerInfo = header4;
    quad.inkList = {"# K Curve", "# C Curve"};
    quad.quadNotes.reset();
    const auto lines = linesOf(quad.quadText({std::vector<double>(10, 7)}));
    EXPECT_EQ(lines[1], "# Silvermark Tintsmith-DN v2.4");
    ASSERT_EQ(lines.size(), 2u + 2 * 257);
    EXPECT_EQ(lines[3 + 9], "7");
    EXPECT_EQ(lines[3 + 10], "0"); // missing values are written as 0
    EXPECT_EQ(lines.back(), "0");
}

TEST(QuadFile, BlendingSaveAddsTheMakerLineAndWritesAtomically) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    QuadDataFile quad;
    quad.saveQuadFile({std::vector<double>(256, 1)});
    EXPECT_TRUE(services.savePanel->requests.empty()); // no ink names: nothing

    quad.printerInfo = header4;
    quad.inkList = {"# K Curve", "# C Curve", "# M Curve", "# Y Curve"};
    quad.quadNotes = "Blend: warm\nK 80%";
    services.savePanel->answers.push_back(dir.file("blend.quad"));
    quad.saveQuadFile(std::vector<std::vector<double>>(4, std::vector<double>(256, 100.5)));
    ASSERT_EQ(services.savePanel->requests.size(), 1u);
    EXPECT_EQ(services.savePanel->requests[0].allowedFileTypes, std::vector<std::string>{"quad"});
    const auto lines = linesOf(test_support::readBytes(dir.file("blend.quad")));
    EXPECT_EQ(lines[0], header4);
    EXPECT_EQ(lines[1], "# Silvermark Tintsmith v2");
    EXPECT_EQ(lines[2], "# Blend: warm");
    EXPECT_EQ(lines[3], "# K 80%");
    EXPECT_EQ(lines[5], "100");

    quad.quadNotes = "Silvermark own notes";
    services.savePanel->answers.push_back(dir.file("own.quad"));
    quad.saveQuadFile(std::vector<std::vector<double>>(4, std::vector<double>(256, 0)));
    EXPECT_EQ(linesOf(test_support::readBytes(dir.file("own.quad")))[1], "# Silvermark own notes");

    // A failed write is shown, not only printed, and leaves no file.
    const auto bad = dir.file("missing") / "x.quad";
    services.savePanel->answers.push_back(bad);
    quad.saveQuadFile(std::vector<std::vector<double>>(4, std::vector<double>(256, 0)));
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Error Saving Quad File");
    EXPECT_EQ(services.alerts->shown[0].style, platform::AlertStyle::critical);
    EXPECT_FALSE(std::filesystem::exists(bad));
}

TEST(QuadFile, SaveQuadTextShowsWriteErrors) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    services.savePanel->answers.push_back(dir.file("out.quad"));
    QuadDataFile::saveQuadText("abc\n1");
    EXPECT_EQ(test_support::readBytes(dir.file("out.quad")), "abc\n1");
    QuadDataFile::saveQuadText("abc");
    ASSERT_TRUE(services.savePanel->hasPending()); // the panel does not block
    services.savePanel->confirm(dir.path());       // a directory cannot be written as a file
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_EQ(services.alerts->shown[0].messageText, "Error Saving Quad File");
    EXPECT_FALSE(services.alerts->shown[0].informativeText.empty());
}

TEST(QuadFile, OpenPanelsReadAndNoteTheFile) {
    ScratchDirectory dir;
    platform::ScriptedServices services;
    platform::LogCapture log;
    const auto file = dir.file("curve.quad");
    test_support::writeBytes(file, quadTextOf(header4, {"# n"}, 4));

    services.openPanel->answers.push_back(std::nullopt);
    EXPECT_EQ(QuadDataFile::chooseQuadFile(), nullptr);
    services.openPanel->answers.push_back(file);
    const auto quad = QuadDataFile::chooseQuadFile();
    ASSERT_NE(quad, nullptr);
    const auto& options = services.openPanel->requests.back();
    EXPECT_EQ(options.title, "Choose a quad file");
    EXPECT_EQ(options.allowedFileTypes, std::vector<std::string>{"quad"});
    EXPECT_FALSE(options.canChooseDirectories);
    EXPECT_FALSE(options.allowsMultipleSelection);
    EXPECT_EQ(quad->fileName, "curve.quad");
    EXPECT_TRUE(quad->inputQuadCurveArray->empty()); // read, not parsed
    EXPECT_EQ(quad->rawQuadData.back(), "");         // the final line feed
    EXPECT_TRUE(quad->load(quad->rawQuadData));
    EXPECT_EQ(services.recentDocuments(), std::vector<std::filesystem::path>{file});

    EXPECT_EQ(QuadDataFile::openQuadFile(dir.file("absent.quad")), nullptr);
    ASSERT_EQ(services.alerts->shown.size(), 1u);
    EXPECT_NE(services.alerts->shown[0].informativeText.find("could not be read"), std::string::npos);
    EXPECT_EQ(services.recentDocuments().size(), 1u);
}

TEST(QuadFile, RealFilesReadAndWriteBack) {
    SKIP_WITHOUT_SHARED_TEST_DATA();
    platform::LogCapture log;
    const auto k = QuadDataFile::openQuadFile(test_support::sharedTestFile("quad/k-only-8ink-lowercase-labels.quad"));
    ASSERT_NE(k, nullptr);
    ASSERT_TRUE(k->load(k->rawQuadData));
    EXPECT_EQ(k->numInks, 8);
    EXPECT_EQ(k->inkList.front(), "# K curve");
    EXPECT_EQ((*k->inputQuadCurveArray)[0][255], 13762);
    EXPECT_EQ((*k->inputQuadCurveArray)[1], std::vector<double>(256, 0));
    EXPECT_EQ(linesOf(*k->quadNotes).size(), 12u);

    const auto mk = QuadDataFile::openQuadFile(test_support::sharedTestFile("quad/mk-only-10ink.quad"));
    ASSERT_NE(mk, nullptr);
    ASSERT_TRUE(mk->load(mk->rawQuadData));
    EXPECT_EQ(mk->numInks, 10);
    EXPECT_EQ((*mk->inputQuadCurveArray)[9][255] > 30000, true);
    QuadDataFile back;
    ASSERT_TRUE(back.load(quadtext::linesFromText(mk->quadText(*mk->inputQuadCurveArray))));
    EXPECT_EQ(back.inputQuadCurveArray, mk->inputQuadCurveArray);
    EXPECT_EQ(back.inkList, mk->inkList);
}

} // namespace curves
